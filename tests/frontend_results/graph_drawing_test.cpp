// The picture of a graph: markers, colours, clipping, the three panels, the
// soil-layer column and the drawn legend.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frontend/results/curve_markers.h"
#include "frontend/results/graph_drawing.h"
#include "frontend/results/graph_legend.h"
#include "frontend/results/polyline_clip.h"
#include "frontend/results/result_graphs.h"
#include "frontend/results/soil_column.h"
#include "tests/frontend_results/graph_test_support.h"

namespace murena {
namespace {

using testing_support::curves;
using testing_support::FixedTextMetrics;

TEST(CurveMarkerTest, ShapesRepeatEveryTenCurves) {
  EXPECT_EQ(markerShape(0), 1);
  EXPECT_EQ(markerShape(1), 2);
  EXPECT_EQ(markerShape(9), 10);
  EXPECT_EQ(markerShape(10), 1);
  const draw::Point at{100, 100};
  EXPECT_EQ(markerVertices(1, at, 3, 3),
            (std::vector<draw::Point>{{100, 103}, {97, 98}, {103, 98}, {100, 103}}));
  EXPECT_EQ(markerVertices(2, at, 3, 3),
            (std::vector<draw::Point>{{102, 98}, {102, 102}, {98, 102}, {98, 98}, {102, 98}}));
  for (int s = 3; s <= 10; ++s) {
    const std::vector<draw::Point> v = markerVertices(s, at, 3, 3);
    ASSERT_EQ(v.size(), static_cast<size_t>(s + 1)) << s;
    EXPECT_EQ(v.front(), (draw::Point{100, 97})) << "one corner straight up";
    EXPECT_EQ(v.front(), v.back());
  }
}

TEST(PolylineClipTest, KeepsThePartsInsideAndBreaksAtGaps) {
  const draw::Rect r{0, 0, 10, 10};
  auto parts = clipPolyline({{-5, 5}, {5, 5}, {5, 15}, {8, 8}, {9, 9}}, r);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], (std::vector<draw::Point>{{0, 5}, {5, 5}, {5, 10}}));
  EXPECT_EQ(parts[1].front().y, 10);
  EXPECT_EQ(parts[1].back(), (draw::Point{9, 9}));
  EXPECT_TRUE(clipPolyline({{20, 20}, {30, 30}}, r).empty());
  parts = clipPolyline({{1, 1}, {2, 2}, {std::nan(""), 3}, {4, 4}, {5, 5}}, r);
  EXPECT_EQ(parts.size(), 2u);
}

class GraphDrawingTest : public ::testing::Test {
 protected:
  draw::Drawing draw(OutputMode mode = OutputMode::Screen, draw::Rect out = {0, 0, 800, 600}) {
    layout = layoutGraph(g, mode, out, 96, 96);
    GraphPicture p;
    for (const TCurveList* list : panelCurves(g)) p.ranges.push_back(*curveRanges(*list));
    p.legend = legendEntries(g);
    return drawGraph(g, layout, p, metrics);
  }
  static std::vector<draw::PolylineItem> markers(const draw::Drawing& d) {
    std::vector<draw::PolylineItem> out;
    for (const auto& p : d.itemsOf<draw::PolylineItem>())
      if (p.closed) out.push_back(p);
    return out;
  }
  static std::vector<draw::PolylineItem> lines(const draw::Drawing& d) {
    std::vector<draw::PolylineItem> out;
    for (const auto& p : d.itemsOf<draw::PolylineItem>())
      if (!p.closed) out.push_back(p);
    return out;
  }
  static bool hasText(const draw::Drawing& d, const std::string& s) {
    for (const auto& t : d.itemsOf<draw::TextItem>())
      if (t.text == s) return true;
    return false;
  }
  TGraphPlot g;
  GraphLayout layout;
  FixedTextMetrics metrics;
};

TEST_F(GraphDrawingTest, MarkersAtTheFirstPointAndEveryNth) {
  g.Curves = curves(1, 12);
  g.Markers = 5;
  EXPECT_EQ(markers(draw()).size(), 3u);  // points 0, 5 and 10
  g.Markers = 0;
  EXPECT_TRUE(markers(draw()).empty());
  g.Markers = 1;
  EXPECT_EQ(markers(draw()).size(), 12u);
}

TEST_F(GraphDrawingTest, ColoursCountActiveCurvesAndShapesCountAllCurves) {
  g.Curves = curves(19, 3);
  g.Markers = 1;
  g.Curves[0].Active = false;  // the others move up one colour
  const draw::Drawing d = draw();
  const auto drawn = lines(d);
  ASSERT_EQ(drawn.size(), 18u);
  EXPECT_EQ(drawn[0].pen.color, entryColor(0));
  EXPECT_EQ(drawn[10].pen.color, (draw::Color{128, 128, 128}));  // the 11th active curve: index 10
  EXPECT_EQ(drawn[17].pen.color, drawn[0].pen.color);             // the 18th active: the 1st again
  // Curve index 10 (the 10th drawn) has the first curve's shape: a triangle.
  const auto m = markers(d);
  EXPECT_EQ(m[9 * 3].points.size(), 4u);
  EXPECT_EQ(m[0].points.size(), 5u);  // curve 1: a square
}

TEST_F(GraphDrawingTest, HiddenCurvesKeepTheirColourButAreNotDrawn) {
  g.Curves = curves(3, 4);
  g.Curves[1].Visible = false;
  const auto drawn = lines(draw());
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[1].pen.color, entryColor(2));
}

TEST_F(GraphDrawingTest, ThreePanelsStopAtTheSecondToLastPointWithSeveralCurves) {
  g.ShowThree = true;
  for (TCurveList* list : {&g.Curves, &g.Curves2, &g.Curves3}) *list = curves(2, 10);
  auto drawn = lines(draw(OutputMode::Screen, {0, 0, 1200, 700}));
  ASSERT_EQ(drawn.size(), 6u);
  for (const auto& p : drawn) EXPECT_EQ(p.points.size(), 9u);
  for (TCurveList* list : {&g.Curves, &g.Curves2, &g.Curves3}) *list = curves(1, 10);
  drawn = lines(draw(OutputMode::Screen, {0, 0, 1200, 700}));
  ASSERT_EQ(drawn.size(), 3u);
  for (const auto& p : drawn) EXPECT_EQ(p.points.size(), 10u);
}

TEST_F(GraphDrawingTest, CurvesAreCutAtThePanel) {
  g.Curves = curves(1, 5);
  layout = layoutGraph(g, OutputMode::Screen, {0, 0, 800, 600}, 96, 96);
  GraphPicture p{{PanelRanges{{0, 2}, {0, 2}}}, {}, {}};
  const auto drawn = lines(drawGraph(g, layout, p, metrics));
  ASSERT_FALSE(drawn.empty());
  for (const auto& line : drawn)
    for (const draw::Point& pt : line.points) EXPECT_TRUE(layout.plot.contains(pt));
}

TEST_F(GraphDrawingTest, CaptionsTicksAndFrame) {
  g.Curves = curves(1, 41);
  g.XCaption = "Deflection";
  g.XUnits = "L";
  g.YCaption = "Depth (ft)";
  g.GraphTitle = "Wall A";
  const draw::Drawing d = draw();
  EXPECT_TRUE(hasText(d, "Deflection (in)"));
  EXPECT_TRUE(hasText(d, "Depth (ft)"));
  EXPECT_TRUE(hasText(d, "Wall A"));
  EXPECT_TRUE(hasText(d, "40"));
  const auto rects = d.itemsOf<draw::RectItem>();
  EXPECT_EQ(rects.back().rect, layout.plot);
  // Tick labels at the ends of the y axis stay along the panel.
  for (const auto& t : d.itemsOf<draw::TextItem>()) {
    if (t.rotation != 90 || t.text == "Depth (ft)") continue;
    const double half = metrics.width(t.font, t.text) / 2;
    EXPECT_GE(t.at.y - half, layout.plot.top) << t.text;
    EXPECT_LE(t.at.y + half, layout.plot.bottom) << t.text;
  }
  // The y labels are turned by 90 degrees.
  for (const auto& t : d.itemsOf<draw::TextItem>()) {
    if (t.text == "Depth (ft)") {
      EXPECT_EQ(t.rotation, 90);
    }
  }
}

TEST_F(GraphDrawingTest, TickLabelsDoNotRunIntoEachOther) {
  g.Curves = curves(1, 5);
  layout = layoutGraph(g, OutputMode::Screen, {0, 0, 1100, 700}, 96, 96);
  // A major step of 0.0002 about 40 pixels apart: labels like "0.0034" need more.
  const GraphPicture p{{PanelRanges{{0.003, 0.008}, {3, 6.5}}}, {}, {}};
  std::vector<std::pair<double, double>> spans;
  for (const auto& t : drawGraph(g, layout, p, metrics).itemsOf<draw::TextItem>())
    if (t.rotation == 0 && t.anchor == draw::Anchor::TopCenter && t.at.y < layout.plot.top && t.text != "")
      spans.push_back({t.at.x - metrics.width(t.font, t.text) / 2, t.at.x + metrics.width(t.font, t.text) / 2});
  ASSERT_GT(spans.size(), 5u);
  for (size_t i = 1; i < spans.size(); ++i) EXPECT_LT(spans[i - 1].second, spans[i].first) << i;
}

// A y label slid inside the panel at the end of the axis (the p-y graph's
// -1000 at the bottom of a short window) must not cover its neighbour.
TEST_F(GraphDrawingTest, EndLabelSlidInsideLeavesItsNeighbourClear) {
  g.Curves = curves(1, 5);
  g.XOnTop = false;
  layout = layoutGraph(g, OutputMode::Screen, {0, 0, 540, 690}, 96, 96);
  const GraphPicture p{{PanelRanges{{-0.6, 0.6}, {-1000, 1600}}}, {}, {}};
  std::vector<std::pair<double, double>> spans;
  for (const auto& t : drawGraph(g, layout, p, metrics).itemsOf<draw::TextItem>())
    if (t.rotation == 90 && t.at.x < layout.plot.left && !t.text.empty() && t.text[0] != 'D')
      spans.push_back({t.at.y - metrics.width(t.font, t.text) / 2, t.at.y + metrics.width(t.font, t.text) / 2});
  ASSERT_GT(spans.size(), 3u);
  std::sort(spans.begin(), spans.end());
  for (size_t i = 1; i < spans.size(); ++i) EXPECT_LT(spans[i - 1].second, spans[i].first) << i;
}

// Captions wider than their panels (a large font, a small window) are
// written smaller instead of running into each other or off the picture.
TEST_F(GraphDrawingTest, CaptionsOfTheThreePanelsStayApart) {
  g.ShowThree = true;
  g.SizeFont = 40;
  g.XCaption = "Deflection";
  g.XUnits = "L";
  g.XCaption2 = "Bending Moment (in-kips)";
  g.XCaption3 = "Shear (kips)";
  for (TCurveList* list : {&g.Curves, &g.Curves2, &g.Curves3}) *list = curves(1, 10);
  const draw::Drawing d = draw(OutputMode::Screen, {0, 0, 1100, 700});
  std::vector<std::pair<double, double>> spans;
  for (const auto& t : d.itemsOf<draw::TextItem>())
    if (t.font.bold && t.rotation == 0)
      spans.push_back({t.at.x - metrics.width(t.font, t.text) / 2, t.at.x + metrics.width(t.font, t.text) / 2});
  ASSERT_EQ(spans.size(), 3u);
  EXPECT_GE(spans[0].first, 0);
  EXPECT_LE(spans[2].second, 1100);
  for (size_t i = 1; i < spans.size(); ++i) EXPECT_LT(spans[i - 1].second, spans[i].first) << i;
}

TEST_F(GraphDrawingTest, TooSmallOutputIsOnlyWhite) {
  g.Curves = curves(1, 5);
  const draw::Drawing d = draw(OutputMode::Screen, {0, 0, 95, 400});
  ASSERT_EQ(d.items().size(), 1u);
  EXPECT_EQ(std::get<draw::RectItem>(d.items()[0]).brush.color, draw::kWhite);
}

TEST_F(GraphDrawingTest, DrawnLegendOnPicturesOnlyListingVisibleCurves) {
  g.Curves = curves(3, 4);
  g.Curves[1].Visible = false;
  EXPECT_FALSE(hasText(draw(OutputMode::Screen), "Curve #1"));
  const draw::Drawing d = draw(OutputMode::Bitmap);
  EXPECT_TRUE(hasText(d, "Curve #1"));
  EXPECT_FALSE(hasText(d, "Curve #2"));
  EXPECT_TRUE(hasText(d, "Curve #3"));
  for (const auto& t : d.itemsOf<draw::TextItem>()) {
    if (t.text == "Curve #3") {
      EXPECT_EQ(t.color, entryColor(2));
    }
  }
  g.ShowLegend = false;
  EXPECT_FALSE(hasText(draw(OutputMode::Bitmap), "Curve #1"));
}

TEST_F(GraphDrawingTest, DrawnLegendFollowsTheScreenLegendAndStaysInside) {
  g.Curves = curves(2, 4);
  layout = layoutGraph(g, OutputMode::Printer, {100, 100, 4100, 3100}, 600, 600);
  draw::Drawing d(4200, 3200, 600, 600);
  drawLegendBox(d, g, legendEntries(g), layout, draw::Point{0.5, 0.25}, metrics);
  const draw::Rect box = d.itemsOf<draw::RectItem>().at(0).rect;
  EXPECT_EQ(box.left, std::round(layout.plot.left + layout.plot.width() * 0.5));
  EXPECT_EQ(box.top, std::round(layout.plot.top + layout.plot.height() * 0.25));
  const double text = metrics.width({draw::FontFamily::Serif, double(layout.textHeight), false}, "Curve #1");
  EXPECT_EQ(box.width(), std::ceil(text + 3 * 600 / 16.0));
  draw::Drawing far(4200, 3200, 600, 600);
  drawLegendBox(far, g, legendEntries(g), layout, draw::Point{0.99, 0.99}, metrics);
  const draw::Rect farBox = far.itemsOf<draw::RectItem>().at(0).rect;
  EXPECT_EQ(farBox.right, layout.plot.right);
  EXPECT_EQ(farBox.bottom, layout.plot.bottom);
  EXPECT_EQ(far.itemsOf<draw::PolylineItem>().size(), 2u);  // one marker per entry
}

// Soil-layer marks of clay to 10, sand to 20 and strong rock to 30, a wall
// 24 long with its excavation at 8.
TGraphPlot soilGraph() {
  TResultGraphs graphs;
  TGraphPlot g = graphs.pltDMS;
  const auto mark = [](const char* name, double code, double depth) {
    TLine m;
    m.Name = name;
    m.Points = {{code, depth}};
    return m;
  };
  g.Layers = {mark(" CLAY ", 1, 10), mark(" SAND ", 7, 20), mark("STRONG ROCK", 9, 30), mark("PILE", 0, 24),
              mark("PILE", 0, 8)};
  g.WallLineCount = 3;
  return g;
}

TEST(SoilColumnTest, BandsFromTheTopWithTheirPatternsAndNames) {
  const TGraphPlot g = soilGraph();
  const draw::Rect column{700, 40, 777, 440};
  const PanelMapping depth{{40, 40, 600, 440}, {{0, 1}, {0, 40}}, true};
  const SoilColumnPicture p = soilColumnPicture(g, column, depth);
  ASSERT_EQ(p.bands.size(), 3u);
  EXPECT_EQ(p.bands[0].rect, (draw::Rect{700, 40, 777, 140}));
  EXPECT_EQ(p.bands[1].rect, (draw::Rect{700, 140, 777, 240}));
  EXPECT_EQ(p.bands[2].pattern, 9);
  EXPECT_EQ(p.bands[1].name, " SAND ");
  EXPECT_FALSE(p.wall);
  draw::Drawing d(800, 480, 96, 96);
  drawSoilColumn(d, p, column, {}, false, FixedTextMetrics{});
  std::vector<int> patterns;
  for (const auto& r : d.itemsOf<draw::RectItem>())
    if (r.brush.pattern > 0) patterns.push_back(r.brush.pattern);
  EXPECT_EQ(patterns, (std::vector<int>{1, 7, 9}));
  const auto names = d.itemsOf<draw::TextItem>();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_TRUE(names[0].opaque);
  // A name wider than its band is written smaller.
  EXPECT_EQ(names[0].font.pixelSize, 14);
  EXPECT_LT(names[2].font.pixelSize, 14);
  EXPECT_LE(FixedTextMetrics{}.width(names[2].font, names[2].text), column.width() - 4);
}

// The half-inch column of a saved picture: a name too wide even at the
// smallest size is written a word on each line.
TEST(SoilColumnTest, NameTooWideForANarrowColumnIsWrittenOnTwoLines) {
  const TGraphPlot g = soilGraph();
  const draw::Rect column{700, 40, 729, 440};
  const PanelMapping depth{{40, 40, 600, 440}, {{0, 1}, {0, 40}}, true};
  draw::Drawing d(800, 480, 96, 96);
  drawSoilColumn(d, soilColumnPicture(g, column, depth), column, {}, false, FixedTextMetrics{});
  std::vector<std::string> texts;
  for (const auto& t : d.itemsOf<draw::TextItem>()) {
    texts.push_back(t.text);
    EXPECT_LE(FixedTextMetrics{}.width(t.font, t.text), column.width() - 4) << t.text;
  }
  EXPECT_EQ(texts, (std::vector<std::string>{" CLAY ", " SAND ", "STRONG", "ROCK"}));
}

TEST(SoilColumnTest, BandsAreCutAtThePlotBottom) {
  const TGraphPlot g = soilGraph();
  const PanelMapping depth{{40, 40, 600, 440}, {{0, 1}, {0, 15}}, true};
  const SoilColumnPicture p = soilColumnPicture(g, {700, 40, 777, 440}, depth);
  ASSERT_EQ(p.bands.size(), 2u);
  EXPECT_EQ(p.bands[1].rect.bottom, 440);
}

TEST(SoilColumnTest, WallSketchSplitsTheColumnIntoFifths) {
  TGraphPlot g = soilGraph();
  g.ShowWall = true;
  const draw::Rect column{700, 40, 800, 440};
  const PanelMapping depth{{40, 40, 600, 440}, {{0, 1}, {0, 40}}, true};
  const SoilColumnPicture p = soilColumnPicture(g, column, depth);
  // Left: all three layers; right: clay from the excavation (8) down, sand and rock whole.
  ASSERT_EQ(p.bands.size(), 6u);
  EXPECT_EQ(p.bands[0].rect, (draw::Rect{700, 40, 740, 140}));
  EXPECT_EQ(p.bands[1].rect, (draw::Rect{760, 120, 800, 140}));
  EXPECT_EQ(p.bands[3].rect, (draw::Rect{760, 140, 800, 240}));
  for (const SoilBand& b : p.bands) EXPECT_TRUE(b.name.empty());
  ASSERT_TRUE(p.wall);
  EXPECT_EQ(*p.wall, (draw::Rect{740, 40, 760, 280}));
}

TEST(SoilColumnTest, UnknownSoilCodeIsOutlinedOnly) {
  TGraphPlot g;
  TLine mark;
  mark.Name = "LAYER 1";
  mark.Points = {{0, 5}};
  g.Layers = {mark};
  draw::Drawing d(800, 480, 96, 96);
  const draw::Rect column{700, 40, 777, 440};
  drawSoilColumn(d, soilColumnPicture(g, column, {{40, 40, 600, 440}, {{0, 1}, {0, 10}}, true}), column, {}, false,
                 FixedTextMetrics{});
  const auto rects = d.itemsOf<draw::RectItem>();
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[1].brush.pattern, static_cast<int>(draw::Fill::None));
}

TEST_F(GraphDrawingTest, SoilColumnIsDrawnOnlyWhenShown) {
  g = soilGraph();
  for (TCurveList* list : {&g.Curves, &g.Curves2, &g.Curves3}) *list = curves(1, 41);
  EXPECT_FALSE(hasText(draw(OutputMode::Screen, {0, 0, 1200, 700}), " SAND "));
  g.ShowLayers = true;
  EXPECT_TRUE(hasText(draw(OutputMode::Screen, {0, 0, 1200, 700}), " SAND "));
}

}  // namespace
}  // namespace murena
