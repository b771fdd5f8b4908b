// The graph model: curve lists, displayed names and unit strings.
#include <gtest/gtest.h>

#include "frontend/results/graph_plot.h"

namespace murena {
namespace {

TEST(GraphPlotTest, NewCurvesTakeTheirNumberAndTheFirstCurvesPointCount) {
  TGraphPlot g;
  TGraphPlot::SetCurveCount(g.Curves, 1);
  TGraphPlot::SetPointCount(g.Curves, 3);
  TGraphPlot::SetCurveCount(g.Curves, 3);
  ASSERT_EQ(g.Curves.size(), 3u);
  EXPECT_EQ(g.Curves[2].Value, 3);
  EXPECT_EQ(g.Curves[2].Points.size(), 3u);
  EXPECT_EQ(g.displayedName(g.Curves[1]), "Curve #2");
  TGraphPlot::SetCurveCount(g.Curves, -4);
  EXPECT_EQ(TGraphPlot::CurveCount(g.Curves), 0);
  EXPECT_EQ(TGraphPlot::PointCount(g.Curves), 0);
}

TEST(GraphPlotTest, DisplayedNameAndLegendHook) {
  TGraphPlot g;
  g.CurveName = "Depth ";
  TGraphPlot::SetCurveCount(g.Curves, 2);
  g.Curves[0].Value = 12.5;
  g.Curves[1].Name = "Long-Term";
  EXPECT_EQ(g.displayedName(g.Curves[0]), "Depth 12.5");
  EXPECT_EQ(g.displayedName(g.Curves[1]), "Long-Term");
  g.onGetCaption = [](int index, std::string& text) { text += " (" + std::to_string(index) + ")"; };
  EXPECT_EQ(g.legendText(1), "Long-Term (1)");
}

TEST(GraphPlotTest, UnitStringsExpandOneFamilyMemberEach) {
  struct Case {
    const char* units;
    int system;
    const char* expanded;
  } cases[] = {
      {"F/L", 1, "lbs/in"},     {"F/L", 2, "kN/m"},       {"L-F/Rad.", 1, "in-lbs/Rad."},
      {"F1-L2", 1, "kips-ft"},  {"F2/L1", 2, "kN/mm"},    {"F/L", 3, "F/L"},
      {"F/L", 7, "F/L"},        {"", 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandUnits(c.units, c.system), c.expanded) << c.units << " " << c.system;
  TGraphPlot g;
  g.SetUnits(9);
  EXPECT_EQ(g.Units(), 3);
  g.SetUnits(1);
  EXPECT_EQ(g.axisTitle("Deflection", "L"), "Deflection (in)");
  EXPECT_EQ(g.axisTitle("Depth (ft)", ""), "Depth (ft)");
}

TEST(GraphPlotTest, PaletteRepeatsAfterSeventeen) {
  EXPECT_EQ(curveColor(17).b, curveColor(0).b);
  EXPECT_EQ(curveColor(1).b, 255);
  EXPECT_EQ(curveColor(2).r, 255);
}

}  // namespace
}  // namespace murena
