// Curves of soft clay, stiff clay with free water and stiff clay without free
// water against their published formulas, and the clay generators' output.
#include <cmath>
#include <sstream>

#include "engine/soil/py_clay_curves.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

ClaySoil soil(double c, double gamma, double eps50, double k = 1000.0, double ca = 0.0) {
  ClaySoil s;
  s.b = 24.0;
  s.c = c;
  s.ca = ca;
  s.gamma = gamma;
  s.eps50 = eps50;
  s.k = k;
  return s;
}

TEST(SoftClayCurve, FollowsTheCubeRootLawUpToEightY50) {
  struct Case { double c, gamma, xp; };
  for (const Case& t : {Case{5.0, 0.04, 10.0}, Case{5.0, 0.04, 200.0}, Case{2.0, 0.03, 60.0}, Case{10.0, 0.07, 0.0}}) {
    const ClaySoil s = soil(t.c, t.gamma, 0.01);
    const ClaySide side = softClaySide(s, t.xp, t.xp, false);
    const double b = s.b;
    const double pu = std::min((3.0 + t.gamma * t.xp / t.c + 0.5 * t.xp / b) * t.c * b, 9.0 * t.c * b);
    EXPECT_NEAR(side.pu, pu, 1e-9 * pu);
    const double y50 = 2.5 * 0.01 * b;
    EXPECT_DOUBLE_EQ(side.points.y[0], 0.0);
    EXPECT_DOUBLE_EQ(side.points.p[0], 0.0);
    EXPECT_NEAR(side.points.y[16], 1.2 * 8.0 * y50, 1e-12);
    EXPECT_DOUBLE_EQ(side.points.p[16], pu);
    for (int i = 1; i < 16; ++i) {
      const double y = side.points.y[i];
      EXPECT_NEAR(side.points.p[i], 0.5 * pu * std::pow(y / y50, 1.0 / 3.0), 1e-9 * pu) << i;
    }
    EXPECT_NEAR(side.points.p[15], pu, 1e-9 * pu);  // y = 8 y50
  }
}

TEST(SoftClayCurve, BearingFactorLimits) {
  EXPECT_NEAR(softClaySide(soil(5.0, 0.0, 0.01), 0.0, 0.0, false).pu, 3.0 * 5.0 * 24.0, 1e-9);
  EXPECT_NEAR(softClaySide(soil(5.0, 0.04, 0.01), 1.0e4, 1.0e4, false).pu, 9.0 * 5.0 * 24.0, 1e-9);
  const ClaySide noStrength = softClaySide(soil(0.0, 0.04, 0.01), 50.0, 50.0, false);
  EXPECT_DOUBLE_EQ(noStrength.pu, 0.0);
  for (double p : noStrength.points.p) EXPECT_DOUBLE_EQ(p, 0.0);
}

TEST(SoftClayCurve, ZeroStrainGivesZeroDeflectionsAndFiniteValues) {
  const ClaySide side = softClaySide(soil(5.0, 0.04, 0.0), 50.0, 50.0, false);
  for (int i = 0; i < kSidePoints; ++i) {
    EXPECT_DOUBLE_EQ(side.points.y[i], 0.0);
    EXPECT_DOUBLE_EQ(side.points.p[i], 0.0);
  }
  EXPECT_TRUE(std::isfinite(side.k0));
  EXPECT_GT(side.k0, 0.0);
}

TEST(ClayCurves, TinyDeflectionModulusIsTheSecantFormula) {
  // Also for a strain so small that the whole curve lies below 1.0E-14.
  for (double eps50 : {0.01, 1.0e-5, 1.0e-17}) {
    const double y50 = 2.5 * eps50 * 24.0;
    const ClaySide soft = softClaySide(soil(5.0, 0.04, eps50), 50.0, 50.0, false);
    EXPECT_NEAR(soft.k0, 0.5 * soft.pu * std::pow(y50 / 1.0e-14, 2.0 / 3.0) / y50, 1e-12 * soft.k0) << eps50;
    const ClaySide dry = stiffClayNoFreeWaterSide(soil(10.0, 0.04, eps50, 0.0, 8.0), 40.0, 40.0, false);
    EXPECT_NEAR(dry.k0, 0.5 * dry.pu * std::pow(y50 / 1.0e-14, 0.75) / y50, 1e-12 * dry.k0) << eps50;
  }
}

TEST(ClayCurves, ContinuousWallUsesThePlaneStrainResistance) {
  const ClaySoil s = soil(5.0, 0.04, 0.01, 1000.0, 4.0);
  const double xa = 80.0, expected = (0.04 * xa + 2.0 * 5.0) * 24.0;
  EXPECT_NEAR(softClaySide(s, 30.0, xa, true).pu, expected, 1e-9);
  EXPECT_NEAR(stiffClayFreeWaterSide(s, 30.0, xa, true).pu, expected, 1e-9);
  EXPECT_NEAR(stiffClayNoFreeWaterSide(s, 30.0, xa, true).pu, expected, 1e-9);
}

// Reference of the stiff clay with free water curve, written from the method.
double stiffClayFreeWaterP(double y, double pc, double y50, double As, double kx) {
  double p;
  if (y <= As * y50) p = 0.5 * pc * std::sqrt(y / y50);
  else if (y <= 6 * As * y50) p = 0.5 * pc * std::sqrt(y / y50) - 0.055 * pc * std::pow((y - As * y50) / (As * y50), 1.25);
  else if (y <= 18 * As * y50) p = 0.5 * pc * std::sqrt(6 * As) - 0.411 * pc - 0.0625 / y50 * pc * (y - 6 * As * y50);
  else p = 0.5 * pc * std::sqrt(6 * As) - 0.411 * pc - 0.75 * As * pc;
  return std::min(p, kx * y);
}

TEST(StiffClayFreeWaterCurve, FollowsTheMethodOnEveryBranch) {
  struct Case { double c, ca, xp, xa, k; };
  for (const Case& t : {Case{10.0, 8.0, 20.0, 20.0, 500.0}, Case{10.0, 9.0, 150.0, 150.0, 5.0}, Case{4.0, 4.0, 30.0, 90.0, 2000.0}}) {
    const ClaySoil s = soil(t.c, 0.035, 0.005, t.k, t.ca);
    const ClaySide side = stiffClayFreeWaterSide(s, t.xp, t.xa, false);
    const double b = s.b;
    const double pc = std::min(2 * t.ca * b + 0.035 * b * t.xp + 2.83 * t.ca * t.xp, 11 * t.c * b);
    EXPECT_NEAR(side.pu, pc, 1e-9 * pc);
    const double As = stiffClayAs(t.xa, b), y50 = 0.005 * b;
    EXPECT_DOUBLE_EQ(side.As, As);
    const std::array<double, kSidePoints> factors{0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 10, 14, 18, 200};
    for (int i = 0; i < kSidePoints; ++i) {
      EXPECT_NEAR(side.points.y[i], factors[i] * As * y50, 1e-12) << i;
      EXPECT_NEAR(side.points.p[i], stiffClayFreeWaterP(side.points.y[i], pc, y50, As, t.k * t.xp), 1e-9 * pc) << i;
    }
  }
}

TEST(StiffClayFreeWaterCurve, DeepCurveEndsAt120Y50) {
  const ClaySoil s = soil(10.0, 0.035, 0.005, 500.0, 8.0);
  const ClaySide side = stiffClayFreeWaterSide(s, 130.0, 5.0 * 24.0, false);
  EXPECT_DOUBLE_EQ(side.As, 0.60);
  EXPECT_NEAR(side.points.y[16], 120.0 * 0.005 * 24.0, 1e-12);
}

TEST(StiffClayFreeWaterCurve, ZeroStrainGivesZeroResistance) {
  const ClaySide side = stiffClayFreeWaterSide(soil(10.0, 0.035, 0.0, 500.0, 8.0), 50.0, 50.0, false);
  for (double p : side.points.p) EXPECT_DOUBLE_EQ(p, 0.0);
}

TEST(StiffClayNoFreeWaterCurve, FollowsTheQuarterPowerLaw) {
  const ClaySoil s = soil(10.0, 0.04, 0.005, 0.0, 8.0);
  const double xp = 40.0, b = s.b;
  const ClaySide side = stiffClayNoFreeWaterSide(s, xp, xp, false);
  const double pu = std::min(3 * 8.0 * b + 0.04 * b * xp + 0.5 * 8.0 * xp, 9 * 10.0 * b);
  EXPECT_NEAR(side.pu, pu, 1e-9 * pu);
  const double y50 = 2.5 * 0.005 * b;
  const std::array<double, kSidePoints> factors{0,     1e-5,  5e-5, 1e-4, 5e-4, 0.001, 0.005, 0.01, 0.025,
                                                0.05,  0.075, 0.1,  0.25, 0.5,  1.0,   18.0 / 16, 20.0 / 16};
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = 16 * y50 * factors[i];
    EXPECT_NEAR(side.points.y[i], y, 1e-12) << i;
    const double p = i == 0 ? 0.0 : (i < 15 ? 0.5 * pu * std::pow(y / y50, 0.25) : pu);
    EXPECT_NEAR(side.points.p[i], p, 1e-9 * pu) << i;
  }
  EXPECT_NEAR(side.k0, 0.5 * pu * std::pow(y50 / 1.0e-14, 0.75) / y50, 1e-9 * side.k0);
  // The deep limit 9 c b.
  EXPECT_NEAR(stiffClayNoFreeWaterSide(s, 1.0e4, 1.0e4, false).pu, 9 * 10.0 * b, 1e-9);
}

// --- The generators ------------------------------------------------------------

// Half a unit in the last digit of an E10.3 field holding v.
double e3(double v) { return v == 0.0 ? 1e-12 : 0.51 * std::pow(10.0, std::floor(std::log10(std::abs(v))) - 2.0); }

struct SoilDataCurve {
  double depth = 0.0;
  int count = 0;
  std::vector<std::array<double, 3>> rows;  // index, p, y
};

std::vector<SoilDataCurve> readSoilDataCurves(const std::vector<std::string>& lines) {
  std::vector<SoilDataCurve> curves;
  for (size_t i = 0; i + 34 < lines.size() + 1;) {
    SoilDataCurve c;
    std::istringstream head(lines[i]);
    head >> c.depth >> c.count;
    if (c.count != 34) break;
    for (int m = 1; m <= 34; ++m) {
      std::istringstream row(lines[i + static_cast<size_t>(m)]);
      std::array<double, 3> r{};
      row >> r[0] >> r[1] >> r[2];
      c.rows.push_back(r);
    }
    curves.push_back(c);
    i += 35;
  }
  return curves;
}

class ClayGeneratorTest : public PYGeneratorTest {
 protected:
  void SetUp() override {
    PYGeneratorTest::SetUp();
    g().spacingRatio = 3.5;  // not a continuous wall, no automatic p-multiplier
  }
  std::vector<SoilDataCurve> curves() { return readSoilDataCurves(soilDataLines()); }
};

TEST_F(ClayGeneratorTest, SoftClayOffsetsAndMultipliersOnBothSides) {
  addLayer(1, 0.0, 100.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
  g().excavationStress = 20.0;  // pa = b (20 - 2 * 5) = 240
  g().spacingRatio = 2.0;       // automatic p-multiplier 0.783
  generateSoftClayCurves(g(), 1);
  const auto c = curves();
  ASSERT_EQ(c.size(), 5u);
  const double pm = 0.5292 * std::pow(2.0, 0.5659);
  for (int i = 0; i < 5; ++i) {
    const double x = curveDepth(g(), 1, i + 1);
    EXPECT_NEAR(c[static_cast<size_t>(i)].depth, 60.0 + x, 1e-6);
    const ClaySoil s = soil(5.0, 0.04, 0.01);
    const ClaySide exc = softClaySide(s, x, x, false), back = softClaySide(s, 60.0 + x, 60.0 + x, false);
    for (int k = 0; k < kSidePoints; ++k) {
      const auto& re = c[static_cast<size_t>(i)].rows[static_cast<size_t>(k)];
      const auto& rb = c[static_cast<size_t>(i)].rows[static_cast<size_t>(k + kSidePoints)];
      EXPECT_EQ(re[0], k + 1);
      EXPECT_EQ(rb[0], k + 1);
      EXPECT_NEAR(re[1], pm * exc.points.p[k] - 240.0, e3(pm * exc.points.p[k] - 240.0));
      EXPECT_NEAR(rb[1], pm * back.points.p[k] + 240.0, e3(pm * back.points.p[k] + 240.0));
      EXPECT_NEAR(re[2], exc.points.y[k], e3(exc.points.y[k]));
    }
  }
  // Cumulative resistance: trapezoids of the excavation-side pu over the curve depths.
  double sum = 0.0;
  for (int i = 2; i <= 5; ++i) {
    const double x0 = curveDepth(g(), 1, i - 1), x1 = curveDepth(g(), 1, i);
    const ClaySoil s = soil(5.0, 0.04, 0.01);
    sum += 0.5 * (softClaySide(s, x0, x0, false).pu + softClaySide(s, x1, x1, false).pu) * (x1 - x0);
  }
  EXPECT_NEAR(g().layers[1].cumulativeResistance, sum, 1e-9 * sum);
}

TEST_F(ClayGeneratorTest, SoftClayReportBlockOfOneSide) {
  addLayer(1, 0.0, 100.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
  generateSoftClayCurves(g(), 1);
  const auto lines = reportLines();
  ASSERT_GE(lines.size(), 30u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "         AT THE EXCAVATION SIDE");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50");
  EXPECT_EQ(lines[5], "               IN             IN     LBS/IN**2  LBS/IN**3");
  EXPECT_EQ(lines[6], "              0.10          24.000 0.5000D+01 0.4000D-01   0.1000D-01");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], "                                     Y,IN             P,LBS/IN");
  EXPECT_EQ(lines[9], "                                  0.00000             0.00000");
  EXPECT_EQ(lines[26], "");
  EXPECT_EQ(lines[27], "                      P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01");
  EXPECT_EQ(lines[30], "         AT THE BACKFILL SIDE");
  EXPECT_EQ(lines[34], "             60.10          24.000 0.5000D+01 0.4000D-01   0.1000D-01");
}

TEST_F(ClayGeneratorTest, SoftClayWithoutStrainWarnsForEveryLaterPoint) {
  addLayer(1, 0.0, 100.0, Row{0.04, 5.0, 0.0, 0.0, 100.0, 0.0});
  generateSoftClayCurves(g(), 1);
  const auto lines = reportLines();
  EXPECT_EQ(countLines(lines, "                             **** WARNING ****"), 16 * 2 * 5);
  EXPECT_EQ(countLines(lines, "     DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM"), 16 * 2 * 5);
  for (const auto& l : lines) {
    EXPECT_EQ(l.find("NaN"), std::string::npos);
    EXPECT_EQ(l.find("nan"), std::string::npos);
  }
}

TEST_F(ClayGeneratorTest, StiffClayWithoutFreeWaterInALowerLayerShowsTwoEquivalentDepths) {
  addLayer(1, 0.0, 50.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
  addLayer(3, 50.0, 150.0, Row{0.04, 20.0, 0.0, 0.005, 100.0, 0.0});
  generateSoftClayCurves(g(), 1);
  generateStiffClayNoFreeWaterCurves(g(), 2);
  EXPECT_DOUBLE_EQ(g().layers[2].equivalentDepth, 50.0);  // replaced by the layer top
  const auto lines = reportLines();
  std::vector<std::string> xeq;
  for (const auto& l : lines)
    if (l.rfind(" XEQ", 0) == 0) xeq.push_back(l);
  ASSERT_EQ(xeq.size(), 2u);
  std::istringstream first(xeq[0].substr(4)), second(xeq[1].substr(4));
  int layer1 = 0, layer2 = 0;
  double eq1 = 0, eq2 = 0, depth1 = 0, depth2 = 0;
  first >> layer1 >> eq1 >> depth1;
  second >> layer2 >> eq2 >> depth2;
  EXPECT_EQ(layer1, 2);
  EXPECT_GT(eq1, 0.0);
  EXPECT_NEAR(eq2, 50.0, 1e-6);
  EXPECT_NEAR(depth1, 50.1, 1e-6);
  // xp is the side depth from the top of the profile: the first curve is the
  // formula at x = 50.1 with the layer's own values.
  const auto c = curves();
  ASSERT_EQ(c.size(), 10u);
  const ClaySoil s = soil(20.0, 0.04, 0.005, 100.0, averageStrength(g(), 50.1, 2));
  const ClaySide exc = stiffClayNoFreeWaterSide(s, 50.1, 50.1, false);
  EXPECT_NEAR(c[5].rows[16][1], exc.pu, e3(exc.pu));
}

TEST_F(ClayGeneratorTest, StiffClayWithFreeWaterPrintsTheEquivalentDepthPerSide) {
  addLayer(1, 0.0, 50.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
  addLayer(2, 50.0, 150.0, Row{0.04, 20.0, 0.0, 0.005, 100.0, 0.0}, Row{0.04, 30.0, 0.0, 0.005, 100.0, 0.0});
  generateSoftClayCurves(g(), 1);
  generateStiffClayFreeWaterCurves(g(), 2);
  const auto lines = reportLines();
  int xeq = 0;
  for (const auto& l : lines) xeq += l.rfind(" XEQ", 0) == 0 ? 1 : 0;
  EXPECT_EQ(xeq, 10);
  EXPECT_GT(g().layers[2].equivalentDepth, 0.0);
  EXPECT_GT(g().layers[2].cumulativeResistance, 0.0);
  // Lower layer: xp = side depth - xTop + xeq, and ca the running average of c.
  const auto c = curves();
  ASSERT_EQ(c.size(), 10u);
  const double x1 = curveDepth(g(), 2, 1), x2 = curveDepth(g(), 2, 2);
  const double c1 = strengthAt(g(), x1), c2 = strengthAt(g(), x2);
  const double xeq2 = g().layers[2].equivalentDepth;
  ClaySoil s = soil(c2, averageUnitWeight(g(), x2), 0.005, 100.0, 0.5 * (c1 + c2));
  s.b = 24.0;
  const ClaySide exc = stiffClayFreeWaterSide(s, x2 - 50.0 + xeq2, x2, false);
  for (int k = 1; k < kSidePoints; ++k)
    EXPECT_NEAR(c[6].rows[static_cast<size_t>(k)][1], exc.points.p[k], e3(exc.points.p[k])) << k;
}

TEST_F(PYContextTest, GeneratePYCurvesWritesTheSoilDataFileAndTheReportBlock) {
  for (int l = 1; l <= 10; ++l) addInputLayer(1, 60.0 + 18.0 * l, Row{0.04, 5.0 + l, 0.0, 0.01, 100.0, 0.0});
  BlockData& b = ctx().block;
  b.userCurveSetCount = 1;
  b.userSets[1].node = 30;
  b.userSets[1].count = 2;
  b.userSets[1].y[1] = 0.0;
  b.userSets[1].p[1] = 0.0;
  b.userSets[1].y[2] = 1.0;
  b.userSets[1].p[2] = 250.0;
  generatePYCurves(ctx());
  const auto soilData = readLines("SOILDATA");
  ASSERT_GE(soilData.size(), 4u);
  EXPECT_EQ(std::stoi(soilData[0]), 1 + 5 * 10);
  std::istringstream set(soilData[1]), point(soilData[3]);
  int node = 0, count = 0, index = 0;
  double p = 0, y = 0;
  set >> node >> count;
  point >> index >> p >> y;
  EXPECT_EQ(node, 30);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(index, 2);
  EXPECT_DOUBLE_EQ(p, 250.0);
  EXPECT_DOUBLE_EQ(y, 1.0);
  EXPECT_EQ(soilData.size(), 1u + 3u + 50u * 35u);
  const auto report = reportLines();
  EXPECT_NE(findLine(report, "      *        SOIL LAYERS AND STRENGTH DATA           *"), -1);
  EXPECT_NE(findLine(report, "         X AT THE SURFACE OF EXCAVATION SIDE     =      60.00 IN"), -1);
  EXPECT_NE(findLine(report, "         * LAYER(S) OF SOIL"), -1);  // ten layers do not fit I1
  EXPECT_NE(findLine(report, "         LAYER 10"), -1);
  EXPECT_NE(findLine(report, "                           20 POINTS"), -1);
  EXPECT_NE(findLine(report, "        P-Y CURVES DATA"), -1);
}

TEST_F(PYContextTest, ProfileReportListsPointsAndModificationRows) {
  addInputLayer(1, 160.0, Row{0.07, 5.0, 0.0, 0.0, 100.0, 0.0}, Row{0.07, 7.0, 0.0, 0.02, 100.0, 0.0});
  ctx().block.soil.waterDepthBackfill = 100.0;
  ctx().block.pyModCount = 1;
  ctx().block.pyMods[1] = PYModRow{100.0, 0.5, 1.0};
  generatePYCurves(ctx());
  const auto r = reportLines();
  const int uw = findLine(r, "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH");
  ASSERT_NE(uw, -1);
  EXPECT_EQ(r[static_cast<size_t>(uw + 1)], "                            4 POINTS");
  EXPECT_EQ(r[static_cast<size_t>(uw + 3)], "                     X,IN   WEIGHT,LBS/IN**3");
  EXPECT_EQ(r[static_cast<size_t>(uw + 4)], "                  60.0000     0.7000D-01");
  EXPECT_EQ(r[static_cast<size_t>(uw + 6)], "                 100.0000     0.3400D-01");
  const int st = findLine(r, "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH");
  ASSERT_NE(st, -1);
  EXPECT_EQ(r[static_cast<size_t>(st + 3)], "                     X,IN     S,LBS/IN**2      PHI,DEGREES      E50");
  EXPECT_EQ(r[static_cast<size_t>(st + 4)], "                    60.00     0.5000D+01          0.000       -----");
  EXPECT_EQ(r[static_cast<size_t>(st + 5)], "                   160.00     0.7000D+01          0.000     0.2000D-01");
  const int mods = findLine(r, "         REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS");
  ASSERT_NE(mods, -1);
  EXPECT_EQ(r[static_cast<size_t>(mods + 2)], "       " + std::string("      DEPTH     P-FACTOR     Y-FACTOR        "));
  EXPECT_EQ(r[static_cast<size_t>(mods + 4)], "             100.00      0.50        1.00");
}

}  // namespace
}  // namespace murena::pytest
