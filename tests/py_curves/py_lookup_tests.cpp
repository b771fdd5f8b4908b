// Look-ups along the p-y profile, the coefficient tables and the equivalent
// depth of lower layers.
#include <cmath>
#include <cstdio>

#include "engine/soil/py_sand_resistance.h"
#include "engine/run_errors.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

constexpr double kRad = kDegreesToRadians;

class LookupTest : public PYStateTest {
 protected:
  // Two layers meeting at x = 100; friction angles given in radians.
  void twoLayers(double cBottom1, double cTop2, double phiBottom1, double phiTop2) {
    addLayer(1, 0.0, 100.0, Row{0.07, 1.0, 0.3 / kRad, 0.01, 0, 0.1}, Row{0.07, cBottom1, phiBottom1 / kRad, 0.02, 0, 0.2});
    addLayer(1, 100.0, 200.0, Row{0.07, cTop2, phiTop2 / kRad, 0.04, 0, 0.4}, Row{0.07, 9.0, 0.7 / kRad, 0.05, 0, 0.5});
  }
};

TEST_F(LookupTest, LayerBoundaryRules) {
  twoLayers(2.0, 5.0, 0.5, 0.6);
  EXPECT_DOUBLE_EQ(strengthAt(g(), 100.0), 5.0);
  EXPECT_NEAR(frictionAngleAt(g(), 100.0), 0.55, 1e-12);
  EXPECT_NEAR(strainSlotAt(g(), 100.0), 0.03, 1e-12);
  EXPECT_NEAR(coefficientSlotAt(g(), 100.0), 0.3, 1e-12);
  EXPECT_NEAR(strengthAt(g(), 50.0), 1.5, 1e-12);  // interpolated inside layer 1
  EXPECT_NEAR(strengthAt(g(), 150.0), 7.0, 1e-12);
  EXPECT_DOUBLE_EQ(strengthAt(g(), 200.0), 9.0);    // the last point
  EXPECT_DOUBLE_EQ(strengthAt(g(), 0.0), 1.0);
}

TEST_F(LookupTest, ZeroValuesAtABoundaryGiveTheOtherSide) {
  twoLayers(2.0, 0.0, 0.0, 0.6);
  EXPECT_DOUBLE_EQ(strengthAt(g(), 100.0), 2.0);      // lower top is zero: the upper bottom
  EXPECT_NEAR(frictionAngleAt(g(), 100.0), 0.6, 1e-12);  // upper is zero: the lower
  g().strength[2].frictionAngle = 0.6;
  g().strength[3].frictionAngle = 0.0;
  EXPECT_NEAR(frictionAngleAt(g(), 100.0), 0.6, 1e-12);  // lower is zero: the upper
  // Both below the zero limit: the upper layer's bottom value.
  g().strength[2].frictionAngle = -0.2;
  g().strength[3].frictionAngle = 0.0;
  EXPECT_DOUBLE_EQ(frictionAngleAt(g(), 100.0), -0.2);
  g().strength[2].strainSlot = 0.0;
  g().strength[3].strainSlot = -0.5;
  EXPECT_DOUBLE_EQ(strainSlotAt(g(), 100.0), 0.0);
}

TEST_F(LookupTest, BelowTheProfile) {
  twoLayers(2.0, 5.0, 0.5, 0.6);
  EXPECT_DOUBLE_EQ(strainSlotAt(g(), 250.0), 0.05);
  EXPECT_DOUBLE_EQ(coefficientSlotAt(g(), 250.0), 0.5);

  std::FILE* console = std::tmpfile();
  g().console = console;
  EXPECT_EQ(stopCodeOf([&] { strengthAt(g(), 260.0); }), "1");
  EXPECT_EQ(stopCodeOf([&] { frictionAngleAt(g(), 260.0); }), "");
  std::rewind(console);
  std::string text;
  for (int ch; (ch = std::fgetc(console)) != EOF;) text += static_cast<char>(ch);
  std::fclose(console);
  g().console = nullptr;
  auto count = [&](const std::string& needle) {
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("\n                             **** WARNING ****\n"), 4);
  EXPECT_EQ(count("\n     THE VALUE OF X =  0.3D+03IS BEYOND THE EXTENT OF\n     THE INPUT STRENGTH CURVE\n"), 2);
  EXPECT_EQ(count("\n     THE VALUE OF X =  0.3D+03 IS BEYOND THE EXTENT OF\n     THE INPUT PHI CURVE\n"), 2);
  EXPECT_THROW(averageUnitWeight(g(), 200.5), StopCode);
}

TEST_F(LookupTest, AverageUnitWeightIntegratesThePiecewiseProfile) {
  g().unitWeightCount = 4;
  g().unitWeight[1] = {0.0, 0.07};
  g().unitWeight[2] = {20.0, 0.07};
  g().unitWeight[3] = {20.0, 0.034};
  g().unitWeight[4] = {80.0, 0.034};
  EXPECT_NEAR(averageUnitWeight(g(), 50.0), 0.0484, 1e-12);
  EXPECT_NEAR(averageUnitWeight(g(), 20.0), 0.07, 1e-12);
  EXPECT_NEAR(averageUnitWeight(g(), 80.0), (0.07 * 20 + 0.034 * 60) / 80.0, 1e-12);
  EXPECT_DOUBLE_EQ(averageUnitWeight(g(), 0.0), 0.07);
  EXPECT_DOUBLE_EQ(averageUnitWeight(g(), -1.0), 0.0);
  EXPECT_EQ(stopCodeOf([&] { averageUnitWeight(g(), 80.5); }), "4");
}

TEST_F(LookupTest, AverageUnitWeightRampsAndFirstPositiveValue) {
  g().unitWeightCount = 3;
  g().unitWeight[1] = {0.0, 0.0};
  g().unitWeight[2] = {10.0, 0.02};
  g().unitWeight[3] = {30.0, 0.06};
  EXPECT_DOUBLE_EQ(averageUnitWeight(g(), 0.0), 0.02);
  EXPECT_NEAR(averageUnitWeight(g(), 20.0), (0.01 * 10 + 0.03 * 10) / 20.0, 1e-12);
}

TEST_F(LookupTest, AverageStrengthOfALayer) {
  addLayer(1, 0.0, 100.0, Row{0.07, 2.0, 0, 0, 0, 0}, Row{0.07, 6.0, 0, 0, 0, 0});
  addLayer(1, 100.0, 200.0, Row{0.07, 10.0, 0, 0, 0, 0}, Row{0.07, 20.0, 0, 0, 0, 0});
  EXPECT_NEAR(averageStrength(g(), 50.0, 1), 3.0, 1e-12);
  EXPECT_NEAR(averageStrength(g(), 150.0, 2), 12.5, 1e-12);
  EXPECT_NEAR(averageStrength(g(), 100.000001, 2), 10.0, 1e-6);  // at the layer top: the look-up
  EXPECT_DOUBLE_EQ(averageStrength(g(), -1.0, 1), 0.0);
  // Below the profile: the report warning, and the run goes on.
  EXPECT_NEAR(averageStrength(g(), 210.0, 2), 0.5 * (10.0 + 21.0), 1e-12);
  const auto lines = reportLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "                             **** WARNING ****     THE VALUE OF X = 0.21E+03IS BEYOND THE EXTENT OF "
                      "THE/     INPUT CURVE FOR STRENGTH");
}

TEST(CoefficientTables, StaticTablesAndStiffClayAs) {
  EXPECT_NEAR(tableCoefficient(2.25 * 24.0, 24.0, CoefficientTable::StaticA), 1.355, 1e-12);
  EXPECT_NEAR(tableCoefficient(7.0 * 24.0, 24.0, CoefficientTable::StaticA), 0.88, 1e-12);
  EXPECT_NEAR(tableCoefficient(7.0 * 24.0, 24.0, CoefficientTable::StaticB), 0.50, 1e-12);
  EXPECT_NEAR(tableCoefficient(0.0, 24.0, CoefficientTable::StaticB), 2.14, 1e-12);
  EXPECT_NEAR(tableCoefficient(3.5 * 24.0, 24.0, CoefficientTable::StaticA), 0.98, 1e-12);
  EXPECT_NEAR(stiffClayAs(0.5 * 24.0, 24.0), 0.3415, 1e-12);
  EXPECT_NEAR(stiffClayAs(8.0 * 24.0, 24.0), 0.60, 1e-12);
  EXPECT_NEAR(stiffClayAs(2.5 * 24.0, 24.0), 0.57, 1e-12);
  EXPECT_NEAR(stiffClayAs(0.0, 24.0), 0.223, 1e-12);
}

// Piles at a spacing of twice their width: the layers below the first take
// the equivalent depth of the layers above.
class EquivalentDepthTest : public PYStateTest {
 protected:
  void SetUp() override {
    PYStateTest::SetUp();
    g().Wa = 48.0;
    g().spacingRatio = 2.0;
  }
  EquivalentDepthSoil frictional(double phi, double c) {
    const FrictionCoefficients k = frictionCoefficients(phi, 3.1416);
    EquivalentDepthSoil s = frictionEquivalentDepthSoil(k, phi, 0.04, 24.0, 100.1);
    s.c = c;
    return s;
  }
  EquivalentDepthSoil clay() {
    EquivalentDepthSoil s;
    s.b = 24.0;
    s.c = 5.0;
    s.ca = 4.0;
    s.gamma = 0.04;
    s.xa = 100.1;
    return s;
  }
};

TEST_F(EquivalentDepthTest, FirstLayerIsZero) {
  addLayer(4, 0.0, 100.0, Row{});
  g().layers[1].cumulativeResistance = 5.0e5;
  computeEquivalentDepth(g(), 1, clay());
  EXPECT_DOUBLE_EQ(g().layers[1].equivalentDepth, 0.0);
}

TEST_F(EquivalentDepthTest, LayerUnderRockSeesNoResistance) {
  addLayer(6, 0.0, 50.0, Row{});
  addLayer(7, 50.0, 100.0, Row{});
  addLayer(4, 100.0, 200.0, Row{});
  g().layers[1].cumulativeResistance = 1.0e6;  // rock counts 0 whatever it holds
  g().layers[2].cumulativeResistance = 1.0e6;
  EquivalentDepthSoil sand;
  sand.b = 24.0;
  sand.gamma = 0.04;
  sand.phi = 0.5;
  computeEquivalentDepth(g(), 3, sand);
  EXPECT_DOUBLE_EQ(g().layers[3].equivalentDepth, 0.0);
}

TEST_F(EquivalentDepthTest, SoftClayBranches) {
  addLayer(1, 0.0, 100.0, Row{});
  addLayer(1, 100.0, 200.0, Row{});
  const EquivalentDepthSoil s = clay();
  const double cb = s.c * s.b;
  const double xr = 6.0 * cb / (s.gamma * s.b + 0.5 * s.c);
  const double I = 3.0 * cb * xr + s.gamma * s.b * xr * xr / 2.0 + s.c * xr * xr / 4.0;
  // F exactly I: both branches meet at xr.
  g().layers[1].cumulativeResistance = I;
  computeEquivalentDepth(g(), 2, s);
  EXPECT_NEAR(g().layers[2].equivalentDepth, xr, 1e-9 * xr);
  // Deeper: 9 c b per unit depth beyond xr.
  g().layers[1].cumulativeResistance = I + 9.0 * cb * 10.0;
  computeEquivalentDepth(g(), 2, s);
  EXPECT_NEAR(g().layers[2].equivalentDepth, xr + 10.0, 1e-9);
  // Shallower: the depth whose resistance integral is F.
  const double x = 20.0;
  g().layers[1].cumulativeResistance = 3.0 * cb * x + s.gamma * s.b * x * x / 2.0 + s.c * x * x / 4.0;
  computeEquivalentDepth(g(), 2, s);
  EXPECT_NEAR(g().layers[2].equivalentDepth, x, 1e-9);
}

TEST_F(EquivalentDepthTest, StiffClayWithoutFreeWaterUsesTheAverageOnlyForTheLimitDepth) {
  addLayer(1, 0.0, 100.0, Row{});
  addLayer(3, 100.0, 200.0, Row{});
  const EquivalentDepthSoil s = clay();
  const double cb = s.c * s.b;
  const double xc = (9.0 * cb - 3.0 * s.ca * s.b) / (s.gamma * s.b + 0.5 * s.c);
  const double I = 3.0 * cb * xc + s.gamma * s.b * xc * xc / 2.0 + s.c * xc * xc / 4.0;
  g().layers[1].cumulativeResistance = I + 9.0 * cb * 5.0;
  computeEquivalentDepth(g(), 2, s);
  EXPECT_NEAR(g().layers[2].equivalentDepth, xc + 5.0, 1e-9);
}

TEST_F(EquivalentDepthTest, StiffClayWithFreeWaterStepsThroughTheIntegral) {
  addLayer(1, 0.0, 100.0, Row{});
  addLayer(2, 100.0, 200.0, Row{});
  const EquivalentDepthSoil s = clay();
  const double xmax = (11.0 * s.c * s.b - 2.0 * s.ca * s.b) / (s.gamma * s.b + 2.83 * s.ca);
  const double dx = xmax / 40.0;
  double S = 0.0;
  for (int i = 1; i <= 10; ++i) {
    const double xi = i * dx;
    const double As = stiffClayAs(xi, s.b);
    S += (2.0 * s.ca * s.b + s.gamma * s.b * xi + 2.83 * s.ca * xi) * (1.225 * std::sqrt(As) - 0.75 * As - 0.411) * dx;
  }
  g().layers[1].cumulativeResistance = S;  // reached exactly after ten steps
  computeEquivalentDepth(g(), 2, s);
  EXPECT_NEAR(g().layers[2].equivalentDepth, 10.0 * dx, 1e-9);
}

// A continuous wall's resistance is written with the actual depth: a lower
// layer goes on at its own top, whatever the layers above hold.
TEST_F(EquivalentDepthTest, ContinuousWallKeepsTheActualDepth) {
  g().Wa = g().Wp;
  g().spacingRatio = 1.0;
  addLayer(4, 0.0, 100.0, Row{});
  for (int type : {1, 2, 3, 4, 5}) {
    addLayer(type, 100.0, 200.0, Row{});
    g().layers[1].cumulativeResistance = 5.0e5;
    computeEquivalentDepth(g(), 2, type == 4 || type == 5 ? frictional(0.55, 2.0) : clay());
    EXPECT_EQ(g().layers[2].equivalentDepth, 100.0) << type;
    EXPECT_EQ(formulaDepth(g(), 2, 160.0 + 100.1), 160.0 + 100.1) << type;
    --g().layerCount;
  }
}

// Silt builds up the friction share of its curves' ultimate resistance, as
// the layers above are summed: the same depth as sand, whatever its cohesion.
TEST_F(EquivalentDepthTest, SiltBuildsUpItsFrictionShareOnly) {
  addLayer(5, 0.0, 100.0, Row{});
  addLayer(5, 100.0, 200.0, Row{});
  g().layers[1].cumulativeResistance = 2.0e4;
  computeEquivalentDepth(g(), 2, frictional(0.55, 0.0));
  const double withoutCohesion = g().layers[2].equivalentDepth;
  computeEquivalentDepth(g(), 2, frictional(0.55, 5.0));
  EXPECT_GT(withoutCohesion, 0.0);
  EXPECT_EQ(g().layers[2].equivalentDepth, withoutCohesion);
}

TEST_F(EquivalentDepthTest, DegenerateZeroStrengthGivesAFiniteDepth) {
  addLayer(1, 0.0, 100.0, Row{});
  addLayer(1, 100.0, 200.0, Row{});
  EquivalentDepthSoil s = clay();
  s.c = 0.0;
  g().layers[1].cumulativeResistance = 1000.0;
  computeEquivalentDepth(g(), 2, s);
  EXPECT_TRUE(std::isfinite(g().layers[2].equivalentDepth));
}

}  // namespace
}  // namespace murena::pytest
