#include "frontend/entry/column_stream.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/test_names.h"

namespace murena {
namespace {

// The StreamError that `read` throws; none when it reads through.
template <class Read>
std::optional<StreamError> streamErrorOf(Read read) {
  try {
    read();
  } catch (const StreamError& e) {
    return e;
  }
  return std::nullopt;
}

const char* const kDefinitions = R"(# tables of a small main window
object TblClay1: TGridTable
  Identifier = 18
  Caption = 'Clay'
  MinRows = 2
  MaxRows = 2
  TopLeft = 'Location'
  Col = [
    2
    2 ('Total' 'Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesive' 'Strength') True False False 'F/L2^2'
  ]
end
object NewSoil: TGridTable
  Identifier = 19
  Caption = 'Soil Layers'
  Comments = 'Layers from the top; it''s the backfill side'
  MinRows = 1
  MaxRows = 10
  RowGroup = 1
  HardwiredButton = True
  HelpPicture = 'soil.bmp'
  Col = [
    4
    0 ('Soil Type') True False ('Soft Clay' 'Sand')
    2 ('Depth at' 'Bottom') True False False 'FLOATCOLUMN2' 'L2' 0
    3 ('Edit Soil' 'Parameters') True False 'FLEXCOLUMN2' (18 -1)
    4 ('Note') False True 'none' 2.5
  ]
end
object Rows2: TGridTableChart
  Caption = 'Moment and EI data'
  MinRows = 1
  MaxRows = 100
  GetDataFromFile = True
  InvertedYAxis = True
  Col = [
    2
    1 ('From Node No.' '(Start)') True False 0 0 1000
    3 ('Curve') True False 7
    False True 0 1 3 4
  ]
end
)";

class Definitions : public ::testing::Test {
 protected:
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
};

TEST_F(Definitions, ReadsPropertiesAndEveryColumnKind) {
  TableDefinitions defs = readTableDefinitions(kDefinitions, tables, charts);
  ASSERT_EQ(defs.entries().size(), 3u);
  GridTable& clay = defs.get("TblClay1");
  EXPECT_EQ(clay.identifier(), 18);
  EXPECT_EQ(clay.topLeft(), "Location");
  ASSERT_EQ(clay.columnCount(), 2);
  auto* older = clay.columnAs<TFloatColumn>(1);
  ASSERT_NE(older, nullptr);
  EXPECT_EQ(older->unitsTemplate(), "F/L2^2");  // older form without marker
  EXPECT_EQ(older->defaultValue(), 0.0);

  GridTable& soil = defs.get("NewSoil");
  EXPECT_EQ(soil.comments(), "Layers from the top; it's the backfill side");
  EXPECT_TRUE(soil.hardwiredButton());
  EXPECT_EQ(soil.helpPicture(), "soil.bmp");
  EXPECT_EQ(soil.columnAs<TEnumColumn>(0)->options(), (std::vector<std::string>{"Soft Clay", "Sand"}));
  EXPECT_EQ(soil.columnAs<TTableColumn>(2)->templateIds(), (std::vector<int>{18, -1}));
  auto* note = soil.columnAs<TStringColumn>(3);
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->visible());
  EXPECT_TRUE(note->rowGroupFlag());
  EXPECT_EQ(note->defaultText(), "none");
  EXPECT_EQ(note->setting(), 2.5);

  soil.setRowCount(1);
  ASSERT_NE(soil.subTable(2, 0), nullptr);  // template 18 found in the plain registry
  EXPECT_EQ(soil.subTable(2, 0)->caption(), "Clay");
  EXPECT_EQ(soil.text(3, 0), "none");

  GridTable& rows = defs.get("Rows2");
  ASSERT_TRUE(rows.isChart());
  const ChartSettings& chart = *rows.chartSettings();
  EXPECT_TRUE(chart.getDataFromFile);
  EXPECT_TRUE(chart.invertedYAxis);
  EXPECT_FALSE(chart.drawOnPaintBox);
  EXPECT_TRUE(chart.secondFlag);
  EXPECT_EQ(chart.parameter5, 3);
  EXPECT_EQ(chart.parameter6, 4);
  EXPECT_EQ(rows.columnAs<TTableColumn>(1)->templateIds(), (std::vector<int>{7}));  // older form
  EXPECT_EQ(charts.find(rows.identifier()), &rows);
  EXPECT_EQ(tables.find(18), &clay);
}

TEST_F(Definitions, RoundTripKeepsEverything) {
  TableDefinitions first = readTableDefinitions(kDefinitions, tables, charts);
  const std::string written = writeTableDefinitions(first);
  TGridTableRegistry tables2;
  TGridTableChartRegistry charts2;
  TableDefinitions second = readTableDefinitions(written, tables2, charts2);
  EXPECT_EQ(writeTableDefinitions(second), written);
  GridTable& soil = second.get("NewSoil");
  EXPECT_EQ(soil.identifier(), 19);
  EXPECT_EQ(soil.maxRows(), 10);
  EXPECT_EQ(soil.column(1).captionLine(1), "Bottom (ft)  ");
  EXPECT_EQ(*second.get("Rows2").chartSettings(), *first.get("Rows2").chartSettings());
  // The older float and flex forms are written in the current form.
  EXPECT_NE(written.find("'FLOATCOLUMN2' 'F/L2^2' 0.0"), std::string::npos);
  EXPECT_NE(written.find("'FLEXCOLUMN2' (7)"), std::string::npos);
}

TEST_F(Definitions, RealsRoundTripExactly) {
  TGridTable table(tables);
  table.addColumn(std::make_unique<TFloatColumn>("F", 0.1));
  table.addColumn(std::make_unique<TFloatColumn>("F", 1.0 / 3));
  table.addColumn(std::make_unique<TFloatColumn>("F", -2.5e-300));
  table.addColumn(std::make_unique<TFloatColumn>("F", 12));
  ValueWriter w;
  writeColumnDefinitions(w, table);
  TGridTable back(tables);
  ValueReader r(w.text());
  readColumnDefinitions(r, back);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(back.columnAs<TFloatColumn>(i)->defaultValue(), table.columnAs<TFloatColumn>(i)->defaultValue());
}

struct ColumnError {
  const char* col;
  const char* message;
  bool chart;
};

class ColumnStreamErrors : public ::testing::TestWithParam<ColumnError> {};

TEST_P(ColumnStreamErrors, GivesMessage) {
  const ColumnError& c = GetParam();
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
  std::unique_ptr<GridTable> table;
  if (c.chart) table = std::make_unique<TGridTableChart>(charts);
  else table = std::make_unique<TGridTable>(tables);
  table->addColumn(std::make_unique<TFloatColumn>("L"));
  ValueReader reader(c.col);
  const auto error = streamErrorOf([&] { readColumnDefinitions(reader, *table); });
  ASSERT_TRUE(error) << c.col;
  EXPECT_EQ(error->message(), c.message) << c.col;
  EXPECT_EQ(table->columnCount(), 1);  // unchanged after a failure
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnStreamErrors,
    ::testing::Values(
        ColumnError{"", "Error reading column count", false},
        ColumnError{"'two'", "Error reading column count", false},
        ColumnError{"-1", "Error reading column count", false},
        ColumnError{"1.5", "Error reading column count", false},
        ColumnError{"1 7 ('x') True False", "Error occured when creating column 0: Error Column Class not defined", false},
        ColumnError{"1 7 ('x') True False", "Error occured when creating column 0: Error Column Class not defined", true},
        ColumnError{"2 1 ('a') True False 0 0 9 1 ('b') True", "Error occured when creating column 1: Stream read error", false},
        ColumnError{"1 1 ('a') True False 0 0 'nine'", "Error occured when creating column 0: Invalid property value", false},
        ColumnError{"1 1 ('a') True False 0 0 99999999999", "Error occured when creating column 0: Invalid property value", false},
        ColumnError{"1 3 ('a') True False 'FLEX' (1)", "Error occured when creating column 0: Invalid property value", false},
        ColumnError{"1 1 ('a' True False 0 0 9", "Error occured when creating column 0: Invalid property value", false},
        ColumnError{"1 2 ('a') True False True 'FLOATCOLUMN2' 'L2' 0.0",
                    "Error occured when creating column 0: If column if a topdepth then the next column must be a float column",
                    false},
        ColumnError{"1 2 ('a') True False False 'L'", "Error reading graphic parameters", true},
        ColumnError{"1 2 ('a') True False False 'L' True False 0 1 2", "Error reading graphic parameters", true},
        ColumnError{"1 2 ('a') True False False 'L' 1 False 0 1 2 3", "Error reading graphic parameters", true}),
    [](const auto& info) {
      return murena::testing_support::readableTestName(info.param.message) + (info.param.chart ? "_chart_" : "_table_") + std::to_string(info.index);
    });

struct DefinitionError {
  const char* text;
  const char* message;
  int line;
};

class DefinitionErrors : public ::testing::TestWithParam<DefinitionError> {};

TEST_P(DefinitionErrors, GivesMessageAndLine) {
  const DefinitionError& c = GetParam();
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
  const auto error = streamErrorOf([&] { readTableDefinitions(c.text, tables, charts); });
  ASSERT_TRUE(error) << c.text;
  EXPECT_EQ(error->message(), c.message) << c.text;
  EXPECT_EQ(error->line(), c.line) << c.text;
  EXPECT_TRUE(tables.tables().empty());  // nothing half-read is left registered
  EXPECT_TRUE(charts.tables().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefinitionErrors,
    ::testing::Values(
        DefinitionError{"object A: TGridTable\n  Col = [\n 1\n 9 ('x') True False\n ]\nend\n",
                        "Error occured when creating column 0: Error Column Class not defined", 4},
        DefinitionError{"object A: TFoo\nend\n", "Class TFoo not found", 1},
        DefinitionError{"object A: TGridTable\n  Colour = 3\nend\n", "Property Colour does not exist", 2},
        DefinitionError{"object A: TGridTable\n  InvertedXAxis = True\nend\n",
                        "Property InvertedXAxis does not exist", 2},
        DefinitionError{"object A: TGridTable\n  Caption = 3\nend\n", "Invalid property value", 2},
        DefinitionError{"object A: TGridTable\n  Caption = 'open\nend\n", "Stream read error", 2},
        DefinitionError{"object A: TGridTable\n  MinRows = 1\n", "Stream read error", 3},
        DefinitionError{"object A: TGridTable\nend\nobject A: TGridTable\nend\n",
                        "A component named A already exists", 3},
        DefinitionError{"thing A: TGridTable\nend\n", "Invalid property value", 1},
        DefinitionError{"object A: TGridTable\n  Col = [ 0 \nend\n", "Invalid property value", 3}),
    [](const auto& info) {
      return murena::testing_support::readableTestName(info.param.message) + "_line" + std::to_string(info.param.line);
    });

TEST(DefinitionText, MinRowsZeroReadsAsOneAndBadIdentifierIsIgnored) {
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
  TableDefinitions defs = readTableDefinitions(
      "object A: TGridTable\n MinRows = 0\n Identifier = -5\n RowGroup = 0\n MaxRows = -2\n Col = [ 0 ]\nend\n",
      tables, charts);
  EXPECT_EQ(defs.get("A").minRows(), 1);
  EXPECT_EQ(defs.get("A").rowGroup(), 1);
  EXPECT_EQ(defs.get("A").maxRows(), 0);
  EXPECT_GE(defs.get("A").identifier(), 0);
  EXPECT_THROW(defs.get("B"), TableError);
}

TEST(DefinitionText, TemplatesSharedByTablesAreNoCycle) {
  // Two soil tables use the same parameter templates; the clay template is
  // reached twice, never from inside itself.
  TGridTableRegistry tables;
  TGridTableChartRegistry charts;
  const char* text =
      "object Clay: TGridTable\n Identifier = 18\n MinRows = 2\n Col = [ 1 2 ('c') True False False 'L' ]\nend\n"
      "object Soil: TGridTable\n Col = [ 2 0 ('t') True False ('a' 'b')"
      " 3 ('p') True False 'FLEXCOLUMN2' (18 18) ]\nend\n"
      "object LongSoil: TGridTable\n Col = [ 2 0 ('t') True False ('a' 'b')"
      " 3 ('p') True False 'FLEXCOLUMN2' (18 -1) ]\nend\n";
  TableDefinitions defs = readTableDefinitions(text, tables, charts);
  defs.get("Soil").setRowCount(3);
  ASSERT_NE(defs.get("Soil").subTable(1, 2), nullptr);
  EXPECT_EQ(defs.get("Soil").subTable(1, 2)->rowCount(), 2);
}

// A template whose sub-tables lead back to it would build tables without
// end (MinRows to the power of the nesting depth), and a chain of templates
// with many rows multiplies them: both are refused while reading.
const char* const kTemplateCaseNames[] = {"SelfReference", "CycleThroughThreeTables", "ChartSelfReference",
                                          "TooManyTablesPerRow"};

INSTANTIATE_TEST_SUITE_P(
    Templates, DefinitionErrors,
    ::testing::Values(
        DefinitionError{"object A: TGridTable\n Identifier = 50\n MinRows = 9\n"
                        " Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (50) ]\nend\n",
                        "Table A contains itself through its sub-table templates", 1},
        DefinitionError{"object Top: TGridTable\n Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (51) ]\nend\n"
                        "object A: TGridTable\n Identifier = 51\n"
                        " Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (-1 52) ]\nend\n"
                        "object B: TGridTable\n Identifier = 52\n Col = [ 1 3 ('x') True False 7 ]\nend\n"
                        "object C: TGridTable\n Identifier = 7\n Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (51) ]\nend\n",
                        "Table A contains itself through its sub-table templates", 4},
        DefinitionError{"object Charts: TGridTableChart\n Identifier = 3\n"
                        " Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (3) False False 0 1 0 0 ]\nend\n",
                        "Table Charts contains itself through its sub-table templates", 1},
        DefinitionError{"object A: TGridTable\n Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (61) ]\nend\n"
                        "object B: TGridTable\n Identifier = 61\n MinRows = 200\n"
                        " Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (62) ]\nend\n"
                        "object C: TGridTable\n Identifier = 62\n MinRows = 200\n"
                        " Col = [ 1 3 ('x') True False 'FLEXCOLUMN2' (63) ]\nend\n"
                        "object D: TGridTable\n Identifier = 63\n MinRows = 2\n Col = [ 0 ]\nend\n",
                        "Table A would create more than 10000 sub-tables for one row", 1}),
    [](const auto& info) { return std::string(kTemplateCaseNames[info.index]); });

}  // namespace
}  // namespace murena
