// The silt generator within the p-y frame: the friction-angle stop, the report
// block with its 0xED byte, A at the depth of the formulas, the continuous
// wall, the degenerate soil without weight and cohesion, and the cumulative
// resistance.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/run_errors.h"
#include "engine/soil/py_sand_resistance.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

const std::string kYP = std::string(37, ' ') + "Y" + std::string(19, ' ') + "P";

class SiltGenerator : public PYGeneratorTest {
 protected:
  // Silt 0 to 120 below an excavation 12 deep; gamma' 0.06, c 0.5, phi 30, k 100.
  void SetUp() override {
    PYGeneratorTest::SetUp();
    g().H = 12.0;
    g().spacingRatio = 3.5;
    addLayer(5, 0.0, 120.0, {0.06, 0.5, 30.0, 0.0, 100.0, 0.0});
  }
};

TEST_F(SiltGenerator, ZeroFrictionAngleStopsWithoutCodeBeforeAnyOutput) {
  g().strength[1].frictionAngle = g().strength[2].frictionAngle = 0.0;
  EXPECT_EQ(stopCodeOf([&] { generateSiltCurves(g(), 1); }), "");
  EXPECT_EQ(consoleText(),
            "\n\n       WARNING-------The Angle of the slope can not\n"
            "                     be greater than the internal  \n"
            "                     friction angle of the sand.   \n\n");
  EXPECT_TRUE(reportLines().empty());
  EXPECT_TRUE(soilDataLines().empty());
}

TEST_F(SiltGenerator, ReportBlockWithThePhiByte) {
  generateSiltCurves(g(), 1);
  const auto lines = reportLines();
  const int at = findLine(lines, "         AT THE EXCAVATION SIDE");
  ASSERT_GE(at, 2);
  EXPECT_EQ(lines[at + 1], "");
  EXPECT_EQ(lines[at + 2], "");
  EXPECT_EQ(lines[at + 3], "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\xED");
  EXPECT_EQ(lines[at + 4], "       IN        IN            LBS/IN**3");
  EXPECT_EQ(lines[at + 5].substr(0, 60), "      0.10     24.00      30.0 0.600E-01      2.83      2.14");
  EXPECT_EQ(lines[at + 5].size(), 80u);
  EXPECT_EQ(lines[at + 6], "");
  EXPECT_EQ(lines[at + 7], kYP);
  EXPECT_EQ(lines[at + 8], std::string(37, ' ') + "IN" + std::string(16, ' ') + "LBS/IN");
  EXPECT_EQ(lines[at + 9], std::string(21, ' ') + "           0.000E+00           0.000E+00");
  EXPECT_EQ(lines[at + 26], "");
  EXPECT_EQ(lines[at + 27], std::string(21, ' ') + " P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01");
  const auto data = soilDataLines();
  ASSERT_EQ(data.size(), 5u * 35u);
  EXPECT_EQ(data[1], "    1   0.000E+00   0.000E+00");
}

TEST_F(SiltGenerator, UltimateResistanceIsAPsWithTheOffsetsOfCohesiveSoil) {
  g().excavationStress = 5.0;
  generateSiltCurves(g(), 1);
  const auto lines = reportLines();
  // x = 60 (r 2.5, A 1.23) and the backfill side H + x = 72 (r 3.0, A 1.06);
  // friction shares evaluated independently from the published expressions.
  const double Ka = 0.33333239078946375;
  const double pa = 5.0 * Ka * 24.0 - 2.0 * 0.5 * std::sqrt(Ka) * 24.0;
  const auto excavation = reportPoints(lines, kYP, 4);
  const auto backfill = reportPoints(lines, kYP, 5);
  EXPECT_NEAR(excavation[16].second, 1.23 * 643.3315666988656 - pa, 1.0);
  EXPECT_NEAR(backfill[16].second, 1.06 * 871.1012605999722 + pa, 1.0);
  EXPECT_NEAR(excavation[0].second, -pa, 0.1);
  // Puc = 9 c b at this depth (Np = 11.45), Pu-phi = ps.
  const int at = findLine(lines, kYP, 4);
  EXPECT_EQ(lines[at - 2].substr(60, 20), " 0.108E+03 0.643E+03");
}

TEST_F(SiltGenerator, LowerLayerReadsAAtTheDepthOfTheFormulas) {
  // A weak sand layer above: the silt's equivalent depth lies well above its top.
  g().layers[1].soilType = 4;
  g().layers[1].xBottom = 60.0;
  g().strength[2].depth = 60.0;
  g().unitWeight[2].depth = 60.0;
  g().strength[1].frictionAngle = g().strength[2].frictionAngle = 20.0 * kDegreesToRadians;
  addLayer(5, 60.0, 120.0, {0.06, 0.5, 30.0, 0.0, 100.0, 0.0});
  generateSandCurves(g(), 1);
  generateSiltCurves(g(), 2);
  const double xeq = g().layers[2].equivalentDepth;
  ASSERT_GT(xeq, 0.0);
  ASSERT_LT(xeq, 40.0);
  const auto lines = reportLines();
  const int at = findLine(lines, kYP, 0);  // the silt layer's first depth, excavation side
  const std::string values = lines[at - 2];
  EXPECT_NEAR(std::stod(values.substr(0, 10)), 60.1, 1e-9);
  EXPECT_NEAR(std::stod(values.substr(40, 10)), tableCoefficient(0.1 + xeq, 24.0, CoefficientTable::StaticA), 0.005);
  EXPECT_NEAR(std::stod(values.substr(50, 10)), tableCoefficient(0.1 + xeq, 24.0, CoefficientTable::StaticB), 0.005);
}

TEST_F(SiltGenerator, ContinuousWallUsesTenDegreesOfWallFriction) {
  g().spacingRatio = 1.0;
  generateSiltCurves(g(), 1);
  const auto lines = reportLines();
  const int at = findLine(lines, kYP, 4);
  const double phi = 30.0 * kDegreesToRadians;
  const double ps = 24.0 * coulombPassiveCoefficient(phi, 0.17453332) * 0.06 * 60.0;
  const double pc = (0.06 * 60.0 + 2.0 * 0.5) * 24.0;
  EXPECT_NEAR(std::stod(lines[at - 2].substr(60, 10)), pc, 0.005 * pc);
  EXPECT_NEAR(std::stod(lines[at - 2].substr(70, 10)), ps, 0.001 * ps);
  EXPECT_NEAR(reportPoints(lines, kYP, 4)[16].second, 1.23 * ps, 0.001 * ps);
}

TEST_F(SiltGenerator, NoWeightAndNoCohesionGiveZeroResistance) {
  for (int k = 1; k <= 2; ++k) g().strength[k].strength = 0.0;
  for (int k = 1; k <= 2; ++k) g().unitWeight[k].unitWeight = 0.0;
  generateSiltCurves(g(), 1);
  const auto lines = reportLines();
  for (int side = 0; side < 10; ++side)
    for (const auto& [y, p] : reportPoints(lines, kYP, side)) {
      EXPECT_TRUE(std::isfinite(y));
      EXPECT_EQ(p, 0.0);
    }
  for (const std::string& line : lines) EXPECT_EQ(line.find("***"), std::string::npos) << line;  // a value that did not fit
  EXPECT_EQ(g().layers[1].cumulativeResistance, 0.0);
}

TEST_F(SiltGenerator, CumulativeResistanceIsTheTrapezoidSumOfPultWithTheTailToTheBottom) {
  generateSiltCurves(g(), 1);
  const auto lines = reportLines();
  const double depths[] = {0.1, 30.0, 60.0, 90.0, 119.9};
  double pult[5], sum = 0.0;
  for (int i = 0; i < 5; ++i) pult[i] = reportPoints(lines, kYP, 2 * i)[16].second;
  for (int i = 1; i < 5; ++i) sum += 0.5 * (pult[i - 1] + pult[i]) * (depths[i] - depths[i - 1]);
  sum += 0.1 * pult[4];
  EXPECT_NEAR(g().layers[1].cumulativeResistance, sum, 0.002 * sum);
}

}  // namespace
}  // namespace murena::pytest
