// The strong-rock and weak-rock curves against their published formulas.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/soil/py_rock_curves.h"

namespace murena {
namespace {

TEST(StrongRockCurve, KeyValuesForQu1000AndWidth24) {
  const StrongRockCurve r = strongRockCurve(1000.0, 24.0, 0.09, 50.0, 1.0);
  EXPECT_DOUBLE_EQ(r.su, 500.0);
  EXPECT_DOUBLE_EQ(r.Es, 1.0e6);
  EXPECT_DOUBLE_EQ(r.y1, 0.00039999998989515 * 24.0);
  EXPECT_NEAR(r.p1, 9600.0, 1e-3);
  EXPECT_DOUBLE_EQ(r.pu, 12000.0);
  EXPECT_NEAR(r.y2, 0.0576, 1e-8);  // to the rounding of the single-precision factor
}

TEST(StrongRockCurve, BilinearThenResidualWithTheMultiplierOnTheBilinearPartOnly) {
  const double pmult = 0.5;
  const StrongRockCurve r = strongRockCurve(1000.0, 24.0, 0.09, 50.0, pmult);
  double y = 0.0;
  for (int i = 0; i < kSidePoints; ++i) {
    if (i > 0) y += r.y2 / 15.0;
    EXPECT_DOUBLE_EQ(r.points.y[i], y) << i;  // a running sum
    double expected;
    if (y < r.y1) expected = pmult * r.Es * y;
    else if (y < r.y2) expected = pmult * (r.p1 + 100.0 * r.su * (y - r.y1));
    else expected = 0.5 * 0.09 * 50.0 * 24.0;
    EXPECT_NEAR(r.points.p[i], expected, 1e-9) << i;
  }
  EXPECT_LT(r.points.y[2], r.y1);   // 0.00768, on the first line
  EXPECT_GT(r.points.y[3], r.y1);   // 0.01152, on the second line
  EXPECT_DOUBLE_EQ(r.points.p[16], 54.0);  // the last point always carries the residual value
}

TEST(StrongRockCurve, NoStrengthGivesAFiniteCurve) {
  const StrongRockCurve r = strongRockCurve(0.0, 24.0, 0.09, 50.0, 1.0);
  EXPECT_NEAR(r.y2, r.y1 + (24.0 - 2000.0 * r.y1) / 100.0, 1e-15);
  for (int i = 0; i < kSidePoints; ++i) {
    EXPECT_TRUE(std::isfinite(r.points.y[i]));
    EXPECT_TRUE(std::isfinite(r.points.p[i]));
  }
  EXPECT_DOUBLE_EQ(r.points.p[16], 54.0);
}

WeakRockInput weakInput(double xr, double rqd = 50.0) {
  WeakRockInput in;
  in.b = 24.0;
  in.quTop = 800.0;
  in.qu = 1200.0;
  in.rqd = rqd;
  in.krm = 0.0005;
  in.Er = 1.0e5;
  in.xr = xr;
  return in;
}

TEST(WeakRockCurve, RockQualityReduction) {
  EXPECT_DOUBLE_EQ(weakRockCurve(weakInput(12.0, 0.0)).alphaR, 1.0);
  // The reduction factor is 0.0066667 per percent as written, not exactly 2 / 300.
  EXPECT_DOUBLE_EQ(weakRockCurve(weakInput(12.0, 100.0)).alphaR, 1.0 - 0.0066667 * 100.0);
  EXPECT_NEAR(weakRockCurve(weakInput(12.0, 100.0)).alphaR, 1.0 / 3.0, 1e-5);
  EXPECT_DOUBLE_EQ(weakRockCurve(weakInput(12.0)).qa, 1000.0);
}

TEST(WeakRockCurve, ResistanceAndModulusAreContinuousAtThreeWidths) {
  const WeakRockCurve at = weakRockCurve(weakInput(72.0));
  const WeakRockCurve below = weakRockCurve(weakInput(72.0 - 1e-9));
  const WeakRockCurve beyond = weakRockCurve(weakInput(72.0 + 1e-9));
  const double deep = 5.2 * at.alphaR * 1000.0 * 24.0;
  EXPECT_NEAR(at.pur, deep, 1e-9 * deep);
  EXPECT_NEAR(below.pur, deep, 1e-6 * deep);
  EXPECT_DOUBLE_EQ(beyond.pur, deep);
  EXPECT_NEAR(at.Kir, 500.0 * 1.0e5, 1e-6);
  EXPECT_DOUBLE_EQ(beyond.Kir, 500.0 * 1.0e5);
  // Near the surface of the rock.
  const WeakRockCurve shallow = weakRockCurve(weakInput(12.0));
  EXPECT_NEAR(shallow.pur, shallow.alphaR * 1000.0 * 24.0 * (1.0 + 1.4 * 0.5), 1e-9);
  EXPECT_NEAR(shallow.Kir, (100.0 + 400.0 * 12.0 / 72.0) * 1.0e5, 1e-6);
}

TEST(WeakRockCurve, InitialLineUpToYaThenQuarterPower) {
  const WeakRockCurve r = weakRockCurve(weakInput(12.0));
  const double factors[] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02, 0.04, 0.06, 0.08,
                            0.1,    0.25,  0.5,   0.75,  1.0,   4.0,  8.0,  12.0};
  EXPECT_DOUBLE_EQ(r.yrm, 0.0005 * 24.0);
  EXPECT_NEAR(r.yA, std::pow(r.pur / (2.0 * std::pow(r.yrm, 0.25) * r.Kir), 4.0 / 3.0), 1e-15);
  int onLine = 0;
  for (int i = 0; i < kSidePoints; ++i) {
    const double y = r.yrm * factors[i];
    EXPECT_DOUBLE_EQ(r.points.y[i], y);
    if (y < r.yA) {
      EXPECT_DOUBLE_EQ(r.points.p[i], r.Kir * y) << i;
      ++onLine;
    } else {
      EXPECT_DOUBLE_EQ(r.points.p[i], std::min(0.5 * r.pur * std::pow(y / r.yrm, 0.25), r.pur)) << i;
    }
  }
  EXPECT_EQ(onLine, 6);  // yA = 3.3E-4 lies between the sixth and seventh points
}

TEST(WeakRockCurve, NoStrainFactorGivesZeroDeflections) {
  WeakRockInput in = weakInput(12.0);
  in.krm = 0.0;
  const WeakRockCurve r = weakRockCurve(in);
  for (int i = 0; i < kSidePoints; ++i) {
    EXPECT_EQ(r.points.y[i], 0.0);
    EXPECT_EQ(r.points.p[i], 0.0);
  }
}

}  // namespace
}  // namespace murena
