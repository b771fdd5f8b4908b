#pragma once
// The model views: the side view ("Side View") and the 3D view ("3-D View"),
// one window of each at a time.  While the 3D view exists its option menu
// and navigation tool buttons are shown in the main window.
#include <QObject>
#include <QPointer>

#include <QWidget>

namespace murena {

class MainWindowHost;

class ModelViews : public QObject {
  Q_OBJECT
 public:
  explicit ModelViews(MainWindowHost& host, QObject* parent = nullptr);
  ~ModelViews() override;

  // Creates the window on first use, brings it up afterwards.  Without an
  // OpenGL context to draw with, the 3D view shows a message instead.
  void showSideView();
  void show3DView();
  QWidget* sideView() const { return sideView_.data(); }
  QWidget* view3D() const { return view3D_.data(); }
  // Results were loaded or cleared: the 3D view's deformed-shape commands follow.
  void resultsChanged();
  // The project was changed as a whole (units switched, another stage
  // loaded): the open views draw it again.
  void projectReloaded();
  void closeAll();

 private:
  MainWindowHost& host_;
  QPointer<QWidget> sideView_;
  QPointer<QWidget> view3D_;
};

}  // namespace murena
