// Loads from a user-specified pressure profile and the curve store built from
// user p-y curve sets alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

// A clamped wall of NN = 20, h = 12 (other units) with a user pressure
// profile of the given points ("depth\tpressure\n" lines).
std::string pressureBlock(int points, const std::string& lines) {
  return "User pressure\n3 1\t1\t0\t1\t0 0 1 0 0\n20 12\t100\t1E-9\t0\t1\n3\t20\t0\t0\n0\t20\t1\t1E9\n0\n0\n" +
         std::to_string(points) + "\n" + lines + "0\n";
}

struct LoadCase {
  const char* name;
  int points;
  std::string lines;
  std::vector<double> expected;  // Q at stations 0, 1, 2, ...
};

class UserPressureLoads : public ::testing::TestWithParam<LoadCase> {};

TEST_P(UserPressureLoads, InterpolateFromDepthZeroAndTimesH) {
  auto run = runEngineOn(pressureBlock(GetParam().points, GetParam().lines));
  const auto& Q = run.ctx->block.st.Q;
  for (size_t j = 0; j < GetParam().expected.size(); ++j) EXPECT_DOUBLE_EQ(Q[j + 4], GetParam().expected[j]) << j;
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, UserPressureLoads,
    ::testing::Values(
        LoadCase{"Linear", 2, "0\t0\n120\t6\n",
                 {0.0, 0.6 * 12, 1.2 * 12, 1.8 * 12, 2.4 * 12, 3.0 * 12, 3.6 * 12, 4.2 * 12, 4.8 * 12, 5.4 * 12, 6.0 * 12, 0.0}},
        // The implicit point of zero pressure at depth 0 comes first.
        LoadCase{"FirstPointDeep", 1, "24\t2\n", {0.0, 1.0 * 12, 2.0 * 12, 0.0}},
        // 30 / 12 rounds to 3 stations; the third lies below the last point
        // and takes the value of the station above it again.
        LoadCase{"BelowTheLastPoint", 2, "0\t0\n30\t3\n", {0.0, 1.2 * 12, 2.4 * 12, 2.4 * 12, 0.0}}),
    [](const auto& info) { return info.param.name; });

TEST(UserPressureRecord, ZeroSoilPartIsWrittenAsOneTenthMillionth) {
  auto run = runEngineOn(pressureBlock(2, "0\t0\n120\t6\n"));
  EXPECT_EQ(run.plot.rfind(" 2\n   0.000E+00   0.000E+00   0.100E-06   0.000E+00\n"
                           "   0.120E+03   0.600E+01   0.600E+01   0.000E+00\n",
                           0),
            0u)
      << run.plot;
}

// User curve sets alone, free height 120 = node 10 with h = 12: nodes 8, 10,
// 12 and 9 give flags 0, 1, 1, 0 and the rows FROM and TO, FROM only, TO
// only, TO only.
TEST(UserCurvesOnly, FlagsFromTheExcavationLevelAndRowLayouts) {
  std::string curve = "\t2\t2\t0.5\n-1\t4\n1\t-4\n";
  std::string data = "Curves\n3 1\t1\t0\t0\t1 4 1 0 0\n20 12\t100\t1E-9\t120\t1\n3\t20\t0\t0\n0\t20\t1\t1E9\n0\n0\n" +
                     ("8" + curve) + ("10" + curve) + ("12" + curve) + ("9" + curve) + "0\n";
  auto run = runEngineOn(data);
  const PYCurveStore& store = run.ctx->block.curves;
  ASSERT_EQ(store.count, 4);
  EXPECT_EQ(store.flag[1], 0);
  EXPECT_EQ(store.flag[2], 1);
  EXPECT_EQ(store.flag[3], 1);
  EXPECT_EQ(store.flag[4], 0);
  EXPECT_EQ(store.endIndex[2], 14);
  EXPECT_DOUBLE_EQ(store.y[1][1], -0.5);
  EXPECT_DOUBLE_EQ(store.p[1][1], 12.0 * 2.0 * 4.0);
  EXPECT_TRUE(run.reportHas("\n        8   8  0          0.200E+01     0.500E+00           2\n")) << run.report;
  EXPECT_TRUE(run.reportHas("\n       10      1          0.200E+01     0.500E+00            2\n"));
  EXPECT_TRUE(run.reportHas("\n           12  1          0.200E+01     0.500E+00            2\n"));
  EXPECT_TRUE(run.reportHas("\n            9  0          0.200E+01     0.500E+00            2\n"));
  // Multiplied points in the report and the plot data file.
  EXPECT_TRUE(run.reportHas("\n                 -0.500E+00           0.800E+01\n"));
  EXPECT_NE(run.plot.find(" 3 4\n 96 2\n -0.5 8\n 0.5 -8\n 120 2\n"), std::string::npos) << run.plot;
}

}  // namespace
}  // namespace murena
