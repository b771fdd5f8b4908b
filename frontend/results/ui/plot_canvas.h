#pragma once
// The client area of a graph window: paints the graph on the screen, zooms
// with a rubber band (left button, single panel), zooms out with the right
// button, and reports the data values under the mouse.
#include <QPoint>
#include <QWidget>

#include "frontend/results/graph_layout.h"

namespace murena {
class PlotView;
}

namespace murena::ui {

class PlotCanvas : public QWidget {
  Q_OBJECT
 public:
  PlotCanvas(PlotView& view, QWidget* parent);

  // The screen layout of the graph on this widget.
  GraphLayout screenLayout() const;
  bool banding() const { return banding_; }

 signals:
  void coordinatesChanged(const QString& title);
  void rangesChanged();
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  PlotView& view_;
  bool banding_ = false;
  QPoint anchor_;
  QPoint corner_;
};

}  // namespace murena::ui
