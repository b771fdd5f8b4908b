// The sand curve against the published formulas: wedge and flow-around
// resistance, the parabola and the branch boundaries of the 17 points.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/soil/py_sand_curve.h"
#include "engine/soil/py_sand_resistance.h"

namespace murena {
namespace {

constexpr double kDeg = 3.1416 / 180.0;

TEST(SandResistance, CoefficientsAtThirtyDegrees) {
  const FrictionCoefficients k = frictionCoefficients(30.0 * kDeg, 3.1416);
  EXPECT_NEAR(k.Ka, 1.0 / 3.0, 1e-5);
  EXPECT_NEAR(k.Kp, 3.0, 1e-4);
  EXPECT_NEAR(k.beta, 60.0 * kDeg, 1e-12);
  EXPECT_NEAR(k.alpha, 15.0 * kDeg, 1e-12);
  EXPECT_DOUBLE_EQ(k.K0, 0.4);
}

// Reference values evaluated independently from the published expressions
// (phi 35 degrees, gamma' 0.065, b 24).
TEST(SandResistance, WedgeAndFlowAroundAgainstReference) {
  const double phi = 35.0 * kDeg;
  const FrictionCoefficients k = frictionCoefficients(phi, 3.1416);
  struct Case { double xp, pst, psd; } cases[] = {{30.0, 333.7912657244046, 2517.668599804258},
                                                  {200.0, 8790.032969308288, 16784.457332028385}};
  for (const Case& c : cases) {
    const FrictionResistance r = frictionResistance(k, phi, 0.065, c.xp, 24.0);
    EXPECT_NEAR(r.pst, c.pst, 1e-9 * c.pst) << c.xp;
    EXPECT_NEAR(r.psd, c.psd, 1e-9 * c.psd) << c.xp;
    EXPECT_DOUBLE_EQ(r.ps, std::min(c.pst, c.psd));
  }
  EXPECT_EQ(frictionResistance(k, phi, 0.065, 0.0, 24.0).ps, 0.0);
}

TEST(SandResistance, CoulombPassiveCoefficient) {
  EXPECT_NEAR(coulombPassiveCoefficient(30.0 * kDeg, 15.0 * kDeg), 4.976525417363209, 1e-9);
  EXPECT_NEAR(coulombPassiveCoefficient(30.0 * kDeg, 0.17453332), 4.143316689931006, 1e-9);
}

// b 24, xp 30: pu = 1.935 ps, pm = 1.405 ps with ps = 333.79.
SandCurveInput input(double k, double xp = 30.0) {
  const double ps = 333.7912657244046;
  return SandCurveInput{24.0, xp, k, 1.935 * ps, 1.405 * ps};
}

TEST(SandCurve, KeyPointsAndStraightLine) {
  const SandCurveInput in = input(100.0);
  const SandCurve c = sandCurve(in);
  ASSERT_TRUE(c.parabolaFormed);
  EXPECT_DOUBLE_EQ(c.ym, 24.0 / 60.0);
  EXPECT_DOUBLE_EQ(c.yu, 3.0 * 24.0 / 80.0);
  EXPECT_DOUBLE_EQ(c.points.y[12], c.ym);
  EXPECT_NEAR(c.points.p[12], in.pm, 1e-9);
  EXPECT_DOUBLE_EQ(c.points.y[15], c.yu);
  EXPECT_DOUBLE_EQ(c.points.p[15], in.pu);
  EXPECT_DOUBLE_EQ(c.points.y[16], 1.2 * c.yu);
  EXPECT_DOUBLE_EQ(c.points.p[16], in.pu);
  // Between ym and yu the curve is the straight line through both points.
  EXPECT_NEAR(c.points.p[13], in.pm + (in.pu - in.pm) / 3.0, 1e-9);
  EXPECT_NEAR(c.points.p[14], in.pm + 2.0 * (in.pu - in.pm) / 3.0, 1e-9);
  // The parabola passes through the middle point.
  EXPECT_NEAR(c.C * std::pow(c.ym, 1.0 / c.n), in.pm, 1e-9);
  for (int i = 1; i < kSidePoints; ++i) EXPECT_GT(c.points.y[i], c.points.y[i - 1]) << i;
}

TEST(SandCurve, InitialLineUpToYkThenParabola) {
  // k xp = 3000: yk = 0.104 lies beyond ym / 5, so the shown yk' is ym / 10
  // and the initial line holds until yk.
  const SandCurveInput in = input(100.0);
  const SandCurve c = sandCurve(in);
  EXPECT_GT(c.yk, c.ym / 5.0);
  EXPECT_DOUBLE_EQ(c.points.y[2], c.ym / 10.0);
  const double kx = in.k * in.xp;
  EXPECT_EQ(c.points.p[0], 0.0);
  for (int i = 1; i < kSidePoints; ++i) {
    const double y = c.points.y[i];
    if (y <= c.yk) {
      EXPECT_DOUBLE_EQ(c.points.p[i], kx * y) << i;
    } else if (y < c.ym) {
      EXPECT_DOUBLE_EQ(c.points.p[i], c.C * std::pow(y, 1.0 / c.n)) << i;
    }
    EXPECT_LE(c.points.p[i], kx * y) << i;
  }
  EXPECT_LT(c.points.y[3], c.yk);
  EXPECT_GT(c.points.y[4], c.yk);
}

TEST(SandCurve, StiffInitialLineMeetsParabolaAtShownYk) {
  const SandCurveInput in = input(1000.0);
  const SandCurve c = sandCurve(in);
  EXPECT_LE(c.yk, c.ym / 5.0);
  EXPECT_DOUBLE_EQ(c.points.y[2], c.yk);
  EXPECT_DOUBLE_EQ(c.points.y[1], c.yk / 2.0);
  EXPECT_NEAR(c.points.p[2], c.C * std::pow(c.yk, 1.0 / c.n), 1e-9 * c.points.p[2]);
  EXPECT_DOUBLE_EQ(c.points.y[3], c.yk + (c.ym - c.yk) / 10.0);
}

TEST(SandCurve, SoftInitialLineMovesYuToWhereTheLineReachesPu) {
  const SandCurveInput in = input(1.0);
  const double kx = in.k * in.xp;
  const SandCurve c = sandCurve(in);
  EXPECT_DOUBLE_EQ(c.yu, in.pu / kx);
  EXPECT_DOUBLE_EQ(c.ym, (24.0 / 60.0) * (in.pu / kx) / (3.0 * 24.0 / 80.0));
  EXPECT_DOUBLE_EQ(c.yk, c.ym / 10.0);
  EXPECT_DOUBLE_EQ(c.points.y[15], c.yu);
  EXPECT_NEAR(c.points.p[15], in.pu, 1e-9);
  EXPECT_DOUBLE_EQ(c.points.p[2], kx * c.points.y[2]);
}

TEST(SandCurve, NoDepthOrNoModulusGivesAFiniteCurveWithoutResistance) {
  for (const SandCurveInput& in : {SandCurveInput{24.0, 0.0, 100.0, 0.0, 0.0}, input(0.0)}) {
    const SandCurve c = sandCurve(in);
    EXPECT_FALSE(c.parabolaFormed);
    EXPECT_DOUBLE_EQ(c.points.y[2], 0.04);
    EXPECT_DOUBLE_EQ(c.points.y[15], 0.9);
    for (int i = 0; i < kSidePoints; ++i) {
      EXPECT_TRUE(std::isfinite(c.points.y[i])) << i;
      EXPECT_EQ(c.points.p[i], 0.0) << i;
    }
  }
}

}  // namespace
}  // namespace murena
