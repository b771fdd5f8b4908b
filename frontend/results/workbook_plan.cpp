#include "frontend/results/workbook_plan.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "frontend/entry/general_format.h"

namespace murena {

namespace {

WorkbookCell text(int row, int col, std::string s, bool header = false) {
  WorkbookCell c;
  c.row = row;
  c.col = col;
  c.text = std::move(s);
  c.header = header;
  return c;
}

WorkbookCell link(int row, int col, std::string s, std::string target) {
  WorkbookCell c = text(row, col, std::move(s));
  c.kind = WorkbookCell::Kind::Link;
  c.target = std::move(target);
  return c;
}

// A value as the workbook receives it: through its text in general format
// with 15 significant digits.  Values that are not finite stay text.
WorkbookCell number(int row, int col, double v) {
  WorkbookCell c = text(row, col, formatGeneral(v, 15));
  double parsed = 0;
  if (std::isfinite(v) && parseDecimal(c.text, parsed)) {
    c.kind = WorkbookCell::Kind::Number;
    c.number = parsed;
  }
  return c;
}

// Widths that fit the longest text of each column.
void fitColumns(WorkbookSheet& sheet) {
  std::map<int, size_t> longest;
  for (const WorkbookCell& c : sheet.cells) longest[c.col] = std::max(longest[c.col], c.text.size());
  for (const auto& [col, length] : longest) sheet.columnWidths.push_back({col, static_cast<double>(length) + 1});
}

std::string rangeOf(const std::string& sheet, int column, int lastRow) {
  const std::string letters = columnLetters(column);
  return "=" + sheet + "!$" + letters + "$6:$" + letters + "$" + std::to_string(lastRow);
}

constexpr int kFirstDataRow = 5;  // row 6 of the sheet

}  // namespace

std::string columnLetters(int column) {
  std::string letters;
  for (int n = column; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

WorkbookPlan planWorkbook(const std::vector<const TGraphPlot*>& graphs) {
  WorkbookPlan plan;
  WorkbookSheet legend;
  legend.name = "Legend";
  for (int i = 0; i < 5; ++i) legend.cells.push_back(text(1, 1 + i, kWorkbookLegendHeaders[i], true));
  plan.sheets.push_back(legend);

  for (size_t k = 1; k <= graphs.size(); ++k) {
    const TGraphPlot& g = *graphs[k - 1];
    const std::string page = "Page_" + std::to_string(k);
    const std::string plot = "Plot_" + std::to_string(k);
    const int row = static_cast<int>(k) + 1;
    WorkbookSheet& index = plan.sheets.front();
    index.cells.push_back(number(row, 1, static_cast<double>(k)));
    index.cells.push_back(text(row, 2, g.Caption));
    index.cells.push_back(link(row, 3, page, page + "!A1"));
    index.cells.push_back(text(row, 4, plot));
    index.cells.push_back(text(row, 5, "Complete"));

    const std::string xTitle = g.axisTitle(g.XCaption, g.XUnits);
    const std::string yTitle = g.axisTitle(g.YCaption, g.YUnits);
    WorkbookSheet data;
    data.name = page;
    data.cells = {text(0, 0, g.Caption), text(1, 0, "X"), text(1, 1, xTitle), text(2, 0, "Y"), text(2, 1, yTitle),
                  link(0, 6, "Go to Legend Page", "Legend!A1")};
    const int points = TGraphPlot::PointCount(g.Curves);
    WorkbookChart chart{xTitle, yTitle, g.XOnTop, {}};
    for (size_t c = 0; c < g.Curves.size(); ++c) {
      const TLine& curve = g.Curves[c];
      const int xCol = static_cast<int>(2 * c), yCol = xCol + 1;
      const std::string name = g.displayedName(curve);
      data.cells.push_back(text(3, xCol, name));
      data.cells.push_back(text(4, xCol, "X"));
      data.cells.push_back(text(4, yCol, "Y"));
      const size_t n = std::min(curve.Points.size(), static_cast<size_t>(points));
      for (size_t j = 0; j < n; ++j) {
        data.cells.push_back(number(kFirstDataRow + static_cast<int>(j), xCol, curve.Points[j].X));
        data.cells.push_back(number(kFirstDataRow + static_cast<int>(j), yCol, curve.Points[j].Y));
      }
      const int lastRow = kFirstDataRow + std::max(points, 1);
      chart.series.push_back({name, rangeOf(page, xCol + 1, lastRow), rangeOf(page, yCol + 1, lastRow)});
    }
    plan.sheets.push_back(std::move(data));
    WorkbookSheet chartSheet;
    chartSheet.name = plot;
    chartSheet.chart = std::move(chart);
    plan.sheets.push_back(std::move(chartSheet));
  }
  fitColumns(plan.sheets.front());
  return plan;
}

}  // namespace murena
