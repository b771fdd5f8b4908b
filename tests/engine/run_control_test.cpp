// Blocks, markers and the head of the report.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

// One clamped block of NN = 20 in SI units with the stage count given; the
// marker that closes it is written by the caller.
std::string clampedBlock(const std::string& title, int stages, double load) {
  std::ostringstream f;
  f << title << "\n2 1\t1\t0\t0\t0 0 " << stages << " 0 0\n20 0.5\t1\t1E-9\t0\t1\n3\t20\t0\t0\n0\t20\t1\t1E5\n"
    << "1\n1\t0\t0\t" << load << "\t0\t0\n0\n";
  return f.str();
}

// Result-record heads of the plot data file: lines with three integers
// followed by that many result rows.
std::vector<std::string> resultHeads(const std::string& plot) {
  std::vector<std::string> heads;
  std::istringstream in(plot);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream items(line);
    int a, b, c;
    std::string rest;
    if ((items >> a >> b >> c) && !(items >> rest) && line.find('.') == std::string::npos) heads.push_back(line);
  }
  return heads;
}

TEST(RunControl, SingleBlockGivesOneResultRecord) {
  auto run = runEngineOn(clampedBlock("Single", 1, 10) + "0\n");
  EXPECT_EQ(resultHeads(run.plot), std::vector<std::string>{" 1 22 2"});
  EXPECT_EQ(run.ctx->results.rowCount, 22);
}

TEST(RunControl, ShortAndLongTermBlocks) {
  auto run = runEngineOn(clampedBlock("Short term wall", 1, 10) + "9\n" + clampedBlock("Short term wall", 1, 20) + "0\n");
  EXPECT_EQ(resultHeads(run.plot), (std::vector<std::string>{" 2 22 2", " 2 22 2"}));
  EXPECT_TRUE(run.reportHas("\n      Long Term :  Short term wall" + std::string(55, ' ') + "\n"));
}

TEST(RunControl, StagedBlocksEndAtTheLastStage) {
  std::string data = clampedBlock("Stage wall", 3, 10) + "1\n" + clampedBlock(" Stage No : 2", 3, 20) + "2\n" +
                     clampedBlock(" Stage No : 3", 3, 30) + "3\n";
  auto run = runEngineOn(data);
  EXPECT_EQ(resultHeads(run.plot), (std::vector<std::string>{" 3 22 2", " 3 22 2", " 3 22 2"}));
  for (int stage = 1; stage <= 3; ++stage)
    EXPECT_TRUE(run.reportHas("      Stage No : " + std::to_string(stage) + "  Stage wall"));
  EXPECT_EQ(run.ctx->blockNumber, 3);
}

TEST(RunControl, ErrorInSecondStageKeepsFirstStageResults) {
  std::string data = clampedBlock("Stage wall", 2, 10) + "1\n" + " Stage No : 2\n2 1\t1\t0\t0\t0 0 2 0 0\n20 0.5\tbad";
  auto run = runEngineOn(data);
  EXPECT_TRUE(run.reportHas("     END OF ANALYSIS"));
  EXPECT_EQ(resultHeads(run.plot), (std::vector<std::string>{" 2 22 2", " 2 22 2"}));
}

// A stop raised while the p-y curves are generated: the report's last line
// says why, even for a stop without a code; no end of analysis follows.
TEST(RunControl, StopWithoutCodeIsExplainedInTheReport) {
  auto run = runEngineOn(
      "Silt without friction\n2 0\t1\t0\t0\t2 0 1 0 0\n20 0.5\t1\t1E-6\t3\t1\n0\t20\t1\t40000\n0\n0\n"
      "3\t1\t1\t20\t20\t1\t1\t0\n0\t0\t0\t0\t0\t0\n0\n1\n5 20 \n18 10 0 0.01 20000 0 \n18 10 0 0.01 20000 0 \n0\n");
  const std::string last = "\n\n\n     RUN STOPPED -- A SILT LAYER HAS NO FRICTION ANGLE\n";
  ASSERT_GE(run.report.size(), last.size());
  EXPECT_EQ(run.report.substr(run.report.size() - last.size()), last);
  EXPECT_FALSE(run.reportHas("END OF ANALYSIS"));
  EXPECT_EQ(run.status, 0);
}

// A data file holds one block, a short- and a long-term block, or up to five
// stages: a chain of blocks beyond that stops after the last block it may hold.
struct ChainCase {
  const char* name;
  std::vector<int> markers;  // after each block; the file's stage count is 3
  int blocksSolved;
  const char* message;
};

class BlockChains : public ::testing::TestWithParam<ChainCase> {};

TEST_P(BlockChains, StopAfterTheBlocksADataFileHolds) {
  std::string data;
  for (int marker : GetParam().markers) data += clampedBlock("Chain", 3, 10) + std::to_string(marker) + "\n";
  auto run = runEngineOn(data);
  int results = 0;
  for (auto at = run.report.find("RESULTS -- ITERATION"); at != std::string::npos;
       at = run.report.find("RESULTS -- ITERATION", at + 1))
    ++results;
  EXPECT_EQ(results, GetParam().blocksSolved);
  EXPECT_TRUE(run.reportHas(std::string("\n\n\n") + GetParam().message + "\n\n\n\n     END OF ANALYSIS")) << run.report;
  EXPECT_EQ(resultHeads(run.plot).size(), static_cast<size_t>(GetParam().blocksSolved));
}

INSTANTIATE_TEST_SUITE_P(
    Markers, BlockChains,
    ::testing::Values(
        ChainCase{"SixthStage", {1, 2, 4, 4, 4, 4, 4}, 5,
                  "     ERROR -- BLOCK-END MARKER 4 AFTER BLOCK 5: A DATA FILE HOLDS AT MOST 5 STAGES"},
        ChainCase{"EndlessChain", std::vector<int>(200, 1), 5,
                  "     ERROR -- BLOCK-END MARKER 1 AFTER BLOCK 5: A DATA FILE HOLDS AT MOST 5 STAGES"},
        ChainCase{"SecondLongTermBlock", {9, 9, 0}, 2,
                  "     ERROR -- BLOCK-END MARKER 9 AFTER BLOCK 2: NO BLOCK FOLLOWS THE LONG-TERM BLOCK"},
        ChainCase{"StageAfterTheLongTermBlock", {9, 1, 0}, 2,
                  "     ERROR -- BLOCK-END MARKER 1 AFTER BLOCK 2: NO BLOCK FOLLOWS THE LONG-TERM BLOCK"},
        ChainCase{"LongTermAfterAStage", {1, 9, 0}, 2,
                  "     ERROR -- BLOCK-END MARKER 9 AFTER BLOCK 2: ONLY THE FIRST BLOCK HAS A LONG-TERM BLOCK AFTER IT"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportHead, BannerDateAndUnits) {
  setenv("MURENA_FIXED_TIME", "2017-03-05T09:04:07", 1);
  auto run = runEngineOn("English wall\n1 0\t1\t0\t0\t0 0 1 0 0\n20 6\t10\t0.00001\t0\t12\n0\t20\t1\t1E9\n0\n0\n0\n");
  unsetenv("MURENA_FIXED_TIME");
  EXPECT_TRUE(run.reportHas("\n                      MURENA for Windows, Version 2015.5.12   \n"));
  EXPECT_TRUE(run.reportHas("\n               Date:  March 05, 2017     Time:  09:04:07\n"));
  EXPECT_TRUE(run.reportHas("INCREMENT LENGTH                                   =     6.000 IN\n"));
  EXPECT_TRUE(run.reportHas("DEFLECTION CLOSURE TOLERANCE                       = 1.000E-05 IN\n"));
  EXPECT_TRUE(run.reportHas("\n     Name of input data file     : wall.mr5d\n"));
}

TEST(ReportHead, SIUnitLabels) {
  auto run = runEngineOn(clampedBlock("SI wall", 1, 10) + "0\n");
  EXPECT_TRUE(run.reportHas("\n                    KN- M**2      KN      KN/ M     M- KN    M- KN      KN\n"));
  std::string results = std::string(12, ' ') + "  M" + std::string(9, ' ') + "  M" + std::string(19, ' ') + " KN- M" +
                        std::string(7, ' ') + "  KN" + std::string(8, ' ') + "  KN" + std::string(7, ' ') + " KN- M**2";
  EXPECT_TRUE(run.reportHas("\n" + results + "\n"));
}

TEST(RunNotes, MonitorLinePerIteration) {
  auto run = runEngineOn(clampedBlock("SI wall", 1, 10) + "0\n");
  EXPECT_TRUE(run.notes.find("\n\n\n     ITERATION MONITOR DATA\n     ----------------------\n      1       NO         20  ") == 0)
      << run.notes;
  EXPECT_NE(run.notes.find("\n      2       NO          0  "), std::string::npos);
}

}  // namespace
}  // namespace murena
