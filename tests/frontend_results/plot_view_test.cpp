// The graph window's state: opening, zoom and zoom out, the Plot menu, the
// legend with renaming and activating curves.
#include <gtest/gtest.h>

#include <cmath>

#include "frontend/results/curve_dialogs.h"
#include "frontend/results/graph_zoom.h"
#include "frontend/results/plot_menu.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/result_graphs.h"
#include "tests/frontend_results/graph_test_support.h"

namespace murena {
namespace {

using testing_support::curve;
using testing_support::curves;

TEST(GraphZoomTest, NarrowBandIsWidenedToAFortiethOfTheFullRangeEachWay) {
  const AxisRange full{0, 100};
  EXPECT_EQ(zoomAxis(40, 41, full), (AxisRange{38, 43}));  // centre 40.5 +- 2.5
  EXPECT_EQ(zoomAxis(99, 100, full), (AxisRange{95, 100}));
  EXPECT_EQ(zoomAxis(0.5, 0, full), (AxisRange{0, 5}));
  EXPECT_EQ(zoomAxis(20, 60, full), (AxisRange{20, 60}));
  EXPECT_EQ(zoomAxis(20, 25, full), (AxisRange{20, 25}));  // exactly a twentieth stays
}

TEST(GraphZoomTest, ZoomOutDoublesAroundTheClickWithinTheFullRange) {
  const AxisRange full{0, 100};
  EXPECT_EQ(zoomOutAxis(30, full, full), full);
  EXPECT_EQ(zoomOutAxis(50, {40, 65}, full), (AxisRange{25, 75}));
  EXPECT_EQ(zoomOutAxis(10, {0, 25}, full), (AxisRange{0, 50}));
  EXPECT_EQ(zoomOutAxis(95, {75, 100}, full), (AxisRange{50, 100}));
  EXPECT_EQ(zoomOutAxis(50, {10, 70}, full), full);
}

TEST(GraphZoomTest, RubberBandOnThePanel) {
  const PanelMapping m{{0, 0, 1000, 1000}, {{0, 100}, {0, 100}}, true};
  const PanelRanges full{{0, 100}, {0, 100}};
  const auto r = rubberBandZoom(m, {200, 300}, {600, 700}, full);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, (PanelRanges{{20, 60}, {30, 70}}));
  // A band going outside is clamped to the panel.
  EXPECT_EQ(rubberBandZoom(m, {-50, 300}, {600, 1200}, full)->y, (AxisRange{30, 100}));
  EXPECT_FALSE(rubberBandZoom(m, {200, 300}, {200, 700}, full));
  EXPECT_FALSE(rubberBandZoom(m, {200, 300}, {600, 300}, full));
  EXPECT_FALSE(zoomOutAt(m, {1200, 10}, full));
}

class PlotViewTest : public ::testing::Test {
 protected:
  GraphLayout layout() const { return layoutGraph(g, OutputMode::Screen, {0, 0, 800, 600}, 96, 96); }
  std::vector<std::string> entryTexts(const PlotView& v) const {
    std::vector<std::string> out;
    for (const LegendEntry& e : v.legend()) out.push_back(e.text);
    return out;
  }
  static std::vector<PlotMenuItem> curveItems(const PlotView& v) {
    std::vector<PlotMenuItem> out;
    for (const PlotMenuItem& i : plotMenuItems(v))
      if (i.command == PlotCommand::Curve) out.push_back(i);
    return out;
  }
  static const PlotMenuItem* find(const std::vector<PlotMenuItem>& items, PlotCommand c) {
    for (const PlotMenuItem& i : items)
      if (i.command == c) return &i;
    return nullptr;
  }
  TGraphPlot g;
};

TEST_F(PlotViewTest, TwentyFiveCurvesOpenWithTwentyActive) {
  g.Curves = curves(25, 5);
  g.Curves[22].Active = false;
  PlotView v(g);
  ASSERT_TRUE(v.open());
  EXPECT_EQ(v.legend().size(), 20u);
  EXPECT_EQ(curveItems(v).size(), 20u);
  EXPECT_TRUE(g.Curves[19].Active);
  EXPECT_FALSE(g.Curves[20].Active);
  g.LimitActiveCurves = false;
  ASSERT_TRUE(v.open());
  EXPECT_EQ(v.legend().size(), 25u);
}

TEST_F(PlotViewTest, ActivatingAllAddsEntriesAndDeactivatingTheFirstShiftsThemUp) {
  g.Curves = curves(25, 5);
  PlotView v(g);
  ASSERT_TRUE(v.open());
  ActiveCurvesEditor editor(g);
  EXPECT_EQ(editor.rowText(0), " yes :    Curve #1");
  EXPECT_EQ(editor.rowText(24), " no  :    Curve #25");
  editor.setAll(true);
  v.setActiveCurves(editor.flags());
  EXPECT_EQ(v.legend().size(), 25u);
  EXPECT_EQ(curveItems(v).size(), 25u);
  EXPECT_EQ(v.legend()[24].curve, 24);
  editor.toggle(0);
  v.setActiveCurves(editor.flags());
  ASSERT_EQ(v.legend().size(), 24u);
  EXPECT_EQ(v.legend()[0].text, "Curve #2");
  EXPECT_EQ(v.legend()[0].curve, 1);
  EXPECT_EQ(curveItems(v)[0].text, "Curve #2");
  editor.toggle({0, 1, 2});
  EXPECT_TRUE(editor.active(0));
  EXPECT_FALSE(editor.active(1));
  editor.setAll(false);
  v.setActiveCurves(editor.flags());
  EXPECT_TRUE(v.legend().empty());
}

TEST_F(PlotViewTest, RenamingRefusesEmptyNamesAndReachesLegendAndMenu) {
  g.Curves = curves(3, 5);
  PlotView v(g);
  ASSERT_TRUE(v.open());
  ActiveCurvesEditor active(g);
  active.toggle(2);
  v.setActiveCurves(active.flags());
  CurveNamesEditor names(g);
  EXPECT_FALSE(names.rename(0, ""));
  EXPECT_EQ(names.names()[0], "Curve #1");
  EXPECT_TRUE(names.rename(0, "Stage A"));
  EXPECT_TRUE(names.rename(2, "Hidden one"));
  v.setCurveNames(names.names());
  EXPECT_EQ(entryTexts(v), (std::vector<std::string>{"Stage A", "Curve #2"}));
  EXPECT_EQ(curveItems(v)[0].text, "Stage A");
  EXPECT_EQ(g.Curves[2].Name, "Hidden one");  // inactive: only its stored name
  EXPECT_EQ(curveItems(v).size(), 2u);
}

TEST_F(PlotViewTest, CurveItemsAndLegendToggleVisibility) {
  g.Curves = curves(2, 5);
  PlotView v(g);
  ASSERT_TRUE(v.open());
  EXPECT_TRUE(curveItems(v)[1].checked);
  EXPECT_TRUE(runPlotCommand(v, PlotCommand::Curve, 1));
  EXPECT_FALSE(g.Curves[1].Visible);
  EXPECT_FALSE(curveItems(v)[1].checked);
  EXPECT_EQ(legendItemText(v.legend()[1], v.curveVisible(1)), "Curve #2");
  EXPECT_EQ(legendItemText(v.legend()[0], v.curveVisible(0)), "Curve #1 *");
}

TEST_F(PlotViewTest, MenuChecksAndVisibilityFollowTheGraph) {
  TResultGraphs graphs;
  TGraphPlot& dms = graphs.pltDMS;
  for (TCurveList* list : {&dms.Curves, &dms.Curves2, &dms.Curves3}) *list = curves(1, 5);
  TLine mark;
  mark.Points = {{1, 3}};
  dms.Layers = {mark, mark, mark};
  dms.WallLineCount = 1;
  PlotView v(dms);
  ASSERT_TRUE(v.open());
  std::vector<PlotMenuItem> menu = plotMenuItems(v);
  ASSERT_TRUE(find(menu, PlotCommand::ShowLegend));
  EXPECT_TRUE(find(menu, PlotCommand::ShowLegend)->checked);
  EXPECT_TRUE(find(menu, PlotCommand::ShowSoilLayer)->visible);
  EXPECT_TRUE(find(menu, PlotCommand::ShowWall)->visible);
  EXPECT_FALSE(find(menu, PlotCommand::ShowWall)->enabled);  // greyed until the soil layer is shown
  runPlotCommand(v, PlotCommand::ShowSoilLayer, 0);
  menu = plotMenuItems(v);
  EXPECT_TRUE(find(menu, PlotCommand::ShowWall)->enabled);
  EXPECT_TRUE(find(menu, PlotCommand::ShowSoilLayer)->checked);
  EXPECT_TRUE(movesLegend(PlotCommand::ShowSoilLayer));
  EXPECT_FALSE(movesLegend(PlotCommand::Markers));

  runPlotCommand(v, PlotCommand::Markers, 5);
  runPlotCommand(v, PlotCommand::FontSize, 25);
  menu = plotMenuItems(v);
  std::vector<std::string> checkedTexts;
  for (const PlotMenuItem& i : menu)
    for (const PlotMenuItem& s : i.items)
      if (s.checked) checkedTexts.push_back(s.text);
  EXPECT_EQ(checkedTexts, (std::vector<std::string>{"Every &5 Increments", "2.5 * Default", "&Default"}));
  EXPECT_EQ(find(menu, PlotCommand::Submenu)->items[3].text, "Every &3 Incrments");

  // A graph without wall or soil marks hides those items; no font menus without ShowFontWidth.
  g.Curves = curves(1, 5);
  g.ShowFontWidth = false;
  g.ShowLegend = false;
  PlotView plain(g);
  ASSERT_TRUE(plain.open());
  menu = plotMenuItems(plain);
  // A legend hidden in an earlier window can be shown again.
  ASSERT_TRUE(find(menu, PlotCommand::ShowLegend));
  EXPECT_FALSE(find(menu, PlotCommand::ShowLegend)->checked);
  EXPECT_FALSE(find(menu, PlotCommand::ShowSoilLayer)->visible);
  EXPECT_FALSE(find(menu, PlotCommand::ShowWall)->visible);
  int hiddenSubmenus = 0;
  for (const PlotMenuItem& i : menu) hiddenSubmenus += i.command == PlotCommand::Submenu && !i.visible;
  EXPECT_EQ(hiddenSubmenus, 2);
}

TEST_F(PlotViewTest, FontSizeChangeSwitchesTheLegendFont) {
  g.Curves = curves(1, 5);
  PlotView v(g);
  ASSERT_TRUE(v.open());
  EXPECT_EQ(g.LegendFont, 11);
  EXPECT_EQ(v.legendFont(96).font.pixelSize, 15);
  EXPECT_EQ(v.legendFont(96).rowHeight, 16);
  v.setFontSize(20);
  EXPECT_EQ(v.legendFont(96).font.pixelSize, 22 * 96 / 72.0);
  EXPECT_EQ(v.legendFont(96).rowHeight, 33);
  testing_support::FixedTextMetrics m;
  std::vector<LegendEntry> entries{{"Load #1", 0}, {"A much longer name", 1}};
  const LegendSize size = legendListSize(entries, v.legendFont(96), m, 96, 0);
  EXPECT_EQ(size.height, 2 * 33 + 3);
  EXPECT_EQ(size.width, std::ceil(m.width(v.legendFont(96).font, "A much longer name *") + 24));
}

TEST_F(PlotViewTest, LegendGoesToThePlotCornerAndStaysInTheWindow) {
  const draw::Rect plot{41, 41, 769, 569}, client{0, 0, 800, 600};
  EXPECT_EQ(placeLegend({5, 5, 105, 55}, plot, client, true), (draw::Rect{669, 519, 769, 569}));
  EXPECT_EQ(placeLegend({750, 580, 850, 630}, plot, client, false), (draw::Rect{700, 550, 800, 600}));
  EXPECT_EQ(placeLegend({-20, 10, 80, 60}, plot, client, false), (draw::Rect{0, 10, 100, 60}));
}

TEST_F(PlotViewTest, ZoomOnTheWindowAndBackOut) {
  g.Curves = curve({{0, 0}, {100, 100}});
  PlotView v(g);
  ASSERT_TRUE(v.open());
  const GraphLayout l = layout();
  const PanelMapping m = v.mapping(l, 0);
  // A band a quarter of the range each way.
  ASSERT_TRUE(v.zoom(l, m.map({25, 25}), m.map({50, 50})));
  EXPECT_TRUE(v.zoomed());
  EXPECT_NEAR(v.ranges()[0].x.min, 25, 0.5);
  EXPECT_NEAR(v.ranges()[0].x.max, 50, 0.5);
  const PanelMapping zoomed = v.mapping(l, 0);
  ASSERT_TRUE(v.zoomOut(l, zoomed.map({40, 40})));
  EXPECT_NEAR(v.ranges()[0].x.width(), 50, 1);
  EXPECT_NEAR(v.ranges()[0].x.centre(), 40, 0.5);
  while (v.zoomOut(l, v.mapping(l, 0).map({40, 40}))) {
  }
  EXPECT_FALSE(v.zoomed());
  // Release at the anchor's x does nothing.
  EXPECT_FALSE(v.zoom(l, {200, 200}, {200, 300}));
}

TEST_F(PlotViewTest, CoordinatesInTheTitle) {
  g.Caption = "Deflection vs Depth";
  g.Curves = curve({{0, 0}, {40, 40}});
  PlotView v(g);
  ASSERT_TRUE(v.open());
  const GraphLayout l = layout();
  const PanelMapping m = v.mapping(l, 0);
  EXPECT_EQ(v.coordinateTitle(l, m.map({10, 20})), "Deflection vs Depth X: 10 Y: 20");
  // Outside the plot the position is clamped to it.
  EXPECT_EQ(v.coordinateTitle(l, {0, 0}), "Deflection vs Depth X: 0 Y: 0");
  EXPECT_EQ(v.coordinateTitle(l, {2000, 2000}), "Deflection vs Depth X: 40 Y: 40");
}

TEST_F(PlotViewTest, ThreePanelsDoNotZoomIn) {
  g.ShowThree = true;
  for (TCurveList* list : {&g.Curves, &g.Curves2, &g.Curves3}) *list = curves(1, 10);
  PlotView v(g);
  ASSERT_TRUE(v.open());
  EXPECT_EQ(v.panelCount(), 3);
  const GraphLayout l = layoutGraph(g, OutputMode::Screen, {0, 0, 1200, 700}, 96, 96);
  EXPECT_FALSE(v.zoom(l, {100, 100}, {200, 200}));
  EXPECT_FALSE(v.zoomed());
}

TEST_F(PlotViewTest, UnusableRangeKeepsTheWindowClosed) {
  g.Curves = curve({{0, 0}, {INFINITY, 1}, {-1e308, 1e308}, {1e308, -1e308}});
  PlotView v(g);
  EXPECT_FALSE(v.open());
}

}  // namespace
}  // namespace murena
