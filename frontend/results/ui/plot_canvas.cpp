#include "frontend/results/ui/plot_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "frontend/results/graph_drawing.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/ui/drawing_painter.h"

namespace murena::ui {

namespace {

draw::Point pointOf(const QPoint& p) { return {double(p.x()), double(p.y())}; }

}  // namespace

PlotCanvas::PlotCanvas(PlotView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
  setMinimumSize(120, 120);
}

GraphLayout PlotCanvas::screenLayout() const {
  return layoutGraph(view_.graph(), OutputMode::Screen, {0, 0, double(width()), double(height())}, logicalDpiX(),
                     logicalDpiY());
}

void PlotCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const GraphLayout layout = screenLayout();
  paintDrawing(painter, drawGraph(view_.graph(), layout, view_.picture({}), QtTextMetrics(this)));
  if (banding_) {
    // The rubber band inverts the pixels under it.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(anchor_, corner_).normalized());
  }
}

void PlotCanvas::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const GraphLayout layout = screenLayout();
  if (!layout.plot.contains(pointOf(at))) return;
  if (event->button() == Qt::LeftButton && view_.canZoom()) {
    banding_ = true;
    anchor_ = corner_ = at;
    update();
  } else if (event->button() == Qt::RightButton) {
    if (view_.zoomOut(layout, pointOf(at))) {
      update();
      emit rangesChanged();
    }
  }
}

void PlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit coordinatesChanged(QString::fromStdString(view_.coordinateTitle(screenLayout(), pointOf(at))));
  if (banding_) {
    corner_ = at;
    update();
  }
}

void PlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (!banding_ || event->button() != Qt::LeftButton) return;
  banding_ = false;
  if (view_.zoom(screenLayout(), pointOf(anchor_), pointOf(event->position().toPoint()))) emit rangesChanged();
  update();
}

void PlotCanvas::resizeEvent(QResizeEvent*) { emit resized(); }

}  // namespace murena::ui
