// Reading, checking and distributing the tables of a block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_run_fixture.h"

namespace murena {
namespace {

using testing::runEngineOn;

// A block of NN = 20, h = 6 (English units) clamped at its tip, with the
// given control-line counts and table lines.
std::string block(const std::string& control, const std::string& tables) {
  return "Reader test\n" + control + "\n20 6\t10\t1E-5\t0\t12\n" + tables + "0\n";
}

const StationArrays& stations(const testing::EngineRun& run) { return run.ctx->block.st; }

TEST(Distribution, ConstantRangesMeetAtFullValue) {
  auto run = runEngineOn(block("1 1\t2\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t10\t1\t2.0E10\n10\t20\t1\t3.0E10\n0\n0\n"));
  const auto& EI = stations(run).EI;
  EXPECT_DOUBLE_EQ(EI[0 + 4], 1.0e10);
  for (int j = 1; j <= 9; ++j) EXPECT_DOUBLE_EQ(EI[j + 4], 2.0e10) << j;
  EXPECT_DOUBLE_EQ(EI[10 + 4], 2.5e10);
  for (int j = 11; j <= 19; ++j) EXPECT_DOUBLE_EQ(EI[j + 4], 3.0e10) << j;
  EXPECT_DOUBLE_EQ(EI[20 + 4], 1.5e10);
}

TEST(Distribution, SingleStationAddsFullValueAndInterpolationIsHalvedAtEnds) {
  auto run = runEngineOn(block("1 1\t3\t0\t0\t0 0 1 0 0",
                               "3\t20\t0\t0\n0\t0\t2\t1.0E10\n0\t10\t1\t3.0E10\n5\t5\t1\t100\n0\n0\n"));
  const auto& EI = stations(run).EI;
  EXPECT_DOUBLE_EQ(EI[4], 0.5e10);
  EXPECT_DOUBLE_EQ(EI[5 + 4], 2.0e10 + 100.0);
  EXPECT_DOUBLE_EQ(EI[7 + 4], 2.4e10);
  EXPECT_DOUBLE_EQ(EI[10 + 4], 1.5e10);
  // Echo: FROM of the first record, then TO of the second.
  EXPECT_TRUE(run.reportHas("\n        0      1  0.100E+11"));
  EXPECT_TRUE(run.reportHas("\n           10  0  0.300E+11"));
}

TEST(ConcentratedLoads, CouplesAndReversedAxialLoad) {
  auto run = runEngineOn(block("1 1\t1\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t20\t1\t1E9\n1\n1\t12\t12\t0\t500\t100\n0\n"));
  const BlockData& blk = run.ctx->block;
  ASSERT_EQ(blk.coupleCount, 1);
  EXPECT_EQ(blk.couples[1].station, 12);
  EXPECT_DOUBLE_EQ(blk.couples[1].force, 500.0 / 12.0);
  EXPECT_DOUBLE_EQ(blk.st.T[16], 500.0);
  EXPECT_DOUBLE_EQ(blk.st.P[16], -100.0);
  EXPECT_TRUE(run.reportHas("0.500E+03 0.000E+00 0.100E+03"));  // axial load echoed as read
}

TEST(Tiebacks, EnglishStationStiffnessAndPrestress) {
  auto run = runEngineOn(block("1 1\t1\t0\t0\t0 0 1 0 1",
                               "3\t20\t0\t0\n0\t20\t1\t1E9\n0\n0\n10\t1\t200\t20\t30\t8\t100\n"));
  const BlockData& blk = run.ctx->block;
  ASSERT_EQ(blk.tiebackCount, 1);
  const TiebackRecord& tb = blk.tiebacks[1];
  EXPECT_EQ(tb.station, 20);
  double c = std::cos(30.0 * 3.1415998935699463 / 180.0);
  EXPECT_DOUBLE_EQ(tb.stiffness, 200.0 * c / ((12.0 * 8.0 / 12.0) * 240.0));
  EXPECT_DOUBLE_EQ(tb.load, -(12.0 / 96.0) * 100.0 * c);
  EXPECT_DOUBLE_EQ(blk.st.S[24], tb.stiffness);
  EXPECT_EQ(blk.supportCount, 1);
  EXPECT_DOUBLE_EQ(blk.lastSupportDepth, 120.0);
  EXPECT_TRUE(run.reportHas("     TIE BACK RESULTS"));
}

TEST(Restraints, SlopeAtTopSetsCodesAroundIt) {
  auto run = runEngineOn(block("1 2\t1\t0\t0\t0 0 1 0 0", "2\t0\t0\t0.001\n3\t20\t0\t0\n0\t20\t1\t1E9\n0\n0\n"));
  const auto& code = stations(run).code;
  EXPECT_EQ(code[3], 3);
  EXPECT_EQ(code[4], 1);
  EXPECT_EQ(code[5], 5);
  EXPECT_TRUE(run.reportHas("\n            0        2           NONE         0.100E-02\n"));
}

TEST(Restraints, SlopeAtTheLastStationOfALongWallStaysInTheStore) {
  // NN = 406 and a slope at station NN+3: the station below it is the last
  // index the store must hold, and nothing next to the store may change.
  auto run = runEngineOn("Long wall\n1 1\t1\t0\t0\t0 0 1 0 0\n406 6\t10\t1E-5\t0\t12\n2\t409\t0\t0\n"
                         "0\t406\t1\t1E9\n0\n0\n0\n");
  EXPECT_EQ(run.ctx->block.restraintRecords, 1);
  EXPECT_EQ(stations(run).code[412], 3);
  EXPECT_EQ(stations(run).code.at(414), 5);
  EXPECT_TRUE(run.reportHas("RESULTS -- ITERATION"));
}

struct StopCase {
  const char* name;
  std::string data;
  const char* message;
};

class BlockStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(BlockStops, WriteTheMessageAndEndTheRun) {
  auto run = runEngineOn(GetParam().data);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.reportHas(std::string("\n\n\n") + GetParam().message + "\n")) << run.report;
  EXPECT_TRUE(run.reportHas("\n\n\n\n     END OF ANALYSIS                             \n"));
  EXPECT_FALSE(run.reportHas("RESULTS -- ITERATION"));
  // The plot data file still ends with a result record (no rows).
  EXPECT_NE(run.plot.rfind(" 1 0 "), std::string::npos) << run.plot;
}

std::string manyRestraints() {
  std::string lines;
  for (int i = 0; i < 21; ++i) lines += "1\t" + std::to_string(i) + "\t0\t0\n";
  return block("1 21\t1\t0\t0\t0 0 1 0 0", lines + "0\t20\t1\t1E9\n0\n0\n");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, BlockStops,
    ::testing::Values(
        StopCase{"RestraintsOutOfOrder", block("1 2\t1\t0\t0\t0 0 1 0 0", "1\t5\t0\t0\n1\t3\t0\t0\n0\t20\t1\t1E9\n0\n0\n"),
                 "     ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"RestraintAboveMinusOne", block("1 1\t1\t0\t0\t0 0 1 0 0", "1\t-2\t0\t0\n0\t20\t1\t1E9\n0\n0\n"),
                 "     ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"RangeUpsideDown", block("1 1\t1\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n10\t5\t1\t1E9\n0\n0\n"),
                 "     ERROR STOP -- STATIONS NOT IN ORDER"},
        StopCase{"LoadBelowTip", block("1 1\t1\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t20\t1\t1E9\n1\n1\t21\t21\t5\t0\t0\n0\n"),
                 "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        // Values of opposite sign below the tip must not cancel.
        StopCase{"OppositeSignsBelowTip",
                 block("1 1\t3\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t20\t1\t1E9\n21\t21\t1\t50\n22\t22\t1\t-50\n0\n0\n"),
                 "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        StopCase{"TooManyRestraints", manyRestraints(), "     TOO MUCH DATA FOR AVAILABLE STORAGE\n\n"},
        StopCase{"SpringTableEndsInterpolating",
                 block("1 1\t1\t0\t0\t0 0 1 0 1", "3\t20\t0\t0\n0\t20\t1\t1E9\n0\n1\n5\t5\t2\t100\t0\n10\t1\t200\t20\t0\t8\t0\n"),
                 "     ERROR STOP -- LAST LINE OF SPRING TABLE ASKS TO INTERPOLATE TO A NEXT LINE THAT DOES NOT EXIST"},
        StopCase{"LineModeThree", block("1 1\t1\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t20\t3\t1E9\n0\n0\n"),
                 "     ERROR -- LINE MODE 3 IS NOT 1 OR 2 IN WALL STIFFNESS LINES (RECORD 5), LINE 5"},
        StopCase{"NotANumber", block("1 1\t1\t0\t0\t0 0 1 0 0", "3\t20\t0\t0\n0\t20\t1\tstiff\n0\n0\n"),
                 "     ERROR -- INVALID NUMBER IN WALL STIFFNESS LINES (RECORD 5), LINE 5, ITEM 4: \"stiff\""},
        StopCase{"Truncated", "Reader test\n1 1\t1\t0\t0\t0 0 1 0 0\n20 6\t10\t1E-5\t0\t12\n3\t20\t0\t0\n0\t20",
                 "     ERROR -- END OF DATA FILE IN WALL STIFFNESS LINES (RECORD 5), LINE 5, ITEM 3"},
        StopCase{"IncrementLength1E300Below", "Tiny\n1 0\t1\t0\t0\t0 0 1 0 0\n20 1E-300\t10\t1E-5\t0\t12\n0\t20\t1\t1E9\n0\n0\n0\n",
                 "     ERROR -- INCREMENT LENGTH OUTSIDE 1.0E-100 TO 1.0E+100 IN WALL LINE (RECORD 3)"},
        StopCase{"IncrementLengthSubnormal", "Tiny\n1 0\t1\t0\t0\t0 0 1 0 0\n20 4.9E-324\t10\t1E-5\t0\t12\n0\t20\t1\t1E9\n0\n0\n0\n",
                 "     ERROR -- INCREMENT LENGTH OUTSIDE 1.0E-100 TO 1.0E+100 IN WALL LINE (RECORD 3)"},
        StopCase{"IncrementLengthHuge", "Huge\n1 0\t1\t0\t0\t0 0 1 0 0\n20 1E101\t10\t1E-5\t0\t12\n0\t20\t1\t1E9\n0\n0\n0\n",
                 "     ERROR -- INCREMENT LENGTH OUTSIDE 1.0E-100 TO 1.0E+100 IN WALL LINE (RECORD 3)"},
        StopCase{"TooManyIncrements", "Big\n1 0\t1\t0\t0\t0 0 1 0 0\n500 6\t10\t1E-5\t0\t12\n0\t500\t1\t1E9\n0\n0\n0\n",
                 "     ERROR -- NUMBER OF INCREMENTS 500 OUTSIDE 1 TO 406 IN WALL LINE (RECORD 3)"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace murena
