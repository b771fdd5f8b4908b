#pragma once
// The editor windows of the grid tables (TTableForm, and TTableChartForm for
// chart tables): at most one per table, created on first request as a child
// window of the main window and brought to the front afterwards.
#include <QObject>
#include <QPointer>
#include <map>

#include <QWidget>

namespace murena {

class GridTable;
class MainWindowHost;

class TableEditors : public QObject {
  Q_OBJECT
 public:
  explicit TableEditors(MainWindowHost& host, QObject* parent = nullptr);
  ~TableEditors() override;

  void show(GridTable& table);
  // Closes the table's editor and the editors of its sub-tables.
  void close(GridTable& table);
  void closeAll();
  // The open editor window of a table, null when none.
  QWidget* editorOf(const GridTable& table) const;
  // Relabels open editors after a unit switch.
  void refreshAll();

 private:
  MainWindowHost& host_;
  std::map<const GridTable*, QPointer<QWidget>> editors_;
};

}  // namespace murena
