// The sand generator within the p-y frame: report block, offsets, the
// coefficient A at the side's depth, the continuous wall, the cumulative
// resistance, the equivalent depth of a lower layer and the soil-data lines.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/run_errors.h"
#include "engine/soil/py_sand_resistance.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

constexpr double kDeg = 3.1416 / 180.0;
const std::string kYP = std::string(38, ' ') + "Y" + std::string(19, ' ') + "P";

class SandGenerator : public PYGeneratorTest {
 protected:
  // Sand 0 to 120 below an excavation 12 deep; phi 35, gamma' 0.065, k 100.
  void SetUp() override {
    PYGeneratorTest::SetUp();
    g().H = 12.0;
    g().spacingRatio = 3.5;  // neither continuous nor automatically reduced
    addLayer(4, 0.0, 120.0, {0.065, 0.0, 35.0, 0.0, 100.0, 0.0});
  }
  double psAt(double xp) {
    const double phi = 35.0 * kDeg;
    return frictionResistance(frictionCoefficients(phi, 3.1416), phi, 0.065, xp, 24.0).ps;
  }
};

TEST_F(SandGenerator, ReportBlockOfTheFirstSide) {
  generateSandCurves(g(), 1);
  const auto lines = reportLines();
  const int at = findLine(lines, "         AT THE EXCAVATION SIDE");
  ASSERT_GE(at, 2);
  EXPECT_EQ(lines[at - 1], "");
  EXPECT_EQ(lines[at - 2], "");
  EXPECT_EQ(lines[at + 1], "");
  EXPECT_EQ(lines[at + 2], "");
  EXPECT_EQ(lines[at + 3], "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD");
  EXPECT_EQ(lines[at + 4], "                 IN         IN         LBS/IN**3");
  EXPECT_EQ(lines[at + 5].substr(0, 47), "                0.10      24.00  35.00 0.65E-01");
  EXPECT_EQ(lines[at + 5].size(), 10u + 10 + 4 + 7 + 7 + 9 + 2 + 5 + 5 + 9 + 9);
  EXPECT_EQ(lines[at + 6], "");
  EXPECT_EQ(lines[at + 7], kYP);
  EXPECT_EQ(lines[at + 8], std::string(38, ' ') + "IN" + std::string(15, ' ') + "LBS/IN");
  EXPECT_EQ(lines[at + 9], std::string(21, ' ') + "             0.00000             0.00000");
  EXPECT_EQ(lines[at + 26], "");
  EXPECT_EQ(lines[at + 27], std::string(21, ' ') + " P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01");
  EXPECT_EQ(findLine(lines, "         AT THE BACKFILL SIDE"), at + 30);
}

TEST_F(SandGenerator, UltimateResistanceIsAPsWithATakenAtTheSideDepth) {
  generateSandCurves(g(), 1);
  const auto lines = reportLines();
  // Third curve depth x = 60: excavation side r = 60 / 24 = 2.5 (A 1.23),
  // backfill side r = 72 / 24 = 3.0 (A 1.06).
  struct Side { int heading; double depth, A; } sides[] = {{4, 60.0, 1.23}, {5, 72.0, 1.06}};
  for (const Side& s : sides) {
    const int at = findLine(lines, kYP, s.heading);
    ASSERT_GT(at, 0);
    EXPECT_EQ(std::stod(lines[at - 2].substr(10, 10)), s.depth);
    EXPECT_EQ(lines[at - 2].substr(49, 5), s.A == 1.23 ? " 1.23" : " 1.06");
    const auto points = reportPoints(lines, kYP, s.heading);
    ASSERT_EQ(points.size(), 17u);
    const double pu = s.A * psAt(s.depth);
    EXPECT_NEAR(points[16].second, pu, 1e-5 + 1e-7 * pu) << s.depth;
    EXPECT_NEAR(points[15].second, pu, 1e-5 + 1e-7 * pu) << s.depth;
  }
}

TEST_F(SandGenerator, ActiveOffsetLowersTheExcavationSideAndRaisesTheBackfillSide) {
  g().excavationStress = 0.5;
  generateSandCurves(g(), 1);
  const auto lines = reportLines();
  const double pa = 0.5 * frictionCoefficients(35.0 * kDeg, 3.1416).Ka * 24.0;
  const auto excavation = reportPoints(lines, kYP, 4);
  const auto backfill = reportPoints(lines, kYP, 5);
  EXPECT_NEAR(excavation[0].second, -pa, 1e-5);
  EXPECT_NEAR(backfill[0].second, pa, 1e-5);
  EXPECT_NEAR(excavation[16].second, 1.23 * psAt(60.0) - pa, 1e-4);
  EXPECT_NEAR(backfill[16].second, 1.06 * psAt(72.0) + pa, 1e-4);
}

TEST_F(SandGenerator, ContinuousWallUsesThePlaneStrainResistance) {
  g().spacingRatio = 1.0;
  generateSandCurves(g(), 1);
  const auto points = reportPoints(reportLines(), kYP, 4);
  const double Kp = coulombPassiveCoefficient(35.0 * kDeg, 17.5 * kDeg);
  EXPECT_NEAR(points[16].second, 1.23 * 24.0 * Kp * 0.065 * 60.0, 1e-4);
}

TEST_F(SandGenerator, CumulativeResistanceIsTheTrapezoidSumOfPuWithTheTailToTheBottom) {
  generateSandCurves(g(), 1);
  const auto lines = reportLines();
  const double depths[] = {0.1, 30.0, 60.0, 90.0, 119.9};
  double pu[5], sum = 0.0;
  for (int i = 0; i < 5; ++i) pu[i] = reportPoints(lines, kYP, 2 * i)[16].second;
  for (int i = 1; i < 5; ++i) sum += 0.5 * (pu[i - 1] + pu[i]) * (depths[i] - depths[i - 1]);
  sum += (120.0 - 119.9) * pu[4];
  EXPECT_NEAR(g().layers[1].cumulativeResistance, sum, 1e-5 * sum);
  EXPECT_EQ(g().layers[1].equivalentDepth, 0.0);
}

TEST_F(SandGenerator, LowerLayerUsesItsEquivalentDepth) {
  // A second, identical sand layer: its equivalent depth is near its real top.
  g().layers[1].xBottom = 60.0;
  g().strength[2].depth = 60.0;
  g().unitWeight[2].depth = 60.0;
  addLayer(4, 60.0, 120.0, {0.065, 0.0, 35.0, 0.0, 100.0, 0.0});
  generateSandCurves(g(), 1);
  generateSandCurves(g(), 2);
  const double xeq = g().layers[2].equivalentDepth;
  EXPECT_GT(xeq, 0.8 * 60.0);
  EXPECT_LT(xeq, 1.2 * 60.0);
  const auto lines = reportLines();
  // First curve of layer 2 (x = 60.1): pst printed for xp = 0.1 + xeq.
  const int at = findLine(lines, kYP, 10);
  const double phi = 35.0 * kDeg;
  const FrictionResistance r =
      frictionResistance(frictionCoefficients(phi, 3.1416), phi, 0.065, 0.1 + xeq, 24.0);
  EXPECT_NEAR(std::stod(lines[at - 2].substr(59, 9)), r.pst, 0.006 * r.pst);
  EXPECT_NEAR(std::stod(lines[at - 2].substr(10, 10)), 60.1, 1e-9);
}

TEST_F(SandGenerator, SoilDataHoldsTheHeaderAndBothSidesPerDepth) {
  generateSandCurves(g(), 1);
  const auto lines = soilDataLines();
  ASSERT_EQ(lines.size(), 5u * 35u);
  EXPECT_NEAR(std::stod(lines[0].substr(0, 16)), 12.1, 1e-9);
  EXPECT_EQ(std::stoi(lines[0].substr(16)), 34);
  EXPECT_EQ(lines[1], "    1  0.000E+00  0.000E+00");
  EXPECT_EQ(lines[17].substr(0, 5), "   17");
  EXPECT_EQ(lines[18].substr(0, 5), "    1");
  EXPECT_EQ(lines[34].substr(0, 5), "   17");
  EXPECT_NEAR(std::stod(lines[35].substr(0, 16)), 42.0, 1e-9);
}

TEST_F(SandGenerator, FrictionAngleBeyondItsProfileStopsWithoutCode) {
  g().strength[2].depth = 50.0;  // the strength profile ends above the third curve depth
  EXPECT_EQ(stopCodeOf([&] { generateSandCurves(g(), 1); }), "");
  EXPECT_NE(consoleText().find("THE INPUT PHI CURVE"), std::string::npos);
}

}  // namespace
}  // namespace murena::pytest
