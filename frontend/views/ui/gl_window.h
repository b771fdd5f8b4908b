#pragma once
// TglWindow: the OpenGL control of the 3D view.  It compiles the scene into
// display lists (1 loading, 2 wall and symbols, 5 soil and water) with
// OpenGL 1.1 fixed-function calls on a compatibility-profile context, draws
// a frame from the view's camera, the axes triad and the zoom window, writes
// the triad's labels with QPainter over the picture, and turns left-button
// drags and the wheel into navigation.
#include <QOpenGLWidget>
#include <array>

#include "frontend/views/scene_mesh.h"
#include "frontend/views/view_navigation.h"

class QOpenGLFunctions_1_1;
class QPainter;

namespace murena::ui {

// The camera and navigation state the control draws and changes.
struct GlViewState {
  views::ViewState view;
  views::ViewFit fit;
  views::ViewNavigator navigator;
  bool showAxes = true;
};

class TglWindow : public QOpenGLWidget {
  Q_OBJECT
 public:
  explicit TglWindow(GlViewState& state, QWidget* parent = nullptr);
  ~TglWindow() override;

  // The display lists are compiled from this scene on the next paint.
  void setScene(const views::Scene& scene);
  // Whether the context could be made and has the OpenGL 1.1 functions.
  bool contextFailed() const { return failed_; }
  int framesPainted() const { return frames_; }

 signals:
  // A drawing call left OpenGL in an error state (reported once).
  void openGLError(const QString& message);
  void contextFailedToInitialise();
  // The camera changed through the mouse.
  void viewChanged();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void compileLists();
  void emitMesh(const views::Mesh& mesh);
  void drawFrame();
  void drawOverlay();
  void drawLabels(QPainter& painter);
  void releaseLists();

  GlViewState& state_;
  QOpenGLFunctions_1_1* gl_ = nullptr;
  bool failed_ = false;
  bool errorReported_ = false;
  unsigned listBase_ = 0;
  bool listsStale_ = true;
  int frames_ = 0;
  // Meshes of lists 1, 2, 5 and whether they blend.
  struct ListMesh {
    int number = 0;
    bool blending = false;
    views::Mesh mesh;
  };
  std::array<ListMesh, 3> lists_;
};

}  // namespace murena::ui
