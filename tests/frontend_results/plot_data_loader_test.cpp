// Loading plot data files into the result graphs.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/result_graphs.h"
#include "tests/support/scratch_folder.h"

namespace murena {
namespace {

// A block of a plot file: earth-pressure points (depth, total, soil,
// surcharge), p-y curves (depth, points), result rows (depth, w, M, V, p).
struct Block {
  std::vector<std::array<double, 4>> pressure;
  std::vector<std::pair<double, std::vector<std::pair<double, double>>>> curves;
  int sets = 1;
  std::vector<std::array<double, 5>> rows;
};

std::string plotText(const std::vector<Block>& blocks, int units) {
  std::ostringstream t;
  for (const Block& b : blocks) {
    t << b.pressure.size() << "\n";
    for (const auto& p : b.pressure) t << p[0] << " " << p[1] << " " << p[2] << " " << p[3] << "\n";
    t << units << " " << b.curves.size() << "\n";
    for (const auto& [depth, points] : b.curves) {
      t << depth << " " << points.size() << "\n";
      for (const auto& [y, p] : points) t << y << " " << p << "\n";
    }
    t << b.sets << " " << b.rows.size() << " " << units << "\n";
    for (const auto& r : b.rows) t << r[0] << " " << r[1] << " " << r[2] << " " << r[3] << " " << r[4] << "\n";
  }
  return t.str();
}

Block resultBlock(int sets, int rows, double scale = 1) {
  Block b;
  b.sets = sets;
  b.pressure = {{0, 0, 1e-7, 0}, {12, 5 * scale, 5 * scale, 0}};
  for (int j = 0; j < rows; ++j) b.rows.push_back({12.0 * j, 0.1 * j * scale, 100.0 * j, 10.0 * j, -1.0 * j});
  return b;
}

class PlotLoaderTest : public ::testing::Test {
 protected:
  PlotLoadResult load(const std::string& text) { return LoadPlotDataText(text, graphs, data, tables.NewSoil); }
  std::vector<std::string> names(const TGraphPlot& g) {
    std::vector<std::string> out;
    for (const TLine& c : g.Curves) out.push_back(g.displayedName(c));
    return out;
  }
  TProjectTables tables;
  TProgramData data;
  TResultGraphs graphs;
};

TEST_F(PlotLoaderTest, SingleBlockGivesOneCurvePerGraphNamedByNumber) {
  ASSERT_TRUE(load(plotText({resultBlock(1, 4)}, 2)).ok);
  for (TGraphPlot* g : {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil}) {
    ASSERT_EQ(g->Curves.size(), 1u);
    EXPECT_EQ(names(*g), std::vector<std::string>{"Load #1"});
    EXPECT_EQ(g->Curves[0].Points.size(), 4u);
  }
  EXPECT_EQ(names(graphs.pltDMS), std::vector<std::string>{"Curve #1"});
  EXPECT_EQ(names(graphs.pltLD), std::vector<std::string>{"Curve #1"});
  EXPECT_EQ(names(graphs.PltCombine),
            (std::vector<std::string>{"Total Earth Pressure", "from Soils ", "from Surcharge Loads"}));
  EXPECT_TRUE(graphs.pltDMS.ShowThree);
  EXPECT_EQ(graphs.pltDef.YCaption, "Depth (m)");
  EXPECT_EQ(graphs.PltCombine.YCaption, "Depth (m)");
  EXPECT_EQ(graphs.pltMom.XCaption, "Bending Moment (m-kN)");
  EXPECT_EQ(graphs.pltDMS.XCaption2, "Bending Moment (m-kN)");
  EXPECT_EQ(graphs.pltDef.Units(), 2);
  EXPECT_EQ(data.EarthPressurePointCount, 2);
}

TEST_F(PlotLoaderTest, EnglishFileTurnsInchesIntoFeetAndMomentsIntoKips) {
  Block b = resultBlock(1, 0);
  b.rows = {{0, 0.5, 0, 0, 0}, {120, 0.25, 50000, 2000, 7}};
  ASSERT_TRUE(load(plotText({b}, 1)).ok);
  EXPECT_EQ(graphs.pltDef.Curves[0].Points[1], (TFloatPoint{0.25, 10}));
  EXPECT_EQ(graphs.pltMom.Curves[0].Points[1], (TFloatPoint{50, 10}));
  EXPECT_EQ(graphs.pltShear.Curves[0].Points[1], (TFloatPoint{2, 10}));
  EXPECT_EQ(graphs.pltSoil.Curves[0].Points[1], (TFloatPoint{7, 10}));
  EXPECT_EQ(graphs.pltLD.Curves[0].Points[1].Y, 1.0);  // 12 in
  EXPECT_EQ(graphs.pltShear.XCaption, "Shear (kips)");
  EXPECT_EQ(graphs.pltMom.XCaption, "Bending Moment (in-kips)");
  EXPECT_EQ(graphs.pltSoil.YCaption, "Depth (ft)");
  EXPECT_EQ(graphs.PltCombine.YCaption, "Depth (ft)");
}

TEST_F(PlotLoaderTest, StagedFileNamesStagesAndEvensOutShorterCurves) {
  Block b1 = resultBlock(3, 5), b2 = resultBlock(3, 3, 2), b3 = resultBlock(3, 4, 3);
  b2.pressure.push_back({24, 9, 9, 0});
  ASSERT_TRUE(load(plotText({b1, b2, b3}, 2)).ok);
  EXPECT_EQ(names(graphs.pltDef), (std::vector<std::string>{"Stage: 1", "Stage: 2", "Stage: 3"}));
  EXPECT_EQ(names(graphs.pltDMS), (std::vector<std::string>{"Stage: 1", "Stage: 2", "Stage: 3"}));
  EXPECT_EQ(names(graphs.pltLD), (std::vector<std::string>{"Curve #1", "Curve #2", "Curve #3"}));
  for (const TLine& c : graphs.pltDef.Curves) EXPECT_EQ(c.Points.size(), 5u);
  // Stage 2 had 3 rows: its last row repeats.
  EXPECT_EQ(graphs.pltDef.Curves[1].Points[4], graphs.pltDef.Curves[1].Points[2]);
  EXPECT_DOUBLE_EQ(graphs.pltDef.Curves[1].Points[2].X, 0.2 * 2);
  EXPECT_EQ(data.EarthPressurePointCount, 3);
  EXPECT_EQ(graphs.pltLD.Curves[0].Points[2], graphs.pltLD.Curves[0].Points[1]);
  // The combined graph comes from the first block only.
  EXPECT_EQ(graphs.PltCombine.Curves[0].Points.size(), 2u);

  // Loading a single-set file afterwards shows no stage names.
  ASSERT_TRUE(load(plotText({resultBlock(1, 4)}, 2)).ok);
  EXPECT_EQ(names(graphs.pltDef), std::vector<std::string>{"Load #1"});
}

TEST_F(PlotLoaderTest, LongTermRunNamesShortAndLongTerm) {
  data.LongTermAnalysis = true;
  ASSERT_TRUE(load(plotText({resultBlock(2, 3), resultBlock(2, 3)}, 2)).ok);
  EXPECT_EQ(names(graphs.pltMom), (std::vector<std::string>{"Short-Term", "Long-Term"}));
}

TEST_F(PlotLoaderTest, PYCurvesOfUnequalLengthRepeatTheirLastPoint) {
  Block b = resultBlock(1, 2);
  b.curves = {{24, {{-1, 5}, {0, 0}, {1, -5}, {2, -6}, {3, -7}}}, {48, {{-1, 9}, {0, 0}, {1, -9}}}};
  ASSERT_TRUE(load(plotText({b}, 1)).ok);
  ASSERT_EQ(graphs.pltPY.Curves.size(), 2u);
  EXPECT_EQ(names(graphs.pltPY), (std::vector<std::string>{"Depth 24", "Depth 48"}));
  const auto& second = graphs.pltPY.Curves[1].Points;
  ASSERT_EQ(second.size(), 5u);
  EXPECT_EQ(second[3], (TFloatPoint{1, -9}));
  EXPECT_EQ(second[4], (TFloatPoint{1, -9}));
}

TEST_F(PlotLoaderTest, SoilLayerAndWallMarks) {
  data.UnitSystem = 1;
  data.NodeCount = 80;
  data.IncrementLength = 6;
  data.FreeHeight = 120;
  GridTable& soil = tables.NewSoil;
  soil.setRowCount(3);
  const int types[] = {1, 4, 6};
  for (int r = 0; r < 3; ++r) {
    soil.setInteger(col::kSoilType, r, types[r]);
    soil.setReal(col::kSoilDepth, r, 10.0 * (r + 1));
  }
  ASSERT_TRUE(load(plotText({resultBlock(1, 3)}, 1)).ok);
  const TGraphPlot& dms = graphs.pltDMS;
  EXPECT_EQ(dms.WallLineCount, 3);
  std::vector<std::string> marks;
  std::vector<TFloatPoint> points;
  for (const TLine& m : dms.Layers) {
    marks.push_back(m.Name);
    points.push_back(m.Points.at(0));
  }
  EXPECT_EQ(marks, (std::vector<std::string>{" CLAY ", " SAND ", "STRONG ROCK", "PILE", "PILE"}));
  // Wall marks in the graph's depth unit (feet): 40 ft long, 10 ft free.
  EXPECT_EQ(points, (std::vector<TFloatPoint>{{1, 10}, {7, 20}, {9, 30}, {0, 40}, {0, 10}}));
}

TEST_F(PlotLoaderTest, EmptyEarthPressureAndZeroSets) {
  Block b;
  b.sets = 0;
  b.rows = {};
  ASSERT_TRUE(load(plotText({b}, 2)).ok);
  ASSERT_EQ(graphs.pltLD.Curves.size(), 1u);
  EXPECT_TRUE(graphs.pltLD.Curves[0].Points.empty());
  for (TGraphPlot* g : {&graphs.pltDef, &graphs.pltMom, &graphs.pltShear, &graphs.pltSoil}) {
    ASSERT_EQ(g->Curves.size(), 1u);
    EXPECT_TRUE(g->Curves[0].Points.empty());
    EXPECT_FALSE(hasDrawableCurve(*g));
  }
}

TEST_F(PlotLoaderTest, TruncatedFileFailsAndKeepsTheFirstBlock) {
  const std::string full = plotText({resultBlock(2, 4), resultBlock(2, 4)}, 2);
  const std::string cut = full.substr(0, full.size() - 40);
  const PlotLoadResult r = load(cut);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, "This file either invalid or incomplete.");
  EXPECT_EQ(graphs.pltDef.Curves[0].Points.size(), 4u);
  EXPECT_DOUBLE_EQ(graphs.pltDef.Curves[0].Points[3].X, 0.1 * 3);
}

TEST_F(PlotLoaderTest, MalformedCountsAreRefusedWithoutAllocating) {
  for (const char* text : {"2000000000\n", "1\n0 0 0 0\n2 2000000000\n", "0\n2 1\n5 -3\n1 2 2\n", "x"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(load(text).ok);
  }
}

TEST_F(PlotLoaderTest, MoreEarthPressurePointsAndCurvesThanTheOldStoresHold) {
  Block b = resultBlock(1, 2);
  b.pressure.clear();
  for (int i = 0; i < 700; ++i) b.pressure.push_back({double(i), 1, 1, 0});
  for (int c = 0; c < 60; ++c) b.curves.push_back({double(c), {{0, 0}, {1, 1}}});
  ASSERT_TRUE(load(plotText({b}, 2)).ok);
  EXPECT_EQ(graphs.pltLD.Curves[0].Points.size(), 700u);
  EXPECT_EQ(graphs.pltPY.Curves.size(), 60u);
}

TEST_F(PlotLoaderTest, ReloadingKeepsWhatTheUserSetOnCurvesThatStay) {
  ASSERT_TRUE(load(plotText({resultBlock(1, 4)}, 2)).ok);
  graphs.pltLD.Curves[0].Visible = false;
  graphs.PltCombine.Curves[2].Active = false;
  graphs.pltDef.Curves[0].Name = "Trial";
  ASSERT_TRUE(load(plotText({resultBlock(1, 5)}, 2)).ok);
  EXPECT_FALSE(graphs.pltLD.Curves[0].Visible);
  EXPECT_FALSE(graphs.PltCombine.Curves[2].Active);
  EXPECT_EQ(graphs.pltDef.Curves[0].Name, "Trial");
  EXPECT_EQ(graphs.pltDef.Curves[0].Points.size(), 5u);
}

TEST_F(PlotLoaderTest, LongTermNamesLeaveLaterSetsTheirStageNames) {
  data.LongTermAnalysis = true;
  ASSERT_TRUE(load(plotText({resultBlock(3, 3), resultBlock(3, 3), resultBlock(3, 3)}, 2)).ok);
  EXPECT_EQ(names(graphs.pltShear), (std::vector<std::string>{"Short-Term", "Long-Term", "Stage: 3"}));
}

// Counts that would make the evened-out curves far larger than the file.
TEST_F(PlotLoaderTest, CurveCountsThatWouldExplodeWhenEvenedOutAreRefused) {
  // A later block announcing fifty thousand result sets.
  Block first = resultBlock(2, 200), second = resultBlock(50000, 200);
  EXPECT_FALSE(load(plotText({first, second}, 2)).ok);

  Block curves = resultBlock(1, 3);
  std::vector<std::pair<double, double>> longCurve(30000, {0, 0});
  curves.curves.push_back({1, longCurve});
  for (int c = 0; c < 3000; ++c) curves.curves.push_back({double(c), {{0, 0}}});
  EXPECT_FALSE(load(plotText({curves}, 2)).ok);
}

TEST_F(PlotLoaderTest, EveryStoredExampleResultLoads) {
  for (const char* name : {"cantilever_sand_english", "anchored_user_curves_si", "soldier_pile_silt_si",
                           "anchored_soft_over_stiff_clay_english"}) {
    SCOPED_TRACE(name);
    const PlotLoadResult r =
        LoadPlotData(std::string(MURENA_SOURCE_DIR "/tests/integration/golden/") + name + ".mr5p", graphs, data,
                     tables.NewSoil);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_TRUE(hasDrawableCurve(graphs.pltDef));
  }
}

}  // namespace
}  // namespace murena
