#include "frontend/entry/grid_table.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "common/unit_template.h"
#include "frontend/entry/column_stream.h"
#include "frontend/entry/expression_evaluator.h"
#include "frontend/entry/general_format.h"

namespace murena {

namespace {

constexpr int kMaxSubTableDepth = 8;  // guards templates that contain themselves

[[noreturn]] void indexError(int index) {
  throw TableError("List index out of bounds (" + std::to_string(index) + ")");
}

bool isBlank(const std::string& entry) {
  return entry.find_first_not_of(" \t") == std::string::npos;
}

// The value of a real or integer entry.
double entryValue(const std::string& entry) {
  if (isBlank(entry)) throw EntryError("Entry cannot be blank.");
  try {
    return evaluateExpression(entry);
  } catch (const EntryError&) {
    throw EntryError(entry + " is not a valid number.");
  }
}

int clampToInt(double value) {
  if (std::isnan(value)) return 0;
  const double r = std::round(value);
  if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
  if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(r);
}

template <class T>
void eraseValue(std::vector<T>& values, int index) {
  if (index < 0 || index >= static_cast<int>(values.size())) indexError(index);
  values.erase(values.begin() + index);
}

int widest(int width, const std::string& text) {
  return std::max(width, static_cast<int>(text.size()) + 2);
}

}  // namespace

// ---------------------------------------------------------------- registries

GridTable* TableRegistry::find(int identifier) const {
  const auto it = byIdentifier_.find(identifier);
  return it == byIdentifier_.end() ? nullptr : it->second;
}

int TableRegistry::claimIdentifier() {
  while (find(counter_) != nullptr && counter_ < INT_MAX) ++counter_;
  return counter_ < INT_MAX ? counter_++ : counter_;
}

TableRegistry::~TableRegistry() {
  for (GridTable* t : tables_) t->registry_ = nullptr;
}

void TableRegistry::add(GridTable* table) {
  table->registryIndex_ = tables_.size();
  tables_.push_back(table);
  // The counter may have reached its end: a table without a free number of
  // its own is found only once another table gives that number up.
  byIdentifier_.try_emplace(table->identifier_, table);
}

void TableRegistry::remove(GridTable* table) {
  const size_t index = table->registryIndex_;
  if (index >= tables_.size() || tables_[index] != table) return;
  // The last table takes the place of the removed one.
  tables_[index] = tables_.back();
  tables_[index]->registryIndex_ = index;
  tables_.pop_back();
  const auto it = byIdentifier_.find(table->identifier_);
  if (it != byIdentifier_.end() && it->second == table) byIdentifier_.erase(it);
}

void TableRegistry::changeIdentifier(GridTable* table, int identifier) {
  const int old = table->identifier_;
  GridTable* other = find(identifier);
  if (other != nullptr) {
    other->identifier_ = old;
    byIdentifier_[old] = other;
  } else if (find(old) == table) {
    byIdentifier_.erase(old);
  }
  table->identifier_ = identifier;
  byIdentifier_[identifier] = table;
}

void ColumnClassRegistry::add(int typeId, Factory factory) {
  for (auto& entry : factories_)
    if (entry.first == typeId) {
      entry.second = factory;
      return;
    }
  factories_.emplace_back(typeId, factory);
}

std::unique_ptr<TColumn> ColumnClassRegistry::create(int typeId) const {
  for (const auto& entry : factories_)
    if (entry.first == typeId) return entry.second();
  return nullptr;
}

bool ColumnClassRegistry::has(int typeId) const {
  for (const auto& entry : factories_)
    if (entry.first == typeId) return true;
  return false;
}

namespace {
ColumnClassRegistry standardColumnClasses() {
  ColumnClassRegistry r;
  r.add(0, [] { return std::unique_ptr<TColumn>(new TEnumColumn); });
  r.add(1, [] { return std::unique_ptr<TColumn>(new TIntColumn); });
  r.add(2, [] { return std::unique_ptr<TColumn>(new TFloatColumn); });
  r.add(3, [] { return std::unique_ptr<TColumn>(new TTableColumn); });
  r.add(4, [] { return std::unique_ptr<TColumn>(new TStringColumn); });
  return r;
}
}  // namespace

const ColumnClassRegistry& plainColumnClasses() {
  static const ColumnClassRegistry registry = standardColumnClasses();
  return registry;
}

const ColumnClassRegistry& chartColumnClasses() {
  static const ColumnClassRegistry registry = standardColumnClasses();
  return registry;
}

// --------------------------------------------------------------- TColumn base

TColumn::TColumn(const TColumn& other)
    : table_(nullptr),
      captionLines_(other.captionLines_),
      visible_(other.visible_),
      rowGroupFlag_(other.rowGroupFlag_) {}

std::string TColumn::captionLine(int index) const {
  if (index < 0 || index >= captionLineCount()) return {};
  return captionLines_[static_cast<size_t>(index)];
}

void TColumn::checkRow(int row) const {
  if (row < 0 || row >= rowCount()) indexError(row);
}

void TColumn::wrongType() { throw TableError("Data of wrong type"); }

GridTable* TColumn::subTable(int) const { wrongType(); }
double TColumn::real(int) const { wrongType(); }
void TColumn::setReal(int, double) { wrongType(); }
int TColumn::integer(int) const { wrongType(); }
void TColumn::setInteger(int, int) { wrongType(); }
void TColumn::setSubTable(int, std::unique_ptr<GridTable>) { wrongType(); }
std::string TColumn::text(int) const { return {}; }

int TColumn::rowGroupSize() const { return table_ != nullptr ? table_->rowGroup() : 1; }

int TColumn::captionWidth() const {
  int width = 0;
  for (int i = 0; i < captionLineCount(); ++i) width = widest(width, captionLine(i));
  return width;
}

int TColumn::displayWidth() const {
  int width = captionWidth();
  for (int r = 0; r < rowCount(); ++r) width = widest(width, text(r));
  return width;
}

void TColumn::writeDefinition(ValueWriter& writer) const {
  writer.writeStringList(captionLines_);
  writer.writeBoolean(visible_);
  writer.writeBoolean(rowGroupFlag_);
}

void TColumn::readDefinition(ValueReader& reader) {
  captionLines_ = reader.readStringList();
  visible_ = reader.readBoolean();
  rowGroupFlag_ = reader.readBoolean();
}

// Rows written by one entry: the row, or its whole row group.
static void entryRows(const TColumn& column, int row, int& first, int& last) {
  if (!column.rowGroupFlag()) {
    first = row;
    last = row + 1;
    return;
  }
  const int group = std::max(1, column.rowGroupSize());
  first = row / group * group;
  last = std::min(first + group, column.rowCount());
}

// --------------------------------------------------------------- ValueColumn

template <class T, class Self>
void ValueColumn<T, Self>::deleteRow(int index) {
  eraseValue(values_, index);
}

template <class T, class Self>
std::unique_ptr<TColumn> ValueColumn<T, Self>::clone() const {
  auto copy = std::make_unique<Self>(static_cast<const Self&>(*this));
  copy->values_.clear();
  return copy;
}

template <class T, class Self>
const T& ValueColumn<T, Self>::value(int row) const {
  checkRow(row);
  return values_[static_cast<size_t>(row)];
}

template <class T, class Self>
T& ValueColumn<T, Self>::value(int row) {
  checkRow(row);
  return values_[static_cast<size_t>(row)];
}

template <class T, class Self>
void ValueColumn<T, Self>::insertValues(int position, int count, const T& value) {
  if (position < 0 || position > rowCount()) indexError(position);
  if (count <= 0) return;
  values_.insert(values_.begin() + position, static_cast<size_t>(count), value);
}

template <class T, class Self>
void ValueColumn<T, Self>::storeEntry(int row, const T& value) {
  checkRow(row);
  int first = 0, last = 0;
  entryRows(*this, row, first, last);
  for (int r = first; r < last; ++r) values_[static_cast<size_t>(r)] = value;
}

template class ValueColumn<int, TEnumColumn>;
template class ValueColumn<int, TIntColumn>;
template class ValueColumn<double, TFloatColumn>;
template class ValueColumn<std::string, TStringColumn>;

// ---------------------------------------------------------------- TEnumColumn

void TEnumColumn::insertRows(GridTable&, int position, int count) { insertValues(position, count, 1); }

void TEnumColumn::setInteger(int row, int value) {
  int& cell = this->value(row);
  if (cell == value) return;
  cell = value;
  if (table() != nullptr) table()->optionChanged(*this, row);
}

std::string TEnumColumn::text(int row) const { return std::to_string(integer(row)); }

void TEnumColumn::setText(int row, const std::string& entry) {
  checkRow(row);
  const double value = entryValue(entry);
  if (value != std::trunc(value) || value < INT_MIN || value > INT_MAX)
    throw EntryError("Value must be an integer.");
  int first = 0, last = 0;
  entryRows(*this, row, first, last);
  for (int r = first; r < last; ++r) setInteger(r, static_cast<int>(value));
}

int TEnumColumn::displayWidth() const {
  int width = captionWidth();
  for (const std::string& option : options_) width = widest(width, option);
  return width;
}

void TEnumColumn::writeDefinition(ValueWriter& writer) const {
  TColumn::writeDefinition(writer);
  writer.writeStringList(options_);
}

void TEnumColumn::readDefinition(ValueReader& reader) {
  TColumn::readDefinition(reader);
  options_ = reader.readStringList();
}

// ----------------------------------------------------------------- TIntColumn

void TIntColumn::insertRows(GridTable&, int position, int count) { insertValues(position, count, default_); }

std::string TIntColumn::text(int row) const { return std::to_string(integer(row)); }

void TIntColumn::setText(int row, const std::string& entry) {
  checkRow(row);
  const double value = entryValue(entry);
  if (table() != nullptr && table()->editorOpen()) {
    // Distance to the nearest integer, so 2.99999999999 counts as 3 like
    // 3.0000000001; the allowance of a few units of the last place keeps the
    // 1E-10 limit itself from failing on the binary value of the entry.
    const double tolerance = 1e-10 + 4 * std::numeric_limits<double>::epsilon() * std::fmax(1.0, std::fabs(value));
    if (std::fabs(value - std::round(value)) > tolerance) throw EntryError("Entry must be an integer.");
    const double rounded = std::round(value);
    if (rounded < min_ || rounded > max_) {
      throw EntryError("Entry must be between " + std::to_string(min_) + " and " + std::to_string(max_) + ".");
    }
  }
  storeEntry(row, clampToInt(value));
}

void TIntColumn::writeDefinition(ValueWriter& writer) const {
  TColumn::writeDefinition(writer);
  writer.writeInteger(default_);
  writer.writeInteger(min_);
  writer.writeInteger(max_);
}

void TIntColumn::readDefinition(ValueReader& reader) {
  TColumn::readDefinition(reader);
  default_ = reader.readInteger();
  min_ = reader.readInteger();
  max_ = reader.readInteger();
}

// --------------------------------------------------------------- TFloatColumn

std::string TFloatColumn::renderedUnits() const {
  if (unitsTemplate_.empty()) return {};
  return renderUnitTemplate(unitsTemplate_, table() != nullptr ? table()->units() : 1);
}

std::string TFloatColumn::captionLine(int index) const {
  std::string line = TColumn::captionLine(index);
  if (index == captionLineCount() - 1 && !unitsTemplate_.empty()) line += " (" + renderedUnits() + ")  ";
  return line;
}

const TFloatColumn* TFloatColumn::nextFloatColumn() const {
  const GridTable* t = table();
  if (t == nullptr) return nullptr;
  for (int i = 0; i + 1 < t->columnCount(); ++i)
    if (&t->column(i) == this) return dynamic_cast<const TFloatColumn*>(&t->column(i + 1));
  return nullptr;
}

void TFloatColumn::insertRows(GridTable&, int position, int count) {
  if (position < 0 || position > rowCount()) indexError(position);
  if (count <= 0) return;
  insertValues(position, count, default_);
  const TFloatColumn* next = topDepth_ ? nextFloatColumn() : nullptr;
  if (next == nullptr) return;
  // A new interval starts at the bottom of the one above it.
  if (position > 0 && position - 1 < next->rowCount()) values_[static_cast<size_t>(position)] = next->values_[static_cast<size_t>(position - 1)];
  for (int k = 1; k < count; ++k) values_[static_cast<size_t>(position + k)] = next->default_;
}

void TFloatColumn::deleteRow(int index) {
  ValueColumn::deleteRow(index);
  const TFloatColumn* next = topDepth_ ? nextFloatColumn() : nullptr;
  if (next != nullptr && index > 0 && index < rowCount() && index - 1 < next->rowCount())
    values_[static_cast<size_t>(index)] = next->values_[static_cast<size_t>(index - 1)];
}

std::string TFloatColumn::text(int row) const { return formatGeneral(real(row), 8); }

void TFloatColumn::setText(int row, const std::string& entry) {
  checkRow(row);
  storeEntry(row, entryValue(entry));
}

void TFloatColumn::writeDefinition(ValueWriter& writer) const {
  TColumn::writeDefinition(writer);
  writer.writeBoolean(topDepth_);
  writer.writeString("FLOATCOLUMN2");
  writer.writeString(unitsTemplate_);
  writer.writeExtended(default_);
}

void TFloatColumn::readDefinition(ValueReader& reader) {
  TColumn::readDefinition(reader);
  topDepth_ = reader.readBoolean();
  std::string marker = reader.readString();
  if (marker == "FLOATCOLUMN2") {
    unitsTemplate_ = reader.readString();
    const long double value = reader.readExtended();
    if (!(std::fabs(value) <= static_cast<long double>(std::numeric_limits<double>::max())))
      throw StreamError("Invalid property value", reader.line());
    default_ = static_cast<double>(value);
  } else {
    // Older form: the units template in place of the marker, no default.
    unitsTemplate_ = std::move(marker);
    default_ = 0.0;
  }
}

// ---------------------------------------------------------------- TTableColumn

TTableColumn::~TTableColumn() = default;

int TTableColumn::templateIdFor(int row) const {
  if (templateIds_.empty()) return -1;
  const GridTable* t = table();
  if (t != nullptr && t->columnCount() > 0 && &t->column(0) != this && t->column(0).kind() == ColumnKind::Enum) {
    const TColumn& options = t->column(0);
    if (row < 0 || row >= options.rowCount()) return -1;
    const int option = options.integer(row);
    if (option < 1 || option > static_cast<int>(templateIds_.size())) return -1;
    return templateIds_[static_cast<size_t>(option - 1)];
  }
  return templateIds_.front();
}

static int ownerDepth(const GridTable& table) {
  int depth = 0;
  for (const GridTable* t = table.owner(); t != nullptr; t = t->owner()) ++depth;
  return depth;
}

void TTableColumn::insertRows(GridTable& table, int position, int count) {
  if (position < 0 || position > rowCount()) indexError(position);
  if (count <= 0) return;
  std::vector<std::unique_ptr<GridTable>> created;
  for (int k = 0; k < count; ++k) {
    const int row = position + k;
    created.push_back(ownerDepth(table) < kMaxSubTableDepth ? table.createFromTemplate(templateIdFor(row), row + 1)
                                                            : nullptr);
  }
  tables_.insert(tables_.begin() + position, std::make_move_iterator(created.begin()),
                 std::make_move_iterator(created.end()));
  renumber(position);
}

void TTableColumn::deleteRow(int index) {
  eraseValue(tables_, index);
  renumber(index);
}

void TTableColumn::renumber(int from) {
  for (size_t i = static_cast<size_t>(from); i < tables_.size(); ++i)
    if (tables_[i]) tables_[i]->setRowNumber(static_cast<int>(i) + 1);
}

void TTableColumn::rebuild(int row) {
  checkRow(row);
  GridTable* t = table();
  std::unique_ptr<GridTable> fresh;
  if (t != nullptr && ownerDepth(*t) < kMaxSubTableDepth) fresh = t->createFromTemplate(templateIdFor(row), row + 1);
  tables_[static_cast<size_t>(row)] = std::move(fresh);
}

GridTable* TTableColumn::subTable(int row) const {
  checkRow(row);
  return tables_[static_cast<size_t>(row)].get();
}

void TTableColumn::setSubTable(int row, std::unique_ptr<GridTable> sub) {
  checkRow(row);
  if (sub) sub->setRowNumber(row + 1);
  tables_[static_cast<size_t>(row)] = std::move(sub);
}

std::string TTableColumn::text(int row) const {
  const GridTable* sub = subTable(row);
  if (sub == nullptr) return {};
  return std::to_string(row + 1) + ": " + sub->caption();
}

void TTableColumn::setText(int row, const std::string&) { checkRow(row); }

bool TTableColumn::isModified() const {
  for (const auto& t : tables_)
    if (t && t->isModified()) return true;
  return false;
}

void TTableColumn::clearModified() {
  for (const auto& t : tables_)
    if (t) t->clearModified();
}

void TTableColumn::closeSubEditors() {
  for (const auto& t : tables_)
    if (t) t->closeEditor();
}

void TTableColumn::setUnitSystem(int system) {
  for (const auto& t : tables_)
    if (t) t->setUnits(system);
}

void TTableColumn::writeDefinition(ValueWriter& writer) const {
  TColumn::writeDefinition(writer);
  writer.writeString("FLEXCOLUMN2");
  writer.writeIntegerList(templateIds_);
}

void TTableColumn::readDefinition(ValueReader& reader) {
  TColumn::readDefinition(reader);
  if (reader.nextType() == ValueReader::Type::String) {
    if (reader.readString() != "FLEXCOLUMN2") throw StreamError("Invalid property value", reader.line());
    templateIds_ = reader.readIntegerList();
  } else {
    // Older form: one template identifier in place of the marker.
    templateIds_ = {reader.readInteger()};
  }
}

std::unique_ptr<TColumn> TTableColumn::clone() const {
  auto copy = std::make_unique<TTableColumn>(templateIds_);
  copy->setCaptionLines(captionLines());
  copy->setVisible(visible());
  copy->setRowGroupFlag(rowGroupFlag());
  return copy;
}

// -------------------------------------------------------------- TStringColumn

void TStringColumn::insertRows(GridTable&, int position, int count) { insertValues(position, count, default_); }

void TStringColumn::writeDefinition(ValueWriter& writer) const {
  TColumn::writeDefinition(writer);
  writer.writeString(default_);
  writer.writeExtended(setting_);
}

void TStringColumn::readDefinition(ValueReader& reader) {
  TColumn::readDefinition(reader);
  default_ = reader.readString();
  const long double value = reader.readExtended();
  if (!(std::fabs(value) <= static_cast<long double>(std::numeric_limits<double>::max())))
    throw StreamError("Invalid property value", reader.line());
  setting_ = static_cast<double>(value);
}

// ------------------------------------------------------------------ GridTable

GridTable::GridTable(TableRegistry& registry, GridTable* owner) : registry_(&registry), owner_(owner) {
  identifier_ = registry_->claimIdentifier();
  registry_->add(this);
  if (owner_ != nullptr) units_ = owner_->units_;
}

GridTable::~GridTable() {
  if (editorLink_ != nullptr) editorLink_->tableDestroyed(*this);
  columns_.clear();  // sub-tables leave the registry first
  if (registry_ != nullptr) registry_->remove(this);
}

TableRegistry& GridTable::registry() const {
  if (registry_ == nullptr) throw TableError("Table registry no longer exists");
  return *registry_;
}

void GridTable::setIdentifier(int identifier) {
  if (identifier < 0 || identifier == identifier_ || registry_ == nullptr) return;
  registry_->changeIdentifier(this, identifier);
}

void GridTable::setMaxRows(int rows) { maxRows_ = std::max(0, rows); }

void GridTable::setMinRows(int rows) {
  if (rows <= 0) throw TableError("Value must be greater than 0");
  minRows_ = rows;
}

void GridTable::setMinRowsWhileReading(int rows) { minRows_ = rows <= 0 ? 1 : rows; }

void GridTable::setRowGroup(int size) { rowGroup_ = std::max(1, size); }

void GridTable::checkColumn(int column) const {
  if (column < 0 || column >= columnCount()) indexError(column);
}

void GridTable::checkCell(int column, int row) const {
  checkColumn(column);
  if (row < 0 || row >= rowCount_) indexError(row);
}

TColumn& GridTable::column(int index) {
  checkColumn(index);
  return *columns_[static_cast<size_t>(index)];
}

const TColumn& GridTable::column(int index) const {
  checkColumn(index);
  return *columns_[static_cast<size_t>(index)];
}

TColumn& GridTable::addColumn(std::unique_ptr<TColumn> column) {
  if (!column) throw TableError("Data of wrong type");
  column->attach(this);
  columns_.push_back(std::move(column));
  TColumn& added = *columns_.back();
  added.insertRows(*this, 0, rowCount_);
  added.setUnitSystem(units_);
  return added;
}

void GridTable::clearColumns() { columns_.clear(); }

void GridTable::setColumns(std::vector<std::unique_ptr<TColumn>> columns) {
  columns_.clear();
  for (auto& c : columns) addColumn(std::move(c));
}

void GridTable::setRowCount(int rows) {
  rows = std::clamp(rows, 0, kMaxRowCount);
  if (rows > rowCount_) {
    insertRows(rowCount_, rows - rowCount_);
  } else {
    while (rowCount_ > rows) deleteRow(rowCount_ - 1);
  }
}

void GridTable::insertRows(int position, int count) {
  if (position < 0 || position > rowCount_) indexError(position);
  count = std::clamp(count, 0, kMaxRowCount - rowCount_);
  if (count == 0) return;
  for (auto& c : columns_) c->insertRows(*this, position, count);
  rowCount_ += count;
}

void GridTable::deleteRow(int index) {
  if (index < 0 || index >= rowCount_) indexError(index);
  for (auto& c : columns_) c->deleteRow(index);
  --rowCount_;
}

TColumn& GridTable::cellColumn(int column, int row) {
  checkCell(column, row);
  return *columns_[static_cast<size_t>(column)];
}

const TColumn& GridTable::cellColumn(int column, int row) const {
  checkCell(column, row);
  return *columns_[static_cast<size_t>(column)];
}

TData GridTable::cell(int column, int row) { return TData(cellColumn(column, row), row); }
double GridTable::real(int column, int row) const { return cellColumn(column, row).real(row); }
void GridTable::setReal(int column, int row, double value) { cellColumn(column, row).setReal(row, value); }
int GridTable::integer(int column, int row) const { return cellColumn(column, row).integer(row); }
void GridTable::setInteger(int column, int row, int value) { cellColumn(column, row).setInteger(row, value); }
std::string GridTable::text(int column, int row) const { return cellColumn(column, row).text(row); }
GridTable* GridTable::subTable(int column, int row) const { return cellColumn(column, row).subTable(row); }

void GridTable::setText(int column, int row, const std::string& entry) {
  cellColumn(column, row).setText(row, entry);
  modified_ = true;
}

void GridTable::setUnits(int system) {
  units_ = clampUnitSystem(system);
  for (auto& c : columns_) c->setUnitSystem(units_);
}

std::unique_ptr<GridTable> GridTable::createFromTemplate(int templateId, int ownerRow) {
  if (templateId < 0 || registry_ == nullptr) return nullptr;
  const GridTable* source = registry_->find(templateId);
  if (source == nullptr) return nullptr;
  for (const GridTable* t = this; t != nullptr; t = t->owner_)
    if (t == source) return nullptr;  // a template inside itself would never end
  std::unique_ptr<GridTable> made = makeTable(this);
  made->caption_ = source->caption_;
  made->comments_ = source->comments_;
  made->topLeft_ = source->topLeft_;
  made->helpPicture_ = source->helpPicture_;
  made->hardwiredButton_ = source->hardwiredButton_;
  made->minRows_ = source->minRows_;
  made->maxRows_ = source->maxRows_;
  made->rowGroup_ = source->rowGroup_;
  if (source->chartSettings() != nullptr && made->chartSettings() != nullptr)
    *made->chartSettings() = *source->chartSettings();
  made->rowNumber_ = ownerRow;
  made->units_ = units_;
  for (const auto& c : source->columns_) made->addColumn(c->clone());
  made->setRowCount(source->minRows_);
  return made;
}

bool GridTable::isModified() const {
  if (modified_) return true;
  for (const auto& c : columns_)
    if (c->isModified()) return true;
  return false;
}

void GridTable::clearModified() {
  modified_ = false;
  for (auto& c : columns_) c->clearModified();
}

void GridTable::showEditor() {
  if (rowCount_ < minRows_) setRowCount(minRows_);
  editorOpen_ = true;
}

void GridTable::closeEditor() {
  editorOpen_ = false;
  for (auto& c : columns_) c->closeSubEditors();
}

std::string GridTable::editorCaption() const {
  std::vector<int> path;
  for (const GridTable* t = this; t != nullptr && t->owner_ != nullptr; t = t->owner_) path.push_back(t->rowNumber_);
  std::string text = caption_;
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    text += ' ';
    text += std::to_string(*it);
  }
  return text;
}

int GridTable::headerRowCount() const {
  int lines = 0;
  for (const auto& c : columns_)
    if (c->visible()) lines = std::max(lines, c->captionLineCount());
  return lines;
}

int GridTable::rowGroupLabel(int row) const { return row / rowGroup_ + 1; }

bool GridTable::rowButtonsVisible() const { return minRows_ != maxRows_; }

bool GridTable::canAddRow() const { return maxRows_ == 0 || rowCount_ < maxRows_; }

bool GridTable::canDeleteRow() const { return rowCount_ > minRows_; }

bool GridTable::addRowGroup() {
  if (!canAddRow()) return false;
  insertRows(rowCount_, rowGroup_);
  modified_ = true;
  return true;
}

bool GridTable::insertRowGroup(int currentRow) {
  if (rowCount_ > 0 && (currentRow < 0 || currentRow >= rowCount_)) throw TableError("Grid.Row not in valid range");
  if (!canAddRow()) return false;
  const int start = rowCount_ == 0 ? 0 : currentRow / rowGroup_ * rowGroup_;
  insertRows(start, rowGroup_);
  modified_ = true;
  return true;
}

bool GridTable::deleteRowGroup(int currentRow) {
  if (currentRow < 0 || currentRow >= rowCount_) throw TableError("Grid.Row not in valid range");
  if (!canDeleteRow()) return false;
  const int start = currentRow / rowGroup_ * rowGroup_;
  const int count = std::min(rowGroup_, rowCount_ - start);
  for (int k = 0; k < count; ++k) deleteRow(start);
  if (rowCount_ < minRows_) setRowCount(minRows_);
  modified_ = true;
  return true;
}

GridCell GridTable::cellAfterEnter(GridCell from) const {
  std::vector<int> shown;
  for (int c = 0; c < columnCount(); ++c)
    if (columns_[static_cast<size_t>(c)]->visible()) shown.push_back(c);
  if (rowCount_ == 0 || shown.empty()) return from;
  if (from.row + 1 < rowCount_ && from.row >= 0) return {from.column, from.row + 1};
  const auto at = std::find(shown.begin(), shown.end(), from.column);
  if (at == shown.end() || at + 1 == shown.end()) return {shown.front(), 0};
  return {*(at + 1), 0};
}

void GridTable::optionChanged(const TColumn& column, int row) {
  if (columns_.empty() || columns_.front().get() != &column) return;
  for (auto& c : columns_)
    if (auto* flex = dynamic_cast<TTableColumn*>(c.get())) {
      if (row < flex->rowCount()) flex->rebuild(row);
    }
}

std::unique_ptr<GridTable> TGridTable::makeTable(GridTable* owner) const {
  return std::unique_ptr<GridTable>(new TGridTable(registry(), owner));
}

std::unique_ptr<GridTable> TGridTableChart::makeTable(GridTable* owner) const {
  return std::unique_ptr<GridTable>(new TGridTableChart(registry(), owner));
}

}  // namespace murena
