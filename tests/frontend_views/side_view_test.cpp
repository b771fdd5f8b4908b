// The side view: outline, drawing window and its correction to the window's
// shape, soil bands and labels, markers, top view, depth readout, printed
// layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frontend/views/side_view_layout.h"
#include "tests/frontend_views/view_test_project.h"

namespace murena::views {
namespace {

using testing_support::FixedMetrics;
using testing_support::ViewProject;

constexpr double kWidth = 580, kHeight = 400;

class SideViewTest : public ::testing::Test {
 protected:
  draw::Drawing drawing(const SideViewStyle& style) {
    return buildSideView(p.data, p.tables, style, kWidth, kHeight, metrics);
  }
  draw::Drawing screen() { return drawing(screenSideViewStyle(kWidth, kHeight, {240, 240, 240}, {160, 160, 160})); }
  SideMapping mapping() const {
    const DrawingWindow w = correctToShape(drawingWindow(sideOutline(p.data, p.tables)), kWidth, kHeight);
    return SideMapping(w, {0, 0, kWidth, kHeight});
  }
  // Lines starting at the left edge at a device height.
  std::vector<draw::LineItem> linesFromLeftAt(const draw::Drawing& d, double y) {
    std::vector<draw::LineItem> out;
    for (const auto& l : d.itemsOf<draw::LineItem>())
      if (l.from.y == y && l.to.y == y && l.from.x == 0) out.push_back(l);
    return out;
  }
  std::vector<std::string> texts(const draw::Drawing& d) {
    std::vector<std::string> out;
    for (const auto& t : d.itemsOf<draw::TextItem>()) out.push_back(t.text);
    return out;
  }
  ViewProject p;
  FixedMetrics metrics;
};

TEST_F(SideViewTest, EnglishWallIsDrawnFromFortyEightToFiveTwentyEightAndSixInchesThick) {
  const SideOutline o = sideOutline(p.data, p.tables);
  ASSERT_TRUE(o.valid);
  EXPECT_DOUBLE_EQ(o.top, 48);
  EXPECT_DOUBLE_EQ(o.bottom(), 528);
  EXPECT_DOUBLE_EQ(2 * o.halfThickness, 6);
  const DrawingWindow w = drawingWindow(o);
  EXPECT_DOUBLE_EQ(w.xMin, -3.15);
  EXPECT_DOUBLE_EQ(w.xMax, 3.15);
  EXPECT_DOUBLE_EQ(w.yMin, 0);
  EXPECT_DOUBLE_EQ(w.yMax, 1.05 * 528);
}

TEST_F(SideViewTest, WindowIsCorrectedToTheShapeOfTheClientArea) {
  const DrawingWindow w{-1, 1, 0, 10};
  // Wider than the ranges: x limits stretched.
  DrawingWindow c = correctToShape(w, 400, 400);
  EXPECT_DOUBLE_EQ(c.xMin, -5);
  EXPECT_DOUBLE_EQ(c.xMax, 5);
  EXPECT_DOUBLE_EQ(c.yMax, 10);
  // Narrower: y limits divided by r (r = 0.01 / 0.2); the top stays in view.
  c = correctToShape(w, 10, 1000);
  EXPECT_DOUBLE_EQ(c.xMax, 1);
  EXPECT_DOUBLE_EQ(c.yMin, 0);
  EXPECT_DOUBLE_EQ(c.yMax, 200);
  // The wall stays in the middle of the window.
  const SideMapping m = mapping();
  EXPECT_EQ(m.toDevice(0, 48).x, kWidth / 2);
}

TEST_F(SideViewTest, LayerBottomsAboveTheExcavationEndMidWindowThoseBelowRunAcross) {
  p.addLayer(kSoftClay, 8);    // y = 96 + 48 = 144, above the excavation at 168
  p.addLayer(kStiffClayNoFreeWater, 20);  // y = 240 + 48 = 288
  const draw::Drawing d = screen();
  const SideMapping m = mapping();
  const auto upper = linesFromLeftAt(d, m.deviceY(144));
  ASSERT_EQ(upper.size(), 1u);
  EXPECT_EQ(upper[0].to.x, kWidth / 2);
  const auto lower = linesFromLeftAt(d, m.deviceY(288));
  ASSERT_EQ(lower.size(), 1u);
  EXPECT_EQ(lower[0].to.x, kWidth);
  // The excavation line from the middle to the right edge at y0 + free height.
  const double excavation = m.deviceY(168);
  const auto lines = d.itemsOf<draw::LineItem>();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const draw::LineItem& l) {
    return l.from == draw::Point{kWidth / 2, excavation} && l.to == draw::Point{kWidth, excavation};
  }));
}

TEST_F(SideViewTest, SoilLabelsNameTheTypeAndItsParametersFromTheBottomRow) {
  GridTable* sand = p.addLayer(kSand, 10);
  sand->setReal(0, 1, 0.07);  // unit weight
  sand->setReal(1, 1, 32);    // friction angle
  sand->setReal(1, 0, 99);    // the top row is not shown
  const SoilLabel label = soilLayerLabel(kSand, sand);
  EXPECT_EQ(label.name, "Sand");
  EXPECT_EQ(label.parameters, "\xC3\xB8= 32; gamma= 0.07");
  const auto shown = texts(screen());
  EXPECT_NE(std::find(shown.begin(), shown.end(), "Sand"), shown.end());
  EXPECT_NE(std::find(shown.begin(), shown.end(), "\xC3\xB8= 32; gamma= 0.07"), shown.end());
}

TEST_F(SideViewTest, EveryTypeHasItsNameAndParameterLine) {
  struct Case {
    int type;
    const char* name;
    const char* parameters;
  };
  const Case cases[] = {
      {kSoftClay, "Soft clay", "c= 2; gamma= 1"},
      {kStiffClayFreeWater, "Stiff clay w/free water", "c= 2; gamma= 1"},
      {kStiffClayNoFreeWater, "Stiff clay w/o free water", "c= 2; gamma= 1"},
      {kSand, "Sand", "\xC3\xB8= 2; gamma= 1"},
      {kSilt, "Silt", "\xC3\xB8= 2; c= 3; gamma= 1"},
      {kStrongRock, "Rock", "compressive strength= 2; gamma= 1"},
      {kWeakRock, "Weak Rock", "compressive strength= 2; gamma= 1"},
  };
  for (const Case& c : cases) {
    GridTable* t = p.addLayer(c.type, 10);
    for (int column = 0; column < t->columnCount(); ++column)
      if (t->column(column).kind() == ColumnKind::Float) t->setReal(column, 1, column + 1);
    const SoilLabel label = soilLayerLabel(c.type, t);
    EXPECT_EQ(label.name, c.name);
    EXPECT_EQ(label.parameters, c.parameters) << c.name;
  }
}

TEST_F(SideViewTest, LayersAreDrawnOnlyWhileSoilDataIsInUse) {
  p.addLayer(kSand, 10);
  const auto before = texts(screen());
  EXPECT_EQ(std::count(before.begin(), before.end(), "Sand"), 1);
  p.data.GeneratePYCurves = false;
  p.data.ApplyPYCurves = true;
  const auto shown = texts(screen());
  EXPECT_EQ(std::find(shown.begin(), shown.end(), "Sand"), shown.end());
  // Generated trapezoidal pressure uses the soil data too.
  p.data.GeneratedEarthPressure = true;
  p.data.EarthPressureOption = 3;
  EXPECT_TRUE(soilDataInUse(p.data));
}

TEST_F(SideViewTest, GroundStrokesWithoutSlopeAndSlopeLineWithIt) {
  p.addLayer(kSand, 10);
  const SideMapping m = mapping();
  const double ground = m.deviceY(48);
  auto strokes = [&](const draw::Drawing& d) {
    int n = 0;
    for (const auto& l : d.itemsOf<draw::LineItem>())
      n += l.from.y == ground && l.to.y == ground + 5 && l.to.x - l.from.x == 15 ? 1 : 0;
    return n;
  };
  EXPECT_EQ(strokes(screen()), 5);
  p.data.BackfillSlope = 45;
  const draw::Drawing d = screen();
  EXPECT_EQ(strokes(d), 0);
  const auto lines = d.itemsOf<draw::LineItem>();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const draw::LineItem& l) {
    return l.from == draw::Point{kWidth / 2, ground} && std::abs(l.to.x - kWidth / 4) < 1e-9 &&
           std::abs(l.to.y - (ground - kWidth / 4)) < 1e-9;
  }));
}

TEST_F(SideViewTest, RestraintArrowsAndPYCurveMarkersFollowTheirSwitches) {
  p.tables.SoilLayer.setRowCount(1);
  p.tables.SoilLayer.setInteger(col::kRestraintNode, 0, 10);  // y = 60 + 48
  p.tables.PYCurves2.setRowCount(3);
  p.tables.PYCurves2.setInteger(col::kSetNode, 0, 20);
  p.tables.PYCurves2.setInteger(col::kSetNode, 1, 30);
  for (int r = 0; r < 2; ++r) p.tables.PYCurves2.subTable(col::kSetCurve, r)->setReal(col::kCurveP, 1, 50);
  // The third row holds no curve: a default row, no marker.
  const double restraintY = mapping().deviceY(108);
  auto heavyLines = [&] {
    int n = 0;
    for (const auto& l : screen().itemsOf<draw::LineItem>()) n += l.pen.width == 2 ? 1 : 0;
    return n;
  };
  p.data.ApplyPYCurves = false;
  p.data.EarthPressurePointCount = 1;
  EXPECT_EQ(heavyLines(), 0);
  p.data.ApplyRestraints = true;
  EXPECT_EQ(heavyLines(), 3);
  const auto lines = screen().itemsOf<draw::LineItem>();
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const draw::LineItem& l) {
    return l.from == draw::Point{0.52 * kWidth, restraintY} && l.to == draw::Point{0.50 * kWidth, restraintY};
  }));
  // Results with an earth-pressure curve of more than one point show the markers.
  p.data.EarthPressurePointCount = 2;
  EXPECT_EQ(heavyLines(), 3 + 2 * 4);
  p.data.EarthPressurePointCount = 0;
  p.data.ApplyPYCurves = true;
  EXPECT_EQ(heavyLines(), 3 + 2 * 4);
}

TEST_F(SideViewTest, TopViewNeedsBothWidths) {
  auto circles = [&] { return screen().itemsOf<draw::EllipseItem>().size(); };
  auto hasLabels = [&] {
    const auto shown = texts(screen());
    return std::count(shown.begin(), shown.end(), "top view") + std::count(shown.begin(), shown.end(), "side view");
  };
  EXPECT_EQ(circles(), 5u);
  EXPECT_EQ(hasLabels(), 2);
  const auto c = screen().itemsOf<draw::EllipseItem>();
  // Radius PYWidth and spacing 2 x ActiveWidth in drawing units.
  const double scale = mapping().deviceLength(1);
  EXPECT_NEAR(c[0].bounds.width(), 2 * 12 * scale, 1e-9);
  EXPECT_NEAR(c[1].bounds.top - c[0].bounds.top, 24 * scale, 1e-9);
  // Elements too wide for the window are shrunk to keep all five in it.
  p.data.ActiveWidth = 200;
  const auto shrunk = screen().itemsOf<draw::EllipseItem>();
  ASSERT_EQ(shrunk.size(), 5u);
  EXPECT_LE(shrunk[4].bounds.bottom, kHeight);
  EXPECT_LT(shrunk[0].bounds.width(), 2 * 12 * scale);
  p.data.ActiveWidth = 0;
  EXPECT_EQ(circles(), 0u);
  EXPECT_EQ(hasLabels(), 0);
  p.data.ActiveWidth = 12;
  p.data.PYWidth = 0;
  EXPECT_EQ(circles(), 0u);
  EXPECT_EQ(hasLabels(), 0);
}

TEST_F(SideViewTest, EmptyWallTableOrZeroRangeGivesAnEmptyWindow) {
  p.addLayer(kSand, 10);
  p.tables.PileSect.setRowCount(0);
  draw::Drawing d = screen();
  ASSERT_EQ(d.items().size(), 1u);  // the background
  EXPECT_TRUE(std::holds_alternative<draw::RectItem>(d.items()[0]));
  EXPECT_EQ(depthReadout(p.data, p.tables, kWidth, kHeight, 100), "");
  p.tables.PileSect.setRowCount(1);
  p.data.FreeHeight = 0;
  EXPECT_EQ(screen().items().size(), 1u);
  p.data.FreeHeight = 120;
  p.data.NodeCount = 0;
  EXPECT_EQ(screen().items().size(), 1u);
}

TEST_F(SideViewTest, DepthReadoutIsZeroAtTheTopOfTheWall) {
  const SideMapping m = mapping();
  auto exact = [&](double y) { return kHeight * (y - m.window().yMin) / (m.window().yMax - m.window().yMin); };
  EXPECT_EQ(depthReadout(p.data, p.tables, kWidth, kHeight, exact(48)), "  Depth: 0.0");
  EXPECT_EQ(depthReadout(p.data, p.tables, kWidth, kHeight, exact(48 + 120)), "  Depth: 120.0");
  // The pixel the top of the wall is drawn on reads within half a pixel of it.
  const std::string atPixel = depthReadout(p.data, p.tables, kWidth, kHeight, m.deviceY(48));
  EXPECT_LE(std::abs(std::stod(atPixel.substr(9))), 0.5 * 1.05 * 528 / kHeight + 0.05);
  // Above the wall the depth is negative.
  EXPECT_EQ(depthReadout(p.data, p.tables, kWidth, kHeight, 0), "  Depth: -48.0");
}

TEST_F(SideViewTest, PrintedPageHasAFrameAndLabelsStartAtATenthOfTheWidth) {
  p.addLayer(kSand, 10);
  const double w = 6600, h = 5100;
  const SideViewStyle style = printedSideViewStyle(w, h, 600);
  const draw::Drawing d = buildSideView(p.data, p.tables, style, w, h, metrics);
  const auto rects = d.itemsOf<draw::RectItem>();
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].rect, (draw::Rect{660, 510, 5940, 4590}));
  const auto labels = d.itemsOf<draw::TextItem>();
  const auto sand = std::find_if(labels.begin(), labels.end(), [](const auto& t) { return t.text == "Sand"; });
  ASSERT_NE(sand, labels.end());
  EXPECT_NEAR(sand->at.x, 660, 2 * style.pixel + 1e-9);
  EXPECT_EQ(sand->font.family, draw::FontFamily::Sans);
  // Heavier pens than on the screen; the wall in the middle of the frame.
  for (const auto& l : d.itemsOf<draw::LineItem>()) EXPECT_GE(l.pen.width, 6);
  const auto wall = d.itemsOf<draw::PolygonItem>();
  ASSERT_EQ(wall.size(), 1u);
  EXPECT_NEAR((wall[0].points[0].x + wall[0].points[1].x) / 2, w / 2, 1);
}

}  // namespace
}  // namespace murena::views
