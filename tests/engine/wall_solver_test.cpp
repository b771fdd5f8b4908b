// Soil springs of the curve store, curve evaluation and the moment-stiffness
// update, on a run context built in the test.
#include "engine/wall_solver.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine_run_fixture.h"

namespace murena {
namespace {

// A straight curve p = -k y through three points from -1 to 1.
void addLinearCurve(PYCurveStore& store, int station, double k, int flag) {
  int c = ++store.count;
  store.pointCount[c] = 3;
  store.flag[c] = flag;
  store.startIndex[c] = store.endIndex[c] = station + 4;
  for (int i = 1; i <= 3; ++i) {
    double y = i - 2.0;
    store.y[c][i] = y;
    store.p[c][i] = -k * y;
  }
}

struct SpringFixture : ::testing::Test {
  std::unique_ptr<RunContext> ctx = std::make_unique<RunContext>();
  std::array<double, kStorageSize> QW{}, SW{};
  bool offCurve = false;
  void SetUp() override { ctx->block.wall.NN = 20; }
};

TEST_F(SpringFixture, ChainInterpolatesBetweenCurvesWithHalfValuesAtItsEnds) {
  addLinearCurve(ctx->block.curves, 2, 100.0, 1);
  addLinearCurve(ctx->block.curves, 6, 200.0, 1);
  addLinearCurve(ctx->block.curves, 10, 300.0, 1);
  addSoilSprings(*ctx, QW, SW, offCurve);
  EXPECT_DOUBLE_EQ(SW[2 + 4], 50.0);
  EXPECT_DOUBLE_EQ(SW[3 + 4], 125.0);
  EXPECT_DOUBLE_EQ(SW[5 + 4], 175.0);
  EXPECT_DOUBLE_EQ(SW[6 + 4], 200.0);
  EXPECT_DOUBLE_EQ(SW[8 + 4], 250.0);
  EXPECT_DOUBLE_EQ(SW[10 + 4], 150.0);
  EXPECT_DOUBLE_EQ(SW[11 + 4], 0.0);
  EXPECT_FALSE(offCurve);
}

TEST_F(SpringFixture, LoneCurveActsAtItsStationWithFullValue) {
  addLinearCurve(ctx->block.curves, 8, 100.0, 0);
  addSoilSprings(*ctx, QW, SW, offCurve);
  EXPECT_DOUBLE_EQ(SW[8 + 4], 100.0);
  EXPECT_DOUBLE_EQ(SW[7 + 4], 0.0);
  EXPECT_DOUBLE_EQ(SW[9 + 4], 0.0);
}

TEST_F(SpringFixture, CurvesBelowTheTipAreCutOff) {
  addLinearCurve(ctx->block.curves, 18, 100.0, 1);
  addLinearCurve(ctx->block.curves, 22, 100.0, 1);
  addLinearCurve(ctx->block.curves, 26, 100.0, 1);
  addSoilSprings(*ctx, QW, SW, offCurve);
  EXPECT_DOUBLE_EQ(SW[18 + 4], 50.0);
  EXPECT_DOUBLE_EQ(SW[20 + 4], 50.0);  // the cut end station gets its half value
  EXPECT_DOUBLE_EQ(SW[21 + 4], 0.0);
}

TEST(CurveEvaluation, SegmentsAndExtension) {
  PYCurveStore store;
  store.count = 1;
  store.pointCount[1] = 4;
  double y[] = {0, -2, -1, 1, 2};
  double p[] = {0, 20, 15, -15, -20};
  for (int i = 1; i <= 4; ++i) {
    store.y[1][i] = y[i];
    store.p[1][i] = p[i];
  }
  bool off = false;
  CurveSegment mid = evaluateCurve(store, 1, 0.5, off);
  EXPECT_DOUBLE_EQ(mid.tangent, 15.0);
  EXPECT_DOUBLE_EQ(mid.intercept - mid.tangent * 0.5, -7.5);  // p(0.5) on the middle segment
  EXPECT_FALSE(off);
  CurveSegment beyond = evaluateCurve(store, 1, 3.0, off);
  EXPECT_TRUE(off);
  EXPECT_DOUBLE_EQ(beyond.intercept - beyond.tangent * 3.0, -25.0);  // last segment extended
  off = false;
  evaluateCurve(store, 1, -3.0, off);
  EXPECT_TRUE(off);
}

TEST(MomentStiffness, ZeroCurvatureTakesTheFirstStiffness) {
  auto ctx = std::make_unique<RunContext>();
  BlockData& blk = ctx->block;
  blk.wall.NN = 10;
  blk.wall.hSquared = 1.0;
  blk.momentEISetCount = 1;
  MomentEISet& set = blk.momentEISets[1];
  set.from = 0;
  set.to = 10;
  set.count = 3;
  set.M = {0.0, 100.0, 200.0};
  set.E = {5.0e6, 4.0e6, 1.0e6};
  updateMomentStiffness(*ctx);
  for (int j = 0; j <= 10; ++j) EXPECT_DOUBLE_EQ(blk.st.EI[j + 4], 5.0e6);
}

TEST(WallSolverRuns, DeflectionOffTheCurvesIsFlaggedAndReported) {
  // A wall pinned at its tip whose top rests on a short user curve (above
  // the excavation, so it acts alone) and is pushed past its last point.
  std::string data =
      "Off curve\n3 1\t1\t0\t0\t1 1 1 0 0\n10 1\t100\t1E-9\t5\t1\n1\t10\t0\t0\n0\t10\t1\t1E3\n1\n1\t0\t0\t10\t0\t0\n0\n"
      "0\t3\t1\t1\n-0.01\t1\n0\t0\n0.01\t-1\n0\n";
  auto run = testing::runEngineOn(data);
  EXPECT_TRUE(run.reportHas("\n\n     ***** DEFLECTION OFF Q - W CURVES *****\n"));
  EXPECT_NE(run.notes.find("       YES      "), std::string::npos);
}

TEST(WallSolverRuns, UserCurveBelowTheTipIsKeptAndPassedOver) {
  // A curve at node 30 of a 20-increment wall is written to the plot data
  // and the report but acts on no station.
  auto wall = [](const std::string& curves, int sets) {
    return "Deep curve\n3 1\t1\t0\t0\t1 " + std::to_string(sets) +
           " 1 0 0\n20 1\t100\t1E-9\t0\t1\n3\t20\t0\t0\n0\t20\t1\t1E3\n1\n1\t0\t0\t10\t0\t0\n0\n" + curves + "0\n";
  };
  auto withCurve = testing::runEngineOn(wall("30\t3\t1\t1\n-1\t5\n0\t0\n1\t-5\n", 1));
  auto without = testing::runEngineOn(wall("", 0));
  EXPECT_EQ(withCurve.ctx->block.curves.count, 1);
  EXPECT_TRUE(withCurve.reportHas("RESULTS -- ITERATION")) << withCurve.report;
  EXPECT_NE(withCurve.plot.find(" 3 1\n 30 3\n"), std::string::npos) << withCurve.plot;
  for (int row = 1; row <= 22; ++row)
    EXPECT_EQ(withCurve.ctx->results.deflection[row], without.ctx->results.deflection[row]) << row;
}

TEST(WallSolverRuns, OverflowedSolutionIsNotTakenForAClosedOne) {
  // Values near the largest double overflow the recursion; the deflections
  // that are not numbers are reported as beyond the allowable limit.
  std::string data =
      "Overflow\n3 1\t1\t0\t0\t0 0 1 0 0\n5 1\t1E300\t1E-9\t0\t1\n2\t0\t0\t1E300\n0\t5\t1\t1E-300\n1\n"
      "1\t0\t0\t1E300\t1E300\t1E300\n0\n0\n";
  auto run = testing::runEngineOn(data);
  EXPECT_TRUE(run.reportHas("\n\n     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***   6  *** STATIONS *****\n")) << run.report;
}

TEST(WallSolverRuns, ResultsThatAreNotFiniteNeverCountAsClosed) {
  // A cantilever whose deflections close and stay finite but whose moment
  // (about 1E308 N m at the clamp) overflows to asterisks.
  std::string data =
      "Moment overflow\n2 1\t1\t0\t0\t0 0 1 0 0\n20 0.5\t1E308\t1E-9\t0\t1\n3\t20\t0\t0\n0\t20\t1\t1E10\n1\n"
      "1\t0\t0\t1E307\t0\t0\n0\n0\n";
  auto run = testing::runEngineOn(data);
  EXPECT_TRUE(run.reportHas("     RESULTS -- ITERATION  2\n     --------------------\n\n"
                            "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****\n\n"
                            "     ***** RESULTS ARE NOT FINITE NUMBERS (SHOWN AS *): CHECK THE WALL DATA AND LOADS *****\n\n"))
      << run.report;
  EXPECT_TRUE(run.reportHas("************"));  // a whole E12.3 field
  EXPECT_NE(run.notes.find("\n      2       NO          0  "), std::string::npos);  // the solver itself closed
}

TEST(WallSolverRuns, CoupleCorrectsShearAndReaction) {
  // A clamped wall with a couple at station 10: the moment jumps by the couple.
  std::string data =
      "Couple\n3 1\t1\t0\t0\t0 0 1 0 0\n20 1\t100\t1E-12\t0\t1\n3\t20\t0\t0\n0\t20\t1\t1E6\n1\n1\t10\t10\t0\t50\t0\n0\n0\n";
  auto run = testing::runEngineOn(data);
  const StationResults& res = run.ctx->results;
  // Above the couple the wall carries no moment or shear.
  EXPECT_NEAR(res.moment[1 + 5], 0.0, 1e-9);
  EXPECT_NEAR(res.shear[1 + 5], 0.0, 1e-9);
  // Below it the moment is the couple and the shear vanishes once corrected.
  EXPECT_NEAR(res.moment[1 + 15], 50.0, 1e-6);
  EXPECT_NEAR(res.shear[1 + 15], 0.0, 1e-6);
}

}  // namespace
}  // namespace murena
