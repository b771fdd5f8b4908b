// Run Analysis from the main window with the engine library of the build:
// every example, the checks before a run, a missing library, staged
// construction, and the text-editor commands.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <fstream>

#include "common/soil_types.h"
#include "frontend/project/analysis_run.h"
#include "frontend/project/command_state.h"
#include "frontend/project/text_editor_launch.h"
#include "frontend/project/ui/staged_dialog.h"
#include "tests/gui_main/main_window_fixture.h"

namespace murena::testing_support {
namespace {

namespace fs = std::filesystem;
using C = Command;

TEST_F(MainWindowTest, EveryExampleRunsAndEnablesItsResults) {
  MainWindow& w = open();
  for (const auto& entry : fs::directory_iterator(fs::path(MURENA_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".mr5d") continue;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    openWithDialog(example(name));
    EXPECT_FALSE(w.resultsLoaded()) << "no results before the first run";
    EXPECT_FALSE(enabled(C::ToolDeflection));
    messages.clear();
    trigger(C::ToolRun);
    EXPECT_EQ(messages, std::vector<std::string>{kRunCompletedMessage});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor is gone";
    EXPECT_TRUE(w.resultsLoaded());
    for (C c : {C::GraphDeflection, C::GraphMoment, C::GraphShear, C::GraphReaction, C::GraphDMS, C::ToolDMS,
                C::GraphCombined, C::GraphExport, C::CompWallGeometry, C::CompEditOutput, C::CompEditNotes,
                C::ToolViewOutput})
      EXPECT_TRUE(enabled(c)) << w.action(c)->text().toStdString();
    EXPECT_EQ(enabled(C::GraphPY), hasDrawableCurve(w.graphs().pltPY));
    EXPECT_TRUE(hasDrawableCurve(w.graphs().pltDef));
    for (const char* scratch : {"NAMES.dat", "KESTRA.001", "SOILDATA", "debug.dat"})
      EXPECT_FALSE(fs::exists(folder.path() / scratch)) << scratch;
  }
}

TEST_F(MainWindowTest, NeverSavedProjectRunsAfterSaveAsAndStopsSilentlyWhenCancelled) {
  open();
  files = {""};
  trigger(C::CompRun);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(fileDialogs, std::vector<std::string>{"Save NewWall.mr5d As"});
}

TEST_F(MainWindowTest, ChecksBeforeARunStopTheEngine) {
  MainWindow& w = open();
  openWithDialog(example("cantilever_sand_english"));
  const std::string report = beside(fileName(), ".mr5o");
  GridTable& sections = w.project().tables().PileSect;
  w.project().data().NodeCount = 50;
  sections.setInteger(col::kSectTo, 0, 90);
  messages.clear();
  trigger(C::CompRun);
  EXPECT_EQ(messages, std::vector<std::string>{"End Node, 90 in row 1 of Wall Stiffness definition\n"
                                               "is greater than number of nodes defined, 50.\n"
                                               "Please check on Wall Properties Windows and Wall Stiffness Table"});
  EXPECT_FALSE(fs::exists(report));

  w.project().data().NodeCount = 90;
  w.project().data().BackfillSlope = 35;
  messages.clear();
  trigger(C::CompRun);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Slope of the Backfill: 35 deg.\nis greater than friction angle, 32 deg.,\nin layer 1\n"
            "Please check on Wall Configuration and Soil Layers Windows");
  EXPECT_FALSE(fs::exists(report));

  GridTable& soil = w.project().tables().NewSoil;
  soil.setInteger(col::kSoilType, 0, kSilt);
  soil.subTable(col::kSoilParameters, 0)->setReal(1, 0, 30.5);
  messages.clear();
  trigger(C::CompRun);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Slope of the Backfill: 35\nis greater than friction angle, 30.5,\nin layer 1\nPlease check Soil Layers");
  EXPECT_FALSE(fs::exists(report));
}

TEST_F(MainWindowTest, MissingEngineLibraryGivesOneMessage) {
  MainWindow& w = open();
  openWithDialog(example("soldier_pile_silt_si"));
  w.setEngineLibrary(QString::fromStdString((folder.path() / "Murena2015_DLL.so").string()));
  messages.clear();
  trigger(C::CompRun);
  EXPECT_EQ(messages, std::vector<std::string>{"Attempt to initialize DLL failed"});
  EXPECT_FALSE(fs::exists(beside(fileName(), ".mr5o")));
  EXPECT_FALSE(w.resultsLoaded());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Answers the staged-construction dialog when it opens.
void answerStagedDialog(int stages) {
  QTimer::singleShot(0, [stages] {
    auto* dialog = qobject_cast<TDlgStaged*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Staged Construction Options"));
    dialog->stagedBox()->setChecked(stages > 1);
    if (stages > 1) {
      EXPECT_EQ(dialog->countField()->value(), 2) << "ticking starts at two stages";
      for (int i = 2; i < stages; ++i) dialog->countField()->stepUp();
    }
    dialog->accept();
  });
}

TEST_F(MainWindowTest, StagedProjectFromOneToThreeStagesSavedReopenedAndRun) {
  MainWindow& w = open();
  openWithDialog(example("cantilever_sand_english", "staged.mr5d"));
  const std::string file = fileName();
  answerStagedDialog(3);
  trigger(C::ToolStaged);
  EXPECT_EQ(w.project().data().StageCount, 3);
  EXPECT_EQ(w.stageLabel()->text(), QStringLiteral("Construction Stage Number: 1"));
  EXPECT_TRUE(w.menu(MainMenu::Stage)->menuAction()->isVisible());
  EXPECT_FALSE(enabled(C::OptLongTerm));
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(w.action(stageToolCommand(n))->isVisible());
    EXPECT_EQ(w.action(stageToolCommand(n))->isEnabled(), n <= 3);
    EXPECT_EQ(w.action(stageToolCommand(n))->isChecked(), n == 1);
    EXPECT_EQ(fs::exists(beside(file, (".st" + std::to_string(n)).c_str())), n <= 3);
  }
  EXPECT_FALSE(enabled(C::StageCopyPrevious));

  // Stage 2 gets a deeper excavation; stage 3 copies it.
  trigger(C::ToolStage2);
  EXPECT_EQ(w.stageLabel()->text(), QStringLiteral("Construction Stage Number: 2"));
  EXPECT_TRUE(w.action(C::Stage2)->isChecked());
  w.project().data().FreeHeight = 144;
  w.project().setModified();
  trigger(C::Stage3);
  answers = {ui::Answer::Yes};
  trigger(C::StageCopyPrevious);
  EXPECT_EQ(questions.back(), "Do you want to copy all information from Stage 2 to Stage 3");
  EXPECT_DOUBLE_EQ(w.project().data().FreeHeight, 144);
  trigger(C::ToolSave);
  EXPECT_FALSE(w.project().isModified());

  // Reopened from the recent files: split into its stages again.
  trigger(C::FileNew);
  for (int n = 1; n <= 3; ++n) fs::remove(beside(file, (".st" + std::to_string(n)).c_str()));
  trigger(C::FileRecent1);
  EXPECT_EQ(fileName(), file);
  EXPECT_EQ(w.project().data().StageCount, 3);
  EXPECT_EQ(w.stageLabel()->text(), QStringLiteral("Construction Stage Number: 1"));
  EXPECT_TRUE(fs::exists(beside(file, ".st3")));
  trigger(C::ToolStage3);
  EXPECT_DOUBLE_EQ(w.project().data().FreeHeight, 144);

  messages.clear();
  trigger(C::CompRun);
  EXPECT_EQ(messages, std::vector<std::string>{kRunCompletedMessage});
  ASSERT_EQ(w.graphs().pltDef.Curves.size(), 3u);
  EXPECT_EQ(w.graphs().pltDef.displayedName(w.graphs().pltDef.Curves[2]), "Stage: 3");

  // Back to one stage: the stage files go, the menu and buttons hide.
  answerStagedDialog(1);
  trigger(C::OptStaged);
  EXPECT_EQ(w.project().data().StageCount, 1);
  EXPECT_FALSE(fs::exists(beside(file, ".st1")));
  EXPECT_TRUE(w.stageLabel()->text().isEmpty());
  EXPECT_FALSE(w.menu(MainMenu::Stage)->menuAction()->isVisible());
  EXPECT_FALSE(w.action(C::ToolStage1)->isVisible());
}

TEST_F(MainWindowTest, LongTermAnalysisSwitchesTheDataMenuLayout) {
  MainWindow& w = open();
  EXPECT_TRUE(w.action(C::DataSoilLayers)->isVisible());
  trigger(C::OptLongTerm);
  EXPECT_TRUE(w.action(C::OptLongTerm)->isChecked());
  EXPECT_FALSE(w.action(C::DataSoilLayers)->isVisible());
  EXPECT_TRUE(w.action(C::DataSoilLayersMenu)->isVisible());
  EXPECT_TRUE(w.action(C::DataDistributedMenu)->isVisible());
  EXPECT_FALSE(enabled(C::ToolSoilLayers));
  EXPECT_FALSE(enabled(C::ToolStaged));
  EXPECT_FALSE(enabled(C::OptStaged));
}

// A stand-in editor that writes the number of its arguments and each
// argument on a line of its own.
std::string stubEditor(const fs::path& folder) {
  const fs::path script = folder / "record-editor.sh";
  std::ofstream(script) << "#!/bin/sh\n"
                        << "out='" << (folder / "editor-arguments.txt").string() << "'\n"
                        << "printf '%s\\n' \"$#\" > \"$out.part\"\n"
                        << "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.part\"; done\n"
                        << "mv \"$out.part\" \"$out\"\n";
  fs::permissions(script, fs::perms::owner_all);
  return script.string();
}

TEST_F(MainWindowTest, TextEditorGetsTheFileAsItsOnlyArgumentWhateverItsName) {
  MainWindow& w = open();
  const std::string odd = "a \"quoted\" name; touch INJECTED $(touch INJECTED2) 'x'.mr5d";
  openWithDialog(example("cantilever_sand_english", odd));
  w.setTextEditorPath(QString::fromStdString(stubEditor(folder.path())));
  trigger(C::CompEditInput);
  const fs::path record = folder.path() / "editor-arguments.txt";
  QTRY_VERIFY_WITH_TIMEOUT(fs::exists(record), 10000);
  EXPECT_EQ(readText(record), "1\n" + fileName() + "\n");
  EXPECT_FALSE(fs::exists(folder.path() / "INJECTED"));
  EXPECT_FALSE(fs::exists(folder.path() / "INJECTED2"));

  // No editor set: the desktop opens the file.
  w.setTextEditorPath(QString());
  trigger(C::CompEditInput);
  EXPECT_EQ(desktopOpened, QStringList{QString::fromStdString(fileName())});

  // An editor that cannot be started.
  messages.clear();
  w.setTextEditorPath(QString::fromStdString((folder.path() / "no-such-editor").string()));
  trigger(C::CompEditInput);
  EXPECT_EQ(messages, std::vector<std::string>{kEditorFailedMessage});
  desktopOpens = false;
  w.setTextEditorPath(QString());
  messages.clear();
  trigger(C::CompEditInput);
  EXPECT_EQ(messages, std::vector<std::string>{kEditorFailedMessage});
}

}  // namespace
}  // namespace murena::testing_support

namespace murena::testing_support {
namespace {

// The stand-in engine writes a plot data file that ends half way, and refuses
// files named "refuse...".
TEST_F(MainWindowTest, UnreadableResultsAndARefusedRunAreReported) {
  MainWindow& w = open();
  w.setEngineLibrary(QStringLiteral(MURENA_BIN_DIR "/stub_engine.so"));
  openWithDialog(example("cantilever_sand_english"));
  messages.clear();
  trigger(Command::CompRun);
  EXPECT_EQ(messages, (std::vector<std::string>{kRunCompletedMessage, "An error occured in running the main program."}));
  EXPECT_FALSE(w.resultsLoaded());
  EXPECT_FALSE(enabled(Command::GraphDeflection));

  openWithDialog(example("cantilever_sand_english", "refuse.mr5d"));
  messages.clear();
  trigger(Command::CompRun);
  EXPECT_EQ(messages, std::vector<std::string>{inconsistentEngineMessage()});
}

}  // namespace
}  // namespace murena::testing_support
