#pragma once
// TTableForm: the editor window of a grid table.  Explanatory text above
// the grid, the grid (at most 10 rows in sight), the row buttons "&Add Row",
// "&Insert Row" and "&Delete Row" (shown when the row limits differ, enabled
// by them), and the table's help picture below.  Every edit marks the table
// modified and tells the main window.  The window's entry is committed when
// it is deactivated and before it closes; a refused entry keeps the window
// in front and refuses the close.
#include <QPointer>
#include <QWidget>

#include "frontend/entry/grid_table.h"

class QHBoxLayout;
class QLabel;
class QMdiSubWindow;
class QPushButton;
class QVBoxLayout;

namespace murena {
class MainWindowHost;
}

namespace murena::ui {

class GridTableModel;
class GridView;

class TTableForm : public QWidget, public TableEditorLink {
  Q_OBJECT
 public:
  TTableForm(MainWindowHost& host, GridTable& table, QWidget* parent = nullptr);
  ~TTableForm() override;

  // Null once the table is gone.
  GridTable* table() const { return table_; }
  GridView* grid() const { return grid_; }
  GridTableModel* gridModel() const { return model_; }
  QPushButton* addRowButton() const { return addButton_; }
  QPushButton* insertRowButton() const { return insertButton_; }
  QPushButton* deleteRowButton() const { return deleteButton_; }

  // Follows the activation of the sub-window that holds the editor.
  void attach(QMdiSubWindow* sub);
  // Shows the table again: units, rows and values may have changed.
  virtual void refresh();
  // Commits the entry being typed; false when it was refused.
  bool commitEntry();
  // Closes at the program's request: a valid entry is kept, an invalid one
  // dropped, nothing is refused.
  void closeByProgram();

  void tableDestroyed(GridTable& table) override;

 signals:
  // The editor is closing: `key` is the table it showed, `table` the same
  // table or null when the table no longer exists.
  void closing(const murena::GridTable* key, murena::GridTable* table);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // After every change of the table's values or rows.
  virtual void tableEdited();
  virtual void activationChanged(bool active);
  // The column under the grid where the row buttons are; the chart editor
  // adds its file controls there, and its chart to the body.
  QVBoxLayout* gridColumn() const { return gridColumn_; }
  QHBoxLayout* body() const { return body_; }
  MainWindowHost& host() { return host_; }
  // Table rows were replaced (rows added, deleted or read).
  void rowsReplaced(int currentRow);
  // Sizes the grid for the rows in sight and grows the window to fit.
  void fitWindow();

 private:
  bool commitCell(int row, int column, const QString& text, bool quiet);
  void chooseOption(int row, int column, int option);
  void openSubTable(int row, int column);
  void addRow();
  void insertRow();
  void deleteRow();
  int currentRow() const;
  void updateRowButtons();
  void retitleSubTableEditors();

  MainWindowHost& host_;
  GridTable* table_;
  const GridTable* key_;
  GridTableModel* model_;
  GridView* grid_;
  QVBoxLayout* gridColumn_;
  QHBoxLayout* body_;
  QPushButton* addButton_;
  QPushButton* insertButton_;
  QPushButton* deleteButton_;
  bool byProgram_ = false;
};

}  // namespace murena::ui
