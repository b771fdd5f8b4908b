// The generated pressure profile: dry sand, water on both sides, tension in
// clay, the trapezoid of anchored walls, subdivision and the file count.
#include <cmath>
#include <sstream>

#include "ep_fixture.h"
#include "engine/run_errors.h"
#include "engine/soil/surcharge_pressure.h"

namespace murena::test {
namespace {

struct FilePoint { double depth, total, earth, surcharge; };

// The profile file as the engine reads it: the count line, then point lines.
std::vector<FilePoint> readProfileFile(int* count = nullptr) {
  auto lines = fileLines(kPressureProfileFile);
  std::vector<FilePoint> points;
  if (lines.empty()) return points;
  if (count) *count = std::stoi(lines[0]);
  for (size_t i = 1; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    FilePoint p{};
    in >> p.depth >> p.total >> p.earth >> p.surcharge;
    points.push_back(p);
  }
  return points;
}

class Profile : public EarthPressureTest {
 protected:
  // Point at depth z (1-inch steps from the top in English units).
  const ProfilePoint& at(const EarthPressureModule& m, double z) {
    for (const auto& p : m.profile)
      if (std::fabs(p.depth - z) < 1e-9) return p;
    ADD_FAILURE() << "no point at " << z;
    return m.profile.front();
  }
};

TEST_F(Profile, DrySandIsTriangularDownToTheExcavationThenConstant) {
  wall(40, 6.0, 120.0);
  layer(4, 300.0, 0.0694, 0.0, 30.0);
  auto m = runModule();
  double Ka = m->layers[1].Ka;
  EXPECT_NEAR(at(*m, 60.0).totalPressure, 1.39, 0.005);
  EXPECT_NEAR(at(*m, 60.0).totalPressure, Ka * 0.0694 * 60.0, 1e-12);
  EXPECT_NEAR(at(*m, 200.0).totalPressure, Ka * 0.0694 * 120.0, 1e-12);
  EXPECT_DOUBLE_EQ(at(*m, 121.0).totalPressure, at(*m, 240.0).totalPressure);
  EXPECT_EQ(at(*m, 0.0).totalPressure, 0.0);  // q = 0: point 1 holds zeros
  EXPECT_EQ(at(*m, 0.0).surchargePressure, 0.0);
  // Points to the tip: 1 + 120 + 120; the layer below the tip is not made.
  int count = 0;
  auto file = readProfileFile(&count);
  EXPECT_EQ(count, 241);
  ASSERT_EQ(file.size(), 241u);
  EXPECT_EQ(file[60].total, 1.39);  // as written, to three digits
  EXPECT_EQ(fileLines(kPressureProfileFile)[61], "      0.600E+02     0.139E+01     0.139E+01     0.000E+00");
}

TEST_F(Profile, ProfileEndingAboveTheTipCountsOnlyTheLinesWritten) {
  wall(40, 6.0, 120.0);
  layer(4, 200.0, 0.07, 0.0, 30.0);
  runModule();
  int count = 0;
  auto file = readProfileFile(&count);
  EXPECT_EQ(count, 201);
  EXPECT_EQ(file.size(), 201u);
  EXPECT_EQ(file.back().depth, 200.0);
}

TEST_F(Profile, LayersBelowTheTipAreCountedOutOfTheFile) {
  wall(10, 6.0, 40.0);  // tip at 60, above the top of the last layer
  layer(4, 100.0, 0.07, 0.0, 30.0);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  runModule();
  int count = 0;
  auto file = readProfileFile(&count);
  EXPECT_EQ(count, 61);
  ASSERT_EQ(file.size(), 61u);
  EXPECT_EQ(file.back().depth, 60.0);
}

TEST_F(Profile, SurfaceSurchargeIsSplitOffAsTheSurchargeShare) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.surfaceSurcharge = 1.0;
  layer(4, 300.0, 0.07, 0.0, 30.0);
  auto m = runModule();
  double Ka = m->layers[1].Ka;
  EXPECT_DOUBLE_EQ(m->profile[0].totalPressure, Ka);
  EXPECT_DOUBLE_EQ(m->profile[0].surchargePressure, Ka);
  const ProfilePoint& p = at(*m, 50.0);
  EXPECT_NEAR(p.totalPressure, Ka * (1.0 + 0.07 * 50.0), 1e-12);
  EXPECT_NEAR(p.surchargePressure, Ka, 1e-12);
  EXPECT_NEAR(p.earthPressure + p.surchargePressure, p.totalPressure, 1e-12);
}

TEST_F(Profile, ClayInTensionPrintsOnlyTheTensionForceAndFloorsThePoints) {
  wall(40, 6.0, 120.0);
  layer(1, 300.0, 0.06, 2.0, 0.0);
  auto m = runModule();
  const PressureLayer& l = m->layers[1];
  EXPECT_EQ(l.forceOverburden, 0.0);
  EXPECT_EQ(l.forceWeight, 0.0);
  EXPECT_EQ(l.forceCohesion, 0.0);
  // pbot = 0.06 * 120 * Ka - 2 * 2 * sqrtKa, ptop = 4 sqrtKa.
  double pbot = 7.2 * l.Ka - 4.0 * l.sqrtKa, ptop = 4.0 * l.sqrtKa;
  double zc = pbot * 120.0 / (pbot + ptop);
  EXPECT_NEAR(zc, 53.333, 1e-2);
  EXPECT_NEAR(l.forceTension, zc * pbot / 2.0, 1e-9);
  EXPECT_NEAR(l.depthTension, 120.0 - zc / 3.0, 1e-9);
  EXPECT_TRUE(hasLine(report(), "       1       0.00  60.00       0.00  80.00       0.00 102.22      85.33"));
  // Points in the tension zone hold k * 1E-12, below it gamma z Ka - 2 c sqrtKa.
  EXPECT_DOUBLE_EQ(m->profile[10].totalPressure, 11 * 1.0e-12);
  EXPECT_DOUBLE_EQ(m->profile[10].earthPressure, 11 * 1.0e-12);
  EXPECT_NEAR(at(*m, 100.0).totalPressure, 0.06 * 100.0 * l.Ka - 4.0 * l.sqrtKa, 1e-12);
  EXPECT_EQ(fileLines(kPressureProfileFile)[11], "      0.100E+02     0.110E-10     0.110E-10     0.000E+00");
}

TEST_F(Profile, NegativeNetThrustIsReported) {
  wall(40, 6.0, 120.0);
  layer(1, 300.0, 0.06, 10.0, 0.0);  // tension all the way to the excavation
  runModule();
  auto lines = report();
  int i = indexOf(lines, "     Net active pressure is negative.");
  ASSERT_GT(i, 2);
  EXPECT_EQ(lines[i - 1], "");
  EXPECT_EQ(lines[i - 2], "");
  EXPECT_EQ(lines[i + 1], "");
}

TEST_F(Profile, WaterBehindTheWallSteepensTheGradientAndPrintsWaterForces) {
  wall(40, 6.0, 120.0);
  ctx->block.soil.waterDepthBackfill = 60.0;
  layer(4, 300.0, 0.07, 0.0, 30.0);
  auto m = runModule();
  double Ka = m->layers[1].Ka, gw = 0.036;
  double at60 = Ka * 0.07 * 60.0;
  EXPECT_NEAR(at(*m, 90.0).totalPressure, at60 + (gw + (0.07 - gw) * Ka) * 30.0, 1e-12);
  EXPECT_EQ(m->layers[1].waterUniform, 0.0);
  EXPECT_NEAR(m->layers[2].waterTriangle, -0.5 * gw * 60.0 * 60.0, 1e-12);
  auto lines = report();
  EXPECT_GE(indexOf(lines, "      *      ACTIVE WATER PRESSURE OF EACH LAYER       *"), 0);
  EXPECT_TRUE(hasLine(lines, "       2       0.00  90.00      64.80 100.00"));
}

TEST_F(Profile, WaterInFrontOfTheWallActsDownToTheExcavation) {
  auto runWith = [&](double zwe) {
    ctx = std::make_unique<RunContext>();
    useUnits(1);
    wall(40, 6.0, 120.0);
    ctx->block.soil.waterDepthBackfill = 0.0;
    ctx->block.soil.waterDepthExcavation = zwe;
    layer(4, 300.0, 0.07, 0.0, 30.0);
    return runModule();
  };
  auto dry = runWith(1.0e6);
  auto wet = runWith(60.0);
  EXPECT_DOUBLE_EQ(at(*wet, 50.0).totalPressure, at(*dry, 50.0).totalPressure);
  EXPECT_NEAR(at(*dry, 90.0).totalPressure - at(*wet, 90.0).totalPressure, 30.0 * 0.036, 1e-12);
  EXPECT_NEAR(at(*dry, 90.0).earthPressure - at(*wet, 90.0).earthPressure, 30.0 * 0.036, 1e-12);
  EXPECT_NEAR(at(*dry, 120.0).totalPressure - at(*wet, 120.0).totalPressure, 60.0 * 0.036, 1e-12);
  EXPECT_DOUBLE_EQ(at(*wet, 121.0).totalPressure, at(*dry, 121.0).totalPressure);
}

// Area of the profile between the top and the excavation level.
double areaAbove(const EarthPressureModule& m, double H) {
  double area = 0.0;
  for (size_t k = 1; k < m.profile.size() && m.profile[k].depth <= H + 1e-9; ++k)
    area += 0.5 * (m.profile[k - 1].totalPressure + m.profile[k].totalPressure) *
            (m.profile[k].depth - m.profile[k - 1].depth);
  return area;
}

struct TrapezoidCase { const char* name; int supports; double first, last; };

class Trapezoid : public Profile, public ::testing::WithParamInterface<TrapezoidCase> {};

TEST_P(Trapezoid, AreaEqualsOnePointThreeTimesTheThrust) {
  const TrapezoidCase& c = GetParam();
  wall(40, 6.0, 120.0, 3);
  ctx->block.supportCount = c.supports;
  ctx->block.firstSupportDepth = c.first;
  ctx->block.lastSupportDepth = c.last;
  layer(4, 300.0, 0.07, 0.0, 30.0);
  auto m = runModule();
  double Ka = m->layers[1].Ka;
  // The thrust is the trapezoid sum of the triangular totals.
  EXPECT_NEAR(m->thrust, 0.5 * Ka * 0.07 * 120.0 * 120.0, 1e-9);
  EXPECT_NEAR(areaAbove(*m, 120.0), 1.3 * m->thrust, 0.01 * m->thrust);
  // Below the excavation the computed profile stays.
  EXPECT_NEAR(at(*m, 150.0).totalPressure, Ka * 0.07 * 120.0, 1e-12);
  // Only the total is replaced.
  EXPECT_NEAR(at(*m, 60.0).earthPressure, Ka * 0.07 * 60.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Supports, Trapezoid,
                         ::testing::Values(TrapezoidCase{"OneAtThirdHeight", 1, 40.0, 40.0},
                                           TrapezoidCase{"OneNearTop", 1, 12.0, 12.0},
                                           TrapezoidCase{"TwoSupports", 2, 30.0, 80.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Profile, TrapezoidWithOneSupportAtThirdHeightHasItsCorners) {
  wall(40, 6.0, 120.0, 3);
  ctx->block.supportCount = 1;
  ctx->block.firstSupportDepth = 40.0;
  layer(4, 300.0, 0.07, 0.0, 30.0);
  auto m = runModule();
  double pmax = 1.3 * m->thrust * 3.0 / (2.0 * 120.0);
  // a = 2H/9 = 26.67, a + c = 66.67, b = 4H/9.
  EXPECT_NEAR(at(*m, 13.0).totalPressure, pmax * 13.0 / (80.0 / 3.0), 1e-12);
  EXPECT_DOUBLE_EQ(at(*m, 27.0).totalPressure, pmax);
  EXPECT_DOUBLE_EQ(at(*m, 66.0).totalPressure, pmax);
  EXPECT_NEAR(at(*m, 120.0).totalPressure, 0.0, 1e-12);
}

TEST_F(Profile, SupportAtTheExcavationLevelKeepsThePeakDownToIt) {
  // SI, H = 1.3 m, one support at 1.3 m: b = 0, and the point at H lies an
  // ulp below a + c = 2H/3 + H/3, on the side of the falling part.
  useUnits(2);
  wall(40, 0.1, 1.3, 3);
  ctx->block.supportCount = 1;
  ctx->block.firstSupportDepth = 1.3;
  ctx->block.lastSupportDepth = 1.3;
  layer(4, 4.0, 18.0, 0.0, 30.0);
  auto m = runModule();
  double pmax = 1.3 * m->thrust * 3.0 / (2.0 * 1.3);
  EXPECT_DOUBLE_EQ(at(*m, 1.3).totalPressure, pmax);
  EXPECT_EQ(fileLines(kPressureProfileFile)[27], "      0.130E+01     0.760E+01     0.780E+01     0.000E+00");
}

TEST_F(Profile, TrapezoidWithoutSupportStopsTheBlock) {
  wall(40, 6.0, 120.0, 3);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  EXPECT_THROW(runModule(), AnalysisStop);
  auto lines = report();
  EXPECT_EQ(lines.back(), "     ERROR -- TRAPEZOIDAL EARTH PRESSURE NEEDS AT LEAST ONE SUPPORT (SPRING OR TIEBACK)");
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_EQ(lines[lines.size() - 3], "");
}

TEST_F(Profile, SurchargesWithNoFreeHeightStopTheBlock) {
  wall(40, 6.0, 0.0);
  surcharge(1, 1000.0, 24.0);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  EXPECT_THROW(runModule(), AnalysisStop);
  EXPECT_EQ(report().back(), "     ERROR -- FREE HEIGHT OF WALL MUST BE GREATER THAN ZERO WITH SURCHARGE LOADS");
}

TEST_F(Profile, SurchargeLoadsAddTheirStaircaseToTotalAndShare) {
  wall(40, 6.0, 120.0);
  surcharge(2, 100.0, 36.0);
  layer(4, 300.0, 0.07, 0.0, 30.0);
  auto m = runModule();
  const ProfilePoint& p = at(*m, 60.0);
  double expected = lineSurchargePressure(100.0, 0.3, 58.8 / 120.0, 120.0);
  EXPECT_NEAR(p.surchargePressure, expected, 1e-12);
  EXPECT_NEAR(p.totalPressure - p.earthPressure, expected, 1e-12);
  // The layer forces carry the ten-slice share of the last load echoed.
  double share = 0.0;
  for (int j = 1; j <= 10; ++j) share += 12.0 * lineSurchargePressure(100.0, 0.3, 12.0 * j / 120.0, 120.0);
  EXPECT_NEAR(m->layers[1].forceOverburden, share, 1e-9);
}

TEST_F(Profile, SIAndOtherUnitsSubdivideByTheirOwnStep) {
  useUnits(2);
  wall(20, 0.5, 4.0);
  ctx->block.soil.waterDepthBackfill = 100.0;
  layer(4, 1.0, 18.0, 0.0, 30.0);
  layer(4, 1.02, 18.0, 0.0, 30.0);   // 0.02 m: less than half a step, no points
  layer(4, 20.0, 18.0, 0.0, 30.0);
  auto m = runModule();
  // 20 points in the first metre, none in the thin layer, then down to 10 m.
  EXPECT_EQ(m->profile[20].depth, 1.0);
  EXPECT_NEAR(m->profile[21].depth, 1.02 + 2.98 / 60.0, 1e-12);
  int count = 0;
  readProfileFile(&count);
  EXPECT_EQ(count, 1 + 20 + 0 + 60 + static_cast<int>(std::round(20.0 * 6.0)));
  // Thrust increments use the nominal 1/20 step.
  double sum = 0.0, prev = 0.0;
  for (int k = 1; k <= 80; ++k) {  // points 2..81 lie above the excavation
    sum += 0.5 * (prev + m->profile[static_cast<size_t>(k)].totalPressure) / 20.0;
    prev = m->profile[static_cast<size_t>(k)].totalPressure;
  }
  EXPECT_NEAR(m->thrust, sum, 1e-9);
}

TEST_F(Profile, ProfilesBeyondTheStoreAreRejectedBeforeTheyAreMade) {
  wall(300, 12.0, 120.0);  // 3600 points to the tip
  layer(4, 1.0e9, 0.07, 0.0, 30.0);
  EXPECT_THROW(runModule(), AnalysisStop);
  EXPECT_EQ(report().back(), "     ERROR -- THE EARTH PRESSURE PROFILE NEEDS MORE THAN 1999 POINTS");
}

}  // namespace
}  // namespace murena::test
