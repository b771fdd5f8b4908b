#pragma once
// The main window's commands on the project without the window: New, Open,
// Save, Save As, recent files and dropped files (with settling of unsaved
// changes first), the option switches, the unit system and the stages of a
// staged project.  What needs a window goes through CommandHost.
#include <string>

#include "frontend/project/command_host.h"
#include "frontend/project/command_state.h"
#include "frontend/project/project.h"
#include "frontend/project/recent_files.h"

namespace murena {

inline constexpr const char* kSaveChangesQuestion = "Do you want to save any changes?";
inline constexpr const char* kSaveAsFilter = "Murena 2015 (*.mr5d)|*.mr5d|All Files (*.*)|*.*";
inline constexpr const char* kOpenDialogTitle = "Open Data File";

// "Data file: " name ", has been read by MURENA 2015".
std::string fileReadMessage(const std::string& path);
// A name typed without an extension gets ".mr5d".
std::string withDataFileExtension(const std::string& path);
// The file named on the command line: ".mr4d" is added to a name without ".".
std::string startupFilePath(const std::string& argument);

class TProjectCommands {
 public:
  TProjectCommands(TProject& project, CommandHost& host);

  TProject& project() { return project_; }
  TRecentFiles& recentFiles() { return recent_; }
  const TRecentFiles& recentFiles() const { return recent_; }
  // The menu texts of the recent files, relative to the current folder.
  std::vector<std::string> recentMenuTexts() const;

  // Results were loaded from the plot data file and that file still exists.
  bool resultsLoaded() const;
  bool resultsFlag() const { return resultsLoaded_; }
  void setResultsLoaded(bool loaded) { resultsLoaded_ = loaded; }

  // ---- files
  // Asks to save a modified project: false when the command must stop
  // (Cancel, or Yes and the save did not happen).
  bool settleChanges();
  void newProject();
  void openWithDialog();
  void openRecent(int n);  // 1-based entry of the list
  void openDropped(const std::string& path);
  void openAtStartup(const std::string& argument);
  // Opens a data file without settling: the project is replaced, the file's
  // folder becomes the current directory, its plot data file is loaded when
  // present (silently), it heads the recent files and, when `announce`, a
  // box says it was read.  False when the file cannot be read at all (the
  // current project stays).
  bool openFile(const std::string& path, int layout, bool announce);
  // File Save: through Save As for a new or older-layout project.  True when
  // the project was written.
  bool save();
  bool saveAs();

  // ---- options
  void toggleOption(Command option);
  void setUnitSystem(int system);
  void setEarthPressureOption(int option);
  // The Options menu or its earth-pressure submenu opens.
  void optionsMenuOpened();
  void earthPressureMenuOpened();

  // ---- staged construction
  void switchToStage(int stage);
  void updateCurrentStage();
  void copyPreviousStage();
  // OK of the staged-construction dialog.
  void setStageCount(int count);

  // The file a text-editor command opens (input, run notes, report).
  std::string textFileOf(Command command) const;

 private:
  bool saveUnderNewName();
  void loadResultsOfProject(bool reportErrors);
  // Runs a project change that may fail with a write error.
  template <class F>
  void reportFailures(F&& change);

  TProject& project_;
  CommandHost& host_;
  TRecentFiles recent_;
  bool resultsLoaded_ = false;
  int openFilterIndex_ = 1;
};

}  // namespace murena
