// One soil entered as one layer or as two identical layers: the p-y curve
// generated at a depth both profiles share must be the same.
#include <gtest/gtest.h>

#include <string>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

// The cantilever in sand of the examples (H = 120 in, wall 360 in, profile end
// 372 in) with the sand given by the bottoms of its rows; widths Wa and Wp.
std::string sandWall(const std::string& bottoms, int rows, int Wa, int Wp) {
  std::string text = "Split sand\n1 0\t1\t0\t2\t2 0 1 0 0\n60 6\t10\t1E-5\t120\t" + std::to_string(Wa) +
                     "\n0\t60\t1\t3.0E9\n0\n0\n120\t" + std::to_string(Wa) + "\t" + std::to_string(Wp) +
                     "\t600\t600\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n" + std::to_string(rows) + "\n";
  const std::string sand = "0.0660 0.0  32 0.0  90 0 \n0.0660 0.0  32 0.0  90 0 \n";
  for (std::size_t at = 0, next; at < bottoms.size(); at = next + 1) {
    next = bottoms.find(' ', at);
    if (next == std::string::npos) next = bottoms.size();
    text += "4 " + bottoms.substr(at, next - at) + " \n" + sand;
  }
  return text + "0\n";
}

// The curve of the store that acts at `station`.
int curveAt(const PYCurveStore& store, int station) {
  for (int c = 1; c <= store.count; ++c)
    if (store.endIndex[c] == station + 4) return c;
  return 0;
}

// One layer gives curves at x = 0.1, 63, 126, 189 and 251.9 below the
// excavation; two layers split at x = 126 give 189 (station 52) as the third
// curve of the lower layer.  A continuous wall's curve there used a depth
// equated with the pile formulas (about 60 % of 189 in its initial line).
TEST(SplitSoilLayers, ContinuousWallCurveAtASharedDepthIsTheSame) {
  auto whole = runEngineOn(sandWall("600", 1, 12, 12));
  auto split = runEngineOn(sandWall("246 600", 2, 12, 12));
  ASSERT_EQ(whole.ctx->block.curves.count, 5);
  ASSERT_EQ(split.ctx->block.curves.count, 10);
  const PYCurveStore& a = whole.ctx->block.curves;
  const PYCurveStore& b = split.ctx->block.curves;
  const int ca = curveAt(a, 52), cb = curveAt(b, 52);
  ASSERT_EQ(ca, 4);
  ASSERT_EQ(cb, 8);
  ASSERT_EQ(a.pointCount[ca], b.pointCount[cb]);
  for (int k = 1; k <= a.pointCount[ca]; ++k) {
    EXPECT_EQ(a.y[ca][k], b.y[cb][k]) << k;
    EXPECT_EQ(a.p[ca][k], b.p[cb][k]) << k;
  }
}

}  // namespace
}  // namespace murena
