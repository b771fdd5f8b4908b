// Generated curves read back from "SOILDATA" into the curve store, with and
// without user sets ahead of them, and the block's p-y record of the plot file.
#include <cmath>
#include <filesystem>
#include <sstream>

#include "engine/run_errors.h"
#include "engine/soil/py_generation_api.h"
#include "py_test_support.h"

namespace murena::pytest {
namespace {

struct FileRow { double index, p, y; };

// Rows of the generated curves of the soil-data file (after the user sets).
std::vector<std::vector<FileRow>> generatedRows(const std::vector<std::string>& lines, size_t first) {
  std::vector<std::vector<FileRow>> curves;
  for (size_t i = first; i + 34 < lines.size(); i += 35) {
    std::vector<FileRow> rows;
    for (size_t m = 1; m <= 34; ++m) {
      std::istringstream in(lines[i + m]);
      FileRow r{};
      in >> r.index >> r.p >> r.y;
      rows.push_back(r);
    }
    curves.push_back(rows);
  }
  return curves;
}

class LoadingTest : public PYContextTest {
 protected:
  void SetUp() override {
    PYContextTest::SetUp();
    addInputLayer(1, 120.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
    addInputLayer(3, 300.0, Row{0.04, 15.0, 0.0, 0.005, 200.0, 0.0});
  }
};

TEST_F(LoadingTest, GeneratedCurvesMirrorTheBackfillSideIntoNegativeDeflections) {
  loadGeneratedPYCurves(ctx());
  const PYCurveStore& store = ctx().block.curves;
  ASSERT_EQ(store.count, 10);
  const auto lines = readLines("SOILDATA");
  const auto rows = generatedRows(lines, 1);
  ASSERT_EQ(rows.size(), 10u);
  const double h = 3.0;
  for (int c = 1; c <= 10; ++c) {
    const auto& Yf = rows[static_cast<size_t>(c - 1)];
    auto Y = [&](int m) { return Yf[static_cast<size_t>(m - 1)].y; };
    auto P = [&](int m) { return Yf[static_cast<size_t>(m - 1)].p; };
    EXPECT_EQ(store.pointCount[c], 33);
    EXPECT_EQ(store.flag[c], 1);
    EXPECT_DOUBLE_EQ(store.y[c][1], -Y(34));
    EXPECT_DOUBLE_EQ(store.p[c][1], P(34) * h);
    EXPECT_DOUBLE_EQ(store.y[c][17], -Y(18));
    EXPECT_DOUBLE_EQ(store.y[c][18], Y(2));
    EXPECT_DOUBLE_EQ(store.p[c][18], -P(2) * h);
    EXPECT_DOUBLE_EQ(store.y[c][33], Y(17));
    EXPECT_DOUBLE_EQ(store.p[c][33], -P(17) * h);
    for (int k = 2; k <= 33; ++k) EXPECT_LE(store.y[c][k - 1], store.y[c][k]) << c << " " << k;
  }
  // First curve at 60.1 below the top of the wall: node 20.
  EXPECT_EQ(store.startIndex[1], 24);
  EXPECT_EQ(store.endIndex[1], 24);
  // The last curve lies eps above the profile end 246: node 82.
  EXPECT_EQ(store.endIndex[10], 82 + 4);

  const auto plot = plotLines();
  ASSERT_EQ(plot.size(), 1u + 10u * 34u);
  EXPECT_EQ(plot[0], " 1 10");
  EXPECT_EQ(plot[1], "      60.10    33");
  std::istringstream point(plot[2]);
  double y = 0, p = 0;
  point >> y >> p;
  EXPECT_DOUBLE_EQ(y, store.y[1][1]);
  EXPECT_NEAR(p, store.p[1][1] / h, 1e-9 * std::abs(p) + 1e-12);
}

TEST_F(LoadingTest, UserSetsComeFirstAndActAtTheirNodesOnly) {
  ctx().block.control.pyCurveSetCount = 2;
  ctx().input.setText("10 3 2.0 0.5\n0 0\n1 100\n2 150\n12 2 1.0 1.0\n0 0\n1 80\n");
  loadGeneratedPYCurves(ctx());
  const PYCurveStore& store = ctx().block.curves;
  ASSERT_EQ(store.count, 12);
  EXPECT_EQ(store.pointCount[1], 3);
  EXPECT_EQ(store.flag[1], 0);
  EXPECT_EQ(store.startIndex[1], 14);
  EXPECT_DOUBLE_EQ(store.y[1][2], 0.5);
  EXPECT_DOUBLE_EQ(store.p[1][2], 200.0 * 3.0);
  EXPECT_DOUBLE_EQ(store.p[1][3], 300.0 * 3.0);
  EXPECT_EQ(store.pointCount[2], 2);
  EXPECT_EQ(store.endIndex[2], 16);
  EXPECT_EQ(store.pointCount[3], 33);
  EXPECT_EQ(store.flag[3], 1);

  const auto soilData = readLines("SOILDATA");
  EXPECT_EQ(std::stoi(soilData[0]), 12);
  const auto plot = plotLines();
  EXPECT_EQ(plot[0], " 1 12");
  EXPECT_EQ(plot[1], " 30 3");
  EXPECT_EQ(plot[3], " 0.5 200");

  const auto report = reportLines();
  EXPECT_NE(findLine(report, "      *     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *"), -1);
  EXPECT_NE(findLine(report, std::string(9, ' ') + "  10" + "  0" + std::string(5, ' ') + "     0.200E+01" + "     0.500E+00" +
                                  std::string(10, ' ') + "  3"), -1);
  EXPECT_NE(findLine(report, std::string(17, ' ') + " 0.500E+00" + std::string(10, ' ') + " 0.200E+03"), -1);
  EXPECT_LT(findLine(report, "        P-Y CURVES DATA"), static_cast<int>(report.size()));
}

TEST_F(LoadingTest, UserSetBelowTheTipIsKeptAsWithoutGeneratedCurves) {
  ctx().block.control.pyCurveSetCount = 1;
  ctx().input.setText("90 2 1.0 1.0\n0 0\n1 80\n");
  loadGeneratedPYCurves(ctx());
  const PYCurveStore& store = ctx().block.curves;
  ASSERT_EQ(store.count, 11);
  EXPECT_EQ(store.endIndex[1], 94);
  EXPECT_EQ(store.flag[1], 0);
}

TEST_F(LoadingTest, UserSetWithTooManyPointsIsAnInputError) {
  ctx().block.control.pyCurveSetCount = 1;
  ctx().input.setText("10 35 1.0 1.0\n");
  try {
    loadGeneratedPYCurves(ctx());
    FAIL() << "accepted";
  } catch (const InputError& e) {
    EXPECT_NE(std::string(e.what()).find("35 POINTS"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("RECORD 12"), std::string::npos) << e.what();
  }
}

TEST_F(LoadingTest, TooManyUserSetsStopTheAnalysis) {
  ctx().block.control.pyCurveSetCount = kMaxCurves + 1;
  EXPECT_THROW(loadGeneratedPYCurves(ctx()), AnalysisStop);
  EXPECT_NE(findLine(reportLines(), "     TOO MUCH DATA FOR AVAILABLE STORAGE"), -1);
}

TEST_F(LoadingTest, UnwritableSoilDataFileIsAnInputError) {
  std::filesystem::create_directory("SOILDATA");
  EXPECT_THROW(loadGeneratedPYCurves(ctx()), InputError);
}

TEST_F(LoadingTest, ZeroWidthForSoilResistanceIsAnInputError) {
  ctx().block.soil.pyWidth = 0.0;
  EXPECT_THROW(loadGeneratedPYCurves(ctx()), InputError);
  EXPECT_EQ(ctx().block.curves.count, 0);
}

TEST_F(PYContextTest, NoLayerBelowTheExcavationGivesNoCurves) {
  addInputLayer(1, 40.0, Row{0.04, 5.0, 0.0, 0.01, 100.0, 0.0});
  loadGeneratedPYCurves(ctx());
  EXPECT_EQ(ctx().block.curves.count, 0);
  const auto report = reportLines();
  ASSERT_GE(report.size(), 2u);
  EXPECT_EQ(report.back(), std::string(20, ' '));
  EXPECT_EQ(plotLines()[0], " 1 0");
}

}  // namespace
}  // namespace murena::pytest
