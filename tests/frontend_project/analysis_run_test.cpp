// The analysis run: saving first, the checks before the engine is called, the
// private working folder with its run-control file, the engine library, the
// messages and loading of the results.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/soil_types.h"
#include "frontend/project/analysis_run.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/project_commands.h"
#include "frontend/project/run_checks.h"
#include "tests/frontend_project/fake_command_host.h"
#include "tests/frontend_project/sample_project.h"
#include "tests/frontend_project/temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeCommandHost;
using testing_support::Notice;
using testing_support::readText;
using testing_support::setLayer;
using testing_support::TempFolder;

class AnalysisRunTest : public ::testing::Test {
 protected:
  AnalysisRunTest() : startFolder_(fs::current_path()) {}
  ~AnalysisRunTest() override {
    std::error_code ignored;
    fs::current_path(startFolder_, ignored);
  }

  // The cantilever example, copied and opened.
  void openExample(const char* name = "cantilever_sand_english") {
    const fs::path file = folder.path() / (std::string(name) + ".mr5d");
    fs::copy_file(fs::path(MURENA_SOURCE_DIR) / "examples" / (std::string(name) + ".mr5d"), file);
    ASSERT_TRUE(commands.openFile(file.string(), kLayoutCurrent, false));
    host.notices.clear();
  }
  std::string dataFile() const { return project.data().FileName; }
  std::string besideData(const char* extension) const { return fs::path(dataFile()).replace_extension(extension); }

  TempFolder folder;
  TProjectTables tables;
  TProject project{tables};
  FakeCommandHost host;
  TProjectCommands commands{project, host};
  TAnalysisRun run{commands, host};
  fs::path startFolder_;
};

TEST_F(AnalysisRunTest, NeverSavedProjectWhoseSaveAsIsCancelledStopsSilently) {
  EXPECT_EQ(run.run(), RunOutcome::NotSaved);
  EXPECT_EQ(host.saveTitles, std::vector<std::string>{"Save NewWall.mr5d As"});
  EXPECT_TRUE(host.notices.empty());
  EXPECT_TRUE(host.engineCalls.empty());
}

TEST_F(AnalysisRunTest, SavesUnderTheChosenNameWithTheDataFileExtensionBeforeRunning) {
  GridTable& sections = tables.PileSect;
  project.data().NodeCount = 80;
  sections.setInteger(col::kSectTo, 0, 80);
  host.saveNames.push_back((folder.path() / "typed without extension").string());
  EXPECT_EQ(run.run(), RunOutcome::Completed);
  EXPECT_EQ(dataFile(), (folder.path() / "typed without extension.mr5d").string());
  EXPECT_TRUE(fs::exists(dataFile()));
  ASSERT_EQ(host.engineCalls.size(), 1u);
}

TEST_F(AnalysisRunTest, NodeBeyondTheWallStopsBeforeTheEngineAndKeepsTheSavedFile) {
  openExample();
  GridTable& sections = tables.PileSect;
  project.data().NodeCount = 80;
  sections.setRowCount(2);
  sections.setInteger(col::kSectFrom, 1, 60);
  sections.setInteger(col::kSectTo, 1, 90);
  EXPECT_EQ(run.run(), RunOutcome::CheckFailed);
  EXPECT_EQ(host.notices, (std::vector<Notice>{{NoticeKind::Warning,
                                                "End Node, 90 in row 2 of Wall Stiffness definition\n"
                                                "is greater than number of nodes defined, 80.\n"
                                                "Please check on Wall Properties Windows and Wall Stiffness Table"}}));
  EXPECT_TRUE(host.engineCalls.empty());
  EXPECT_FALSE(project.isModified());
  EXPECT_NE(readText(dataFile()).find("\r\n80 "), std::string::npos);
}

// Messages of the checks before a run, first failure wins.
TEST(RunChecksTest, MessagesOfTheChecks) {
  struct Case {
    const char* name;
    int nodes;
    int from2, to2;
    double slope;
    int soil;
    double phi;
    std::string message;
  };
  const Case cases[] = {
      {"from node", 50, 51, 55, 0, kSand, 30,
       "Initial Node, 51 in row 2 of Wall Stiffness definition\nis greater than number of nodes defined, 50.\n"
       "Please check on Wall Properties Windows and Wall Stiffness Table"},
      {"nodes within the wall", 60, 10, 60, 0, kSand, 30, ""},
      {"sand below slope", 60, 10, 60, 35, kSand, 30,
       "Slope of the Backfill: 35 deg.\nis greater than friction angle, 30 deg.,\nin layer 2\n"
       "Please check on Wall Configuration and Soil Layers Windows"},
      {"silt below slope", 60, 10, 60, 35.5, kSilt, 30.25,
       "Slope of the Backfill: 35.5\nis greater than friction angle, 30.25,\nin layer 2\nPlease check Soil Layers"},
      {"equal angle passes", 60, 10, 60, 30, kSand, 30, ""},
      {"clay exempt", 60, 10, 60, 35, kSoftClay, 0, ""},
      {"rock exempt", 60, 10, 60, 35, kWeakRock, 0, ""},
      {"flat backfill skips the check", 60, 10, 60, 0, kSilt, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TProjectTables tables;
    TProject project(tables);
    project.data().NodeCount = c.nodes;
    project.data().BackfillSlope = c.slope;
    tables.PileSect.setRowCount(2);
    tables.PileSect.setInteger(col::kSectTo, 0, 10);
    tables.PileSect.setInteger(col::kSectFrom, 1, c.from2);
    tables.PileSect.setInteger(col::kSectTo, 1, c.to2);
    tables.NewSoil.setRowCount(2);
    testing_support::setLayer(tables.NewSoil, 0, kSoftClay, 10);
    GridTable& second = setLayer(tables.NewSoil, 1, c.soil, 20);
    if (c.soil == kSand || c.soil == kSilt) {
      second.setReal(1, 0, c.phi);
      second.setReal(1, 1, 45);  // only the top of the layer counts
    }
    EXPECT_EQ(checkBeforeRun(project.data(), tables), c.message);
  }
}

// A soil row that does not go deeper, followed by a deeper one, stops the run
// with the engine's wording, but only while the engine reads the soil layers.
TEST(RunChecksTest, SoilRowsOutOfOrder) {
  TProjectTables tables;
  TProject project(tables);
  project.data().NodeCount = 60;
  tables.PileSect.setInteger(col::kSectTo, 0, 60);
  tables.NewSoil.setRowCount(3);
  testing_support::setLayer(tables.NewSoil, 0, kSand, 20);
  testing_support::setLayer(tables.NewSoil, 1, kSand, 20);
  testing_support::setLayer(tables.NewSoil, 2, kSand, 40);
  project.data().EarthPressureCode = 2;
  EXPECT_EQ(checkBeforeRun(project.data(), tables),
            "SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 FT), BUT A DEEPER LAYER "
            "FOLLOWS");
  project.data().EarthPressureCode = 1;
  project.data().PYCurveCode = 1;
  EXPECT_EQ(checkBeforeRun(project.data(), tables), "");
}

TEST_F(AnalysisRunTest, SlopeCheckStopsTheRunWithAWarning) {
  openExample();
  project.data().BackfillSlope = 35;
  EXPECT_EQ(run.run(), RunOutcome::CheckFailed);
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].kind, NoticeKind::Warning);
  EXPECT_EQ(host.notices[0].text.rfind("Slope of the Backfill: 35 deg.\nis greater than friction angle, 32 deg.,", 0),
            0u);
  EXPECT_TRUE(host.engineCalls.empty());
}

TEST_F(AnalysisRunTest, EngineRunsInAPrivateFolderThatIsRemovedAfterwards) {
  openExample();
  host.engineBody = [&](int) {
    std::ofstream(besideData(".mr5o")) << "report";
    std::ofstream(besideData(".mr5p")) << "plot";
    return 0;
  };
  EXPECT_EQ(run.run(), RunOutcome::Completed);
  ASSERT_EQ(host.engineCalls.size(), 1u);
  const auto& call = host.engineCalls[0];
  EXPECT_EQ(call.interfaceNumber, 12);
  EXPECT_TRUE(call.waitCursorOn);
  EXPECT_EQ(host.waitCursorDepth, 0);
  EXPECT_NE(call.currentDirectory, folder.path());
  EXPECT_NE(call.currentDirectory, startFolder_);
  EXPECT_FALSE(fs::exists(call.currentDirectory)) << "the working folder and its scratch files are removed";
  // The opened file's folder is the current directory again.
  EXPECT_EQ(fs::current_path(), folder.path());
  const std::string stem = fs::path(dataFile()).replace_extension().string();
  EXPECT_EQ(call.runControlText, "2015.5.12\r\n\r\n\r\n0\r\n" + dataFile() + "\r\n" + stem + ".mr5o\r\n" + stem +
                                     ".mr5p\r\n" + stem + ".mr5r\r\n");
  EXPECT_EQ(host.noticeTexts(), std::vector<std::string>{kRunCompletedMessage});
  EXPECT_EQ(host.loadedPlots, std::vector<std::string>{besideData(".mr5p")});
  EXPECT_EQ(host.loadReportsErrors, std::vector<bool>{true}) << "after a run a bad plot file is told";
  EXPECT_TRUE(commands.resultsLoaded());
  EXPECT_GE(host.childWindowCloses, 1);
  EXPECT_EQ(host.engineUnloads, 1);
  for (const char* scratch : {"NAMES.dat", "KESTRA.001", "SOILDATA", "debug.dat"})
    EXPECT_FALSE(fs::exists(folder.path() / scratch)) << scratch;
}

TEST_F(AnalysisRunTest, StaleResultsOfAnEarlierRunAreNotTakenForNewOnes) {
  openExample();
  std::ofstream(besideData(".mr5p")) << "old plot";
  commands.setResultsLoaded(true);
  EXPECT_EQ(run.run(), RunOutcome::Completed);  // the engine writes nothing
  EXPECT_TRUE(host.loadedPlots.empty());
  EXPECT_FALSE(fs::exists(besideData(".mr5p")));
  EXPECT_FALSE(commands.resultsLoaded());
}

TEST_F(AnalysisRunTest, RefusedInterfaceNumberTellsToReinstallAndReadsNoResults) {
  openExample();
  host.engineBody = [&](int) {
    std::ofstream(besideData(".mr5p")) << "plot";
    return 1;
  };
  EXPECT_EQ(run.run(), RunOutcome::Refused);
  EXPECT_EQ(host.noticeTexts(), std::vector<std::string>{inconsistentEngineMessage()});
  EXPECT_EQ(inconsistentEngineMessage().rfind(
                "Computations can not be performed. Executable files are not consistent.\n"
                "You may need to reinstall the program.\nIf problem persist please contact KALDOR support at\n",
                0),
            0u);
  EXPECT_TRUE(host.loadedPlots.empty());
}

TEST_F(AnalysisRunTest, LibraryThatCannotBeLoadedGivesOneMessageAndNoCall) {
  openExample();
  for (const std::string& library :
       {std::string("/nonexistent/Murena2015_DLL.so"), (folder.path() / "not-a-library.so").string(),
        std::string("libm.so.6")}) {
    SCOPED_TRACE(library);
    std::ofstream(folder.path() / "not-a-library.so") << "text, not a library";
    host.useRealEngine = true;
    host.libraryPath = library;
    host.notices.clear();
    EXPECT_EQ(run.run(), RunOutcome::LibraryFailed);
    EXPECT_EQ(host.notices, (std::vector<Notice>{{NoticeKind::Information, "Attempt to initialize DLL failed"}}));
    EXPECT_EQ(host.waitCursorDepth, 0);
  }
}

TEST_F(AnalysisRunTest, RealEngineRunsEveryExample) {
  host.useRealEngine = true;
  host.libraryPath = MURENA_BIN_DIR "/Murena2015_DLL.so";
  for (const auto& entry : fs::directory_iterator(fs::path(MURENA_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".mr5d") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path copy = folder.path() / entry.path().filename();
    fs::copy_file(entry.path(), copy);
    ASSERT_TRUE(commands.openFile(copy.string(), kLayoutCurrent, false));
    host.notices.clear();
    host.loadedPlots.clear();
    EXPECT_EQ(run.run(), RunOutcome::Completed);
    EXPECT_EQ(host.noticeTexts(), std::vector<std::string>{kRunCompletedMessage});
    EXPECT_EQ(host.loadedPlots, std::vector<std::string>{besideData(".mr5p")});
    EXPECT_NE(readText(besideData(".mr5o")).find("END OF ANALYSIS"), std::string::npos);
  }
}

}  // namespace
}  // namespace murena
