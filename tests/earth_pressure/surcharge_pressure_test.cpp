// Point, line and strip kernels and the staircase of the summed surcharge pressure.
#include <cmath>

#include "ep_fixture.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"
#include "engine/soil/surcharge_pressure.h"

namespace murena::test {
namespace {

TEST(SurchargeKernels, PointLoadNearTheWallUsesTheFirstExpression) {
  const double Q = 1000.0, H = 120.0;
  // m = 0.2, n = 0.4: 0.28 Q 0.16 / (H^2 0.32^3) = 1.367 Q / H^2.
  EXPECT_NEAR(pointSurchargePressure(Q, 0.2, 0.4, H) * H * H / Q, 1.3672, 1e-4);
}

TEST(SurchargeKernels, BranchBoundaryAtMEqualPointFour) {
  const double Q = 500.0, H = 100.0, n = 0.7;
  double n2 = n * n;
  // m = 0.4 belongs to the near branch, for line and point loads alike.
  EXPECT_DOUBLE_EQ(lineSurchargePressure(Q, 0.4, n, H), 0.203 * Q * n / (H * std::pow(0.16 + n2, 2)));
  EXPECT_DOUBLE_EQ(pointSurchargePressure(Q, 0.4, n, H), 0.28 * Q * n2 / (H * H * std::pow(0.16 + n2, 3)));
  // m = 0.41 uses the far branch with 4/3.1416 and 1.77.
  double m = 0.41, m2 = m * m;
  EXPECT_DOUBLE_EQ(lineSurchargePressure(Q, m, n, H), 4.0 * Q * m2 * n / (3.1416 * H * std::pow(m2 + n2, 2)));
  EXPECT_DOUBLE_EQ(pointSurchargePressure(Q, m, n, H), 1.77 * Q * m2 * n2 / (H * H * std::pow(m2 + n2, 3)));
}

TEST(SurchargeKernels, StripWithItsNearEdgeAtTheWall) {
  const double q = 2.0, W = 30.0, z = 40.0;
  double beta = std::atan(W / z);  // theta1 = 0, 2 alpha = beta
  double expected = 2.0 * q * (beta - std::sin(beta) * std::cos(beta)) / 3.1416;
  EXPECT_NEAR(stripSurchargePressure(q, W / 2.0, W, z), expected, 1e-12);
  EXPECT_NEAR(stripSurchargeForcePressure(q, W / 2.0, W, z), 0.6366 * q * (beta - std::sin(beta) * std::cos(beta)),
              1e-12);
}

TEST(SurchargeKernels, UnknownTypeActsAsPointLoad) {
  SurchargeLoad odd{4, 1000.0, 30.0, 0.0};
  SurchargeLoad point{1, 1000.0, 30.0, 0.0};
  EXPECT_DOUBLE_EQ(surchargeLoadPressure(odd, 120.0, 50.0), surchargeLoadPressure(point, 120.0, 50.0));
}

TEST(SurchargeStaircase, TakesTheGridDepthStrictlyAbove) {
  const double H = 120.0, wallLength = 400.0, dz = 2.0;
  SurchargeLoad loads[2] = {{1, 1000.0, 24.0, 0.0}, {2, 50.0, 80.0, 0.0}};
  auto at = [&](double z) { return surchargePressureAt(loads, 2, H, wallLength, z); };
  auto grid = [&](double zj) { return surchargeLoadPressure(loads[0], H, zj) + surchargeLoadPressure(loads[1], H, zj); };
  EXPECT_EQ(at(0.5 * dz), 0.0);
  EXPECT_EQ(at(dz), 0.0);  // no grid depth strictly above dz
  EXPECT_DOUBLE_EQ(at(1.5 * dz), grid(dz));
  EXPECT_DOUBLE_EQ(at(2.0 * dz), grid(dz));  // a grid depth itself takes the one above
  EXPECT_DOUBLE_EQ(at(61.0), grid(60.0));
  EXPECT_DOUBLE_EQ(at(1000.0), grid(400.0));  // below the tip: the tip value
  // Two loads of different kinds add.
  EXPECT_DOUBLE_EQ(at(61.0), surchargePressureAt(&loads[0], 1, H, wallLength, 61.0) +
                                 surchargePressureAt(&loads[1], 1, H, wallLength, 61.0));
  EXPECT_EQ(surchargePressureAt(loads, 0, H, wallLength, 61.0), 0.0);
}

// The engine's entry for a user-given profile uses the soil-and-water record.
class UserProfileSurcharge : public EarthPressureTest {};

TEST_F(UserProfileSurcharge, AddsWaTimesTheSurchargePressure) {
  wall(40, 6.0, 120.0, 1);
  ctx->block.soil.activeWidth = 12.0;
  surcharge(2, 100.0, 60.0);
  PressureProfile& p = ctx->block.profile;
  p.count = 2;
  p.depth[1] = 0.0;
  p.soil[1] = p.total[1] = 0.0;
  p.depth[2] = 120.0;
  p.soil[2] = p.total[2] = 6.0;
  addSurchargeToUserProfile(*ctx);
  double expected = 12.0 * surchargeLoadPressure(ctx->block.soil.surcharges[0], 120.0, 120.0 - 1.2);
  EXPECT_EQ(p.surcharge[1], 0.0);
  EXPECT_DOUBLE_EQ(p.surcharge[2], expected);
  EXPECT_DOUBLE_EQ(p.total[2], 6.0 + expected);
  EXPECT_DOUBLE_EQ(surchargePressureAt(*ctx, 120.0) * 12.0, expected);
}

TEST_F(UserProfileSurcharge, ZeroFreeHeightStopsTheBlockWithAMessage) {
  wall(40, 6.0, 0.0, 1);
  surcharge(1, 100.0, 60.0);
  ctx->block.profile.count = 1;
  ctx->block.profile.depth[1] = 10.0;
  EXPECT_THROW(addSurchargeToUserProfile(*ctx), AnalysisStop);
  auto lines = report();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "     ERROR -- FREE HEIGHT OF WALL MUST BE GREATER THAN ZERO WITH SURCHARGE LOADS");
}

}  // namespace
}  // namespace murena::test
