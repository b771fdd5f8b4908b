#pragma once
// What the child windows of the main window (data dialogs, table editors,
// graph windows, side and 3D views) need from it.  The main window implements
// it; each family of child windows is managed by an object that holds a
// reference to the host.
#include <QList>
#include <QString>

class QAction;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace murena {

class GridTable;
class TProject;
struct TResultGraphs;

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;

  // Parent for dialogs and message boxes.
  virtual QWidget* hostWindow() = 0;
  // Puts a child window into the multiple-document area and shows it.  The
  // child is deleted when its sub-window closes (Qt::WA_DeleteOnClose); a
  // child that sets a fixed size keeps it.
  virtual QMdiSubWindow* addChildWindow(QWidget* child) = 0;

  // The open project (replaced on New and Open: do not keep references to
  // its TProgramData across those commands).
  virtual TProject& project() = 0;
  // The result graphs loaded from the plot data file.
  virtual TResultGraphs& graphs() = 0;
  // Results are loaded and the plot data file still exists.
  virtual bool resultsLoaded() const = 0;

  // An edit changed the project (the caller already marked it modified):
  // the main window refreshes its caption and command states.
  virtual void projectEdited() = 0;

  // The editor window of a table (or sub-table): created on first request,
  // brought to the front afterwards; closing closes its sub-tables' editors.
  virtual void showTableEditor(GridTable& table) = 0;
  virtual void closeTableEditor(GridTable& table) = 0;

  // The text editor setting and starting it on a file (no shell; the
  // program and one argument).  Failure shows "An error occurred in running
  // the Word Processor".
  virtual QString textEditorPath() const = 0;
  virtual void setTextEditorPath(const QString& path) = 0;
  virtual void openInTextEditor(const QString& file) = 0;

  // The 3D view's option menu and navigation tool buttons, shown while the
  // view exists; a null menu and an empty list remove them.
  virtual void setViewControls(QMenu* menu, const QList<QAction*>& toolButtons) = 0;
};

}  // namespace murena
