// The enabling, check marks, visibility and captions of the main window's
// menu items and tool buttons.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "frontend/project/command_state.h"
#include "tests/frontend_project/temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using C = Command;

struct Fixture {
  TProgramData data;
  CommandContext context() const {
    CommandContext c;
    c.data = &data;
    c.resultsLoaded = resultsLoaded;
    c.plotExists = plotExists;
    c.reportExists = reportExists;
    c.notesExists = notesExists;
    c.dataFileExists = dataFileExists;
    c.graphs = graphs;
    c.recentMenuTexts = recent;
    return c;
  }
  std::vector<CommandState> states() const { return commandStates(context()); }
  bool enabled(C c) const { return stateOf(states(), c).enabled; }
  bool visible(C c) const { return stateOf(states(), c).visible; }
  bool checked(C c) const { return stateOf(states(), c).checked; }

  bool resultsLoaded = false, plotExists = false, reportExists = false, notesExists = false, dataFileExists = false;
  GraphAvailability graphs;
  std::vector<std::string> recent;
};

TEST(CommandStateTest, TableHoldsEveryCommandOnceWithTheCaptionsOfTheMenus) {
  std::set<int> seen;
  for (const CommandEntry& s : commandTable()) EXPECT_TRUE(seen.insert(static_cast<int>(s.id)).second);
  EXPECT_EQ(static_cast<int>(seen.size()), kCommandCount);
  EXPECT_STREQ(commandEntry(C::OptTiebacks).caption, "Apply Tieback (Ground  Anchor)");
  EXPECT_STREQ(commandEntry(C::OptPYModifiers).caption, "Apply External p-y &Modification Factors ");
  EXPECT_STREQ(commandEntry(C::FileNew).shortcut, "Ctrl+N");
  EXPECT_STREQ(commandEntry(C::FileExit).shortcut, "Ctrl+Q");
  EXPECT_STREQ(commandEntry(C::ToolDMS).caption, "DMV Diagrams");
  EXPECT_STREQ(commandEntry(stageToolCommand(4)).caption, "Stage Const. 4");
  EXPECT_EQ(commandEntry(C::OptUnitsSI).parent, C::OptUnitsMenu);
  EXPECT_EQ(commandEntry(C::OptUnitsSI).radioGroup, commandEntry(C::OptUnitsOther).radioGroup);
  EXPECT_NE(commandEntry(C::OptUnitsSI).radioGroup, commandEntry(C::OptPressureUser).radioGroup);
  for (const CommandEntry& s : commandTable())
    if (s.kind == CommandKind::Tool) {
      EXPECT_STRNE(s.icon, "") << s.caption;
    }
}

TEST(CommandStateTest, DataMenuFollowsTheOptionsAndTheLongTermLayout) {
  Fixture f;
  // A new project: generated curves, triangular pressure, nothing applied.
  for (C c : {C::DataTitle, C::DataWallProperties, C::DataWallConfiguration, C::DataSoilLayers})
    EXPECT_TRUE(f.enabled(c));
  for (C c : {C::DataSurcharge, C::DataConcentratedLoads, C::DataTieback, C::DataRestraints, C::DataPYModifiers,
              C::DataPYCurves, C::DataSprings, C::DataEICurves, C::DataDistributed})
    EXPECT_FALSE(f.enabled(c));
  EXPECT_TRUE(f.visible(C::DataSoilLayers));
  EXPECT_FALSE(f.visible(C::DataSoilLayersMenu));
  EXPECT_FALSE(f.visible(C::DataDistributedMenu));

  // Each Data item follows its option.
  const std::pair<bool TProgramData::*, C> options[] = {
      {&TProgramData::ApplySurcharge, C::DataSurcharge},    {&TProgramData::ApplyConcentratedLoads, C::DataConcentratedLoads},
      {&TProgramData::ApplyTiebacks, C::DataTieback},       {&TProgramData::ApplyRestraints, C::DataRestraints},
      {&TProgramData::ApplyPYModifiers, C::DataPYModifiers}, {&TProgramData::ApplyPYCurves, C::DataPYCurves},
      {&TProgramData::ApplySprings, C::DataSprings},        {&TProgramData::ApplyEICurves, C::DataEICurves},
  };
  for (const auto& [flag, item] : options) {
    Fixture g;
    g.data.*flag = true;
    EXPECT_TRUE(g.enabled(item));
  }

  // Without generated curves or pressure the soil data are not used.
  f.data.GeneratePYCurves = false;
  EXPECT_FALSE(f.enabled(C::DataSoilLayers));
  EXPECT_FALSE(f.enabled(C::DataWallConfiguration));
  f.data.GeneratedEarthPressure = true;
  EXPECT_TRUE(f.enabled(C::DataSoilLayers));

  f.data.EarthPressureOption = 1;
  EXPECT_TRUE(f.enabled(C::DataDistributed));

  // Long-term layout: submenus in place of the single items.
  f.data.LongTermAnalysis = true;
  EXPECT_FALSE(f.visible(C::DataSoilLayers));
  EXPECT_TRUE(f.visible(C::DataSoilLayersMenu));
  EXPECT_FALSE(f.visible(C::DataDistributed));
  EXPECT_TRUE(f.visible(C::DataDistributedMenu));
  EXPECT_TRUE(f.enabled(C::DataDistLongTerm));
  EXPECT_FALSE(f.enabled(C::ToolSoilLayers));
  EXPECT_FALSE(f.enabled(C::ToolStaged));
}

TEST(CommandStateTest, OptionsMenuChecksAndExclusions) {
  Fixture f;
  EXPECT_TRUE(f.checked(C::OptUnitsEnglish));
  EXPECT_TRUE(f.checked(C::OptPressureTriangular));
  EXPECT_TRUE(f.checked(C::OptGeneratePY));
  EXPECT_FALSE(f.checked(C::OptSurcharge));
  f.data.UnitSystem = 3;
  f.data.EarthPressureOption = 0;  // read from a file without earth pressure: nothing checked
  EXPECT_TRUE(f.checked(C::OptUnitsOther));
  EXPECT_FALSE(f.checked(C::OptPressureUser) || f.checked(C::OptPressureTriangular) ||
               f.checked(C::OptPressureTrapezoidal));

  EXPECT_TRUE(f.enabled(C::OptLongTerm));
  EXPECT_TRUE(f.enabled(C::OptStaged));
  EXPECT_FALSE(f.checked(C::OptStaged));
  f.data.LongTermAnalysis = true;
  EXPECT_TRUE(f.checked(C::OptLongTerm));
  EXPECT_FALSE(f.enabled(C::OptStaged));
  f.data.LongTermAnalysis = false;
  f.data.StageCount = 2;
  EXPECT_FALSE(f.enabled(C::OptLongTerm));
  EXPECT_TRUE(f.checked(C::OptStaged));
}

TEST(CommandStateTest, StageMenuAndStageButtons) {
  Fixture f;
  EXPECT_FALSE(mainMenuVisible(MainMenu::Stage, f.context()));
  for (int n = 1; n <= 5; ++n) EXPECT_FALSE(f.visible(stageToolCommand(n)));
  EXPECT_FALSE(f.enabled(C::Stage1));
  EXPECT_FALSE(f.enabled(C::StageUpdate));

  f.data.StageCount = 3;
  f.data.CurrentStage = 2;
  EXPECT_TRUE(mainMenuVisible(MainMenu::Stage, f.context()));
  EXPECT_TRUE(mainMenuVisible(MainMenu::File, f.context()));
  const auto states = f.states();
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(stateOf(states, stageCommand(n)).enabled, n <= 3);
    EXPECT_EQ(stateOf(states, stageToolCommand(n)).enabled, n <= 3);
    EXPECT_TRUE(stateOf(states, stageToolCommand(n)).visible);
    EXPECT_EQ(stateOf(states, stageCommand(n)).checked, n == 2);
    EXPECT_EQ(stateOf(states, stageToolCommand(n)).checked, n == 2);
  }
  EXPECT_TRUE(f.enabled(C::StageUpdate));
  EXPECT_TRUE(f.enabled(C::StageCopyPrevious));
  f.data.CurrentStage = 1;
  EXPECT_FALSE(f.enabled(C::StageCopyPrevious));
}

TEST(CommandStateTest, ComputationAndGraphicsFollowTheFilesAndTheResults) {
  Fixture f;
  for (C c : {C::CompEditInput, C::CompEditNotes, C::CompEditOutput, C::ToolViewOutput, C::CompWallGeometry,
              C::GraphCombined, C::GraphExport, C::GraphDeflection, C::ToolDeflection})
    EXPECT_FALSE(f.enabled(c));
  EXPECT_TRUE(f.enabled(C::CompRun));
  EXPECT_TRUE(f.enabled(C::Comp3DView));
  EXPECT_TRUE(f.enabled(C::ToolSideView));
  f.dataFileExists = true;
  f.notesExists = true;
  EXPECT_TRUE(f.enabled(C::CompEditInput));
  EXPECT_TRUE(f.enabled(C::CompEditNotes));
  EXPECT_FALSE(f.enabled(C::CompEditOutput));
  f.reportExists = true;
  EXPECT_TRUE(f.enabled(C::CompEditOutput));
  EXPECT_TRUE(f.enabled(C::ToolViewOutput));

  // Results loaded but the plot file is gone: nothing to draw.
  f.resultsLoaded = true;
  f.graphs = {true, true, true, true, true, true};
  EXPECT_FALSE(f.enabled(C::GraphCombined));
  f.plotExists = true;
  for (C c : {C::CompWallGeometry, C::GraphCombined, C::GraphExport, C::GraphDMS, C::ToolDMS}) EXPECT_TRUE(f.enabled(c));

  // Each graph needs a curve of more than one point; the three-panel view needs all three.
  const std::tuple<bool GraphAvailability::*, C, C> graphs[] = {
      {&GraphAvailability::py, C::GraphPY, C::ToolPY},
      {&GraphAvailability::deflection, C::GraphDeflection, C::ToolDeflection},
      {&GraphAvailability::moment, C::GraphMoment, C::ToolMoment},
      {&GraphAvailability::shear, C::GraphShear, C::ToolShear},
      {&GraphAvailability::reaction, C::GraphReaction, C::ToolReaction},
      {&GraphAvailability::pressure, C::GraphPressure, C::ToolPressure},
  };
  for (const auto& [graph, item, button] : graphs) {
    Fixture g = f;
    g.graphs.*graph = false;
    EXPECT_FALSE(g.enabled(item));
    EXPECT_FALSE(g.enabled(button));
    const bool panel = graph == &GraphAvailability::deflection || graph == &GraphAvailability::moment ||
                       graph == &GraphAvailability::shear;
    EXPECT_EQ(g.enabled(C::GraphDMS), !panel);
    EXPECT_EQ(g.enabled(C::ToolDMS), !panel);
    EXPECT_TRUE(g.enabled(C::GraphCombined));
  }
}

TEST(CommandStateTest, RecentFileItemsShowTheirTextsAndTheSeparatorOnlyWithEntries) {
  Fixture f;
  EXPECT_FALSE(f.visible(C::FileRecentSeparator));
  for (int n = 1; n <= 10; ++n) EXPECT_FALSE(f.visible(recentFileCommand(n)));
  f.recent = {"1 a.mr5d", "2 /x/b.mr5d"};
  const auto states = f.states();
  EXPECT_TRUE(stateOf(states, C::FileRecentSeparator).visible);
  EXPECT_EQ(stateOf(states, C::FileRecent2).caption, "2 /x/b.mr5d");
  EXPECT_TRUE(stateOf(states, C::FileRecent2).visible);
  EXPECT_FALSE(stateOf(states, C::FileRecent3).visible);
}

TEST(CommandStateTest, ContextChecksTheFilesBesideTheDataFile) {
  testing_support::TempFolder folder;
  TProgramData data;
  EXPECT_FALSE(commandContext(data, true, {}, {}).dataFileExists);
  data.FileName = (folder.path() / "w.mr5d").string();
  std::ofstream(folder.path() / "w.mr5d") << "x";
  std::ofstream(folder.path() / "w.mr5o") << "x";
  const CommandContext c = commandContext(data, true, {}, {});
  EXPECT_TRUE(c.dataFileExists);
  EXPECT_TRUE(c.reportExists);
  EXPECT_FALSE(c.notesExists);
  EXPECT_FALSE(c.plotExists);
}

}  // namespace
}  // namespace murena
