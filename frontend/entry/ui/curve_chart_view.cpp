#include "frontend/entry/ui/curve_chart_view.h"

#include <QPainter>

#include "frontend/entry/curve_chart.h"
#include "frontend/results/ui/drawing_painter.h"

namespace murena::ui {

CurveChartView::CurveChartView(GridTable* table, QWidget* parent) : QWidget(parent), table_(table) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(logicalDpiX() * 2, logicalDpiY() * 2);
}

void CurveChartView::setTable(GridTable* table) {
  table_ = table;
  update();
}

QSize CurveChartView::sizeHint() const { return {logicalDpiX() * 4, logicalDpiY() * 3}; }

void CurveChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const CurveChart chart = table_ != nullptr ? curveChartOf(*table_) : CurveChart{};
  const QtTextMetrics metrics(this);
  paintDrawing(painter, drawCurveChart(chart, width(), height(), metrics, logicalDpiX()));
}

}  // namespace murena::ui
