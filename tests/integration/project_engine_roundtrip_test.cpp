// Projects written by the front end's project layer, run through the engine
// library: the engine must read every file the writer writes and analyse it
// to the end without an input error.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/soil_types.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/project.h"
#include "frontend/project/soil_rows_check.h"
#include "frontend/project/stage_file_names.h"
#include "tests/frontend_project/sample_project.h"
#include "tests/frontend_project/temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using Entry = std::int32_t (*)(std::int32_t);
using testing_support::setLayer;

class ProjectEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    project.data().FileName = (dir_ / "Wall.mr5d").string();
  }
  void TearDown() override { fs::current_path(previous_); }

  // Saves the project, runs the engine on it as the front end does and
  // returns the report.
  std::string saveAndRun() {
    project.save();
    const std::string data = project.data().FileName;
    testing_support::writeNamesFile(dir_, data, "2015.5.12", "\r\n");
    fs::current_path(dir_);
    void* handle = dlopen(MURENA_BIN_DIR "/Murena2015_DLL.so", RTLD_NOW | RTLD_LOCAL);
    EXPECT_NE(handle, nullptr) << dlerror();
    if (handle == nullptr) return {};
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "_IMURENA"));
    EXPECT_NE(entry, nullptr);
    if (entry) {
      EXPECT_EQ(entry(12), 0);
    }
    dlclose(handle);
    fs::current_path(previous_);
    std::string report = testing_support::readText(withExtension(data, ".mr5o"));
    if (const char* keep = std::getenv("MURENA_KEEP_REPORT")) std::ofstream(keep, std::ios::binary) << report;
    return report;
  }

  static void expectCleanReport(const std::string& report) {
    EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos) << report;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) EXPECT_NE(line.rfind("     ERROR", 0), 0u) << line;
  }

  // A sheet-pile wall 30 ft long with 12 ft exposed, in English units.
  void englishCantilever() {
    TProgramData& d = project.data();
    d.Title = "Cantilever wall written by the project layer";
    d.NodeCount = 60;
    d.IncrementLength = 6;
    d.MaxDeflection = 10;
    d.FreeHeight = 144;
    d.ActiveWidth = 12;
    d.PYWidth = 12;
    d.WaterDepthBackfill = 48;
    d.WaterDepthExcavation = 120;
    tables().PileSect.setInteger(col::kSectFrom, 0, 0);
    tables().PileSect.setInteger(col::kSectTo, 0, 60);
    tables().PileSect.setReal(col::kSectEI, 0, 5.3e9);
    GridTable& soil = tables().NewSoil;
    soil.setRowCount(2);
    const double depths[] = {8, 40}, weights[] = {110, 125}, angles[] = {30, 36}, ks[] = {25, 90};
    for (int r = 0; r < 2; ++r) setLayer(soil, r, kSand, depths[r], {weights[r], angles[r], ks[r]});
  }

  // User pressure and user p-y curves: no soil data in the file.
  void userPressureAndCurves() {
    testing_support::chooseUserPressureAndCurves(project.data());
    GridTable& dist = tables().DistLoad;
    dist.setRowCount(3);
    const double depth[] = {0, 12, 30}, load[] = {0, 300, 0};  // ft, lbs/ft
    for (int r = 0; r < 3; ++r) {
      dist.setReal(col::kDistDepth, r, depth[r]);
      dist.setReal(col::kDistLoad, r, load[r]);
    }
    GridTable& sets = tables().PYCurves2;
    const int nodes[] = {24, 36, 48, 60};
    sets.setRowCount(4);
    for (int r = 0; r < 4; ++r) {
      sets.setInteger(col::kSetNode, r, nodes[r]);
      GridTable* curve = sets.subTable(col::kSetCurve, r);
      const double y[] = {-1.5, -0.45, -0.15, 0, 0.15, 0.45, 1.5};
      const double p[] = {400, 360, 200, 0, -200, -360, -400};
      curve->setRowCount(7);
      for (int i = 0; i < 7; ++i) {
        curve->setReal(col::kCurveY, i, y[i]);
        curve->setReal(col::kCurveP, i, p[i] * (r + 1));
      }
    }
  }

  TProjectTables& tables() { return tables_; }

  testing_support::TempFolder folder_;
  fs::path dir_ = folder_.path();
  TProjectTables tables_;
  TProject project{tables_};
  fs::path previous_;
};

TEST_F(ProjectEngineTest, GeneratedPressureAndCurvesInEnglishUnits) {
  englishCantilever();
  expectCleanReport(saveAndRun());
}

TEST_F(ProjectEngineTest, UserPressureAndUserCurves) {
  englishCantilever();
  userPressureAndCurves();
  expectCleanReport(saveAndRun());
}

TEST_F(ProjectEngineTest, AnchoredWallInSiUnitsWithTiebackAndSurcharge) {
  project.setUnitSystem(2);
  TProgramData& d = project.data();
  d.Title = "Anchored wall in SI units";
  d.NodeCount = 80;
  d.IncrementLength = 0.125;
  d.MaxDeflection = 0.5;
  d.DeflectionTolerance = 1e-6;
  d.FreeHeight = 6;
  d.ActiveWidth = 1;
  d.PYWidth = 1;
  d.WaterDepthBackfill = 2.5;
  d.WaterDepthExcavation = 7;
  d.EarthPressureOption = 3;
  d.ApplyTiebacks = true;
  d.ApplySurcharge = true;
  tables().PileSect.setInteger(col::kSectTo, 0, 80);
  tables().PileSect.setReal(col::kSectEI, 0, 116571);
  tables().TiebackTable1.setRowCount(1);
  const double tieback[] = {1.5, 500, 2e8, 6, 15, 2.5, 150};  // area in mm^2
  for (int c = 0; c < 7; ++c) tables().TiebackTable1.setReal(c, 0, tieback[c]);
  GridTable& s = tables().SurchargeTable;
  s.setInteger(col::kSurchargeType, 0, 2);  // line load
  s.setReal(col::kSurchargeMagnitude, 0, 15);
  s.setReal(col::kSurchargeDistance, 0, 1500);  // mm
  GridTable& soil = tables().NewSoil;
  soil.setRowCount(2);
  setLayer(soil, 0, kSand, 4, {18, 32, 20000});
  setLayer(soil, 1, kStiffClayNoFreeWater, 15, {19, 30, 0.007, 100000});
  expectCleanReport(saveAndRun());
}

TEST_F(ProjectEngineTest, ShortAndLongTermAnalysis) {
  englishCantilever();
  project.data().LongTermAnalysis = true;
  tables().LongSoil.setRowCount(1);
  setLayer(tables().LongSoil, 0, kSand, 40, {115, 30, 25});
  expectCleanReport(saveAndRun());
}

// The check before a run and the engine name a misplaced soil row alike.
TEST_F(ProjectEngineTest, SoilRowsCheckGivesTheEnginesMessage) {
  englishCantilever();
  GridTable& soil = tables().NewSoil;
  soil.setRowCount(4);
  setLayer(soil, 1, kSand, 25.3333333, {110, 30, 25});
  setLayer(soil, 2, kSand, 25.3333333, {110, 30, 25});
  setLayer(soil, 3, kSand, 40, {125, 36, 90});
  const std::string message = soilRowsMessage(project.data(), tables());
  ASSERT_EQ(message,
            "SOIL LAYER 3 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 25.33 FT), BUT A DEEPER LAYER FOLLOWS");
  EXPECT_NE(saveAndRun().find("\n     ERROR -- " + message + "\n"), std::string::npos);
}

TEST_F(ProjectEngineTest, SoilRowsCheckNamesTheLongTermTable) {
  englishCantilever();
  project.data().LongTermAnalysis = true;
  tables().LongSoil.setRowCount(3);
  setLayer(tables().LongSoil, 0, kSand, 20, {115, 30, 25});
  setLayer(tables().LongSoil, 2, kSand, 40, {115, 30, 25});  // row 2 left at depth 0
  const std::string message = soilRowsMessage(project.data(), tables());
  ASSERT_EQ(message.rfind("LONG-TERM SOIL LAYER 2 ", 0), 0u) << message;
  EXPECT_NE(saveAndRun().find("\n     ERROR -- " + message + "\n"), std::string::npos);
}

TEST_F(ProjectEngineTest, UnfilledLastSoilRowStillRuns) {
  englishCantilever();
  tables().NewSoil.setRowCount(3);  // the new row keeps depth 0
  EXPECT_EQ(soilRowsMessage(project.data(), tables()), "");
  expectCleanReport(saveAndRun());
}

TEST_F(ProjectEngineTest, TwoConstructionStages) {
  englishCantilever();
  project.setStageCount(2);
  project.switchToStage(2);
  project.data().FreeHeight = 168;
  const std::string report = saveAndRun();
  expectCleanReport(report);
  EXPECT_TRUE(fs::exists(stageFileName(project.data().FileName, 2)));
}

}  // namespace
}  // namespace murena
