#pragma once
// What the project commands and the analysis run need from the main window:
// message boxes, questions, file dialogs, the wait cursor, the child windows,
// loading results into the graphs and the engine.  The main window
// implements it; tests answer through a stand-in.
#include <memory>
#include <optional>
#include <string>

namespace murena {

class EngineBinding;
class GridTable;

enum class NoticeKind { Information, Warning, Error };
enum class Choice { Yes, No, Cancel };

struct ChosenFile {
  std::string path;
  int filterIndex = 1;  // 1-based index of the chosen filter
};

class CommandHost {
 public:
  virtual ~CommandHost() = default;

  // A message box with an OK button.
  virtual void showNotice(NoticeKind kind, const std::string& text) = 0;
  // A confirmation box with Yes and No (and Cancel).
  virtual Choice askChoice(const std::string& question, bool withCancel) = 0;
  // File dialogs ("Name (*.ext)|*.ext|..." filters); empty when cancelled.
  virtual std::optional<ChosenFile> askOpenFileName(const std::string& title, const std::string& startPath,
                                                    const std::string& filter, int filterIndex) = 0;
  virtual std::optional<std::string> askSaveFileName(const std::string& title, const std::string& startPath,
                                                     const std::string& filter) = 0;
  // The busy cursor while the engine runs.
  virtual void setWaitCursor(bool on) = 0;

  // Writes every open data dialog back to the project; false when a field
  // holds an invalid entry (its dialog keeps the focus).
  virtual bool commitEdits() = 0;
  // Closes every child window (before the project is replaced, after a run
  // and after Save As).
  virtual void closeChildWindows() = 0;
  // Closes the editor window of a table and of its sub-tables.
  virtual void closeTableEditor(GridTable& table) = 0;
  // Closes every table editor: the rows they show are about to be replaced
  // (stage switch, stage copy, new stage count).
  virtual void closeTableEditors() = 0;
  // The project's data changed under the open windows (stage switch, unit
  // switch): the data dialogs show it again, table editors are relabelled.
  virtual void reloadChildWindows() = 0;

  // Reads a plot data file into the result graphs; with reportErrors a
  // failure is told to the user.  True on success.
  virtual bool loadResults(const std::string& plotFile, bool reportErrors) = 0;

  // The project, its name, its stage or its results changed: caption,
  // status bar, menus and tool buttons follow.
  virtual void projectChanged() = 0;
  // The recent-file list changed: it is stored at once.
  virtual void recentFilesChanged() = 0;

  // The engine for one run and the library file it is loaded from.
  virtual std::unique_ptr<EngineBinding> createEngine() = 0;
  virtual std::string engineLibraryPath() const = 0;
};

}  // namespace murena
