#pragma once
// TDlgSideView, the side view window ("Side View"): the section of the wall
// and soil drawn by the one drawing painter, the depth under the mouse in
// the title, printing on a landscape page, and saving as PNG, SVG or PDF.
#include <QPointer>
#include <QWidget>

class QPrinter;
class QPaintDevice;

namespace murena {
class MainWindowHost;
}

namespace murena::ui {

class SideViewCanvas;

class TDlgSideView : public QWidget {
  Q_OBJECT
 public:
  explicit TDlgSideView(MainWindowHost& host, QWidget* parent = nullptr);

  SideViewCanvas* canvas() const { return canvas_; }
  // The drawing on one landscape page inside a frame from 10% to 90%.
  void printTo(QPrinter& printer);
  // By the file's extension: ".svg", ".pdf", otherwise PNG.  False when the
  // file could not be written.
  bool saveTo(const QString& path);
  // The printed layout on any device (a page, a PDF, an image of a page).
  void paintPage(QPaintDevice& device);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void printClick();
  void saveClick();

  MainWindowHost& host_;
  SideViewCanvas* canvas_;
  QPointer<QWidget> watchedFrame_;
};

// The drawing area: follows the project on every paint and reports the
// depth under the mouse.
class SideViewCanvas : public QWidget {
  Q_OBJECT
 public:
  SideViewCanvas(MainWindowHost& host, QWidget* parent = nullptr);
  // The drawing at the canvas's size, as the window shows it.
  void render(QPainter& painter, QPaintDevice* device);

 signals:
  void depthChanged(const QString& readout);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  MainWindowHost& host_;
};

}  // namespace murena::ui
