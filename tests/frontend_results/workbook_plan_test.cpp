// The workbook of exported graphs as planned cells, sheets and chart series;
// the export dialog's choices.
#include <gtest/gtest.h>

#include <map>

#include "frontend/results/export_selection.h"
#include "frontend/results/workbook_plan.h"
#include "tests/frontend_results/graph_test_support.h"

namespace murena {
namespace {

using testing_support::curves;

TEST(WorkbookPlanTest, ColumnLetters) {
  const std::map<int, std::string> cases{{1, "A"},   {2, "B"},   {26, "Z"},   {27, "AA"},  {28, "AB"},
                                         {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}};
  for (const auto& [n, letters] : cases) EXPECT_EQ(columnLetters(n), letters) << n;
}

const WorkbookCell* cellAt(const WorkbookSheet& s, int row, int col) {
  for (const WorkbookCell& c : s.cells)
    if (c.row == row && c.col == col) return &c;
  return nullptr;
}

TEST(WorkbookPlanTest, LegendSheetListsTheGraphsWithLinks) {
  TResultGraphs graphs;
  graphs.pltDef.Curves = curves(1, 4);
  graphs.pltPY.Curves = curves(3, 17);
  const WorkbookPlan plan = planWorkbook({&graphs.pltPY, &graphs.pltDef});
  std::vector<std::string> names;
  for (const WorkbookSheet& s : plan.sheets) names.push_back(s.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
  const WorkbookSheet& legend = plan.sheets[0];
  EXPECT_EQ(cellAt(legend, 1, 2)->text, kWorkbookLegendHeaders[1]);
  EXPECT_TRUE(cellAt(legend, 1, 1)->header);
  EXPECT_EQ(cellAt(legend, 3, 1)->kind, WorkbookCell::Kind::Number);
  EXPECT_EQ(cellAt(legend, 3, 1)->number, 2);
  EXPECT_EQ(cellAt(legend, 3, 2)->text, "Deflection vs Depth");
  EXPECT_EQ(cellAt(legend, 3, 3)->kind, WorkbookCell::Kind::Link);
  EXPECT_EQ(cellAt(legend, 3, 3)->target, "Page_2!A1");
  EXPECT_EQ(cellAt(legend, 3, 4)->text, "Plot_2");
  EXPECT_EQ(cellAt(legend, 2, 5)->text, "Complete");
  // Columns fitted to the padded headers.
  EXPECT_EQ(legend.columnWidths[1], (std::pair<int, double>{2, 68}));
}

TEST(WorkbookPlanTest, PyGraphOfThreeCurvesOfSeventeenPoints) {
  TResultGraphs graphs;
  graphs.pltPY.Curves = curves(3, 17);
  graphs.pltPY.Curves[1].Points[16] = {0.1 + 0.2, 1e-20};
  graphs.pltPY.SetUnits(2);
  const WorkbookPlan plan = planWorkbook({&graphs.pltPY});
  const WorkbookSheet& page = plan.sheets[1];
  EXPECT_EQ(cellAt(page, 0, 0)->text, "p-y Curves");
  EXPECT_EQ(cellAt(page, 1, 1)->text, "Deflection, y (m)");
  EXPECT_EQ(cellAt(page, 2, 1)->text, "Soil Resistance, p (kN/m)");
  EXPECT_EQ(cellAt(page, 0, 6)->target, "Legend!A1");
  EXPECT_EQ(cellAt(page, 3, 4)->text, "Depth 3");
  EXPECT_EQ(cellAt(page, 4, 5)->text, "Y");
  EXPECT_EQ(cellAt(page, 21, 5)->number, 16);  // row 22, column F
  EXPECT_FALSE(cellAt(page, 22, 0));
  EXPECT_EQ(cellAt(page, 21, 2)->number, 0.3);  // through 15 significant digits
  EXPECT_EQ(cellAt(page, 21, 3)->number, 1e-20);
  const WorkbookChart& chart = *plan.sheets[2].chart;
  ASSERT_EQ(chart.series.size(), 3u);
  EXPECT_EQ(chart.series[2].name, "Depth 3");
  EXPECT_EQ(chart.series[2].categories, "=Page_1!$E$6:$E$22");
  EXPECT_EQ(chart.series[2].values, "=Page_1!$F$6:$F$22");
  EXPECT_FALSE(chart.reverseValueAxis);
  EXPECT_EQ(chart.xTitle, "Deflection, y (m)");
}

TEST(WorkbookPlanTest, DepthGraphsReverseTheValueAxisAndFourteenCurvesReachColumnAB) {
  TResultGraphs graphs;
  graphs.pltLD.Curves = curves(14, 3);
  const WorkbookPlan plan = planWorkbook({&graphs.pltLD});
  const WorkbookChart& chart = *plan.sheets[2].chart;
  EXPECT_TRUE(chart.reverseValueAxis);
  EXPECT_EQ(chart.series[13].values, "=Page_1!$AB$6:$AB$8");
}

TEST(ExportSelectionTest, EntriesFollowTheGraphicsMenu) {
  TResultGraphs graphs;
  graphs.pltDef.Curves = curves(1, 4);
  graphs.pltMom.Curves = curves(1, 4);
  ExportSelection none(graphs, false);
  for (const ExportEntry& e : none.entries()) EXPECT_FALSE(e.enabled);
  none.selectAll();
  EXPECT_FALSE(none.canGenerate());

  ExportSelection s(graphs, true);
  std::vector<std::string> captions;
  for (const ExportEntry& e : s.entries()) captions.push_back(e.graph->Caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"p-y Curves", "Deflection vs Depth", "Shear vs Depth",
                                                "Moment vs Depth", "Net Reaction vs Depth",
                                                "Earth Pressure Distribution", "Earth Pressure Combined"}));
  std::vector<bool> enabled;
  for (const ExportEntry& e : s.entries()) enabled.push_back(e.enabled && e.checked);
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, true, false, false, true}));
  s.unselectAll();
  EXPECT_FALSE(s.canGenerate());
  s.setChecked(0, true);  // disabled: stays unchecked
  EXPECT_FALSE(s.canGenerate());
  s.setChecked(3, true);
  EXPECT_TRUE(s.canGenerate());
  EXPECT_EQ(s.chosen(), (std::vector<const TGraphPlot*>{&graphs.pltMom}));
  s.selectAll();
  EXPECT_EQ(s.chosen().size(), 3u);
  EXPECT_EQ(defaultWorkbookPath("/home/a/Wall.mr5d"), "/home/a/Wall.xlsx");
}

}  // namespace
}  // namespace murena
