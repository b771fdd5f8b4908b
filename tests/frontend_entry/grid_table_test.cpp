#include "frontend/entry/grid_table.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace murena {
namespace {

using testing::enumColumn;
using testing::intColumn;
using testing::realColumn;

std::string entryMessage(GridTable& table, int column, int row, const std::string& entry) {
  try {
    table.setText(column, row, entry);
  } catch (const EntryError& e) {
    return e.message();
  }
  return {};
}

class IntegerCells : public ::testing::Test {
 protected:
  IntegerCells() : table(registry) {
    table.setMinRows(1);
    table.setMaxRows(20);
    table.addColumn(intColumn({"Nodes"}, 0, 0, 1000));
    table.addColumn(realColumn({"Load"}, "F"));
    table.addColumn(enumColumn({"Case"}, {"Specify Deflection", "Specify Slope"}));
    table.setRowCount(1);
  }
  TGridTableRegistry registry;
  TGridTable table;
};

TEST_F(IntegerCells, RangeAndIntegerChecksWhileEditorOpen) {
  table.showEditor();
  struct Case {
    const char* entry;
    const char* message;
    int stored;
  };
  const Case cases[] = {{"3.0000000001", "", 3},
                        {"2.99999999999", "", 3},
                        {"3.5", "Entry must be an integer.", 3},
                        {"0", "", 0},
                        {"1000", "", 1000},
                        {"1001", "Entry must be between 0 and 1000.", 1000},
                        {"-1", "Entry must be between 0 and 1000.", 1000},
                        {"", "Entry cannot be blank.", 1000},
                        {"2*", "2* is not a valid number.", 1000},
                        {"10*5", "", 50}};
  for (const Case& c : cases) {
    EXPECT_EQ(entryMessage(table, 0, 0, c.entry), c.message) << c.entry;
    EXPECT_EQ(table.integer(0, 0), c.stored) << c.entry;
  }
}

TEST_F(IntegerCells, ProgramValuesAndClosedEditorAreNotRangeTested) {
  table.setInteger(0, 0, 5000);
  EXPECT_EQ(table.integer(0, 0), 5000);
  EXPECT_EQ(entryMessage(table, 0, 0, "3.6"), "");
  EXPECT_EQ(table.integer(0, 0), 4);  // rounded
  EXPECT_EQ(entryMessage(table, 0, 0, "1E30"), "");
  EXPECT_EQ(table.integer(0, 0), 2147483647);
}

TEST_F(IntegerCells, RealEnumAndWrongTypeCells) {
  EXPECT_EQ(entryMessage(table, 1, 0, ""), "Entry cannot be blank.");
  EXPECT_EQ(entryMessage(table, 1, 0, "abc"), "abc is not a valid number.");
  EXPECT_EQ(entryMessage(table, 1, 0, "12*3.5"), "");
  EXPECT_EQ(table.real(1, 0), 42.0);
  EXPECT_EQ(table.text(1, 0), "42");
  EXPECT_EQ(entryMessage(table, 2, 0, "1.5"), "Value must be an integer.");
  EXPECT_EQ(entryMessage(table, 2, 0, "7"), "");  // no range check for options
  EXPECT_EQ(table.integer(2, 0), 7);
  EXPECT_TRUE(table.isModified());
  EXPECT_THROW(table.real(0, 0), TableError);
  EXPECT_THROW(table.setInteger(1, 0, 1), TableError);
  EXPECT_THROW(table.subTable(1, 0), TableError);
  EXPECT_THROW(table.real(1, 1), TableError);
  try {
    table.integer(1, 0);
  } catch (const TableError& e) {
    EXPECT_EQ(e.message(), "Data of wrong type");
  }
}

TEST_F(IntegerCells, FloatCaptionCarriesUnitsAndText) {
  table.setReal(1, 0, 123456789.0);
  EXPECT_EQ(table.text(1, 0), "1.2345679E8");
  EXPECT_EQ(table.column(1).captionLine(0), "Load (lbs)  ");
  table.setUnits(2);
  EXPECT_EQ(table.column(1).captionLine(0), "Load (kN)  ");
  EXPECT_EQ(table.column(0).captionLine(0), "Nodes");
}

// Width in characters: the widest caption line (units included) or cell text,
// plus two; an enumeration is as wide as its widest option.
TEST_F(IntegerCells, DisplayWidthFollowsCaptionsAndTexts) {
  table.addColumn(testing::captioned(std::make_unique<TStringColumn>("x"), {"Name"}));
  EXPECT_EQ(table.column(0).displayWidth(), 7);   // "Nodes"
  EXPECT_EQ(table.column(1).displayWidth(), 14);  // "Load (lbs)  "
  EXPECT_EQ(table.column(2).displayWidth(), 20);  // "Specify Deflection"
  EXPECT_EQ(table.column(3).displayWidth(), 6);   // "Name"
  table.setInteger(0, 0, 123456789);
  table.setReal(1, 0, -1.23456789e-100);  // "-1.2345679E-100"
  table.setInteger(2, 0, 2);
  table.setText(3, 0, "A long name here");
  EXPECT_EQ(table.column(0).displayWidth(), 11);
  EXPECT_EQ(table.column(1).displayWidth(), 17);
  EXPECT_EQ(table.column(2).displayWidth(), 20);
  EXPECT_EQ(table.column(3).displayWidth(), 18);
}

TEST(GridTableRows, RowGroupsAddInsertDelete) {
  TGridTableRegistry registry;
  TGridTable table(registry);
  table.setMinRows(3);
  table.setMaxRows(0);
  table.setRowGroup(3);
  table.addColumn(realColumn({"Depth"}, "L2", 0.0));
  table.showEditor();
  ASSERT_EQ(table.rowCount(), 3);
  for (int r = 0; r < 3; ++r) table.setReal(0, r, r + 1);
  EXPECT_TRUE(table.addRowGroup());  // unlimited: never disabled
  EXPECT_EQ(table.rowCount(), 6);
  EXPECT_EQ(table.rowGroupLabel(0), 1);
  EXPECT_EQ(table.rowGroupLabel(2), 1);
  EXPECT_EQ(table.rowGroupLabel(3), 2);
  EXPECT_EQ(table.rowGroupLabel(5), 2);

  // Insert before the group of row 1: three new rows at 0..2.
  EXPECT_TRUE(table.insertRowGroup(1));
  EXPECT_EQ(table.rowCount(), 9);
  EXPECT_EQ(table.real(0, 0), 0.0);
  EXPECT_EQ(table.real(0, 3), 1.0);
  EXPECT_EQ(table.real(0, 5), 3.0);

  // Delete the group of row 4 (rows 3..5, the original values).
  EXPECT_TRUE(table.deleteRowGroup(4));
  EXPECT_EQ(table.rowCount(), 6);
  EXPECT_EQ(table.real(0, 3), 0.0);
  EXPECT_THROW(table.deleteRowGroup(6), TableError);
  EXPECT_THROW(table.deleteRowGroup(-1), TableError);
  EXPECT_TRUE(table.deleteRowGroup(0));
  EXPECT_EQ(table.rowCount(), 3);
  EXPECT_FALSE(table.canDeleteRow());
  EXPECT_FALSE(table.deleteRowGroup(0));  // down to MinRows
  EXPECT_EQ(table.rowCount(), 3);
}

TEST(GridTableRows, RowGroupFlagWritesEveryRowOfGroup) {
  TGridTableRegistry registry;
  TGridTable table(registry);
  table.setRowGroup(2);
  auto shared = realColumn({"Width"}, "L");
  shared->setRowGroupFlag(true);
  table.addColumn(std::move(shared));
  table.addColumn(realColumn({"Value"}, ""));
  table.setRowCount(4);
  table.setText(0, 3, "5");
  table.setText(1, 3, "7");
  EXPECT_EQ(table.real(0, 2), 5.0);
  EXPECT_EQ(table.real(0, 3), 5.0);
  EXPECT_EQ(table.real(0, 1), 0.0);
  EXPECT_EQ(table.real(1, 2), 0.0);
  EXPECT_EQ(table.real(1, 3), 7.0);
}

TEST(GridTableRows, ButtonStatesFollowRowLimits) {
  TGridTableRegistry registry;
  TGridTable soilParameters(registry);
  soilParameters.setMinRows(2);
  soilParameters.setMaxRows(2);
  soilParameters.addColumn(realColumn({"Unit Weight"}, "F/L2^3"));
  soilParameters.showEditor();
  EXPECT_EQ(soilParameters.rowCount(), 2);
  EXPECT_FALSE(soilParameters.rowButtonsVisible());
  EXPECT_FALSE(soilParameters.canAddRow());
  EXPECT_FALSE(soilParameters.addRowGroup());

  TGridTable sections(registry);
  sections.setMinRows(1);
  sections.setMaxRows(2);
  sections.addColumn(realColumn({"EI"}, "F-L^2"));
  sections.showEditor();
  EXPECT_TRUE(sections.rowButtonsVisible());
  EXPECT_TRUE(sections.canAddRow());
  EXPECT_FALSE(sections.canDeleteRow());
  EXPECT_TRUE(sections.addRowGroup());
  EXPECT_FALSE(sections.canAddRow());
  EXPECT_TRUE(sections.canDeleteRow());
}

TEST(GridTableRows, RowCountBoundsAndMinRows) {
  TGridTableRegistry registry;
  TGridTable table(registry);
  table.addColumn(intColumn({"To Node"}, 1, 0, 10));
  table.setRowCount(3);
  EXPECT_EQ(table.integer(0, 2), 1);  // default of a new row
  table.setRowCount(-4);
  EXPECT_EQ(table.rowCount(), 0);
  table.setRowCount(2000000000);
  EXPECT_EQ(table.rowCount(), GridTable::kMaxRowCount);
  table.setRowCount(0);
  EXPECT_THROW(table.setMinRows(0), TableError);
  table.setMinRowsWhileReading(0);
  EXPECT_EQ(table.minRows(), 1);
}

TEST(GridTableRows, TopDepthColumnStartsAtBottomOfRowAbove) {
  TGridTableRegistry registry;
  TGridTable table(registry);
  auto top = realColumn({"Top"}, "L2");
  top->setTopDepth(true);
  table.addColumn(std::move(top));
  table.addColumn(realColumn({"Bottom"}, "L2"));
  table.setRowCount(1);
  table.setReal(1, 0, 10);
  table.setRowCount(2);
  EXPECT_EQ(table.real(0, 1), 10.0);
  table.setReal(1, 1, 20);
  table.setRowCount(3);
  EXPECT_EQ(table.real(0, 2), 20.0);
  table.deleteRow(1);
  EXPECT_EQ(table.real(0, 1), 10.0);  // the row below now starts where row 0 ends
}

template <class Family>
class SubTables : public ::testing::Test {};

struct Plain {
  using Table = TGridTable;
  using Registry = TGridTableRegistry;
};
struct Chart {
  using Table = TGridTableChart;
  using Registry = TGridTableChartRegistry;
};
using Families = ::testing::Types<Plain, Chart>;
TYPED_TEST_SUITE(SubTables, Families);

TYPED_TEST(SubTables, OptionChangeRebuildsSubTableFromTemplate) {
  typename TypeParam::Registry registry;
  testing::SoilTables<typename TypeParam::Table, typename TypeParam::Registry> soil(registry);
  GridTable& layers = soil.layers;
  layers.setRowCount(2);
  GridTable* clay = layers.subTable(2, 1);
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->caption(), "Clay");
  EXPECT_EQ(clay->rowCount(), 2);
  EXPECT_EQ(clay->rowNumber(), 2);
  EXPECT_EQ(clay->editorCaption(), "Clay 2");
  EXPECT_EQ(layers.text(2, 1), "2: Clay");
  EXPECT_EQ(clay->isChart(), layers.isChart());
  clay->setReal(1, 0, 500);

  layers.showEditor();
  layers.setText(0, 1, "2");  // clay becomes sand: the clay parameters are gone
  GridTable* sand = layers.subTable(2, 1);
  ASSERT_NE(sand, nullptr);
  EXPECT_EQ(sand->caption(), "Sand");
  EXPECT_EQ(sand->columnCount(), 3);
  EXPECT_EQ(sand->real(0, 0), 0.0);
  EXPECT_EQ(layers.text(2, 1), "2: Sand");

  layers.setInteger(0, 0, 9);  // no template for option 9
  EXPECT_EQ(layers.subTable(2, 0), nullptr);
  EXPECT_EQ(layers.text(2, 0), "");

  // Deleting the first layer renumbers the remaining sub-table.
  layers.deleteRow(0);
  EXPECT_EQ(layers.subTable(2, 0)->rowNumber(), 1);
  EXPECT_EQ(layers.subTable(2, 0)->editorCaption(), "Sand 1");
}

TYPED_TEST(SubTables, UnitsModifiedAndEditorsReachSubTables) {
  typename TypeParam::Registry registry;
  testing::SoilTables<typename TypeParam::Table, typename TypeParam::Registry> soil(registry);
  GridTable& layers = soil.layers;
  layers.setUnits(2);
  layers.setRowCount(1);
  GridTable* clay = layers.subTable(2, 0);
  EXPECT_EQ(clay->units(), 2);  // inherits its owner's system
  EXPECT_EQ(clay->column(0).captionLine(1), "Unit Weight (kN/m^3)  ");
  layers.setUnits(1);
  EXPECT_EQ(clay->column(0).captionLine(1), "Unit Weight (lbs/ft^3)  ");

  EXPECT_FALSE(layers.isModified());
  clay->setText(0, 0, "110");
  EXPECT_TRUE(layers.isModified());
  layers.clearModified();
  EXPECT_FALSE(clay->isModified());

  clay->showEditor();
  layers.showEditor();
  layers.closeEditor();
  EXPECT_FALSE(clay->editorOpen());
}

TYPED_TEST(SubTables, TemplateContainingItselfStops) {
  typename TypeParam::Registry registry;
  typename TypeParam::Table table(registry);
  table.setIdentifier(5);
  table.addColumn(std::make_unique<TTableColumn>(std::vector<int>{5}));
  table.setRowCount(1);
  EXPECT_EQ(table.subTable(0, 0), nullptr);
}

TEST(TableRegistry, IdentifiersAreUniqueAndSwap) {
  TGridTableRegistry registry;
  TGridTable a(registry), b(registry);
  EXPECT_EQ(a.identifier(), 0);
  EXPECT_EQ(b.identifier(), 1);
  a.setIdentifier(1);
  EXPECT_EQ(a.identifier(), 1);
  EXPECT_EQ(b.identifier(), 0);
  a.setIdentifier(-3);
  EXPECT_EQ(a.identifier(), 1);
  b.setIdentifier(2);
  TGridTable c(registry);  // the counter skips numbers in use
  EXPECT_NE(c.identifier(), a.identifier());
  EXPECT_NE(c.identifier(), b.identifier());
  EXPECT_EQ(registry.find(2), &b);
  {
    TGridTable d(registry);
    EXPECT_EQ(registry.tables().size(), 4u);
  }
  EXPECT_EQ(registry.tables().size(), 3u);

  // Removing a table from the middle keeps every other one found.
  {
    auto e = std::make_unique<TGridTable>(registry);
    auto f = std::make_unique<TGridTable>(registry);
    const int fId = f->identifier();
    e.reset();
    EXPECT_EQ(registry.find(fId), f.get());
    f->setIdentifier(2);  // swaps with b
    EXPECT_EQ(registry.find(2), f.get());
    EXPECT_EQ(registry.find(fId), &b);
  }
  EXPECT_EQ(registry.tables().size(), 3u);
  EXPECT_EQ(registry.find(1), &a);
  EXPECT_NE(registry.find(b.identifier()), nullptr);
  EXPECT_EQ(registry.find(c.identifier()), &c);

  TGridTableChartRegistry charts;  // a separate counter per family
  TGridTableChart chart(charts);
  EXPECT_EQ(chart.identifier(), 0);
  EXPECT_EQ(registry.find(0), nullptr);
}

}  // namespace
}  // namespace murena

namespace murena {
namespace {

TEST(GridTableEditor, EnterLeadsDownThenToTheNextVisibleColumn) {
  TGridTableRegistry registry;
  TGridTable table(registry);
  table.addColumn(testing::realColumn({"a"}, ""));
  table.addColumn(testing::realColumn({"hidden"}, ""));
  table.addColumn(testing::realColumn({"c"}, ""));
  table.column(1).setVisible(false);
  table.setRowCount(3);
  const struct {
    GridCell from, to;
  } cases[] = {
      {{0, 0}, {0, 1}}, {{0, 2}, {2, 0}}, {{2, 1}, {2, 2}}, {{2, 2}, {0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(table.cellAfterEnter(c.from), c.to) << c.from.column << "," << c.from.row;
  table.setRowCount(0);
  EXPECT_EQ(table.cellAfterEnter({2, 0}), (GridCell{2, 0}));
}

// An editor window linked to a table hears of its destruction.
struct RecordingLink : TableEditorLink {
  void tableDestroyed(GridTable& table) override { gone.push_back(&table); }
  std::vector<const GridTable*> gone;
};

TEST(GridTableEditor, ReplacedSubTableTellsItsEditor) {
  TGridTableRegistry registry;
  testing::SoilTables<TGridTable, TGridTableRegistry> soil(registry);
  soil.layers.setRowCount(1);
  GridTable* clay = soil.layers.subTable(2, 0);
  ASSERT_NE(clay, nullptr);
  RecordingLink link;
  clay->setEditorLink(&link);
  soil.layers.setInteger(0, 0, 2);  // clay becomes sand: the clay table goes
  ASSERT_EQ(link.gone.size(), 1u);
  EXPECT_EQ(link.gone.front(), clay);
  GridTable* sand = soil.layers.subTable(2, 0);
  sand->setEditorLink(&link);
  sand->setEditorLink(nullptr);
  soil.layers.deleteRow(0);
  EXPECT_EQ(link.gone.size(), 1u);  // unlinked: not told
}

}  // namespace
}  // namespace murena
