#pragma once
// The table definitions as text: every table of the main window with its
// published properties and its column definitions, read at start-up and
// written back unchanged.
//
// The text is a sequence of typed values of the definitions stream: integers
// (15, -1), extended reals (1.0, 2.5E-3; an integer is accepted where a real
// is read), strings in single quotes ('it''s'), booleans (True, False) and
// lists in parentheses.  '#' starts a comment up to the line end.  A table:
//
//   object PileSect: TGridTable          (or TGridTableChart)
//     Identifier = 15
//     Caption = 'Wall Stiffness'
//     MinRows = 1
//     MaxRows = 10
//     Col = [
//       4                                        # number of columns
//       1 ('From Node No.' '(Start)') True False 0 0 2147483600
//       1 ('To Node No.' '(End)') True False 1 0 2147483600
//       0 ('Constant or' 'Interpolate?') True False ('constant' 'interpolate')
//       2 ('Flexural' 'Stiffness (EI)') True False False 'FLOATCOLUMN2' 'F-L^2' 0.0
//     ]
//   end
//
// Properties: Identifier, Caption, Comments, MaxRows, MinRows, RowGroup,
// TopLeft, HardwiredButton, HelpPicture (a name), and for chart tables
// GetDataFromFile, OKCancelButtons, InvertedXAxis, InvertedYAxis.  Col holds,
// per column, the type id (0 enumeration, 1 integer, 2 real, 3 sub-table,
// 4 text), the caption lines, visible and row-group flags and the kind's own
// part; chart tables add their graphic parameters after the columns
// (boolean, boolean, x column, y column, integer, integer).
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frontend/entry/grid_table.h"

namespace murena {

// Reads the typed values of a definitions text.  Failures throw StreamError
// "Invalid property value" (a value of another type) or "Stream read error"
// (the text ends), with the line.
class ValueReader {
 public:
  enum class Type { Integer, Real, String, Boolean, ListBegin, ListEnd, Name, Symbol, End };

  explicit ValueReader(std::string_view text);

  Type nextType();
  int line();  // line of the next value

  int readInteger();
  long double readExtended();
  std::string readString();
  bool readBoolean();
  void readListBegin();
  void readListEnd();
  bool endOfList();                 // the next value closes a list
  std::vector<std::string> readStringList();
  std::vector<int> readIntegerList();
  // Names and symbols of the table layer ("object", "PileSect", ":", "=", "[").
  std::string readName();
  void readSymbol(char symbol);
  bool nextIsSymbol(char symbol);

 private:
  struct Token {
    Type type = Type::End;
    std::string text;
    int line = 1;
  };
  const Token& peek();
  Token take();
  [[noreturn]] void fail(const char* message);
  // The next value, which must be of `type` ("Stream read error" at the end
  // of the text, "Invalid property value" for another type); not taken.
  const Token& expect(Type type);
  // A list in parentheses of the values `readItem` reads.
  template <class ReadItem>
  auto readList(ReadItem readItem);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  bool peeked_ = false;
  Token next_;
};

// Writes typed values in the form ValueReader reads; reals always carry a "."
// or an exponent and read back to the same value.
class ValueWriter {
 public:
  void writeInteger(int value);
  void writeExtended(long double value);
  void writeString(std::string_view value);
  void writeBoolean(bool value);
  void writeListBegin();
  void writeListEnd();
  void writeStringList(const std::vector<std::string>& values);
  void writeIntegerList(const std::vector<int>& values);
  void writeRaw(std::string_view text);  // names and symbols
  void newLine(int indent = 0);
  const std::string& text() const { return text_; }

 private:
  void separate();
  std::string text_;
};

// Reads the Col value of a table: the column count ("Error reading column
// count"), then per column its type id ("Error Column Class not defined" for
// an id without a class of the table's family) and definition; any failure
// while building column i gives "Error occured when creating column i: "
// followed by the failure's message.  Chart tables then read their graphic
// parameters ("Error reading graphic parameters").  The table's columns are
// replaced only when everything was read.
void readColumnDefinitions(ValueReader& reader, GridTable& table);
void writeColumnDefinitions(ValueWriter& writer, const GridTable& table);

// The tables of a definitions text, by component name, in text order.
class TableDefinitions {
 public:
  GridTable* find(std::string_view name) const;
  GridTable& get(std::string_view name) const;  // TableError when missing
  void add(std::string name, std::unique_ptr<GridTable> table);
  const std::vector<std::pair<std::string, std::unique_ptr<GridTable>>>& entries() const { return entries_; }
  std::vector<std::unique_ptr<GridTable>> releaseTables();

 private:
  std::vector<std::pair<std::string, std::unique_ptr<GridTable>>> entries_;
};

// Reads every table of a definitions text into the registry of its family.
// Failures throw StreamError with the line; the column messages are as above,
// other failures are "Invalid property value", "Stream read error",
// "Class <name> not found" and "Property <name> does not exist".  Sub-table
// templates that lead back to a table are refused ("Table <name> contains
// itself through its sub-table templates", at the line of its object), and so
// are templates nested so that one row would make more than 10000 tables.
TableDefinitions readTableDefinitions(std::string_view text, TGridTableRegistry& tables,
                                      TGridTableChartRegistry& charts);

// The definitions text of tables (read back by readTableDefinitions).
std::string writeTableDefinitions(const std::vector<std::pair<std::string, const GridTable*>>& tables);
std::string writeTableDefinitions(const TableDefinitions& tables);

}  // namespace murena
