#pragma once
// The main window of the program: a multiple-document frame whose menus and
// tool bar reach every command.  It owns the project with its tables, the
// result graphs and the managers of the child windows (data dialogs, table
// editors, graph windows, model views), keeps the settings (text editor,
// recent files) and runs the commands of frontend/project on them.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "frontend/project/analysis_run.h"
#include "frontend/project/command_host.h"
#include "frontend/project/command_state.h"
#include "frontend/project/project.h"
#include "frontend/project/project_commands.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/result_graphs.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace murena {

class DataDialogs;
class ModelViews;
class PlotWindows;
class TableEditors;

class MainWindow : public QMainWindow, public MainWindowHost, private CommandHost {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up with the file named on the command line (its plot data file is
  // read when present); nothing when the file does not exist.
  void openAtStartup(const QString& argument);
  // Runs a command as its menu item or tool button does.
  void execute(Command command);
  // Recomputes the state of every menu item and tool button.
  void refreshCommands();

  // The action of a menu item or tool button (null for separators).
  QAction* action(Command command) const;
  QMenu* menu(MainMenu menu) const;
  QMenu* submenu(Command command) const;
  QToolBar* toolBar() const { return toolBar_; }
  QMdiArea* mdiArea() const { return mdi_; }
  QLabel* stageLabel() const { return stageLabel_; }

  TProjectCommands& commands() { return commands_; }
  TableEditors& tableEditors() { return *tableEditors_; }
  DataDialogs& dataDialogs() { return *dataDialogs_; }
  PlotWindows& plotWindows() { return *plotWindows_; }
  ModelViews& modelViews() { return *modelViews_; }

  // The engine library a run loads: the "Engine Library" setting, else
  // Murena2015_DLL.so beside the program.
  QString engineLibrary() const { return engineLibrary_; }
  void setEngineLibrary(const QString& path) { engineLibrary_ = path; }
  // Opens a document with the desktop's default application (tests replace it).
  void setDesktopOpener(std::function<bool(const QString&)> opener) { desktopOpener_ = std::move(opener); }
  // The folders searched for the user's guide, in order.
  QStringList userGuideFolders() const;

  // MainWindowHost
  QWidget* hostWindow() override { return this; }
  QMdiSubWindow* addChildWindow(QWidget* child) override;
  TProject& project() override { return project_; }
  TResultGraphs& graphs() override { return graphs_; }
  bool resultsLoaded() const override { return commands_.resultsLoaded(); }
  void projectEdited() override { refreshCommands(); }
  void showTableEditor(GridTable& table) override;
  void closeTableEditor(GridTable& table) override;
  QString textEditorPath() const override { return editorPath_; }
  void setTextEditorPath(const QString& path) override { editorPath_ = path; }
  void openInTextEditor(const QString& file) override;
  void setViewControls(QMenu* menu, const QList<QAction*>& toolButtons) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // CommandHost
  void showNotice(NoticeKind kind, const std::string& text) override;
  Choice askChoice(const std::string& question, bool withCancel) override;
  std::optional<ChosenFile> askOpenFileName(const std::string& title, const std::string& startPath,
                                            const std::string& filter, int filterIndex) override;
  std::optional<std::string> askSaveFileName(const std::string& title, const std::string& startPath,
                                             const std::string& filter) override;
  void setWaitCursor(bool on) override;
  bool commitEdits() override;
  void closeChildWindows() override;
  void closeTableEditors() override;
  void reloadChildWindows() override;
  bool loadResults(const std::string& plotFile, bool reportErrors) override;
  void projectChanged() override;
  void recentFilesChanged() override;
  std::unique_ptr<EngineBinding> createEngine() override;
  std::string engineLibraryPath() const override { return engineLibrary_.toStdString(); }

  void buildCommands();
  void buildWindowMenu();
  void showStagedDialog();
  void showHelpContents();
  void readSettings();
  void writeSettings() const;
  void writeRecentFiles() const;
  GraphAvailability graphAvailability() const;

  TProjectTables tables_;
  TProject project_{tables_};
  TResultGraphs graphs_;
  TProjectCommands commands_{project_, *this};
  TAnalysisRun run_{commands_, *this};

  QMdiArea* mdi_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* stageLabel_ = nullptr;
  std::map<MainMenu, QMenu*> menus_;
  std::map<Command, QMenu*> submenus_;
  std::map<Command, QAction*> actions_;
  std::map<Command, QAction*> toolGaps_;  // separators before tool buttons
  QMenu* windowMenu_ = nullptr;
  QList<QAction*> windowListActions_;
  QPointer<QMenu> viewMenu_;
  QList<QAction*> viewButtons_;
  QAction* viewButtonsGap_ = nullptr;

  QString editorPath_;
  QString engineLibrary_;
  std::function<bool(const QString&)> desktopOpener_;
  bool resultsShown_ = false;     // the result commands were enabled at the last change
  bool resultsReloaded_ = false;  // a plot data file was read since

  std::unique_ptr<TableEditors> tableEditors_;
  std::unique_ptr<DataDialogs> dataDialogs_;
  std::unique_ptr<PlotWindows> plotWindows_;
  std::unique_ptr<ModelViews> modelViews_;
};

}  // namespace murena
