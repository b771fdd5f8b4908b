#pragma once
// A host for child windows without the main window's menus: a
// multiple-document area with a project, its tables, the result graphs and
// the managers of every family of child windows.  Tools and tests use it to
// show one family of windows on an example project.
#include <QMdiArea>
#include <memory>
#include <string>

#include "frontend/project/project.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/result_graphs.h"

namespace murena {

class DataDialogs;
class ModelViews;
class PlotWindows;
class TableEditors;

class BareHost : public QMdiArea, public MainWindowHost {
  Q_OBJECT
 public:
  explicit BareHost(QWidget* parent = nullptr);
  ~BareHost() override;

  // Opens a data file (layout by its extension) and, when its plot data file
  // exists, loads the results.  Returns the reader's message, empty on success.
  std::string openProject(const std::string& path);

  TableEditors& tableEditors() { return *tableEditors_; }
  DataDialogs& dataDialogs() { return *dataDialogs_; }
  PlotWindows& plotWindows() { return *plotWindows_; }
  ModelViews& modelViews() { return *modelViews_; }
  QMenu* viewMenu() const { return viewMenu_; }
  const QList<QAction*>& viewToolButtons() const { return viewButtons_; }
  int editorStarts() const { return editorStarts_; }

  // MainWindowHost
  QWidget* hostWindow() override { return this; }
  QMdiSubWindow* addChildWindow(QWidget* child) override;
  TProject& project() override { return project_; }
  TResultGraphs& graphs() override { return graphs_; }
  bool resultsLoaded() const override { return resultsLoaded_; }
  void projectEdited() override {}
  void showTableEditor(GridTable& table) override;
  void closeTableEditor(GridTable& table) override;
  QString textEditorPath() const override { return editorPath_; }
  void setTextEditorPath(const QString& path) override { editorPath_ = path; }
  void openInTextEditor(const QString& file) override;
  void setViewControls(QMenu* menu, const QList<QAction*>& toolButtons) override;

 private:
  TProjectTables tables_;
  TProject project_{tables_};
  TResultGraphs graphs_;
  bool resultsLoaded_ = false;
  QString editorPath_;
  int editorStarts_ = 0;
  QMenu* viewMenu_ = nullptr;
  QList<QAction*> viewButtons_;
  std::unique_ptr<TableEditors> tableEditors_;
  std::unique_ptr<DataDialogs> dataDialogs_;
  std::unique_ptr<PlotWindows> plotWindows_;
  std::unique_ptr<ModelViews> modelViews_;
};

}  // namespace murena
