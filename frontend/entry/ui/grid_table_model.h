#pragma once
// A grid table as a Qt item model for its editor: one model column per
// visible table column, header texts from the caption lines (the real
// columns' last line with their units, every header padded to the same line
// count), row labels by row group, and the texts the grid shows (option
// texts for choice columns, "%d: %s" for sub-table columns).  Edits do not go
// through the model: the editor commits them to the table.
#include <QAbstractTableModel>
#include <vector>

namespace murena {
class GridTable;
enum class ColumnKind : int;
}  // namespace murena

namespace murena::ui {

class GridTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GridTableModel(GridTable* table, QObject* parent = nullptr);

  GridTable* table() const { return table_; }
  // The table is gone: the model becomes empty.
  void detach();
  // Everything may have changed (rows, units, values).
  void reload();
  // A row's cells changed (an option switched, a sub-table replaced).
  void rowChanged(int row);

  // Table column of a model column and back (-1 when none).
  int tableColumn(int modelColumn) const;
  int modelColumn(int tableColumn) const;
  ColumnKind kindOf(int modelColumn) const;
  // Cells shown as in-cell controls (choice lists and sub-table buttons).
  bool hasInCellControl(int modelColumn) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The text a cell shows.
  QString cellText(int row, int modelColumn) const;

 private:
  void mapColumns();

  GridTable* table_;
  std::vector<int> columns_;  // visible table columns in order
  int headerLines_ = 1;
};

}  // namespace murena::ui
