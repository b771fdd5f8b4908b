// Whole runs over soil tables whose rows do not all go deeper, and a wall
// whose profile end meets a layer boundary only to rounding.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

const std::string kSandRows = "0.0660 0.0  32 0.0  90 0 \n0.0660 0.0  32 0.0  90 0 \n";

// The cantilever in sand of the examples (English units, H = 10 ft, wall 30 ft)
// with the soil rows given as "type bottom" lines, each followed by the sand
// parameters; `marker` closes the block.
std::string sandWall(const std::vector<std::string>& rows, int marker = 0) {
  std::string text =
      "Cantilever sheet pile in sand\n1 0\t1\t0\t2\t2 0 1 0 0\n60 6\t10\t1E-5\t120\t12\n0\t60\t1\t3.0E9\n0\n0\n"
      "120\t12\t12\t600\t600\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n" +
      std::to_string(rows.size()) + "\n";
  for (const std::string& row : rows) text += row + " \n" + kSandRows;
  return text + std::to_string(marker) + "\n";
}

// The end of the line before, three empty lines and the end of the run.
const std::string kEndOfAnalysis = "\n\n\n\n     END OF ANALYSIS                             \n";

// The report from the results heading on (the head carries the time of the run).
std::string resultsOf(const std::string& report) {
  const auto at = report.find("     RESULTS -- ITERATION");
  return at == std::string::npos ? std::string() : report.substr(at);
}

TEST(SoilRows, ZeroThicknessRowBetweenTwoSandLayersStopsTheBlock) {
  auto run = runEngineOn(sandWall({"4 240", "4 240", "4 600"}));
  const std::string message =
      "     ERROR -- SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 FT), "
      "BUT A DEEPER LAYER FOLLOWS";
  EXPECT_TRUE(run.reportHas("\n\n\n" + message + kEndOfAnalysis)) << run.report;
  EXPECT_FALSE(run.reportHas("RESULTS -- ITERATION"));
  EXPECT_FALSE(run.reportHas("LAYER(S) OF SOIL"));
  EXPECT_EQ(run.status, 0);
}

// Stored files with an unfilled last row keep giving the results of the rows
// above it.
TEST(SoilRows, TrailingRowsEndTheListAndChangeNoResult) {
  auto plain = runEngineOn(sandWall({"4 600"}));
  ASSERT_TRUE(plain.reportHas("         1 LAYER(S) OF SOIL\n"));
  ASSERT_TRUE(plain.reportHas("     RESULTS -- ITERATION  7\n"));
  for (const auto& rows : std::vector<std::vector<std::string>>{{"4 600", "4 0"}, {"4 600", "4 600", "1 0"}}) {
    auto run = runEngineOn(sandWall(rows));
    EXPECT_TRUE(run.reportHas("         1 LAYER(S) OF SOIL\n"));
    EXPECT_EQ(resultsOf(run.report), resultsOf(plain.report));
    EXPECT_EQ(run.plot, plain.plot);
  }
}

TEST(SoilRows, LongTermTableIsNamedInTheMessage) {
  auto run = runEngineOn(sandWall({"4 600"}, 9) + sandWall({"4 360", "4 0", "4 600"}));
  EXPECT_TRUE(run.reportHas("\n      Long Term :  Cantilever sheet pile in sand"));
  EXPECT_TRUE(run.reportHas(
      "\n     ERROR -- LONG-TERM SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 0.00 FT), "
      "BUT A DEEPER LAYER FOLLOWS" + kEndOfAnalysis));
  EXPECT_TRUE(run.reportHas("     RESULTS -- ITERATION  7\n"));  // the short-term block was solved
}

// 12 x 0.4 m is 4.800000000000001 in binary: the profile end L + 2h lies 5E-16
// below the boundary at 5.6 m.  The sand below must not become a sliver layer
// (whose curves stopped the run with code 4).
TEST(SoilRows, WallWhoseProfileEndsAtALayerBoundaryRuns) {
  const std::string sand = "18 0.0  32 0.0  20000 0 \n18 0.0  32 0.0  20000 0 \n";
  auto run = runEngineOn("Wall of 12 x 0.4 m\n2 0\t1\t0\t2\t2 0 1 0 0\n12 0.4\t1\t1E-5\t2\t1\n0\t12\t1\t50000\n0\n0\n"
                         "2\t1\t1\t20\t20\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n2\n4 5.6 \n" + sand + "4 10 \n" + sand + "0\n");
  EXPECT_TRUE(run.reportHas("\n         1 LAYER(S) OF SOIL\n"));
  EXPECT_TRUE(run.reportHas("\n                     5.60  "));  // the bottom strength point
  EXPECT_TRUE(run.reportHas("     RESULTS -- ITERATION  4\n"));
  EXPECT_TRUE(run.reportHas(kEndOfAnalysis));
  EXPECT_EQ(run.ctx->block.curves.count, 5);
}

}  // namespace
}  // namespace murena
