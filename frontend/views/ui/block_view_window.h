#pragma once
// TDlgBlock, the 3D view ("3-D View"): the project as a three-dimensional
// model in an OpenGL control, its "Show 3DView" menu of display options and
// the navigation tool buttons that the main window shows while it exists,
// and the Deformed Shape dialog.
#include <QList>
#include <QPointer>
#include <QWidget>

#include "frontend/views/ui/gl_window.h"
#include "frontend/views/scene_model.h"
#include "frontend/views/view_options.h"

class QAction;
class QActionGroup;
class QMenu;

namespace murena {
class MainWindowHost;
}

namespace murena::ui {

class TDlgDeformedShape;

class TDlgBlock : public QWidget {
  Q_OBJECT
 public:
  explicit TDlgBlock(MainWindowHost& host, QWidget* parent = nullptr);
  ~TDlgBlock() override;

  // "Show 3DView" and the tool buttons "Panning", "Zoom Window", "Zooming",
  // "Rotating", "Zoom In", "Zoom Out", "Restart View", "Deformed Shape".
  QMenu* optionMenu() const { return menu_; }
  const QList<QAction*>& toolActions() const { return toolActions_; }
  // An action of the menu or the tool buttons by its text without "&".
  QAction* action(const QString& text) const;

  TglWindow* glWindow() const { return gl_; }
  GlViewState& viewState() { return state_; }
  views::DisplayOptions& options() { return options_; }
  views::DeformedShapeSettings& deformedShape() { return deformed_; }
  TDlgDeformedShape* deformedShapeDialog() const;
  // The model as last built.
  const views::Scene& scene() const { return scene_; }

  // Rebuilds the model from the project, the options and the results.
  void RedrawComplete();
  // Results were loaded or cleared: "Deformed Shape" follows.
  void resultsChanged();
  // Opens (or brings up) the Deformed Shape dialog.
  void DeformedShapeWindow();
  void RestartViewButtonClick();
  // The picture as shown, as a PNG file; false when it could not be written.
  bool savePicture(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildActions();
  QAction* addOption(const QString& text, bool views::DisplayOptions::*option);
  void Zooming(bool in);
  void savePictureClick();
  void reportOpenGLError(const QString& message);

  MainWindowHost& host_;
  GlViewState state_;
  views::DisplayOptions options_;
  views::DeformedShapeSettings deformed_;
  views::Scene scene_;
  TglWindow* gl_;
  QMenu* menu_ = nullptr;
  QList<QAction*> toolActions_;
  QAction* deformedAction_ = nullptr;
  QPointer<TDlgDeformedShape> dialog_;
  bool fitted_ = false;
  // The unit system and wall length the fit was made for.
  int fitUnits_ = 0;
  double fitLength_ = 0;
  QPointer<QWidget> watchedFrame_;
};

}  // namespace murena::ui
