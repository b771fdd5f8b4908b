// Graph ranges, ticks and the mapping between data and device positions.
#include <gtest/gtest.h>

#include <cmath>

#include <cmath>
#include <limits>

#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_ranges.h"
#include "frontend/results/graph_ticks.h"
#include "tests/frontend_results/graph_test_support.h"

namespace murena {
namespace {

using testing_support::curve;

TEST(GraphRangeTest, RangesHoldZeroAndEndOnMultiplesOfTheStep) {
  struct Case {
    double lo, hi;
    double min, max, step;
  } cases[] = {
      {0, 0, -0.01, 0.01, 0.001}, {0, 37, 0, 40, 10},    {0, 25, 0, 25, 1},     {-3, 7, -3, 7, 1},
      {-37, 0, -40, 0, 10},       {5, 37, 0, 40, 10},    {-0.26, 0.12, -0.3, 0.2, 0.1}, {-0.21, 0.04, -0.21, 0.04, 0.01},
      {0, 1000, 0, 1000, 100},    {0, 3000, 0, 3000, 1000}, {12, 12, 0, 12, 1},
  };
  for (const Case& c : cases) {
    const std::optional<PanelRanges> r = curveRanges(curve({{c.lo, c.lo}, {c.hi, c.hi}}));
    ASSERT_TRUE(r) << c.lo << ".." << c.hi;
    EXPECT_DOUBLE_EQ(r->x.min, c.min) << c.lo << ".." << c.hi;
    EXPECT_DOUBLE_EQ(r->x.max, c.max) << c.lo << ".." << c.hi;
    EXPECT_EQ(r->x, r->y);
    const double lo = std::min(c.lo, 0.0), hi = std::max(c.hi, 0.0);
    EXPECT_DOUBLE_EQ(rangeStep(hi == lo ? 0.02 : hi - lo), c.step) << c.lo << ".." << c.hi;
  }
}

TEST(GraphRangeTest, FlatCurveAndUnusableValues) {
  const std::optional<PanelRanges> flat = curveRanges(curve({{1, 0}, {2, 0}, {3, 0}}));
  ASSERT_TRUE(flat);
  EXPECT_DOUBLE_EQ(flat->y.min, -0.01);
  EXPECT_DOUBLE_EQ(flat->y.max, 0.01);
  // Points that are not finite are left out of the range.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::optional<PanelRanges> r = curveRanges(curve({{nan, 1}, {4, INFINITY}, {3, 2}}));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->x, (AxisRange{0, 3}));
  EXPECT_EQ(r->y, (AxisRange{0, 2}));
  // A range without a usable step: the window does not open.
  EXPECT_FALSE(roundedRange(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()));
  EXPECT_FALSE(roundedRange(0, INFINITY));
}

TEST(GraphTickTest, SevenIntervalsOnSixHundredPixels) {
  const AxisTicks t = axisTicks({0, 40}, 600, 6 * 14);
  EXPECT_DOUBLE_EQ(t.majorStep, 5);
  EXPECT_DOUBLE_EQ(t.minorStep, 1);
  EXPECT_EQ(t.first, 0);
  EXPECT_EQ(t.last, 40);
  std::vector<std::string> labels;
  for (long long k = t.first; k <= t.last; ++k)
    if (AxisTicks::isMajor(k)) labels.push_back(t.label(k));
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30", "35", "40"}));
}

TEST(GraphTickTest, MajorStepFromTheRawStep) {
  struct Case {
    double width;
    double major;
  } cases[] = {{10, 1}, {14, 1}, {20, 2}, {25, 2}, {49, 2}, {50, 5}, {89, 5}, {95, 10}, {0.5, 0.05}, {2e5, 2e4}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(axisTicks({0, c.width}, 10 * 84, 84).majorStep, c.major) << c.width;
}

TEST(GraphTickTest, TicksWithinTheRangeAndNoneWithoutRoom) {
  const AxisTicks t = axisTicks({-0.26, 0.12}, 400, 84);  // 4 intervals, raw 0.095: major 0.1
  EXPECT_DOUBLE_EQ(t.majorStep, 0.1);
  EXPECT_EQ(t.first, -13);
  EXPECT_EQ(t.last, 6);
  EXPECT_EQ(t.label(-10), "-0.2");
  EXPECT_EQ(t.label(0), "0");
  EXPECT_TRUE(axisTicks({0, 40}, 80, 84).empty());
  EXPECT_TRUE(axisTicks({0, 40}, -83, 84).empty());
}

TEST(GraphMappingTest, MapsBothWaysAndGivesZeroOutside) {
  const PanelMapping down{{40, 40, 640, 440}, {{0, 40}, {0, 20}}, true};
  EXPECT_EQ(down.map({10, 5}), (draw::Point{190, 140}));
  const PanelMapping up{{40, 40, 640, 440}, {{0, 40}, {0, 20}}, false};
  EXPECT_EQ(up.map({10, 5}), (draw::Point{190, 340}));
  for (const PanelMapping& m : {down, up}) {
    const TFloatPoint v = m.inverse(m.map({30, 15}));
    EXPECT_DOUBLE_EQ(v.X, 30);
    EXPECT_DOUBLE_EQ(v.Y, 15);
    EXPECT_EQ(m.inverse({20, 100}), (TFloatPoint{0, 0}));
    EXPECT_EQ(m.inverse({100, 441}), (TFloatPoint{0, 0}));
  }
  // Positions are whole device units.
  EXPECT_EQ(down.x(0.1), 42);
}

}  // namespace
}  // namespace murena
