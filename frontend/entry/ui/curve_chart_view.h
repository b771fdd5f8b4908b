#pragma once
// The chart of the curve editor: the drawing of curve_chart.h for the
// table's rows, painted with the program's one painter.
#include <QWidget>

namespace murena {
class GridTable;
}

namespace murena::ui {

class CurveChartView : public QWidget {
  Q_OBJECT
 public:
  explicit CurveChartView(GridTable* table, QWidget* parent = nullptr);
  // Null once the table is gone (the chart goes blank).
  void setTable(GridTable* table);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GridTable* table_;
};

}  // namespace murena::ui
