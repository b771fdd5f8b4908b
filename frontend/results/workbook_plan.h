#pragma once
// The spreadsheet workbook of exported graphs as data: a "Legend" sheet that
// lists the graphs with links to their sheets, and for graph k a data sheet
// "Page_k" (caption, axis titles, link back, curve names, X/Y headers, the
// points) followed by a chart sheet "Plot_k" (XY scatter with lines and
// markers, one series per curve, axis titles, gridlines, the value axis
// reversed for depth graphs).  The workbook writer turns the plan into a file.
#include <optional>
#include <string>
#include <vector>

#include "frontend/results/graph_plot.h"

namespace murena {

struct WorkbookCell {
  enum class Kind { Text, Number, Link };
  Kind kind = Kind::Text;
  int row = 0;  // 0-based: row 0 is the sheet's row 1
  int col = 0;  // 0-based: column 0 is "A"
  std::string text;
  double number = 0;
  std::string target;   // a link's place: "Page_1!A1"
  bool header = false;  // bold and centred vertically
};

struct WorkbookSeries {
  std::string name;
  std::string categories;  // x values: "=Page_1!$A$6:$A$22"
  std::string values;      // y values: "=Page_1!$B$6:$B$22"
};

struct WorkbookChart {
  std::string xTitle;
  std::string yTitle;
  bool reverseValueAxis = false;
  std::vector<WorkbookSeries> series;
};

struct WorkbookSheet {
  std::string name;
  std::vector<WorkbookCell> cells;
  std::vector<std::pair<int, double>> columnWidths;  // column, width in characters
  std::optional<WorkbookChart> chart;                // a chart sheet
};

struct WorkbookPlan {
  std::vector<WorkbookSheet> sheets;
};

// Column letters of a 1-based column number: 1 "A" .. 26 "Z", 27 "AA" ..
// 702 "ZZ", 703 "AAA".
std::string columnLetters(int column);

// The plan for the chosen graphs, in order.
WorkbookPlan planWorkbook(const std::vector<const TGraphPlot*>& graphs);

// The Legend sheet's header texts (their blanks widen the columns).
inline constexpr const char* kWorkbookLegendHeaders[] = {
    "     N    ", "                             Plot Name                             ", "  Sheet Name  ",
    "  Chart Name  ", "          Status          "};

}  // namespace murena
