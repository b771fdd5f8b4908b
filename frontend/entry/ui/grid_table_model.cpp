#include "frontend/entry/ui/grid_table_model.h"

#include <QStringList>

#include "frontend/entry/grid_table.h"

namespace murena::ui {

GridTableModel::GridTableModel(GridTable* table, QObject* parent) : QAbstractTableModel(parent), table_(table) {
  mapColumns();
}

void GridTableModel::mapColumns() {
  columns_.clear();
  headerLines_ = 1;
  if (table_ == nullptr) return;
  for (int c = 0; c < table_->columnCount(); ++c)
    if (table_->column(c).visible()) columns_.push_back(c);
  headerLines_ = std::max(1, table_->headerRowCount());
}

void GridTableModel::detach() {
  beginResetModel();
  table_ = nullptr;
  columns_.clear();
  endResetModel();
}

void GridTableModel::reload() {
  beginResetModel();
  mapColumns();
  endResetModel();
}

void GridTableModel::rowChanged(int row) {
  if (row < 0 || row >= rowCount() || columns_.empty()) return;
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int GridTableModel::tableColumn(int modelColumn) const {
  return modelColumn >= 0 && modelColumn < static_cast<int>(columns_.size()) ? columns_[static_cast<size_t>(modelColumn)]
                                                                            : -1;
}

int GridTableModel::modelColumn(int tableColumn) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i] == tableColumn) return static_cast<int>(i);
  return -1;
}

ColumnKind GridTableModel::kindOf(int modelColumn) const {
  const int c = tableColumn(modelColumn);
  return table_ != nullptr && c >= 0 ? table_->column(c).kind() : ColumnKind::String;
}

bool GridTableModel::hasInCellControl(int modelColumn) const {
  if (tableColumn(modelColumn) < 0) return false;
  const ColumnKind kind = kindOf(modelColumn);
  return kind == ColumnKind::Enum || kind == ColumnKind::Table;
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || table_ == nullptr ? 0 : table_->rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString GridTableModel::cellText(int row, int modelColumn) const {
  const int c = tableColumn(modelColumn);
  if (table_ == nullptr || c < 0 || row < 0 || row >= table_->rowCount()) return {};
  const TColumn& column = table_->column(c);
  if (const auto* choice = dynamic_cast<const TEnumColumn*>(&column)) {
    const int option = choice->integer(row);
    if (option >= 1 && option <= static_cast<int>(choice->options().size()))
      return QString::fromStdString(choice->options()[static_cast<size_t>(option - 1)]);
  }
  return QString::fromStdString(column.text(row));
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
      const ColumnKind kind = kindOf(index.column());
      const bool number = kind == ColumnKind::Float || kind == ColumnKind::Int;
      return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
      return {};
  }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (table_ == nullptr) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return table_->rowGroupLabel(section);
  const int c = tableColumn(section);
  if (c < 0) return {};
  const TColumn& column = table_->column(c);
  // Headers of fewer lines sit at the bottom, next to the data.
  QStringList lines;
  for (int i = column.captionLineCount(); i < headerLines_; ++i) lines << QString();
  for (int i = 0; i < column.captionLineCount(); ++i) lines << QString::fromStdString(column.captionLine(i)).trimmed();
  return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || table_ == nullptr) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (!hasInCellControl(index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

}  // namespace murena::ui
