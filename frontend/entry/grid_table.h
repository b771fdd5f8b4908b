#pragma once
// Grid tables: the non-visual tables that hold every list input of a project
// (wall sections, loads, springs, tiebacks, soil layers, curves).  A table has
// typed columns (TEnumColumn, TIntColumn, TFloatColumn, TTableColumn,
// TStringColumn), row limits, a row group size and a unit system; its editor
// window comes later and only displays and edits what the table holds.
//
// Usage:
//   TGridTableRegistry tables;        // one per family; must outlive its tables
//   TGridTableChartRegistry charts;
//   TableDefinitions defs = readTableDefinitions(text, tables, charts);  // column_stream.h
//   GridTable& soil = defs.get("NewSoil");
//   soil.setRowCount(soil.minRows());      // default rows
//   soil.setInteger(0, 0, 4);              // layer 1 becomes sand: its parameter
//   GridTable* sand = soil.subTable(2, 0); //   sub-table is rebuilt from template 17
//   sand->setReal(0, 1, 120.0);            // (column, row), both 0-based
//   soil.showEditor();                     // entry checks of integer cells apply
//   soil.setText(1, 0, "12*3");            //   while the editor is open
//   soil.setUnits(kSIUnits);               // relabels (values are converted by the project)
//
// Cell access is always (column, row).  Values set by the program are not
// range-tested; texts given to setText are entries and are checked (EntryError).
//
// The plain family (TGridTable, TColumn, TEnumColumn, ..., TData) and the chart
// family (TGridTableChart, TColumnChart, TEnumColumnChart, ..., TDataChart)
// share one implementation.  They differ in their table registries (identifier
// counter and template lookup: a sub-table is built from a template of its own
// family), their column-class registries, and the chart settings carried by
// chart tables.
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "frontend/entry/entry_errors.h"

namespace murena {

class GridTable;
struct ChartSettings;

// The open editor window of a table.  A table tells it when it is destroyed
// (its row deleted, its owner's option changed, the tables reset for another
// project), so that the window closes instead of showing a table that no
// longer exists.
class TableEditorLink {
 public:
  virtual ~TableEditorLink() = default;
  virtual void tableDestroyed(GridTable& table) = 0;
};

// A cell of a table: (column, row), both 0-based.
struct GridCell {
  int column = 0;
  int row = 0;
  bool operator==(const GridCell&) const = default;
};
class ValueReader;
class ValueWriter;

// ---------------------------------------------------------------- registries

// The tables of one family.  A new table takes the next free number of the
// counter (starting at 0); giving a table a number that another table holds
// makes the two swap, so identifiers stay unique.  Look-up, registration and
// removal take constant time: a project with many curve sets creates and
// destroys a sub-table per row.
class TableRegistry {
 public:
  TableRegistry() = default;
  TableRegistry(const TableRegistry&) = delete;
  TableRegistry& operator=(const TableRegistry&) = delete;
  // Tables still registered are detached (they should not outlive it).
  virtual ~TableRegistry();

  GridTable* find(int identifier) const;  // null when none
  // Every registered table, in no particular order.
  const std::vector<GridTable*>& tables() const { return tables_; }

 private:
  friend class GridTable;
  int claimIdentifier();
  void add(GridTable* table);
  void remove(GridTable* table);
  // Gives `table` the identifier; the table holding it takes the old one.
  void changeIdentifier(GridTable* table, int identifier);

  std::vector<GridTable*> tables_;
  std::unordered_map<int, GridTable*> byIdentifier_;
  int counter_ = 0;
};

class TGridTableRegistry final : public TableRegistry {};
class TGridTableChartRegistry final : public TableRegistry {};

// ------------------------------------------------------------------- columns

// Column kinds; the number is the type id of the column-definition stream.
enum class ColumnKind : int { Enum = 0, Int = 1, Float = 2, Table = 3, String = 4 };

// One column of a table: a value per row, caption lines, a visible flag and a
// row-group flag (an entry in one row is written to every row of its group).
// Operations a kind does not support raise TableError "Data of wrong type".
class TColumn {
 public:
  virtual ~TColumn() = default;
  virtual ColumnKind kind() const = 0;
  int typeId() const { return static_cast<int>(kind()); }

  // Rows (kept in step with the table by the table itself).
  virtual int rowCount() const = 0;
  virtual void insertRows(GridTable& table, int position, int count) = 0;
  virtual void deleteRow(int index) = 0;

  // Captions.  captionLine() of a real column shows its units on the last line.
  int captionLineCount() const { return static_cast<int>(captionLines_.size()); }
  virtual std::string captionLine(int index) const;
  const std::vector<std::string>& captionLines() const { return captionLines_; }
  void setCaptionLines(std::vector<std::string> lines) { captionLines_ = std::move(lines); }

  bool visible() const { return visible_; }
  void setVisible(bool on) { visible_ = on; }
  bool rowGroupFlag() const { return rowGroupFlag_; }
  void setRowGroupFlag(bool on) { rowGroupFlag_ = on; }

  // Values of one row.
  virtual GridTable* subTable(int row) const;
  virtual double real(int row) const;
  virtual void setReal(int row, double value);
  virtual int integer(int row) const;
  virtual void setInteger(int row, int value);
  virtual void setSubTable(int row, std::unique_ptr<GridTable> table);
  virtual std::string text(int row) const;  // base: empty
  // An entry: parsed and checked by the kind's rules (EntryError), then stored.
  virtual void setText(int row, const std::string& entry) = 0;

  virtual bool isModified() const { return false; }
  virtual void clearModified() {}
  virtual int rowGroupSize() const;  // the table's row group size (1 unattached)
  virtual void closeSubEditors() {}
  // Width in characters: widest caption line or cell text plus two.
  virtual int displayWidth() const;
  virtual void setUnitSystem(int /*system*/) {}

  // Column-definition stream (the part after the type id).
  virtual void writeDefinition(ValueWriter& writer) const;
  virtual void readDefinition(ValueReader& reader);

  // The same definition for another table, without rows.
  virtual std::unique_ptr<TColumn> clone() const = 0;

  GridTable* table() const { return table_; }
  void attach(GridTable* table) { table_ = table; }

 protected:
  TColumn() = default;
  TColumn(const TColumn& other);
  void checkRow(int row) const;
  int captionWidth() const;  // widest caption line plus two
  [[noreturn]] static void wrongType();

 private:
  GridTable* table_ = nullptr;
  std::vector<std::string> captionLines_;
  bool visible_ = true;
  bool rowGroupFlag_ = false;
};

// What the kinds with one stored value per row share: the values, deleting a
// row, and the copy of the definition without rows.  Self is the kind.
template <class T, class Self>
class ValueColumn : public TColumn {
 public:
  int rowCount() const override { return static_cast<int>(values_.size()); }
  void deleteRow(int index) override;
  std::unique_ptr<TColumn> clone() const override;

 protected:
  ValueColumn() = default;
  // The value of a row (TableError outside the rows).
  const T& value(int row) const;
  T& value(int row);
  // Puts `count` rows holding `value` before `position`.
  void insertValues(int position, int count, const T& value);
  // Stores an entry's value in the rows the entry writes: the row, or its
  // whole row group when the row-group flag is set.
  void storeEntry(int row, const T& value);

  std::vector<T> values_;
};

// Option number per row (1-based); the options are the texts of its list.
// Changing the option of the table's first column rebuilds that row's
// sub-tables from the template of the new option.
class TEnumColumn final : public ValueColumn<int, TEnumColumn> {
 public:
  TEnumColumn() = default;
  explicit TEnumColumn(std::vector<std::string> options) : options_(std::move(options)) {}
  ColumnKind kind() const override { return ColumnKind::Enum; }
  const std::vector<std::string>& options() const { return options_; }
  void setOptions(std::vector<std::string> options) { options_ = std::move(options); }

  void insertRows(GridTable& table, int position, int count) override;
  int integer(int row) const override { return value(row); }
  void setInteger(int row, int value) override;
  std::string text(int row) const override;
  void setText(int row, const std::string& entry) override;
  int displayWidth() const override;  // widest caption line or option
  void writeDefinition(ValueWriter& writer) const override;
  void readDefinition(ValueReader& reader) override;

 private:
  std::vector<std::string> options_;
};

// Integer per row with a default and a range (tested on entries while the
// table's editor is open).
class TIntColumn final : public ValueColumn<int, TIntColumn> {
 public:
  TIntColumn() = default;
  TIntColumn(int defaultValue, int minValue, int maxValue)
      : default_(defaultValue), min_(minValue), max_(maxValue) {}
  ColumnKind kind() const override { return ColumnKind::Int; }
  int defaultValue() const { return default_; }
  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  void setDefaultValue(int v) { default_ = v; }
  void setRange(int minValue, int maxValue) { min_ = minValue; max_ = maxValue; }

  void insertRows(GridTable& table, int position, int count) override;
  int integer(int row) const override { return value(row); }
  void setInteger(int row, int value) override { this->value(row) = value; }
  std::string text(int row) const override;
  void setText(int row, const std::string& entry) override;
  void writeDefinition(ValueWriter& writer) const override;
  void readDefinition(ValueReader& reader) override;

 private:
  int default_ = 0;
  int min_ = 0;
  int max_ = 0;
};

// Real per row with a units template and a default; shown in general format
// with 8 significant digits.  With the top-depth flag the next column must be
// a real column: a new row starts at the bottom of the row above.
class TFloatColumn final : public ValueColumn<double, TFloatColumn> {
 public:
  TFloatColumn() = default;
  explicit TFloatColumn(std::string unitsTemplate, double defaultValue = 0.0)
      : unitsTemplate_(std::move(unitsTemplate)), default_(defaultValue) {}
  ColumnKind kind() const override { return ColumnKind::Float; }
  const std::string& unitsTemplate() const { return unitsTemplate_; }
  void setUnitsTemplate(std::string t) { unitsTemplate_ = std::move(t); }
  double defaultValue() const { return default_; }
  void setDefaultValue(double v) { default_ = v; }
  bool topDepth() const { return topDepth_; }
  void setTopDepth(bool on) { topDepth_ = on; }
  // The units rendered for the table's unit system (empty without template).
  std::string renderedUnits() const;

  std::string captionLine(int index) const override;
  void insertRows(GridTable& table, int position, int count) override;
  void deleteRow(int index) override;
  double real(int row) const override { return value(row); }
  void setReal(int row, double value) override { this->value(row) = value; }
  std::string text(int row) const override;
  void setText(int row, const std::string& entry) override;
  void writeDefinition(ValueWriter& writer) const override;
  void readDefinition(ValueReader& reader) override;

 private:
  const TFloatColumn* nextFloatColumn() const;

  bool topDepth_ = false;
  std::string unitsTemplate_;
  double default_ = 0.0;
};

// A sub-table per row, built from a template table of the same family: when
// the table's first column is an enumeration the template is entry n for
// option n, otherwise the first entry (-1, a missing entry or an unknown
// identifier: no sub-table).  Text "%d: %s" (1-based row, sub-table caption).
class TTableColumn final : public TColumn {
 public:
  TTableColumn() = default;
  explicit TTableColumn(std::vector<int> templateIds) : templateIds_(std::move(templateIds)) {}
  ~TTableColumn() override;
  ColumnKind kind() const override { return ColumnKind::Table; }
  const std::vector<int>& templateIds() const { return templateIds_; }
  void setTemplateIds(std::vector<int> ids) { templateIds_ = std::move(ids); }
  // The template identifier used for a row, -1 when none.
  int templateIdFor(int row) const;
  // Replaces the row's sub-table by a new one from its template.
  void rebuild(int row);

  int rowCount() const override { return static_cast<int>(tables_.size()); }
  void insertRows(GridTable& table, int position, int count) override;
  void deleteRow(int index) override;
  GridTable* subTable(int row) const override;
  void setSubTable(int row, std::unique_ptr<GridTable> table) override;
  std::string text(int row) const override;
  void setText(int row, const std::string& entry) override;  // no effect
  bool isModified() const override;
  void clearModified() override;
  void closeSubEditors() override;
  void setUnitSystem(int system) override;
  void writeDefinition(ValueWriter& writer) const override;
  void readDefinition(ValueReader& reader) override;
  std::unique_ptr<TColumn> clone() const override;

 private:
  // Row numbers of the sub-tables from row `from` on (rows above keep theirs).
  void renumber(int from);

  std::vector<int> templateIds_;
  std::vector<std::unique_ptr<GridTable>> tables_;
};

// Text per row; a default text and a real setting are kept with the
// definition and written back unchanged.
class TStringColumn final : public ValueColumn<std::string, TStringColumn> {
 public:
  TStringColumn() = default;
  explicit TStringColumn(std::string defaultText) : default_(std::move(defaultText)) {}
  ColumnKind kind() const override { return ColumnKind::String; }
  const std::string& defaultText() const { return default_; }
  void setDefaultText(std::string t) { default_ = std::move(t); }
  double setting() const { return setting_; }
  void setSetting(double v) { setting_ = v; }

  void insertRows(GridTable& table, int position, int count) override;
  std::string text(int row) const override { return value(row); }
  void setText(int row, const std::string& entry) override { storeEntry(row, entry); }
  void writeDefinition(ValueWriter& writer) const override;
  void readDefinition(ValueReader& reader) override;

 private:
  std::string default_;
  double setting_ = 0.0;
};

// Defined once, in the grid table source.
extern template class ValueColumn<int, TEnumColumn>;
extern template class ValueColumn<int, TIntColumn>;
extern template class ValueColumn<double, TFloatColumn>;
extern template class ValueColumn<std::string, TStringColumn>;

// The cell accessor of (column, row).
class TData {
 public:
  TData(TColumn& column, int row) : column_(&column), row_(row) {}
  double real() const { return column_->real(row_); }
  void setReal(double v) const { column_->setReal(row_, v); }
  int integer() const { return column_->integer(row_); }
  void setInteger(int v) const { column_->setInteger(row_, v); }
  std::string text() const { return column_->text(row_); }
  GridTable* subTable() const { return column_->subTable(row_); }
  TColumn& column() const { return *column_; }
  int row() const { return row_; }

 private:
  TColumn* column_;
  int row_;
};

// The chart family's names for the same column kinds.
using TColumnChart = TColumn;
using TEnumColumnChart = TEnumColumn;
using TIntColumnChart = TIntColumn;
using TFloatColumnChart = TFloatColumn;
using TTableColumnChart = TTableColumn;
using TStringColumnChart = TStringColumn;
using TDataChart = TData;

// Column classes by stream type id; each family has its own registry.
class ColumnClassRegistry {
 public:
  using Factory = std::unique_ptr<TColumn> (*)();
  void add(int typeId, Factory factory);
  std::unique_ptr<TColumn> create(int typeId) const;  // null when not registered
  bool has(int typeId) const;

 private:
  std::vector<std::pair<int, Factory>> factories_;
};
const ColumnClassRegistry& plainColumnClasses();
const ColumnClassRegistry& chartColumnClasses();

// -------------------------------------------------------------------- tables

// The behaviour of both table families.
class GridTable {
 public:
  GridTable(const GridTable&) = delete;
  GridTable& operator=(const GridTable&) = delete;
  virtual ~GridTable();

  virtual bool isChart() const = 0;
  TableRegistry& registry() const;
  virtual const ColumnClassRegistry& columnClasses() const = 0;

  // Published properties.
  int identifier() const { return identifier_; }
  void setIdentifier(int identifier);  // negative: ignored; taken: swapped
  const std::string& caption() const { return caption_; }
  void setCaption(std::string s) { caption_ = std::move(s); }
  const std::string& comments() const { return comments_; }
  void setComments(std::string s) { comments_ = std::move(s); }
  const std::string& topLeft() const { return topLeft_; }
  void setTopLeft(std::string s) { topLeft_ = std::move(s); }
  bool hardwiredButton() const { return hardwiredButton_; }
  void setHardwiredButton(bool on) { hardwiredButton_ = on; }
  const std::string& helpPicture() const { return helpPicture_; }  // picture name
  void setHelpPicture(std::string s) { helpPicture_ = std::move(s); }
  int maxRows() const { return maxRows_; }   // 0: unlimited
  void setMaxRows(int rows);                 // negative counts as 0
  int minRows() const { return minRows_; }
  void setMinRows(int rows);                 // <= 0: "Value must be greater than 0"
  void setMinRowsWhileReading(int rows);     // <= 0: 1 is substituted
  int rowGroup() const { return rowGroup_; }
  void setRowGroup(int size);                // at least 1

  // Columns.
  int columnCount() const { return static_cast<int>(columns_.size()); }
  TColumn& column(int index);
  const TColumn& column(int index) const;
  // Appends a column; it gets the table's current rows with default values.
  TColumn& addColumn(std::unique_ptr<TColumn> column);
  void clearColumns();
  void setColumns(std::vector<std::unique_ptr<TColumn>> columns);
  template <class C>
  C* columnAs(int index) { return dynamic_cast<C*>(&column(index)); }

  // Rows.  Setting the count adds default rows at the end or removes rows
  // from the end (negative: 0; at most kMaxRowCount).
  static constexpr int kMaxRowCount = 100000;
  int rowCount() const { return rowCount_; }
  void setRowCount(int rows);
  void insertRows(int position, int count);
  void deleteRow(int index);

  // Cells by (column, row).
  TData cell(int column, int row);
  double real(int column, int row) const;
  void setReal(int column, int row, double value);
  int integer(int column, int row) const;
  void setInteger(int column, int row, int value);
  std::string text(int column, int row) const;
  void setText(int column, int row, const std::string& entry);  // an entry (EntryError)
  GridTable* subTable(int column, int row) const;

  // Unit system 1..3 of the real columns; passed on to sub-tables.
  int units() const { return units_; }
  void setUnits(int system);

  // Sub-tables: the owning table and the owner's 1-based row (0: top level).
  GridTable* owner() const { return owner_; }
  int rowNumber() const { return rowNumber_; }
  void setRowNumber(int row) { rowNumber_ = row; }
  // A new table of this family built from the template with the given
  // identifier, or null when there is no such template.
  std::unique_ptr<GridTable> createFromTemplate(int templateId, int ownerRow);

  // Modified: set by entries and row commands, cleared by the project.
  bool isModified() const;
  void setModified() { modified_ = true; }
  void clearModified();

  // Editor state.  Opening first grows the table to its minimum rows; closing
  // closes the editors of the sub-tables too.
  bool editorOpen() const { return editorOpen_; }
  void showEditor();
  void closeEditor();
  // Caption of the editor window: caption, a space and the row-number path
  // of the owning tables from the outermost ("Clay 2").
  std::string editorCaption() const;
  int headerRowCount() const;          // largest caption line count of visible columns
  int rowGroupLabel(int row) const;    // row / RowGroup + 1
  bool rowButtonsVisible() const;      // MinRows differs from MaxRows
  bool canAddRow() const;              // below MaxRows (always when unlimited)
  bool canDeleteRow() const;           // above MinRows

  // Row commands of the editor, on whole row groups.  Add appends a group,
  // insert puts one before the group of the current row, delete removes the
  // group of the current row ("Grid.Row not in valid range" outside the data
  // rows).  False when the command is not enabled.
  bool addRowGroup();
  bool insertRowGroup(int currentRow);
  bool deleteRowGroup(int currentRow);

  // Where Enter leads in the editor: the next row; from the last row the
  // first row of the next visible column; from the last visible column the
  // first row of the first visible column.  The cell itself when the table
  // has no rows or no visible column.
  GridCell cellAfterEnter(GridCell from) const;

  // The editor window linked to the table (null when none); told when the
  // table is destroyed.
  TableEditorLink* editorLink() const { return editorLink_; }
  void setEditorLink(TableEditorLink* link) { editorLink_ = link; }

  // Chart settings (chart tables only; null for plain tables).
  virtual ChartSettings* chartSettings() { return nullptr; }
  virtual const ChartSettings* chartSettings() const { return nullptr; }

  // Called by an enumeration column when the option of a row changed.
  void optionChanged(const TColumn& column, int row);

 protected:
  friend class TableRegistry;
  GridTable(TableRegistry& registry, GridTable* owner);
  // An empty table of the same family, owned by `owner`.
  virtual std::unique_ptr<GridTable> makeTable(GridTable* owner) const = 0;

 private:
  void checkColumn(int column) const;
  void checkCell(int column, int row) const;
  // The column of a cell (TableError for a cell outside the table).
  TColumn& cellColumn(int column, int row);
  const TColumn& cellColumn(int column, int row) const;

  TableRegistry* registry_;
  size_t registryIndex_ = 0;  // position in the registry's list
  GridTable* owner_;
  int identifier_ = 0;
  std::string caption_;
  std::string comments_;
  std::string topLeft_;
  bool hardwiredButton_ = false;
  std::string helpPicture_;
  int maxRows_ = 0;
  int minRows_ = 1;
  int rowGroup_ = 1;
  std::vector<std::unique_ptr<TColumn>> columns_;
  int rowCount_ = 0;
  int units_ = 1;
  int rowNumber_ = 0;
  bool modified_ = false;
  bool editorOpen_ = false;
  TableEditorLink* editorLink_ = nullptr;
};

// A table of the plain family.
class TGridTable final : public GridTable {
 public:
  explicit TGridTable(TGridTableRegistry& registry) : GridTable(registry, nullptr) {}
  bool isChart() const override { return false; }
  const ColumnClassRegistry& columnClasses() const override { return plainColumnClasses(); }

 protected:
  std::unique_ptr<GridTable> makeTable(GridTable* owner) const override;

 private:
  TGridTable(TableRegistry& registry, GridTable* owner) : GridTable(registry, owner) {}
};

// Settings of a chart table.  The graphic parameters are streamed after the
// columns; the second flag and the last two integers have no behaviour here
// and are kept and written back unchanged.
struct ChartSettings {
  bool getDataFromFile = false;   // show the file and clipboard controls
  bool okCancelButtons = false;
  bool invertedXAxis = false;
  bool invertedYAxis = false;
  bool drawOnPaintBox = false;    // first graphic flag
  bool secondFlag = false;
  int xColumn = 0;
  int yColumn = 1;
  int parameter5 = 0;
  int parameter6 = 0;
  bool operator==(const ChartSettings&) const = default;
};

// A table of the chart family: a grid table whose editor adds a curve chart
// of the y column against the x column and the text import of curve values.
class TGridTableChart final : public GridTable {
 public:
  explicit TGridTableChart(TGridTableChartRegistry& registry) : GridTable(registry, nullptr) {}
  bool isChart() const override { return true; }
  const ColumnClassRegistry& columnClasses() const override { return chartColumnClasses(); }
  ChartSettings* chartSettings() override { return &chart_; }
  const ChartSettings* chartSettings() const override { return &chart_; }
  ChartSettings& chart() { return chart_; }
  const ChartSettings& chart() const { return chart_; }

 protected:
  std::unique_ptr<GridTable> makeTable(GridTable* owner) const override;

 private:
  TGridTableChart(TableRegistry& registry, GridTable* owner) : GridTable(registry, owner) {}
  ChartSettings chart_;
};

}  // namespace murena
