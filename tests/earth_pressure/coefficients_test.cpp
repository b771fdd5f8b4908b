// Rankine coefficients, the sloping backfill and its warning, the optional
// coefficient, and the effective overburden stress with water.
#include <cmath>

#include "ep_fixture.h"

#include "tests/support/test_names.h"

namespace murena::test {
namespace {

class Coefficients : public EarthPressureTest {
 protected:
  // One layer of friction angle phi down to 300, excavated to 120, slope beta.
  EarthPressureModule& run(double phi, double beta, double kopt = 0.0) {
    wall(40, 6.0, 120.0);
    ctx->block.soil.backfillSlope = beta;
    layer(4, 300.0, 0.07, 0.0, phi, kopt);
    m_ = runModule();
    return *m_;
  }
  std::unique_ptr<EarthPressureModule> m_;
};

struct RankineCase { double phi, Ka, Kp; };

class RankineTable : public Coefficients, public ::testing::WithParamInterface<RankineCase> {};

TEST_P(RankineTable, LevelBackfillGivesTextbookValues) {
  const RankineCase c = GetParam();
  EarthPressureModule& m = run(c.phi, 0.0);
  for (int L = 1; L <= m.n; ++L) {
    EXPECT_NEAR(m.layers[L].Ka, c.Ka, 5e-4) << "layer " << L;
    EXPECT_NEAR(m.layers[L].Kp, c.Kp, 5e-3) << "layer " << L;
    EXPECT_NEAR(m.layers[L].sqrtKa * m.layers[L].sqrtKa, m.layers[L].Ka, 1e-12);
  }
}

INSTANTIATE_TEST_SUITE_P(Angles, RankineTable,
                         ::testing::Values(RankineCase{0.0, 1.0, 1.0}, RankineCase{20.0, 0.490, 2.040},
                                           RankineCase{30.0, 1.0 / 3.0, 3.0}, RankineCase{35.0, 0.271, 3.690},
                                           RankineCase{40.0, 0.217, 4.599}),
                         [](const auto& info) { return "Phi" + std::to_string(static_cast<int>(info.param.phi)); });

TEST_F(Coefficients, TablePrintsThreeDigitValues) {
  run(30.0, 0.0);
  auto lines = report();
  EXPECT_TRUE(hasLine(lines, "           1          0.333E+00         0.300E+01         0.000E+00"));
}

TEST_F(Coefficients, SlopingBackfillOfTwentyDegreesOnPhiThirty) {
  EarthPressureModule& m = run(30.0, 20.0);
  EXPECT_NEAR(m.layers[1].Ka, 0.414, 5e-4);
  EXPECT_DOUBLE_EQ(m.layers[1].sqrtKa, std::sqrt(m.layers[1].Ka));
  EXPECT_NEAR(m.layers[1].Kp, 3.0, 1e-3);  // the slope leaves Kp alone
  EXPECT_TRUE(notes().empty());
}

TEST_F(Coefficients, SlopeSteeperThanPhiWarnsOnlyAboveTheExcavation) {
  EarthPressureModule& m = run(30.0, 35.0);
  // Layer 1 (0-120) lies above the excavation, layer 2 (120-300) at it.
  ASSERT_EQ(m.n, 2);
  EXPECT_NEAR(m.layers[1].Ka, 1.0 / 3.0, 1e-4);
  EXPECT_NEAR(m.layers[2].Ka, 1.0 / 3.0, 1e-4);
  const std::vector<std::string> warning = {"", "", "**** WARNING ******",
                                            "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION "
                                            "ANGLE OF SAND."};
  EXPECT_EQ(notes(), warning);
  auto lines = report();
  int heading = indexOf(lines, "      * ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
  int warn = indexOf(lines, "**** WARNING ******");
  int row1 = indexOf(lines, "           1          0.333E+00         0.300E+01         0.000E+00");
  ASSERT_GT(heading, 0);
  EXPECT_GT(warn, heading);
  EXPECT_EQ(row1, warn + 2);  // the warning comes right before its layer's row
  int count = 0;
  for (const auto& l : lines) count += l == "**** WARNING ******";
  EXPECT_EQ(count, 1);
}

TEST_F(Coefficients, ClayWithAnySlopeWarnsAndKeepsKaOne) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.backfillSlope = 5.0;
  layer(1, 300.0, 0.06, 5.0, 0.0);
  auto m = runModule();
  EXPECT_NEAR(m->layers[1].Ka, 1.0, 2e-6);  // tan(45 deg) with 57.2958 degrees per radian
  EXPECT_NEAR(m->layers[1].Kp, 1.0, 2e-6);
  EXPECT_EQ(notes().size(), 4u);
}

TEST_F(Coefficients, OptionalCoefficientReplacesKaAfterPrintingTheComputedOne) {
  EarthPressureModule& m = run(30.0, 0.0, 0.5);
  EXPECT_EQ(m.layers[1].Ka, 0.5);
  EXPECT_EQ(m.layers[1].sqrtKa, 0.0);
  EXPECT_TRUE(hasLine(report(), "           1          0.333E+00         0.300E+01         0.500E+00"));
}

TEST_F(Coefficients, RockIgnoresItsSixthParameter) {
  wall(40, 6.0, 120.0);
  layer(7, 300.0, 0.09, 500.0, 0.0, 30.0);  // weak rock: the sixth value is RQD
  auto m = runModule();
  EXPECT_EQ(m->layers[1].optionalCoefficient, 0.0);
  EXPECT_TRUE(m->layers[1].drained);
}

TEST_F(Coefficients, EffectiveStressTakesThePorePressureOffOnce) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.waterDepthBackfill = 60.0;
  ctx->block.soil.surfaceSurcharge = 1.0;
  layer(4, 90.0, 0.07, 0.0, 30.0);
  layer(3, 300.0, 0.065, 8.0, 0.0);
  auto m = runModule();
  // Layers: 0-60, 60-90, 90-120, 120-300.
  ASSERT_EQ(m->n, 4);
  EXPECT_FALSE(m->layers[1].belowWater);
  EXPECT_TRUE(m->layers[2].belowWater);
  EXPECT_DOUBLE_EQ(m->layers[1].sigmaV, 1.0);
  EXPECT_NEAR(m->layers[2].sigmaV, 1.0 + 60 * 0.07, 1e-12);
  EXPECT_NEAR(m->layers[3].sigmaV, 1.0 + 90 * 0.07 - 30 * 0.036, 1e-12);
  EXPECT_NEAR(m->layers[4].sigmaV, 1.0 + 90 * 0.07 + 30 * 0.065 - 60 * 0.036, 1e-12);
  EXPECT_DOUBLE_EQ(m->excavationStress, m->layers[4].sigmaV);
  EXPECT_DOUBLE_EQ(m->layers[5].topDepth, 300.0);  // bottom kept as top of the next layer
}

TEST_F(Coefficients, UnitWeightOfWaterByUnitSystem) {
  for (int units : {1, 2, 3}) {
    EarthPressureModule m(ctx->report, ctx->notes, ctx->labels);
    EarthPressureInput in;
    in.unitSystem = units;
    handOver(m, in);
    EXPECT_EQ(m.gammaW, units == 2 ? 9.81 : 0.036) << "units " << units;
  }
}

}  // namespace
}  // namespace murena::test
