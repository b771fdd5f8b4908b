#pragma once
// Renders windows to PNG files for review: each family of windows adds its
// pictures through one function below; murena-screens calls them in turn.
#include <QPoint>
#include <QString>
#include <QStringList>

class QImage;
class QOpenGLWidget;
class QWidget;

namespace murena::screens {

class ScreenShooter {
 public:
  explicit ScreenShooter(QString dir);

  // Lets pending events run (layouts, paints), then writes the widget as it
  // is shown to DIR/name.png.
  void save(QWidget* widget, const QString& name);
  // Writes a picture made otherwise (e.g. a window with an OpenGL frame
  // buffer painted in) to DIR/name.png.
  void saveImage(const QImage& image, const QString& name);
  // A window holding an OpenGL control: grabbing the window renders the
  // control without what its painter writes over the picture, so the
  // control's own frame buffer is painted in.
  void saveWithOpenGL(QWidget* window, QOpenGLWidget* gl, const QString& name);
  // A private copy of examples/<name>.mr5d together with its plot data file
  // (the stored result of the example), in DIR/work/<name>/; returns the
  // path of the copied data file.
  QString exampleCopy(const QString& name) const;
  // A left-button drag in steps, as the mouse makes it.
  static void drag(QWidget* widget, QPoint from, QPoint to);
  // The folder of the example data files.
  static QString examplesFolder();
  const QString& dir() const { return dir_; }
  const QStringList& saved() const { return saved_; }

 private:
  QString dir_;
  QStringList saved_;
};

// The main window (an example open after a run, staged-construction dialog).
void shootMainWindow(ScreenShooter& shooter);
// Data dialogs, table editors with a sub-table, the chart editor.
void shootDataEntry(ScreenShooter& shooter);
// Graph windows and their dialogs.
void shootResults(ScreenShooter& shooter);
// Side view and 3D view.
void shootViews(ScreenShooter& shooter);
// The pictures of the user's guide (docs/images), all of one example in the
// real main window; the 3D view needs an X display with OpenGL.
void shootUserGuide(ScreenShooter& shooter);

}  // namespace murena::screens
