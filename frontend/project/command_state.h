#pragma once
// The commands of the main window (menu items, submenus and tool buttons)
// and the rules that decide, from the project and the main window's state,
// whether each is enabled, checked and visible, and what it is called.  The
// window builds its menus and tool bar from commandTable() and applies
// commandStates() after every command and whenever a menu opens.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "frontend/project/program_data.h"

namespace murena {

enum class Command : int {
  // File
  FileNew, FileOpen, FileSave, FileSaveAs, FileRecentSeparator,
  FileRecent1, FileRecent2, FileRecent3, FileRecent4, FileRecent5,
  FileRecent6, FileRecent7, FileRecent8, FileRecent9, FileRecent10,
  FileExitSeparator, FileExit,
  // Data
  DataTitle, DataWallProperties, DataWallConfiguration,
  DataSoilLayers, DataSoilLayersMenu, DataSoilShortTerm, DataSoilLongTerm,
  DataDistributed, DataDistributedMenu, DataDistShortTerm, DataDistLongTerm,
  DataSurcharge, DataConcentratedLoads, DataTieback, DataRestraints, DataPYModifiers, DataPYCurves,
  DataSprings, DataEICurves,
  // Options
  OptUnitsMenu, OptUnitsEnglish, OptUnitsSI, OptUnitsOther,
  OptPressureMenu, OptPressureUser, OptPressureTriangular, OptPressureTrapezoidal,
  OptGeneratePY, OptConcentratedLoads, OptTiebacks, OptRestraints, OptPYCurves, OptSprings, OptPYModifiers,
  OptSurcharge, OptEICurves, OptLongTerm, OptStaged, OptTextEditor,
  // Stage Construction
  Stage1, Stage2, Stage3, Stage4, Stage5, StageUpdate, StageCopyPrevious,
  // Computation
  CompRun, CompEditInput, CompEditNotes, CompEditOutput, CompWallGeometry, Comp3DView,
  // Graphics
  GraphPY, GraphDeflection, GraphMoment, GraphShear, GraphReaction, GraphDMS, GraphPressure, GraphCombined,
  GraphExport,
  // Window
  WinCascade, WinTile, WinArrange,
  // Help
  HelpContents, HelpAbout,
  // Tool bar
  ToolNew, ToolOpen, ToolSave, ToolTitle, ToolWallProperties, ToolWallConfiguration, ToolSoilLayers, ToolRun,
  ToolStaged, ToolViewOutput, ToolSideView, Tool3DView, ToolPY, ToolDeflection, ToolMoment, ToolShear,
  ToolReaction, ToolDMS, ToolPressure, ToolStage1, ToolStage2, ToolStage3, ToolStage4, ToolStage5,
  Count
};

inline constexpr int kCommandCount = static_cast<int>(Command::Count);

// The main menus, in menu-bar order ("Stage Construction" is shown only for
// staged projects).
enum class MainMenu : int { File, Data, Options, Stage, Computation, Graphics, Window, Help, ToolBar };
inline constexpr std::array<const char*, 8> kMainMenuTitles = {
    "&File", "&Data", "&Options", "&Stage Construction", "&Computation", "&Graphics", "&Window", "&Help"};

enum class CommandKind : int {
  Item,       // menu item
  Submenu,    // a submenu; the items that name it as parent belong to it
  Separator,  // menu separator (its visibility may follow a rule)
  Tool,       // tool button; the caption is its hint
};

struct CommandState;
struct CommandContext;
// Sets the state of one command from the context (the state starts enabled,
// unchecked, visible, with the entry's caption).
using CommandRule = void (*)(const CommandContext& context, CommandState& state);

struct CommandEntry {
  Command id;
  MainMenu menu;
  CommandKind kind;
  const char* caption;   // with accelerator marks; hint of a tool button
  const char* shortcut;  // "Ctrl+N" or empty
  Command parent;        // the submenu it belongs to; Command::Count: none
  bool checkable;
  int radioGroup;        // items of one group exclude each other; 0: none
  const char* icon;      // tool buttons: icon name
  bool separatorBefore;  // tool buttons: a gap before it
  CommandRule rule;      // null: always enabled and visible
};

// Every command in menu and tool bar order.
std::span<const CommandEntry> commandTable();
const CommandEntry& commandEntry(Command id);

struct CommandState {
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  std::string caption;
};

// Which result graphs hold a drawable curve (hasDrawableCurve).
struct GraphAvailability {
  bool py = false;
  bool deflection = false;
  bool moment = false;
  bool shear = false;
  bool reaction = false;
  bool pressure = false;
};

// What the rules look at.
struct CommandContext {
  const TProgramData* data = nullptr;
  bool dataFileExists = false;  // saved data file (never for the default name)
  bool reportExists = false;    // ".mr5o"
  bool notesExists = false;     // ".mr5r"
  bool plotExists = false;      // ".mr5p"
  bool resultsLoaded = false;   // the last plot data loading succeeded
  GraphAvailability graphs;
  std::vector<std::string> recentMenuTexts;  // "1 path", ... (at most ten)
};

// The context with the file checks made for the project's data file.
CommandContext commandContext(const TProgramData& data, bool resultsLoaded, const GraphAvailability& graphs,
                              std::vector<std::string> recentMenuTexts);

// The state of every command, indexed by Command.
std::vector<CommandState> commandStates(const CommandContext& context);
// Whether a main menu shows in the menu bar.
bool mainMenuVisible(MainMenu menu, const CommandContext& context);

inline const CommandState& stateOf(const std::vector<CommandState>& states, Command id) {
  return states[static_cast<size_t>(id)];
}

// Command of recent-file entry / stage / tool stage button n (1-based).
Command recentFileCommand(int n);
Command stageCommand(int n);
Command stageToolCommand(int n);

}  // namespace murena
