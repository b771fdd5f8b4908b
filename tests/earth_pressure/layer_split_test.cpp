// Splitting the soil layers at the backfill water table and the excavation
// level, and the two stop codes of the soil profile.
#include <cctype>

#include "ep_fixture.h"
#include "engine/run_errors.h"

namespace murena::test {
namespace {

struct SplitCase {
  const char* name;
  double H, zwb;
  std::vector<double> bottoms;   // input layer bottoms
  std::vector<double> tops;      // expected pressure-layer tops
  int excavationLayer, waterLayer;
};

class LayerSplit : public EarthPressureTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(LayerSplit, CutsAtTheSpecialDepths) {
  const SplitCase& c = GetParam();
  wall(50, 6.0, c.H);
  ctx->block.soil.waterDepthBackfill = c.zwb;
  for (double b : c.bottoms) layer(4, b, 0.07, 0.0, 30.0);
  EarthPressureModule m(ctx->report, ctx->notes, ctx->labels);
  handOver(m, makeEarthPressureInput(*ctx));
  splitPressureLayers(m);
  ASSERT_EQ(m.n, static_cast<int>(c.tops.size()));
  double sum = 0.0;
  for (int L = 1; L <= m.n; ++L) {
    EXPECT_NEAR(m.layers[L].topDepth, c.tops[L - 1], 1e-9) << "layer " << L;
    EXPECT_GT(m.layers[L].thickness, 0.0);
    sum += m.layers[L].thickness;
  }
  // The profile ends at the first layer of no thickness.
  double bottom = 0.0;
  for (double b : c.bottoms) bottom = b > bottom ? b : bottom;
  if (c.bottoms.size() == 3 && c.bottoms[1] == c.bottoms[0]) bottom = c.bottoms[0];
  EXPECT_NEAR(sum, bottom, 1e-9);
  EXPECT_EQ(m.excavationLayer, c.excavationLayer);
  EXPECT_EQ(m.waterLayer, c.waterLayer);
  EXPECT_TRUE(std::filesystem::exists("debug.dat"));
  EXPECT_EQ(std::filesystem::file_size("debug.dat"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayerSplit,
    ::testing::Values(
        SplitCase{"WaterAboveExcavation", 120, 60, {300}, {0, 60, 120}, 3, 2},
        SplitCase{"WaterBelowExcavation", 120, 200, {300}, {0, 120, 200}, 2, 3},
        SplitCase{"WaterAtExcavationOneCut", 120, 120, {300}, {0, 120}, 2, 2},
        SplitCase{"ExcavationAtLayerBoundary", 120, 1000, {120, 300}, {0, 120}, 2, 0},
        SplitCase{"ExcavationWithinToleranceOfBoundary", 120.000004, 1000, {120, 300}, {0, 120}, 2, 0},
        SplitCase{"WaterAtSurface", 120, 0, {300}, {0, 120}, 2, 1},
        SplitCase{"WaterWithinToleranceOfExcavation", 120, 120.000004, {300}, {0, 120}, 2, 2},
        SplitCase{"TwoCutsInDifferentLayers", 150, 40, {100, 200, 300}, {0, 40, 100, 150, 200}, 4, 2},
        SplitCase{"WaterAboveWallTop", 120, -50, {300}, {0, 120}, 2, 0},
        SplitCase{"ProfileEndsAtZeroThicknessLayer", 120, 1000, {200, 200, 400}, {0, 120}, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EarthPressureTest, ExcavationBelowTheSoilProfileStopsWithCodeOne) {
  wall(50, 6.0, 250.0);
  layer(4, 200.0, 0.07, 0.0, 30.0);
  try {
    runModule();
    FAIL() << "no stop";
  } catch (const StopCode& s) {
    EXPECT_EQ(s.code, "1");
  }
  auto lines = report();
  // The soil table is printed before the stop, nothing after it.
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "         1     16.67        0.0    30.0    0.070     T      0.00");
}

TEST_F(EarthPressureTest, MoreThanTwentyOnePressureLayersStopsWithCodeTwo) {
  wall(50, 6.0, 105.0);
  ctx->block.soil.waterDepthBackfill = 55.0;
  for (int i = 1; i <= 20; ++i) layer(4, 10.0 * i, 0.07, 0.0, 30.0);
  try {
    runModule();
    FAIL() << "no stop";
  } catch (const StopCode& s) {
    EXPECT_EQ(s.code, "2");
  }
  auto lines = report();
  int rows = 0;
  for (const auto& l : lines) rows += l.size() == 64 && l.rfind("       ", 0) == 0 && std::isdigit(static_cast<unsigned char>(l[9]));
  EXPECT_EQ(rows, 21);
}

TEST_F(EarthPressureTest, TwentyOnePressureLayersStillFit) {
  wall(50, 6.0, 105.0);
  for (int i = 1; i <= 20; ++i) layer(4, 10.0 * i, 0.07, 0.0, 30.0);
  auto m = runModule();
  EXPECT_EQ(m->n, 21);
  EXPECT_EQ(m->excavationLayer, 12);
}

}  // namespace
}  // namespace murena::test
