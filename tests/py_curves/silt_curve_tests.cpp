// The silt curve against the published formulas: cohesion share, the three
// shapes and their branch boundaries.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/soil/py_silt_curve.h"

namespace murena {
namespace {

TEST(SiltCohesionShare, SoftClayFactorUpToNine) {
  // Np = 3 + 0.06 * 10 / 1 + 0.5 * 10 / 24.
  EXPECT_NEAR(siltCohesionShare(1.0, 0.06, 10.0, 24.0), (3.0 + 0.6 + 5.0 / 24.0) * 24.0, 1e-12);
  EXPECT_DOUBLE_EQ(siltCohesionShare(1.0, 0.06, 500.0, 24.0), 9.0 * 24.0);
  EXPECT_EQ(siltCohesionShare(0.0, 0.06, 10.0, 24.0), 0.0);
  // No cohesion and no overburden: 0 rather than 0 / 0.
  EXPECT_EQ(siltCohesionShare(0.0, 0.0, 10.0, 24.0), 0.0);
  EXPECT_EQ(siltCohesionShare(0.0, 0.06, 0.0, 24.0), 0.0);
}

// b 24: ymid 0.4, yult 0.9.  pult 600, pmid 450: m 300, n 3.75.
SiltCurveInput input(double kx, double pult = 600.0, double pmid = 450.0) {
  return SiltCurveInput{24.0, 10.0, kx / 10.0, pult, pmid};
}

void expectIncreasing(const SiltCurve& s) {
  for (int i = 1; i < kSidePoints; ++i) EXPECT_GT(s.points.y[i], s.points.y[i - 1]) << "shape " << s.shape << " point " << i;
}

TEST(SiltCurve, ShapeOneStiffLineThenParabola) {
  const SiltCurveInput in = input(30000.0);
  const SiltCurve s = siltCurve(in);
  ASSERT_EQ(s.shape, 1);
  EXPECT_DOUBLE_EQ(s.m, 300.0);
  EXPECT_DOUBLE_EQ(s.n, 3.75);
  EXPECT_LT(s.yk, s.ymid / 5.0);
  EXPECT_DOUBLE_EQ(s.points.y[2], s.yk);
  EXPECT_NEAR(s.points.p[2], 30000.0 * s.yk, 1e-9);
  EXPECT_NEAR(s.points.p[2], s.C * std::pow(s.yk, 1.0 / s.n), 1e-9);  // the line meets the parabola
  EXPECT_NEAR(s.points.p[12], 450.0, 1e-9);
  EXPECT_NEAR(s.points.p[13], 500.0, 1e-9);
  EXPECT_NEAR(s.points.p[15], 600.0, 1e-9);
  EXPECT_DOUBLE_EQ(s.points.y[16], 1.2 * 0.9);
  EXPECT_DOUBLE_EQ(s.points.p[16], 600.0);
  expectIncreasing(s);
}

TEST(SiltCurve, ShapeOneWithMiddlePointAboveUltimateFallsTowardsPult) {
  const SiltCurve s = siltCurve(input(30000.0, 600.0, 800.0));
  ASSERT_EQ(s.shape, 1);
  EXPECT_DOUBLE_EQ(s.m, -400.0);
  EXPECT_DOUBLE_EQ(s.n, 800.0 / (400.0 * 0.4));  // |m|
  EXPECT_NEAR(s.points.p[12], 800.0, 1e-9);
  EXPECT_GT(s.points.p[13], s.points.p[14]);
  EXPECT_NEAR(s.points.p[15], 600.0, 1e-9);
}

TEST(SiltCurve, ShapeTwoLineMeetsTheStraightPart) {
  // k xp 850: ys = (450 - 300 * 0.4) / (850 - 300) = 0.6.
  const SiltCurve s = siltCurve(input(850.0));
  ASSERT_EQ(s.shape, 2);
  EXPECT_NEAR(s.ys, 0.6, 1e-12);
  for (int j = 1; j <= 7; ++j) EXPECT_DOUBLE_EQ(s.points.y[j], s.ys * j / 8.0);
  EXPECT_DOUBLE_EQ(s.points.y[8], s.ys);
  for (int j = 1; j <= 5; ++j) EXPECT_DOUBLE_EQ(s.points.y[8 + j], s.ys + j * (0.9 - s.ys) / 6.0);
  EXPECT_DOUBLE_EQ(s.points.y[14], 0.9);
  EXPECT_DOUBLE_EQ(s.points.y[15], 1.1 * 0.9);
  EXPECT_NEAR(s.points.p[8], 850.0 * 0.6, 1e-9);
  EXPECT_NEAR(s.points.p[11], 850.0 * 0.6 + 300.0 * (s.points.y[11] - 0.6), 1e-9);
  EXPECT_NEAR(s.points.p[14], 600.0, 1e-9);  // the straight part ends at pult
  EXPECT_DOUBLE_EQ(s.points.p[16], 600.0);
  expectIncreasing(s);
}

TEST(SiltCurve, ShapeThreeSoftLineUpToPult) {
  const SiltCurve s = siltCurve(input(500.0));
  ASSERT_EQ(s.shape, 3);
  EXPECT_DOUBLE_EQ(s.yf, 1.2);
  for (int j = 1; j <= 11; ++j) {
    EXPECT_DOUBLE_EQ(s.points.y[j], 1.2 * j / 12.0);
    EXPECT_DOUBLE_EQ(s.points.p[j], 500.0 * s.points.y[j]);
  }
  EXPECT_DOUBLE_EQ(s.points.p[12], 600.0);
  const double after[] = {1.05, 1.1, 1.15, 1.2};
  for (int j = 0; j < 4; ++j) {
    EXPECT_DOUBLE_EQ(s.points.y[13 + j], after[j] * 1.2);
    EXPECT_DOUBLE_EQ(s.points.p[13 + j], 600.0);
  }
}

TEST(SiltCurve, NoResistanceOrNoModulusGivesAFiniteZeroCurve) {
  for (const SiltCurveInput& in : {input(30000.0, 0.0, 0.0), input(0.0)}) {
    const SiltCurve s = siltCurve(in);
    EXPECT_FALSE(s.constantsFormed);
    for (int i = 0; i < kSidePoints; ++i) {
      EXPECT_TRUE(std::isfinite(s.points.y[i])) << i;
      EXPECT_EQ(s.points.p[i], 0.0) << i;
    }
    expectIncreasing(s);
  }
}

}  // namespace
}  // namespace murena
