#pragma once
// The editor windows of the grid tables (TTableForm, and TTableChartForm for
// chart tables): at most one per table, created on first request as a child
// window of the main window and brought to the front afterwards.
//
// The table's editor state (GridTable::showEditor / closeEditor) follows the
// window: opening grows the table to its minimum rows and turns on the entry
// checks of integer cells; closing a table's window closes the windows of
// its sub-tables.  A window whose table is destroyed (its row deleted, its
// owner's option switched, the tables reset for another project) closes.
#include <QObject>
#include <QPointer>
#include <map>

#include <QWidget>

namespace murena {

class GridTable;
class MainWindowHost;

namespace ui {
class TTableForm;
}

class TableEditors : public QObject {
  Q_OBJECT
 public:
  explicit TableEditors(MainWindowHost& host, QObject* parent = nullptr);
  ~TableEditors() override;

  void show(GridTable& table);
  // Closes the table's editor and the editors of its sub-tables (an entry
  // being typed is kept when valid, else dropped).
  void close(GridTable& table);
  void closeAll();
  // The open editor window of a table, null when none.
  QWidget* editorOf(const GridTable& table) const;
  // Relabels open editors after a unit switch.
  void refreshAll();

  // Commits the entry being typed in every open editor (before a save or a
  // run); false when one was refused (its editor keeps the focus).
  bool commitAll();

 private:
  void editorClosing(const GridTable* key, GridTable* table);
  ui::TTableForm* formOf(const GridTable& table) const;

  MainWindowHost& host_;
  std::map<const GridTable*, QPointer<QWidget>> editors_;
};

}  // namespace murena
