// The strong-rock and weak-rock generators within the p-y frame: report
// blocks, the p-multiplier, the zero-strength stop, the strength-extent stop
// and the soil-data lines.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/run_errors.h"
#include "engine/soil/py_rock_curves.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

const std::string kStrongYP = std::string(38, ' ') + "Y" + std::string(19, ' ') + "P";
const std::string kWeakYP = std::string(37, ' ') + "Y" + std::string(19, ' ') + "P";

class RockGenerator : public PYGeneratorTest {
 protected:
  void SetUp() override {
    PYGeneratorTest::SetUp();
    g().H = 12.0;
    g().spacingRatio = 3.5;
  }
};

TEST_F(RockGenerator, StrongRockReportBlockHasItsOwnLayout) {
  addLayer(6, 0.0, 120.0, {0.09, 1000.0, 0.0, 0.0, 0.0, 0.0});
  generateStrongRockCurves(g(), 1);
  const auto lines = reportLines();
  ASSERT_GE(lines.size(), 2u * 5u * 24u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], std::string(17, ' ') + "DEPTH-EXCAVATION SIDE     DIAM        C       ");
  EXPECT_EQ(lines[3], std::string(30, ' ') + "IN            IN     LBS/IN**2 ");
  EXPECT_EQ(lines[4], std::string(24, ' ') + "      0.10         24.000   0.5E+03");
  EXPECT_EQ(lines[5], kStrongYP);
  EXPECT_EQ(lines[6], std::string(38, ' ') + "IN" + std::string(15, ' ') + "LBS/IN");
  EXPECT_EQ(lines[7], std::string(21, ' ') + "         0.00000D+00         0.00000D+00");
  EXPECT_EQ(lines[24], "");
  EXPECT_EQ(lines[26], std::string(17, ' ') + "DEPTH-BACKFILL SIDE       DIAM        C       ");
  EXPECT_EQ(findLine(lines, "         AT THE EXCAVATION SIDE"), -1);
  EXPECT_EQ(findLine(lines, std::string(21, ' ') + " P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01"), -1);
  const auto data = soilDataLines();
  ASSERT_EQ(data.size(), 5u * 35u);
  EXPECT_EQ(data[1], "    1  0.000E+00 0.000E+00");
  EXPECT_EQ(g().layers[1].cumulativeResistance, 0.0);
}

TEST_F(RockGenerator, StrongRockMultiplierActsOnTheBilinearPartOnly) {
  g().spacingRatio = 2.0;  // automatic p-multiplier 0.5292 * 2^0.5659
  addLayer(6, 0.0, 120.0, {0.09, 1000.0, 0.0, 0.0, 0.0, 0.0});
  generateStrongRockCurves(g(), 1);
  const auto lines = reportLines();
  const double pmult = 0.5292 * std::pow(2.0, 0.5659);
  // Third curve depth x = 60, backfill side: xa = 72.
  const auto points = reportPoints(lines, kStrongYP, 5);
  const StrongRockCurve r = strongRockCurve(1000.0, 24.0, 0.09, 72.0, 1.0);
  EXPECT_NEAR(points[1].second, pmult * r.points.p[1], 1e-4 * r.points.p[1]);
  EXPECT_NEAR(points[16].second, 0.5 * 0.09 * 72.0 * 24.0, 1e-9);
}

class WeakRockGenerator : public RockGenerator {
 protected:
  void SetUp() override {
    RockGenerator::SetUp();
    // qu 800 to 1600, RQD 50 to 30, krm 0.0005, Er 1E5.
    addLayer(7, 0.0, 120.0, {0.08, 800.0, 0.0, 0.0005, 1.0e5, 50.0}, {0.08, 1600.0, 0.0, 0.0005, 1.0e5, 30.0});
  }
};

TEST_F(WeakRockGenerator, ReportBlock) {
  generateWeakRockCurves(g(), 1);
  const auto lines = reportLines();
  ASSERT_GE(lines.size(), 30u);
  EXPECT_EQ(lines[2], "         AT THE EXCAVATION SIDE");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50");
  EXPECT_EQ(lines[6], "                IN       IN    LBS/IN**2 LBS/IN**2 LBS/IN**3 ");
  EXPECT_EQ(lines[7], "                0.10    24.000  0.80E+03  0.10E+06  0.80E-01   0.500E-03");
  EXPECT_EQ(lines[8], kWeakYP);
  EXPECT_EQ(lines[9], std::string(37, ' ') + "IN" + std::string(16, ' ') + "LBS/IN");
  EXPECT_EQ(lines[10].substr(0, 21), std::string(21, ' '));
  EXPECT_EQ(lines[10].size(), 61u);
  EXPECT_EQ(lines[29], "         AT THE BACKFILL SIDE");
  const auto data = soilDataLines();
  ASSERT_EQ(data.size(), 5u * 35u);
  EXPECT_EQ(data[1].substr(0, 7), "    1  ");
  EXPECT_EQ(data[1].size(), 29u);
}

TEST_F(WeakRockGenerator, CurvesFollowTheCriterionOnBothSides) {
  g().spacingRatio = 2.0;
  generateWeakRockCurves(g(), 1);
  const auto lines = reportLines();
  const double pmult = 0.5292 * std::pow(2.0, 0.5659);
  // Third curve depth x = 60: qu 1200, RQD 40; xr = 60 on the excavation side
  // (less than 3 b) and 72 on the backfill side (3 b).
  for (int side = 0; side < 2; ++side) {
    WeakRockInput in;
    in.b = 24.0;
    in.quTop = 800.0 + 800.0 * 1.0e-8 / 120.0;
    in.qu = 1200.0;
    in.rqd = 40.0;
    in.krm = 0.0005;
    in.Er = 1.0e5;
    in.xr = (side == 0 ? 60.0 : 72.0) + 1.0e-8;
    const WeakRockCurve r = weakRockCurve(in);
    const auto points = reportPoints(lines, kWeakYP, 4 + side);
    ASSERT_EQ(points.size(), 17u);
    for (int i = 0; i < kSidePoints; ++i) {
      EXPECT_NEAR(points[i].first, r.points.y[i], 5e-3 * r.points.y[i]) << side << " " << i;
      EXPECT_NEAR(points[i].second, pmult * r.points.p[i], 5e-3 * pmult * r.points.p[i]) << side << " " << i;
    }
  }
  EXPECT_EQ(g().layers[1].cumulativeResistance, 0.0);
}

TEST_F(WeakRockGenerator, ZeroStrengthBelowTheFirstCurveDepthStopsWithoutCode) {
  for (int k = 1; k <= 2; ++k) g().strength[k].strength = 0.0;
  EXPECT_EQ(stopCodeOf([&] { generateWeakRockCurves(g(), 1); }), "");
  EXPECT_EQ(consoleText(),
            "\n       --------------------WARNING----------------------\n"
            "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
            "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n");
  // The first curve depth was generated with the zero strength: no resistance.
  const auto lines = reportLines();
  EXPECT_EQ(findLine(lines, "         AT THE BACKFILL SIDE", 0) > 0, true);
  EXPECT_EQ(findLine(lines, "         AT THE EXCAVATION SIDE", 1), -1);
  for (int side = 0; side < 2; ++side)
    for (const auto& [y, p] : reportPoints(lines, kWeakYP, side)) EXPECT_EQ(p, 0.0);
  EXPECT_EQ(soilDataLines().size(), 35u);
}

TEST_F(WeakRockGenerator, StrengthBeyondItsProfileStopsWithCodeOne) {
  g().strength[2].depth = 50.0;
  EXPECT_EQ(stopCodeOf([&] { generateWeakRockCurves(g(), 1); }), "1");
  EXPECT_NE(consoleText().find("THE INPUT STRENGTH CURVE"), std::string::npos);
}

}  // namespace
}  // namespace murena::pytest
