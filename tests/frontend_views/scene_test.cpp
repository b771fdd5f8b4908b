// The 3D model as data: sizes, soil blocks, water tables, wall panels
// (undeformed and deformed), symbols and their colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "frontend/results/graph_plot.h"
#include "frontend/views/deformed_shape.h"
#include "frontend/views/scene_builder.h"
#include "frontend/views/scene_mesh.h"
#include "tests/frontend_views/view_test_project.h"

namespace murena::views {
namespace {

using testing_support::ViewProject;

class SceneTest : public ::testing::Test {
 protected:
  SceneTest() {
    // Only what a test adds.
    for (GridTable* t : {&p.tables.SoilLayer, &p.tables.BoundCond, &p.tables.SoilStrength, &p.tables.TiebackTable1,
                         &p.tables.SurchargeTable})
      t->setRowCount(0);
  }
  Scene build() { return buildScene(SceneInput{p.data, p.tables, deflection, options, deformed}); }
  ModelDimensions dims() const { return modelDimensions(p.data, p.tables); }

  ViewProject p;
  const TLine* deflection = nullptr;
  DisplayOptions options;
  DeformedShapeSettings deformed;
};

TEST_F(SceneTest, EnglishWallSizesInFeet) {
  const ModelDimensions m = dims();
  EXPECT_DOUBLE_EQ(m.L, 40);
  EXPECT_DOUBLE_EQ(m.h, 0.5);
  EXPECT_DOUBLE_EQ(m.w, 1);
  EXPECT_DOUBLE_EQ(m.t, 0.1);
  EXPECT_DOUBLE_EQ(m.d, 12.5);
  EXPECT_DOUBLE_EQ(m.b, 5);
  // 20 panels of 1 ft: the ground is 20 ft long and 25 ft on each side.
  EXPECT_DOUBLE_EQ(panelCentre(m, 0), -9.5);
  EXPECT_DOUBLE_EQ(panelCentre(m, kPanelCount - 1), 9.5);
  p.addLayer(kSand, 30);
  p.addLayer(kSoftClay, 55);
  const Scene s = build();
  for (const BoxItem& b : s.soil.itemsOf<BoxItem>(Part::SoilLayer)) {
    EXPECT_GE(b.min.x, -25);
    EXPECT_LE(b.max.x, 25);
    EXPECT_DOUBLE_EQ(b.min.y, -10);
    EXPECT_DOUBLE_EQ(b.max.y, 10);
  }
  // The deepest level is the bottom of the last layer.
  EXPECT_DOUBLE_EQ(dims().D, 55);
}

TEST_F(SceneTest, PanelWidthAndThicknessFallBackToTheWallLength) {
  p.data.ActiveWidth = 0;
  p.data.PYWidth = 0;
  EXPECT_DOUBLE_EQ(dims().w, 4);
  EXPECT_DOUBLE_EQ(dims().t, 0.4);
  const Scene s = build();
  const auto panels = s.wall.itemsOf<BoxItem>(Part::Wall);
  ASSERT_EQ(panels.size(), 2u * kPanelCount);
  EXPECT_DOUBLE_EQ(panels[0].max.y - panels[0].min.y, 4);
  EXPECT_DOUBLE_EQ(panels[0].max.x - panels[0].min.x, 0.4);
}

TEST_F(SceneTest, GroundReachFollowsAppliedSurcharges) {
  GridTable& s = p.tables.SurchargeTable;
  const int r = ViewProject::addRow(s);
  s.setInteger(col::kSurchargeType, r, 1);
  s.setReal(col::kSurchargeMagnitude, r, 1000);
  s.setReal(col::kSurchargeDistance, r, 360);  // 30 ft
  p.data.ApplySurcharge = true;
  EXPECT_DOUBLE_EQ(dims().d, 27);
  p.data.ApplySurcharge = false;
  EXPECT_DOUBLE_EQ(dims().d, 12.5);
  // A strip load reaches to its far edge; SI distances are millimetres.
  p.data.ApplySurcharge = true;
  s.setInteger(col::kSurchargeType, r, 3);
  s.setReal(col::kSurchargeWidth, r, 240);
  EXPECT_DOUBLE_EQ(dims().d, 0.9 * 40);
  p.data.UnitSystem = kSIUnits;
  p.data.IncrementLength = 0.15;  // L = 12 m, w = 0.5 m: 12.5 w is less than the reach
  p.data.ActiveWidth = 0.5;
  s.setReal(col::kSurchargeDistance, r, 20000);
  s.setReal(col::kSurchargeWidth, r, 4000);
  EXPECT_DOUBLE_EQ(dims().d, 0.9 * 22);
}

TEST_F(SceneTest, LayerColoursRepeatAfterTen) {
  for (int k = 0; k < 11; ++k) p.addLayer(kSand, 2.0 * (k + 1));
  EXPECT_EQ(layerColor(0), (Rgba{0.8, 0.55, 0}));
  EXPECT_EQ(layerColor(9), (Rgba{0.65, 0.4, 0.2}));
  const Scene s = build();
  std::vector<Rgba> edgeColour(11);
  for (const TaggedItem& t : s.soil.items)
    if (const auto* b = std::get_if<BoxItem>(&t.item); b && b->style == Style::Edges) edgeColour[t.row] = b->color;
  EXPECT_EQ(edgeColour[10], edgeColour[0]);
  EXPECT_NE(edgeColour[1], edgeColour[0]);
  EXPECT_EQ(symbolColor(4), kMagenta);
  EXPECT_EQ(symbolColor(5), (Rgba{0, 1, 1}));
}

TEST_F(SceneTest, SoilBlocksAreSplitAtTheExcavationAndBelowTheTip) {
  p.addLayer(kSand, 30);      // 0..30 ft: above and below the 10 ft excavation
  p.addLayer(kSoftClay, 50);  // 30..50 ft: above and below the 40 ft tip
  const Scene s = build();
  struct Slab {
    double x0, x1, top, bottom;
  };
  std::vector<std::vector<Slab>> slabs(2);
  for (const TaggedItem& t : s.soil.items)
    if (const auto* b = std::get_if<BoxItem>(&t.item); b && b->style == Style::Faces) {
      EXPECT_DOUBLE_EQ(b->color.a, 0.5);
      slabs[t.row].push_back({b->min.x, b->max.x, -b->max.z, -b->min.z});
    }
  auto has = [](const std::vector<Slab>& v, Slab want) {
    return std::any_of(v.begin(), v.end(), [&](const Slab& s) {
      return std::abs(s.x0 - want.x0) < 1e-9 && std::abs(s.x1 - want.x1) < 1e-9 && s.top == want.top &&
             s.bottom == want.bottom;
    });
  };
  ASSERT_EQ(slabs[0].size(), 3u);
  EXPECT_TRUE(has(slabs[0], {-25, -0.05, 0, 10}));  // retained side above the excavation
  EXPECT_TRUE(has(slabs[0], {-25, -0.05, 10, 30}));
  EXPECT_TRUE(has(slabs[0], {0.05, 25, 10, 30}));   // excavation side below it only
  ASSERT_EQ(slabs[1].size(), 3u);
  EXPECT_TRUE(has(slabs[1], {-25, -0.05, 30, 40}));
  EXPECT_TRUE(has(slabs[1], {0.05, 25, 30, 40}));
  EXPECT_TRUE(has(slabs[1], {-25, 25, 40, 50}));  // under the wall across the whole width
  EXPECT_EQ(s.soil.number, 5);
  EXPECT_TRUE(s.soil.blending);
}

TEST_F(SceneTest, WaterTablesWithTheirSigns) {
  p.data.WaterDepthBackfill = 120;    // 10 ft
  p.data.WaterDepthExcavation = 240;  // 20 ft
  const Scene s = build();
  const auto planes = s.soil.itemsOf<PlaneItem>(Part::WaterTable);
  ASSERT_EQ(planes.size(), 4u);
  EXPECT_EQ(planes[0].color, kBlue);
  EXPECT_EQ(planes[1].color, kBlue.withOpacity(0.75));
  EXPECT_DOUBLE_EQ(planes[1].corners[0].z, -10);
  EXPECT_DOUBLE_EQ(planes[1].corners[0].x, -25);
  EXPECT_DOUBLE_EQ(planes[1].corners[1].x, 0);
  EXPECT_DOUBLE_EQ(planes[3].corners[0].z, -20);
  EXPECT_DOUBLE_EQ(planes[3].corners[1].x, 25);
  const auto signs = s.soil.itemsOf<PyramidItem>(Part::WaterSign);
  ASSERT_EQ(signs.size(), 2u * 2 * 25);
  EXPECT_DOUBLE_EQ(signs[0].size, 4 * 0.5);
  EXPECT_DOUBLE_EQ(signs[1].color.a, 0.5);
  EXPECT_DOUBLE_EQ(signs[51].color.a, 0.75);
  EXPECT_DOUBLE_EQ(signs[0].apex.z, -10);
}

TEST_F(SceneTest, WithoutGeneratedCurvesNoSoilOrWaterIsDrawn) {
  p.addLayer(kSand, 30);
  p.data.GeneratePYCurves = false;
  EXPECT_TRUE(build().soil.items.empty());
  p.data.GeneratePYCurves = true;
  options.soilLayers = false;
  const Scene s = build();
  EXPECT_EQ(s.soil.count(Part::SoilLayer), 0);
  EXPECT_GT(s.soil.count(Part::WaterTable), 0);
}

TEST_F(SceneTest, UndeformedWallIsTwentyPanelsWithCaps) {
  const Scene s = build();
  const auto panels = s.wall.itemsOf<BoxItem>(Part::Wall);
  ASSERT_EQ(panels.size(), 40u);
  EXPECT_EQ(panels[0].color, kWallEdge);
  EXPECT_EQ(panels[1].color, kWallFace);
  EXPECT_DOUBLE_EQ(panels[1].min.z, -40);
  EXPECT_DOUBLE_EQ(panels[1].max.z, 0);
  EXPECT_DOUBLE_EQ(panels[1].min.y, -10);
  const auto caps = s.wall.itemsOf<PlaneItem>(Part::WallCap);
  ASSERT_EQ(caps.size(), 40u);
  EXPECT_EQ(caps[0].color, kCapEdge);
  EXPECT_EQ(caps[1].color, kCapFace);
  options.wall = false;
  EXPECT_EQ(build().wall.count(Part::Wall), 0);
}

class DeformedSceneTest : public SceneTest {
 protected:
  DeformedSceneTest() {
    // Deflection in inches against depth in feet, as loaded: 2 - depth/20.
    for (int j = 0; j <= 81; ++j) curve.Points.push_back({2 - j * 0.5 / 20, j * 0.5});
    deflection = &curve;
    deformed.show = true;
    deformed.factor = 3;
  }
  TLine curve;
};

TEST_F(DeformedSceneTest, BricksFollowTheDeflectionTimesTheFactor) {
  const Scene s = build();
  const auto bricks = s.wall.itemsOf<BrickItem>(Part::Wall);
  ASSERT_EQ(bricks.size(), 2u * 80 * kPanelCount);
  EXPECT_EQ(s.wall.count(Part::UndeformedWall), 0);
  // First brick of the first panel: between nodes 0 (top) and 1.
  const BrickItem& b = bricks[1];
  EXPECT_EQ(b.color, kWallFace);
  const Vec3 topMiddle = (b.corners[4] + b.corners[5]) / 2;
  const Vec3 bottomMiddle = (b.corners[0] + b.corners[1]) / 2;
  EXPECT_NEAR(topMiddle.x, 2 * 3, 1e-12);
  EXPECT_NEAR(topMiddle.z, 0, 1e-12);
  EXPECT_NEAR(bottomMiddle.x, (2 - 0.5 / 20) * 3, 1e-12);
  EXPECT_NEAR(bottomMiddle.z, -0.5, 1e-12);
  // The faces stay t thick perpendicular to the displaced centre line.
  EXPECT_NEAR(length(b.corners[1] - b.corners[0]), 0.1, 1e-12);
  const Vec3 along = normalized(bottomMiddle - topMiddle);
  EXPECT_NEAR(dot(normalized(b.corners[1] - b.corners[0]), along), 0, 1e-12);
  EXPECT_DOUBLE_EQ(b.corners[3].y - b.corners[0].y, 1);
}

// The results stay in the units of the run (depths in feet here) while the
// wall is switched to metres: node j still takes station j's deflection.
TEST_F(DeformedSceneTest, TheWallSwitchedToOtherUnitsFollowsItsStations) {
  p.data.UnitSystem = kSIUnits;
  p.data.IncrementLength = 0.5 * 0.3048;
  const auto bricks = build().wall.itemsOf<BrickItem>(Part::Wall);
  ASSERT_EQ(bricks.size(), 2u * 80 * kPanelCount);
  for (int node : {1, 40, 80}) {
    const BrickItem& b = bricks[2 * static_cast<size_t>(node - 1) + 1];
    const Vec3 bottomMiddle = (b.corners[0] + b.corners[1]) / 2;
    EXPECT_NEAR(bottomMiddle.x, (2 - node * 0.5 / 20) * 3, 1e-12) << node;
    EXPECT_NEAR(bottomMiddle.z, -node * 0.5 * 0.3048, 1e-12) << node;
  }
}

TEST_F(DeformedSceneTest, UndeformedModelAddsEdgesOnlyAndNoCurveMeansNoDeformation) {
  deformed.undeformed = true;
  Scene s = build();
  const auto outline = s.wall.itemsOf<BoxItem>(Part::UndeformedWall);
  ASSERT_EQ(outline.size(), 20u);
  EXPECT_EQ(outline[0].style, Style::Edges);
  EXPECT_EQ(outline[0].color, kUndeformedEdge);
  deflection = nullptr;
  s = build();
  EXPECT_TRUE(s.wall.itemsOf<BrickItem>(Part::Wall).empty());
  EXPECT_EQ(s.wall.itemsOf<BoxItem>(Part::Wall).size(), 40u);
}

TEST_F(DeformedSceneTest, TheLastResultSetIsFollowed) {
  TGraphPlot graph;
  TGraphPlot::SetCurveCount(graph.Curves, 2);
  TGraphPlot::SetPointCount(graph.Curves, 3);
  graph.Curves[1].Points = {{1, 0}, {2, 10}, {3, 20}};
  const TLine* last = deformedShapeCurve(graph);
  ASSERT_EQ(last, &graph.Curves[1]);
  EXPECT_DOUBLE_EQ(deflectionAtNode(*last, 1), 2);
  EXPECT_DOUBLE_EQ(deflectionAtNode(*last, -1), 1);
  EXPECT_DOUBLE_EQ(deflectionAtNode(*last, 99), 3);
  EXPECT_DOUBLE_EQ(deflectionAtNode(TLine{}, 0), 0);
  TGraphPlot::SetPointCount(graph.Curves, 1);
  EXPECT_EQ(deformedShapeCurve(graph), nullptr);
  EXPECT_EQ(deformedShapeCurve(TGraphPlot{}), nullptr);
}

TEST_F(SceneTest, ConcentratedLoadWithOnlyAMomentShowsOnlyMomentSymbols) {
  p.data.ApplyConcentratedLoads = true;
  GridTable& t = p.tables.BoundCond;
  const int r = ViewProject::addRow(t);
  t.setInteger(col::kLoadMode, r, 1);
  t.setInteger(col::kLoadFrom, r, 4);
  t.setInteger(col::kLoadTo, r, 5);
  t.setReal(col::kLoadMoment, r, 5);
  const Scene s = build();
  EXPECT_TRUE(s.wall.itemsOf<ArrowItem>(Part::Load).empty());
  const auto moments = s.wall.itemsOf<RotationItem>(Part::Load);
  ASSERT_EQ(moments.size(), 2u * kPanelCount);
  EXPECT_EQ(moments[0].color, kGreen);
  EXPECT_DOUBLE_EQ(moments[0].size, 4);
  EXPECT_EQ(moments[0].axis, (Vec3{0, 1, 0}));
  EXPECT_DOUBLE_EQ(moments[0].centre.z, -2);
  // Lateral and axial loads: red along x, blue down for a positive axial load.
  t.setReal(col::kLoadLateral, r, -3);
  t.setReal(col::kLoadAxial, r, 7);
  const auto arrows = build().wall.itemsOf<ArrowItem>(Part::Load);
  ASSERT_EQ(arrows.size(), 4u * kPanelCount);
  EXPECT_EQ(arrows[0].color, kRed);
  EXPECT_EQ(arrows[0].direction, (Vec3{-1, 0, 0}));
  EXPECT_DOUBLE_EQ(arrows[0].size, 4.0 / 3);
  EXPECT_EQ(arrows[1].color, kBlue);
  EXPECT_EQ(arrows[1].direction, (Vec3{0, 0, -1}));
  p.data.ApplyConcentratedLoads = false;
  EXPECT_EQ(build().wall.count(Part::Load), 0);
}

TEST_F(SceneTest, InterpolatedRowsRunToTheNextRowsEndNode) {
  p.data.ApplySprings = true;
  GridTable& t = p.tables.SoilStrength;
  for (int i = 0; i < 3; ++i) ViewProject::addRow(t);
  t.setInteger(col::kSpringMode, 0, 2);
  t.setInteger(col::kSpringFrom, 0, 10);
  t.setInteger(col::kSpringTo, 0, 11);
  t.setInteger(col::kSpringTo, 1, 14);  // the next row's end node closes the range
  t.setInteger(col::kSpringMode, 2, 1);
  t.setInteger(col::kSpringFrom, 2, 80);
  t.setInteger(col::kSpringTo, 2, 2000000);  // clamped to the tip
  const auto springs = build().wall.itemsOf<BoxItem>(Part::Spring);
  ASSERT_EQ(springs.size(), 2u * kPanelCount * (5 + 1));
  EXPECT_EQ(springs[0].color, kOrange);
  EXPECT_EQ(springs[1].color, (Rgba{0.5, 0.5, 0.5}));
  EXPECT_DOUBLE_EQ(springs[1].min.x, -12.5 / 2);
  EXPECT_DOUBLE_EQ(springs[1].max.x, 0);
  EXPECT_DOUBLE_EQ(springs[1].max.z - springs[1].min.z, 0.25);
  EXPECT_NEAR(springs[1].max.y - springs[1].min.y, 0.1, 1e-12);
}

TEST_F(SceneTest, RestraintsShowOnlyForNonZeroValues) {
  p.data.ApplyRestraints = true;
  GridTable& t = p.tables.SoilLayer;
  for (int i = 0; i < 3; ++i) ViewProject::addRow(t);
  t.setInteger(col::kRestraintCase, 0, 1);
  t.setReal(col::kRestraintDeflection, 0, 0.5);
  t.setInteger(col::kRestraintCase, 1, 2);
  t.setReal(col::kRestraintSlope, 1, -0.01);
  t.setInteger(col::kRestraintCase, 2, 1);  // deflection 0: nothing
  const Scene s = build();
  const auto arrows = s.wall.itemsOf<ArrowItem>(Part::Restraint);
  const auto slopes = s.wall.itemsOf<RotationItem>(Part::Restraint);
  ASSERT_EQ(arrows.size(), 20u);
  ASSERT_EQ(slopes.size(), 20u);
  EXPECT_EQ(arrows[0].color, kRed);
  EXPECT_DOUBLE_EQ(arrows[0].size, 2.0 / 3);
  EXPECT_EQ(slopes[0].color, kGreen);
  EXPECT_DOUBLE_EQ(slopes[0].size, 2);
  EXPECT_EQ(slopes[0].sense, -1);
}

TEST_F(SceneTest, TiebacksAreCopiedAlongTheWallAtTheirSpacing) {
  p.data.ApplyTiebacks = true;
  GridTable& t = p.tables.TiebackTable1;
  const int r = ViewProject::addRow(t);
  t.setReal(col::kTiebackDepth, r, 5);
  t.setReal(col::kTiebackArea, r, 4);  // 2 in square: 1/6 ft
  t.setReal(col::kTiebackUnbonded, r, 16);
  t.setReal(col::kTiebackAngle, r, 30);
  t.setReal(col::kTiebackSpacing, r, 3);  // n = round(10 / 3) = 3 on each side
  const auto bricks = build().wall.itemsOf<BrickItem>(Part::Tieback);
  ASSERT_EQ(bricks.size(), 2u * 2 * 2 * 3);
  const BrickItem& rod = bricks[1];
  EXPECT_EQ(rod.color, kTiebackFace);
  EXPECT_EQ(bricks[0].color, kOrange);
  const Vec3 start = (rod.corners[0] + rod.corners[2]) / 2, end = (rod.corners[4] + rod.corners[6]) / 2;
  EXPECT_NEAR(start.x, -0.05, 1e-12);
  EXPECT_NEAR(start.z, -5, 1e-12);
  EXPECT_NEAR(start.y, 1.5, 1e-12);
  EXPECT_NEAR(length(end - start), 16, 1e-12);
  EXPECT_NEAR(end.z - start.z, -8, 1e-12);  // 30 degrees below the horizontal
  EXPECT_LT(end.x, start.x);                // into the retained side
  EXPECT_NEAR(length(rod.corners[1] - rod.corners[0]), 2.0 / 12, 1e-12);
  const BrickItem& anchor = bricks[3];
  EXPECT_NEAR(length(anchor.corners[1] - anchor.corners[0]), 4 * 2.0 / 12, 1e-12);
  EXPECT_NEAR(length((anchor.corners[4] + anchor.corners[6]) / 2 - (anchor.corners[0] + anchor.corners[2]) / 2), 2,
              1e-12);
  p.data.ApplyTiebacks = false;
  EXPECT_EQ(build().wall.count(Part::Tieback), 0);
}

TEST_F(SceneTest, SurchargesOfEachKindWhateverTheOptionHolds) {
  GridTable& t = p.tables.SurchargeTable;
  for (int i = 0; i < 4; ++i) ViewProject::addRow(t);
  const double rows[4][4] = {{1, 500, 60, 0}, {2, -20, 120, 0}, {3, 10, 240, 48}, {1, 0, 30, 0}};
  for (int r = 0; r < 4; ++r) {
    t.setInteger(col::kSurchargeType, r, int(rows[r][0]));
    t.setReal(col::kSurchargeMagnitude, r, rows[r][1]);
    t.setReal(col::kSurchargeDistance, r, rows[r][2]);
    t.setReal(col::kSurchargeWidth, r, rows[r][3]);
  }
  p.data.ApplySurcharge = false;
  const Scene s = build();
  std::vector<int> arrows(4), lines(4), boxes(4);
  for (const TaggedItem& item : s.wall.items) {
    if (item.part != Part::Surcharge) continue;
    arrows[item.row] += std::holds_alternative<ArrowItem>(item.item);
    lines[item.row] += std::holds_alternative<LineItem>(item.item);
    boxes[item.row] += std::holds_alternative<BoxItem>(item.item);
  }
  EXPECT_EQ(arrows, (std::vector<int>{20, 21, 60, 0}));
  EXPECT_EQ(lines, (std::vector<int>{0, 2, 0, 0}));
  EXPECT_EQ(boxes, (std::vector<int>{0, 0, 2, 0}));
  const auto all = s.wall.itemsOf<ArrowItem>(Part::Surcharge);
  EXPECT_EQ(all[0].color, kRed);
  EXPECT_DOUBLE_EQ(all[0].tip.x, -5);
  EXPECT_DOUBLE_EQ(all[0].tip.z, 0);
  EXPECT_EQ(all[0].direction, (Vec3{0, 0, -1}));
  EXPECT_EQ(all[20].color, kGreen);
  EXPECT_EQ(all[20].direction, (Vec3{0, 0, 1}));  // a negative load points up
  EXPECT_DOUBLE_EQ(all[20].tip.y, -10);
  EXPECT_EQ(all[41].color, kBlue);
  EXPECT_DOUBLE_EQ(all[41].size, 2.0 / 3);
  const auto strip = s.wall.itemsOf<BoxItem>(Part::Surcharge);
  EXPECT_DOUBLE_EQ(strip[1].color.a, 0.25);
  EXPECT_DOUBLE_EQ(strip[1].min.x, -22);
  EXPECT_DOUBLE_EQ(strip[1].max.x, -18);
  options.surcharge = false;
  EXPECT_EQ(build().wall.count(Part::Surcharge), 0);
}

TEST_F(SceneTest, NoWallNoScene) {
  p.data.NodeCount = 0;
  const Scene s = build();
  EXPECT_TRUE(s.wall.items.empty());
  EXPECT_TRUE(s.soil.items.empty());
  EXPECT_EQ(s.loading.number, 1);
}

// Every face of a solid is wound counter-clockwise seen from outside, so
// back-face culling shows the near side.
TEST_F(SceneTest, MeshFacesPointOutwards) {
  SceneList list;
  list.items.push_back({Part::Wall, BoxItem{{-1, -2, -3}, {1, 2, 3}, kWallFace, Style::Faces}});
  list.items.push_back({Part::Load, ArrowItem{{0, 0, 0}, {1, 0, 0}, 8, kRed}});
  list.items.push_back({Part::WaterSign, PyramidItem{{0, 0, 0}, 2, kBlue, Style::Faces}});
  for (size_t i = 0; i < list.items.size(); ++i) {
    SceneList one;
    one.items.push_back(list.items[i]);
    const Mesh mesh = buildMesh(one);
    Vec3 centre = i == 0 ? Vec3{} : i == 1 ? Vec3{-4, 0, 0} : Vec3{0, 0, 1.2};
    for (const MeshBatch& b : mesh.batches) {
      if (b.mode != MeshMode::Triangles) continue;
      for (size_t v = 0; v + 2 < b.vertices.size(); v += 3) {
        auto at = [&](size_t k) { return Vec3{b.vertices[k].x, b.vertices[k].y, b.vertices[k].z}; };
        const Vec3 a = at(v), c1 = at(v + 1), c2 = at(v + 2);
        const Vec3 n = cross(c1 - a, c2 - a);
        if (i == 1) continue;  // the arrow's parts are checked by count below
        EXPECT_GT(dot(n, (a + c1 + c2) / 3 - centre), -1e-6) << "item " << i;
      }
    }
  }
  const Mesh box = buildMesh(SceneList{0, false, {list.items[0]}});
  EXPECT_EQ(box.triangleCount(), 12u);
  const Mesh arrow = buildMesh(SceneList{0, false, {list.items[1]}});
  // Shaft: side (two triangles a segment) and two end discs; head: cone and
  // base disc; rims at three circles.
  EXPECT_EQ(arrow.triangleCount(), size_t(kArrowSegments) * 6);
  EXPECT_EQ(arrow.lineCount(), size_t(kArrowSegments) * 3);
  // Rims in the full colour, surfaces translucent.
  for (const MeshBatch& b : arrow.batches)
    for (const MeshVertex& v : b.vertices) EXPECT_EQ(v.a, b.mode == MeshMode::Lines ? 255 : 153);
}

// What encloses the rest is drawn last and lets it show through.
TEST_F(SceneTest, SoilFacesAreDrawnLastWithoutWritingDepth) {
  p.addLayer(kSand, 30);
  p.data.WaterDepthBackfill = 120;
  const Mesh mesh = buildMesh(build().soil);
  ASSERT_GE(mesh.batches.size(), 3u);
  EXPECT_EQ(mesh.batches.front().mode, MeshMode::Lines);
  EXPECT_TRUE(mesh.batches.front().depthWrite);
  const MeshBatch& last = mesh.batches.back();
  EXPECT_EQ(last.mode, MeshMode::Triangles);
  EXPECT_FALSE(last.depthWrite);
  // Only the soil colour (at half opacity) in the last batch; the water before it writes depth.
  for (const MeshVertex& v : last.vertices) EXPECT_EQ(v.a, 128);
  EXPECT_EQ(std::count_if(mesh.batches.begin(), mesh.batches.end(), [](const MeshBatch& b) { return !b.depthWrite; }),
            1);
  const MeshBatch& water = mesh.batches[mesh.batches.size() - 2];
  EXPECT_TRUE(water.depthWrite);
}

}  // namespace
}  // namespace murena::views
