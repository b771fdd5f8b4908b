// The file commands of the main window without a window: settling unsaved
// changes, Open, Save As, recent files, option switches and stages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/project_commands.h"
#include "tests/frontend_project/fake_command_host.h"
#include "tests/frontend_project/temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeCommandHost;
using testing_support::Notice;
using testing_support::TempFolder;

class ProjectCommandsTest : public ::testing::Test {
 protected:
  ProjectCommandsTest() : startFolder_(fs::current_path()) {}
  ~ProjectCommandsTest() override {
    std::error_code ignored;
    fs::current_path(startFolder_, ignored);
  }
  std::string example(const char* name) {
    const fs::path file = folder.path() / (std::string(name) + ".mr5d");
    if (!fs::exists(file))
      fs::copy_file(fs::path(MURENA_SOURCE_DIR) / "examples" / (std::string(name) + ".mr5d"), file);
    return file.string();
  }

  TempFolder folder;
  TProjectTables tables;
  TProject project{tables};
  FakeCommandHost host;
  TProjectCommands commands{project, host};
  fs::path startFolder_;
};

TEST_F(ProjectCommandsTest, OpeningAFileAnnouncesItAndLoadsItsResultsQuietly) {
  const std::string file = example("soldier_pile_silt_si");
  std::ofstream(fs::path(file).replace_extension(".mr5p")) << "plot";
  host.resultsLoad = true;
  ASSERT_TRUE(commands.openFile(file, kLayoutCurrent, true));
  EXPECT_EQ(host.noticeTexts(),
            std::vector<std::string>{"Data file: Soldier_pile_silt_si.mr5d, has been read by MURENA 2015"});
  EXPECT_EQ(host.loadedPlots.size(), 1u);
  EXPECT_EQ(host.loadReportsErrors, std::vector<bool>{false}) << "opening reads the results silently";
  EXPECT_TRUE(commands.resultsLoaded());
  EXPECT_EQ(fs::current_path(), folder.path());
  EXPECT_EQ(commands.recentFiles().entries(), std::vector<std::string>{file});
  EXPECT_EQ(commands.recentMenuTexts(), std::vector<std::string>{"1 soldier_pile_silt_si.mr5d"});
  EXPECT_GE(host.childWindowCloses, 1);

  // The plot file disappears: the results no longer count.
  fs::remove(fs::path(file).replace_extension(".mr5p"));
  EXPECT_FALSE(commands.resultsLoaded());
}

TEST_F(ProjectCommandsTest, AMissingFileKeepsTheCurrentProject) {
  project.data().Title = "Kept";
  EXPECT_FALSE(commands.openFile((folder.path() / "gone.mr5d").string(), kLayoutCurrent, true));
  EXPECT_EQ(project.data().Title, "Kept");
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].text, cannotOpenFileMessage((folder.path() / "gone.mr5d").string()));
}

TEST_F(ProjectCommandsTest, SettlingChangesYesNoCancel) {
  // Unmodified: no question.
  EXPECT_TRUE(commands.settleChanges());
  EXPECT_TRUE(host.questions.empty());

  project.setModified();
  host.choices = {Choice::Cancel};
  EXPECT_FALSE(commands.settleChanges());
  EXPECT_EQ(host.questions, std::vector<std::string>{"Do you want to save any changes?"});

  host.choices = {Choice::No};
  EXPECT_TRUE(commands.settleChanges());

  // Yes on a never-saved project, Save As cancelled: the command stops and
  // the project stays as it is.
  project.data().Title = "Unsaved work";
  host.choices = {Choice::Yes};
  commands.newProject();
  EXPECT_EQ(project.data().Title, "Unsaved work");
  EXPECT_TRUE(project.isModified());

  // Yes and a name: saved, then the new project.
  host.choices = {Choice::Yes};
  host.saveNames = {(folder.path() / "kept.mr5d").string()};
  commands.newProject();
  EXPECT_TRUE(fs::exists(folder.path() / "kept.mr5d"));
  EXPECT_EQ(project.data().Title, "New Wall");
  EXPECT_FALSE(project.isModified());
}

TEST_F(ProjectCommandsTest, SaveAsStartsFromTheDataFileNameAndAddsTheExtension) {
  const std::string older = (folder.path() / "old.mr4d").string();
  fs::copy_file(example("cantilever_sand_english"), older);
  ASSERT_TRUE(commands.openFile(older, layoutForExtension(older), false));
  host.saveNames = {(folder.path() / "renamed").string()};
  EXPECT_TRUE(commands.save());  // an older layout always goes through Save As
  EXPECT_EQ(host.saveTitles, std::vector<std::string>{"Save Old.mr4d As"});
  EXPECT_EQ(host.saveStarts, std::vector<std::string>{(folder.path() / "old.mr5d").string()});
  EXPECT_EQ(project.data().FileName, (folder.path() / "renamed.mr5d").string());
  EXPECT_EQ(commands.recentFiles().at(0), project.data().FileName);

  // A name with an extension of its own keeps it.
  EXPECT_EQ(withDataFileExtension("/a/b.txt"), "/a/b.txt");
  EXPECT_EQ(withDataFileExtension("/a.d/b"), "/a.d/b.mr5d");
}

TEST_F(ProjectCommandsTest, AFailedWriteIsReportedAndDoesNotCountAsSaved) {
  const std::string file = example("cantilever_sand_english");
  ASSERT_TRUE(commands.openFile(file, kLayoutCurrent, false));
  project.setModified();
  host.notices.clear();
  host.choices = {Choice::Yes};
  {
    testing_support::FileSizeLimit diskFull(64);
    commands.newProject();
  }
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0].kind, NoticeKind::Error);
  EXPECT_EQ(project.data().FileName, file) << "the project is kept";
}

TEST_F(ProjectCommandsTest, StartupArgumentWithoutADotMeansAnOlderFile) {
  EXPECT_EQ(startupFilePath("wall"), "wall.mr4d");
  EXPECT_EQ(startupFilePath("/home/me/projects.v2/wall"), "/home/me/projects.v2/wall.mr4d");
  EXPECT_EQ(startupFilePath("wall.mr5d"), "wall.mr5d");
  fs::copy_file(example("cantilever_sand_english"), folder.path() / "wall.mr4d");
  commands.openAtStartup((folder.path() / "wall").string());
  EXPECT_EQ(project.data().FileName, (folder.path() / "wall.mr4d").string());
  for (const std::string& text : host.noticeTexts())
    EXPECT_EQ(text.find("has been read"), std::string::npos) << "no announcement at start-up";
}

TEST_F(ProjectCommandsTest, SwitchingAnOptionOffClosesItsTableEditor) {
  struct Case {
    Command option;
    GridTable* table;
  };
  const Case cases[] = {
      {Command::OptConcentratedLoads, &tables.BoundCond}, {Command::OptRestraints, &tables.SoilLayer},
      {Command::OptPYCurves, &tables.PYCurves2},          {Command::OptEICurves, &tables.MEICurves2},
      {Command::OptSprings, &tables.SoilStrength},        {Command::OptPYModifiers, &tables.PYMod},
      {Command::OptSurcharge, &tables.SurchargeTable},    {Command::OptTiebacks, nullptr},
  };
  for (const Case& c : cases) {
    host.closedEditors.clear();
    commands.toggleOption(c.option);  // on
    EXPECT_TRUE(host.closedEditors.empty());
    commands.toggleOption(c.option);  // off
    const std::vector<const GridTable*> expected = c.table ? std::vector<const GridTable*>{c.table}
                                                           : std::vector<const GridTable*>{};
    EXPECT_EQ(host.closedEditors, expected);
  }
  EXPECT_TRUE(project.isModified());

  // Open dialogs write back before a switch and show it after.
  host.reloads = 0;
  commands.toggleOption(Command::OptSprings);
  EXPECT_TRUE(project.data().ApplySprings);
  EXPECT_EQ(host.reloads, 1);
  // A dialog holding an invalid entry keeps the focus: no switch.
  host.commitSucceeds = false;
  commands.toggleOption(Command::OptSprings);
  EXPECT_TRUE(project.data().ApplySprings);
}

TEST_F(ProjectCommandsTest, RowsOfASwitchedOffOptionStayUntilTheNextSave) {
  GridTable& surcharge = tables.SurchargeTable;
  commands.toggleOption(Command::OptSurcharge);  // on
  surcharge.setRowCount(3);
  commands.toggleOption(Command::OptSurcharge);  // off
  commands.toggleOption(Command::OptSurcharge);  // on again before a save
  EXPECT_EQ(surcharge.rowCount(), 3);
  commands.toggleOption(Command::OptSurcharge);  // off
  host.saveNames = {(folder.path() / "surcharge.mr5d").string()};
  ASSERT_TRUE(commands.save());
  commands.toggleOption(Command::OptSurcharge);  // on after the save
  EXPECT_EQ(surcharge.rowCount(), 0);
}

TEST_F(ProjectCommandsTest, LongTermAndStagesExcludeEachOther) {
  host.saveNames = {(folder.path() / "staged.mr5d").string()};
  ASSERT_TRUE(commands.saveAs());
  commands.setStageCount(3);
  EXPECT_EQ(project.data().StageCount, 3);
  commands.toggleOption(Command::OptLongTerm);
  EXPECT_FALSE(project.data().LongTermAnalysis);
  commands.setStageCount(1);
  commands.toggleOption(Command::OptLongTerm);
  EXPECT_TRUE(project.data().LongTermAnalysis);
  commands.setStageCount(2);
  EXPECT_EQ(project.data().StageCount, 1);
}

TEST_F(ProjectCommandsTest, EarthPressureOptionKeepsTheUserFlagInStep) {
  project.data().EarthPressureOption = 0;
  commands.earthPressureMenuOpened();
  EXPECT_EQ(project.data().EarthPressureOption, 1);
  EXPECT_TRUE(project.data().UserEarthPressure);
  commands.setEarthPressureOption(3);
  EXPECT_FALSE(project.data().UserEarthPressure);
  commands.setEarthPressureOption(1);
  EXPECT_TRUE(project.data().UserEarthPressure);
}

TEST_F(ProjectCommandsTest, StageCommandsCloseTableEditorsAndKeepEditsPerStage) {
  host.saveNames = {(folder.path() / "stages.mr5d").string()};
  ASSERT_TRUE(commands.saveAs());
  host.tableEditorCloses = 0;
  commands.setStageCount(3);
  EXPECT_TRUE(fs::exists(folder.path() / "stages.st3"));
  EXPECT_EQ(host.tableEditorCloses, 1);
  commands.setStageCount(3);  // OK without a new count
  EXPECT_EQ(host.tableEditorCloses, 1);
  project.data().NodeCount = 42;
  host.tableEditorCloses = 0;
  commands.switchToStage(2);
  EXPECT_EQ(host.tableEditorCloses, 1);
  EXPECT_EQ(project.data().CurrentStage, 2);
  EXPECT_EQ(project.data().NodeCount, 0);
  commands.switchToStage(2);  // the stage shown: nothing happens
  EXPECT_EQ(host.tableEditorCloses, 1);
  commands.switchToStage(1);
  EXPECT_EQ(project.data().NodeCount, 42);

  commands.switchToStage(3);
  host.choices = {Choice::No};
  commands.copyPreviousStage();
  EXPECT_EQ(host.questions.back(), "Do you want to copy all information from Stage 2 to Stage 3");
  EXPECT_EQ(project.data().NodeCount, 0);
  host.choices = {Choice::Yes};
  commands.switchToStage(2);
  commands.switchToStage(1);
  commands.switchToStage(2);
  project.data().NodeCount = 7;
  commands.updateCurrentStage();
  commands.switchToStage(3);
  host.choices = {Choice::Yes};
  commands.copyPreviousStage();
  EXPECT_EQ(project.data().NodeCount, 7);
  EXPECT_EQ(project.data().CurrentStage, 3);
}

TEST_F(ProjectCommandsTest, TextFilesOfTheEditorCommands) {
  const std::string file = example("cantilever_sand_english");
  ASSERT_TRUE(commands.openFile(file, kLayoutCurrent, false));
  const std::string stem = fs::path(file).replace_extension().string();
  EXPECT_EQ(commands.textFileOf(Command::CompEditInput), file);
  EXPECT_EQ(commands.textFileOf(Command::CompEditNotes), stem + ".mr5r");
  EXPECT_EQ(commands.textFileOf(Command::CompEditOutput), stem + ".mr5o");
  EXPECT_EQ(commands.textFileOf(Command::ToolViewOutput), stem + ".mr5o");
}

}  // namespace
}  // namespace murena
