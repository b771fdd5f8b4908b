#include "frontend/project/command_state.h"

#include <filesystem>

#include "frontend/project/stage_file_names.h"

namespace murena {

namespace {

using C = Command;
using M = MainMenu;
using K = CommandKind;
constexpr C kNoParent = C::Count;

const TProgramData& data(const CommandContext& c) { return *c.data; }
bool resultsShown(const CommandContext& c) { return c.resultsLoaded && c.plotExists; }
// Soil layers and wall configuration need soil data that the run uses.
bool soilDataUsed(const CommandContext& c) { return data(c).GeneratePYCurves || data(c).GeneratedEarthPressure; }
bool userPressure(const CommandContext& c) { return data(c).EarthPressureOption == 1; }
bool longTerm(const CommandContext& c) { return data(c).LongTermAnalysis; }
bool staged(const CommandContext& c) { return data(c).StageCount > 1; }

template <int N>
void recentEntry(const CommandContext& c, CommandState& s) {
  s.visible = N <= static_cast<int>(c.recentMenuTexts.size());
  if (s.visible) s.caption = c.recentMenuTexts[N - 1];
}

template <int N>
void stageEntry(const CommandContext& c, CommandState& s) {
  s.enabled = N == 1 ? staged(c) : N <= data(c).StageCount;
  s.checked = data(c).CurrentStage == N;
}

template <int N>
void stageButton(const CommandContext& c, CommandState& s) {
  stageEntry<N>(c, s);
  s.visible = staged(c);
}

template <bool TProgramData::*Flag>
void dataItemOf(const CommandContext& c, CommandState& s) {
  s.enabled = data(c).*Flag;
}

template <bool TProgramData::*Flag>
void toggleOf(const CommandContext& c, CommandState& s) {
  s.checked = data(c).*Flag;
}

template <int N>
void unitsItem(const CommandContext& c, CommandState& s) {
  s.checked = data(c).UnitSystem == N;
}

template <int N>
void pressureItem(const CommandContext& c, CommandState& s) {
  s.checked = data(c).EarthPressureOption == N;
}

template <bool GraphAvailability::*Graph>
void graphOf(const CommandContext& c, CommandState& s) {
  s.enabled = resultsShown(c) && c.graphs.*Graph;
}

void results(const CommandContext& c, CommandState& s) { s.enabled = resultsShown(c); }
void threePanels(const CommandContext& c, CommandState& s) {
  s.enabled = resultsShown(c) && c.graphs.deflection && c.graphs.moment && c.graphs.shear;
}
void recentSeparator(const CommandContext& c, CommandState& s) { s.visible = !c.recentMenuTexts.empty(); }
// Items of the Data menu that depend on one condition; the long-term layout
// shows a submenu (Short-Term, Long-Term) in place of the single item.
enum class Layout { Any, Single, Submenu };
template <bool (*Condition)(const CommandContext&), Layout L = Layout::Any>
void dataItem(const CommandContext& c, CommandState& s) {
  s.enabled = Condition(c);
  if (L != Layout::Any) s.visible = (L == Layout::Submenu) == longTerm(c);
}
constexpr CommandRule soilData = dataItem<soilDataUsed>;
constexpr CommandRule soilSingle = dataItem<soilDataUsed, Layout::Single>;
constexpr CommandRule soilSubmenu = dataItem<soilDataUsed, Layout::Submenu>;
constexpr CommandRule pressureData = dataItem<userPressure>;
constexpr CommandRule pressureSingle = dataItem<userPressure, Layout::Single>;
constexpr CommandRule pressureSubmenu = dataItem<userPressure, Layout::Submenu>;
void longTermToggle(const CommandContext& c, CommandState& s) {
  s.checked = longTerm(c);
  s.enabled = !staged(c);
}
void stagedOption(const CommandContext& c, CommandState& s) {
  s.checked = staged(c);
  s.enabled = !longTerm(c);
}
void withoutLongTerm(const CommandContext& c, CommandState& s) { s.enabled = !longTerm(c); }
void stageUpdate(const CommandContext& c, CommandState& s) { s.enabled = staged(c); }
void stageCopy(const CommandContext& c, CommandState& s) { s.enabled = staged(c) && data(c).CurrentStage > 1; }
void inputText(const CommandContext& c, CommandState& s) { s.enabled = c.dataFileExists; }
void notesText(const CommandContext& c, CommandState& s) { s.enabled = c.notesExists; }
void reportText(const CommandContext& c, CommandState& s) { s.enabled = c.reportExists; }

using D = TProgramData;
using G = GraphAvailability;

constexpr CommandEntry item(C id, M menu, const char* caption, CommandRule rule = nullptr,
                           const char* shortcut = "", bool checkable = false, int radio = 0) {
  return {id, menu, K::Item, caption, shortcut, kNoParent, checkable, radio, "", false, rule};
}
constexpr CommandEntry subItem(C id, M menu, C parent, const char* caption, CommandRule rule = nullptr,
                              bool checkable = false, int radio = 0) {
  return {id, menu, K::Item, caption, "", parent, checkable, radio, "", false, rule};
}
constexpr CommandEntry submenu(C id, M menu, const char* caption, CommandRule rule = nullptr) {
  return {id, menu, K::Submenu, caption, "", kNoParent, false, 0, "", false, rule};
}
constexpr CommandEntry separator(C id, M menu, CommandRule rule = nullptr) {
  return {id, menu, K::Separator, "", "", kNoParent, false, 0, "", false, rule};
}
constexpr CommandEntry toggle(C id, const char* caption, CommandRule rule) {
  return {id, M::Options, K::Item, caption, "", kNoParent, true, 0, "", false, rule};
}
constexpr CommandEntry tool(C id, const char* hint, const char* icon, CommandRule rule = nullptr,
                           bool gapBefore = false, bool checkable = false) {
  return {id, M::ToolBar, K::Tool, hint, "", kNoParent, checkable, 0, icon, gapBefore, rule};
}

constexpr int kUnitsGroup = 1;
constexpr int kPressureGroup = 2;
constexpr int kStageGroup = 3;

constexpr CommandEntry kTable[] = {
    // File
    item(C::FileNew, M::File, "&New", nullptr, "Ctrl+N"),
    item(C::FileOpen, M::File, "&Open...", nullptr, "Ctrl+O"),
    item(C::FileSave, M::File, "&Save", nullptr, "Ctrl+S"),
    item(C::FileSaveAs, M::File, "Save &As..."),
    separator(C::FileRecentSeparator, M::File, recentSeparator),
    item(C::FileRecent1, M::File, "", recentEntry<1>),
    item(C::FileRecent2, M::File, "", recentEntry<2>),
    item(C::FileRecent3, M::File, "", recentEntry<3>),
    item(C::FileRecent4, M::File, "", recentEntry<4>),
    item(C::FileRecent5, M::File, "", recentEntry<5>),
    item(C::FileRecent6, M::File, "", recentEntry<6>),
    item(C::FileRecent7, M::File, "", recentEntry<7>),
    item(C::FileRecent8, M::File, "", recentEntry<8>),
    item(C::FileRecent9, M::File, "", recentEntry<9>),
    item(C::FileRecent10, M::File, "", recentEntry<10>),
    separator(C::FileExitSeparator, M::File),
    item(C::FileExit, M::File, "E&xit", nullptr, "Ctrl+Q"),
    // Data
    item(C::DataTitle, M::Data, "&Title"),
    item(C::DataWallProperties, M::Data, "Wall &Properties"),
    item(C::DataWallConfiguration, M::Data, "&Wall Configuration", soilData),
    item(C::DataSoilLayers, M::Data, "&Soil Layer Data", soilSingle),
    submenu(C::DataSoilLayersMenu, M::Data, "&Soil Layer Data", soilSubmenu),
    subItem(C::DataSoilShortTerm, M::Data, C::DataSoilLayersMenu, "Short-Term"),
    subItem(C::DataSoilLongTerm, M::Data, C::DataSoilLayersMenu, "Long-Term"),
    item(C::DataDistributed, M::Data, "&Distributed Active Earth Pressure", pressureSingle),
    submenu(C::DataDistributedMenu, M::Data, "&Distributed Active Earth Pressure", pressureSubmenu),
    subItem(C::DataDistShortTerm, M::Data, C::DataDistributedMenu, "Short-Term", pressureData),
    subItem(C::DataDistLongTerm, M::Data, C::DataDistributedMenu, "Long-Term", pressureData),
    item(C::DataSurcharge, M::Data, "&Additional Surcharge Loads", dataItemOf<&D::ApplySurcharge>),
    item(C::DataConcentratedLoads, M::Data, "&Concentrated Loads on the Wall",
         dataItemOf<&D::ApplyConcentratedLoads>),
    item(C::DataTieback, M::Data, "Tieback (Ground Anchor) Data", dataItemOf<&D::ApplyTiebacks>),
    item(C::DataRestraints, M::Data, "&Boundary Condition on Deflection or Slope", dataItemOf<&D::ApplyRestraints>),
    item(C::DataPYModifiers, M::Data, "Modification &Factors for p-y Curves", dataItemOf<&D::ApplyPYModifiers>),
    item(C::DataPYCurves, M::Data, "Sets of &External p-y Curves", dataItemOf<&D::ApplyPYCurves>),
    item(C::DataSprings, M::Data, "&Lateral Springs and Rotational Restraints", dataItemOf<&D::ApplySprings>),
    item(C::DataEICurves, M::Data, "Sets of Nonlinear Moment vs EI Curves", dataItemOf<&D::ApplyEICurves>),
    // Options
    submenu(C::OptUnitsMenu, M::Options, "&Units"),
    subItem(C::OptUnitsEnglish, M::Options, C::OptUnitsMenu, "&English Units (lbs, in)", unitsItem<1>, true,
            kUnitsGroup),
    subItem(C::OptUnitsSI, M::Options, C::OptUnitsMenu, "&SI Units (kN, m)", unitsItem<2>, true, kUnitsGroup),
    subItem(C::OptUnitsOther, M::Options, C::OptUnitsMenu, "&Other Units (F, L)", unitsItem<3>, true, kUnitsGroup),
    submenu(C::OptPressureMenu, M::Options, "Earth-Pressure Options"),
    subItem(C::OptPressureUser, M::Options, C::OptPressureMenu, "Earth-Pressure Specified by User",
            pressureItem<1>, true, kPressureGroup),
    subItem(C::OptPressureTriangular, M::Options, C::OptPressureMenu,
            "Generate Triangular-Distribution Earth-Pressure", pressureItem<2>, true, kPressureGroup),
    subItem(C::OptPressureTrapezoidal, M::Options, C::OptPressureMenu,
            "Generate Trapezoidal-Distribution Pressure (Anchored Walls)", pressureItem<3>, true, kPressureGroup),
    toggle(C::OptGeneratePY, "Generate &p-y Curves", toggleOf<&D::GeneratePYCurves>),
    toggle(C::OptConcentratedLoads, "Apply &Concentrated Loads", toggleOf<&D::ApplyConcentratedLoads>),
    toggle(C::OptTiebacks, "Apply Tieback (Ground  Anchor)", toggleOf<&D::ApplyTiebacks>),
    toggle(C::OptRestraints, "Apply &Restraints on Deflection or Slope", toggleOf<&D::ApplyRestraints>),
    toggle(C::OptPYCurves, "Apply User Specified p-y Curves (&External)", toggleOf<&D::ApplyPYCurves>),
    toggle(C::OptSprings, "Apply &Lateral Springs and Rotation Restraints", toggleOf<&D::ApplySprings>),
    toggle(C::OptPYModifiers, "Apply External p-y &Modification Factors ", toggleOf<&D::ApplyPYModifiers>),
    toggle(C::OptSurcharge, "Apply Additional Surcharge Loads", toggleOf<&D::ApplySurcharge>),
    toggle(C::OptEICurves, "Apply Nonlinear Moment vs EI Curves", toggleOf<&D::ApplyEICurves>),
    toggle(C::OptLongTerm, "Conduct Short-Term and Long-Term &Analyses", longTermToggle),
    toggle(C::OptStaged, "Conduct &Staged-Construction Analysis...", stagedOption),
    item(C::OptTextEditor, M::Options, "&Option of Text Editor..."),
    // Stage Construction
    item(C::Stage1, M::Stage, "Stage &1", stageEntry<1>, "", true, kStageGroup),
    item(C::Stage2, M::Stage, "Stage &2", stageEntry<2>, "", true, kStageGroup),
    item(C::Stage3, M::Stage, "Stage &3", stageEntry<3>, "", true, kStageGroup),
    item(C::Stage4, M::Stage, "Stage &4", stageEntry<4>, "", true, kStageGroup),
    item(C::Stage5, M::Stage, "Stage &5", stageEntry<5>, "", true, kStageGroup),
    item(C::StageUpdate, M::Stage, "Update &Current Stage", stageUpdate),
    item(C::StageCopyPrevious, M::Stage, "Copy &Previous Stage", stageCopy),
    // Computation
    item(C::CompRun, M::Computation, "&Run Analysis"),
    item(C::CompEditInput, M::Computation, "Edit I&nput Text", inputText),
    item(C::CompEditNotes, M::Computation, "Edit &Processor-Run Notes", notesText),
    item(C::CompEditOutput, M::Computation, "Edit &Output Text", reportText),
    item(C::CompWallGeometry, M::Computation, "&View Wall Geometry", results),
    item(C::Comp3DView, M::Computation, "3D View"),
    // Graphics
    item(C::GraphPY, M::Graphics, "p-&y Curves", graphOf<&G::py>),
    item(C::GraphDeflection, M::Graphics, "&Deflection vs Depth", graphOf<&G::deflection>),
    item(C::GraphMoment, M::Graphics, "&Moment vs Depth", graphOf<&G::moment>),
    item(C::GraphShear, M::Graphics, "&Shear vs Depth", graphOf<&G::shear>),
    item(C::GraphReaction, M::Graphics, "Net &Reaction vs Depth", graphOf<&G::reaction>),
    item(C::GraphDMS, M::Graphics, "&Deflection, Moment and Shear", threePanels),
    item(C::GraphPressure, M::Graphics, "Earth &Pressure Distribution", graphOf<&G::pressure>),
    item(C::GraphCombined, M::Graphics, "Earth Pressure Combined", results),
    item(C::GraphExport, M::Graphics, "Export Plots To Excel", results),
    // Window
    item(C::WinCascade, M::Window, "&Cascade"),
    item(C::WinTile, M::Window, "&Tile"),
    item(C::WinArrange, M::Window, "&Arrange Icons"),
    // Help
    item(C::HelpContents, M::Help, "&Contents"),
    item(C::HelpAbout, M::Help, "&About..."),
    // Tool bar
    tool(C::ToolNew, "New Data File", "file-new"),
    tool(C::ToolOpen, "Open Data File", "file-open"),
    tool(C::ToolSave, "Save Data File", "file-save"),
    tool(C::ToolTitle, "Title", "data-title", nullptr, true),
    tool(C::ToolWallProperties, "Wall Properties", "data-wall-properties"),
    tool(C::ToolWallConfiguration, "Wall Configuration", "data-wall-configuration"),
    tool(C::ToolSoilLayers, "Soil Layers", "data-soil-layers", withoutLongTerm),
    tool(C::ToolRun, "Run Analysis", "run-analysis", nullptr, true),
    tool(C::ToolStaged, "Stage Construction Option", "run-stages", withoutLongTerm),
    tool(C::ToolViewOutput, "View Output File", "run-output", reportText),
    tool(C::ToolSideView, "View Soil Profile", "view-side", nullptr, true),
    tool(C::Tool3DView, "3D View", "view-3d"),
    tool(C::ToolPY, "View p-y Curves", "graph-py", graphOf<&G::py>, true),
    tool(C::ToolDeflection, "Deflection Diagram", "graph-deflection", graphOf<&G::deflection>),
    tool(C::ToolMoment, "Moment Diagram", "graph-moment", graphOf<&G::moment>),
    tool(C::ToolShear, "Shear Diagram", "graph-shear", graphOf<&G::shear>),
    tool(C::ToolReaction, "Net Reaction Diagram", "graph-reaction", graphOf<&G::reaction>),
    tool(C::ToolDMS, "DMV Diagrams", "graph-dms", threePanels),
    tool(C::ToolPressure, "Pressure Diagram", "graph-pressure", graphOf<&G::pressure>),
    tool(C::ToolStage1, "Stage Const. 1", "stage-1", stageButton<1>, true, true),
    tool(C::ToolStage2, "Stage Const. 2", "stage-2", stageButton<2>, false, true),
    tool(C::ToolStage3, "Stage Const. 3", "stage-3", stageButton<3>, false, true),
    tool(C::ToolStage4, "Stage Const. 4", "stage-4", stageButton<4>, false, true),
    tool(C::ToolStage5, "Stage Const. 5", "stage-5", stageButton<5>, false, true),
};

static_assert(std::size(kTable) == static_cast<size_t>(kCommandCount), "one table row per command");

constexpr bool rowsInCommandOrder() {
  for (size_t i = 0; i < std::size(kTable); ++i)
    if (static_cast<size_t>(kTable[i].id) != i) return false;
  return true;
}
static_assert(rowsInCommandOrder(), "table rows follow the order of Command");

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

std::span<const CommandEntry> commandTable() { return kTable; }

const CommandEntry& commandEntry(Command id) { return kTable[static_cast<size_t>(id)]; }

CommandContext commandContext(const TProgramData& data, bool resultsLoaded, const GraphAvailability& graphs,
                              std::vector<std::string> recentMenuTexts) {
  CommandContext c;
  c.data = &data;
  const std::string& file = data.FileName;
  const bool saved = file != kDefaultFileName;
  c.dataFileExists = saved && fileExists(file);
  c.reportExists = saved && fileExists(withExtension(file, ".mr5o"));
  c.notesExists = saved && fileExists(withExtension(file, ".mr5r"));
  c.plotExists = saved && fileExists(withExtension(file, ".mr5p"));
  c.resultsLoaded = resultsLoaded;
  c.graphs = graphs;
  c.recentMenuTexts = std::move(recentMenuTexts);
  return c;
}

std::vector<CommandState> commandStates(const CommandContext& context) {
  std::vector<CommandState> states(kCommandCount);
  for (const CommandEntry& entry : kTable) {
    CommandState& s = states[static_cast<size_t>(entry.id)];
    s.caption = entry.caption;
    if (entry.rule != nullptr) entry.rule(context, s);
  }
  return states;
}

bool mainMenuVisible(MainMenu menu, const CommandContext& context) {
  return menu != MainMenu::Stage || staged(context);
}

Command recentFileCommand(int n) { return static_cast<Command>(static_cast<int>(C::FileRecent1) + n - 1); }
Command stageCommand(int n) { return static_cast<Command>(static_cast<int>(C::Stage1) + n - 1); }
Command stageToolCommand(int n) { return static_cast<Command>(static_cast<int>(C::ToolStage1) + n - 1); }

}  // namespace murena
