#include "frontend/entry/column_stream.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "frontend/entry/general_format.h"

namespace murena {

namespace {

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }
bool isNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

constexpr const char* kReadError = "Stream read error";
constexpr const char* kInvalidValue = "Invalid property value";

}  // namespace

// ---------------------------------------------------------------- ValueReader

ValueReader::ValueReader(std::string_view text) : text_(text) {}

const ValueReader::Token& ValueReader::peek() {
  if (peeked_) return next_;
  // Blanks, line ends and comments.
  for (;;) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' ||
                                   text_[pos_] == '\n')) {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
    if (pos_ < text_.size() && text_[pos_] == '#') {
      while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      continue;
    }
    break;
  }
  next_ = Token{};
  next_.line = line_;
  peeked_ = true;
  if (pos_ >= text_.size()) return next_;

  const char c = text_[pos_];
  if (c == '\'') {
    ++pos_;
    std::string value;
    for (;;) {
      if (pos_ >= text_.size()) {
        next_.type = Type::End;  // an unterminated string reads as the end
        return next_;
      }
      const char s = text_[pos_++];
      if (s == '\'') {
        if (pos_ < text_.size() && text_[pos_] == '\'') {
          value += '\'';
          ++pos_;
          continue;
        }
        break;
      }
      if (s == '\n') ++line_;
      value += s;
    }
    next_.type = Type::String;
    next_.text = std::move(value);
  } else if (c == '(') {
    ++pos_;
    next_.type = Type::ListBegin;
  } else if (c == ')') {
    ++pos_;
    next_.type = Type::ListEnd;
  } else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
    const size_t start = pos_;
    while (pos_ < text_.size() && isNumberChar(text_[pos_])) ++pos_;
    next_.text = std::string(text_.substr(start, pos_ - start));
    const bool real = next_.text.find_first_of(".eE") != std::string::npos;
    next_.type = real ? Type::Real : Type::Integer;
  } else if (isNameStart(c)) {
    const size_t start = pos_;
    while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
    next_.text = std::string(text_.substr(start, pos_ - start));
    next_.type = (equalsNoCase(next_.text, "True") || equalsNoCase(next_.text, "False")) ? Type::Boolean : Type::Name;
  } else {
    ++pos_;
    next_.type = Type::Symbol;
    next_.text = std::string(1, c);
  }
  return next_;
}

ValueReader::Token ValueReader::take() {
  peek();
  peeked_ = false;
  return std::move(next_);
}

void ValueReader::fail(const char* message) {
  const int at = peek().line;
  throw StreamError(message, at);
}

ValueReader::Type ValueReader::nextType() { return peek().type; }

int ValueReader::line() { return peek().line; }

const ValueReader::Token& ValueReader::expect(Type type) {
  const Token& t = peek();
  if (t.type == Type::End) fail(kReadError);
  if (t.type != type) fail(kInvalidValue);
  return t;
}

int ValueReader::readInteger() {
  std::string_view digits = expect(Type::Integer).text;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  int value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) fail(kInvalidValue);
  take();
  return value;
}

long double ValueReader::readExtended() {
  // An integer is accepted where a real is read.
  const Token& t = expect(peek().type == Type::Integer ? Type::Integer : Type::Real);
  long double value = 0;
  if (!parseDecimal(t.text, value)) fail(kInvalidValue);
  take();
  return value;
}

std::string ValueReader::readString() {
  expect(Type::String);
  return take().text;
}

bool ValueReader::readBoolean() {
  expect(Type::Boolean);
  return equalsNoCase(take().text, "True");
}

void ValueReader::readListBegin() {
  expect(Type::ListBegin);
  take();
}

void ValueReader::readListEnd() {
  expect(Type::ListEnd);
  take();
}

bool ValueReader::endOfList() { return peek().type == Type::ListEnd; }

template <class ReadItem>
auto ValueReader::readList(ReadItem readItem) {
  readListBegin();
  std::vector<decltype(readItem())> values;
  while (!endOfList()) values.push_back(readItem());
  readListEnd();
  return values;
}

std::vector<std::string> ValueReader::readStringList() { return readList([this] { return readString(); }); }

std::vector<int> ValueReader::readIntegerList() { return readList([this] { return readInteger(); }); }

std::string ValueReader::readName() {
  expect(Type::Name);
  return take().text;
}

void ValueReader::readSymbol(char symbol) {
  if (expect(Type::Symbol).text[0] != symbol) fail(kInvalidValue);
  take();
}

bool ValueReader::nextIsSymbol(char symbol) {
  const Token& t = peek();
  return t.type == Type::Symbol && t.text[0] == symbol;
}

// ---------------------------------------------------------------- ValueWriter

void ValueWriter::separate() {
  if (!text_.empty() && text_.back() != ' ' && text_.back() != '\n' && text_.back() != '(') text_ += ' ';
}

void ValueWriter::writeInteger(int value) {
  separate();
  text_ += std::to_string(value);
}

void ValueWriter::writeExtended(long double value) {
  separate();
  std::string text;
  if (!std::isfinite(value)) {
    text = "0.0";  // the stream holds finite reals only
  } else if (static_cast<long double>(static_cast<double>(value)) == value) {
    text = formatGeneralShortest(static_cast<double>(value), 17);
  } else {
    text = formatGeneral(value, 18);
  }
  if (text.find_first_of(".E") == std::string::npos) text += ".0";
  text_ += text;
}

void ValueWriter::writeString(std::string_view value) {
  separate();
  text_ += '\'';
  for (char c : value) {
    if (c == '\'') text_ += '\'';
    text_ += c;
  }
  text_ += '\'';
}

void ValueWriter::writeBoolean(bool value) {
  separate();
  text_ += value ? "True" : "False";
}

void ValueWriter::writeListBegin() {
  separate();
  text_ += '(';
}

void ValueWriter::writeListEnd() {
  while (!text_.empty() && text_.back() == ' ') text_.pop_back();
  text_ += ')';
}

void ValueWriter::writeStringList(const std::vector<std::string>& values) {
  writeListBegin();
  for (const std::string& v : values) writeString(v);
  writeListEnd();
}

void ValueWriter::writeIntegerList(const std::vector<int>& values) {
  writeListBegin();
  for (int v : values) writeInteger(v);
  writeListEnd();
}

void ValueWriter::writeRaw(std::string_view text) {
  separate();
  text_ += text;
}

void ValueWriter::newLine(int indent) {
  while (!text_.empty() && text_.back() == ' ') text_.pop_back();
  text_ += '\n';
  text_ += std::string(static_cast<size_t>(indent < 0 ? 0 : indent), ' ');
}

// ------------------------------------------------------- column definitions

void readColumnDefinitions(ValueReader& reader, GridTable& table) {
  int count = 0;
  try {
    count = reader.readInteger();
  } catch (const StreamError& e) {
    throw StreamError("Error reading column count", e.line());
  }
  if (count < 0) throw StreamError("Error reading column count", reader.line());

  std::vector<std::unique_ptr<TColumn>> columns;
  for (int i = 0; i < count; ++i) {
    try {
      const int typeId = reader.readInteger();
      std::unique_ptr<TColumn> column = table.columnClasses().create(typeId);
      if (!column) throw StreamError("Error Column Class not defined", reader.line());
      column->readDefinition(reader);
      columns.push_back(std::move(column));
    } catch (const MessageError& e) {
      throw StreamError("Error occured when creating column " + std::to_string(i) + ": " + e.what(), reader.line());
    }
  }
  for (size_t i = 0; i < columns.size(); ++i) {
    const auto* real = dynamic_cast<const TFloatColumn*>(columns[i].get());
    if (real == nullptr || !real->topDepth()) continue;
    if (i + 1 >= columns.size() || columns[i + 1]->kind() != ColumnKind::Float)
      throw StreamError("Error occured when creating column " + std::to_string(i) +
                            ": If column if a topdepth then the next column must be a float column",
                        reader.line());
  }

  ChartSettings graphic;
  if (const ChartSettings* current = table.chartSettings()) {
    graphic = *current;
    try {
      graphic.drawOnPaintBox = reader.readBoolean();
      graphic.secondFlag = reader.readBoolean();
      graphic.xColumn = reader.readInteger();
      graphic.yColumn = reader.readInteger();
      graphic.parameter5 = reader.readInteger();
      graphic.parameter6 = reader.readInteger();
    } catch (const MessageError&) {
      throw StreamError("Error reading graphic parameters", reader.line());
    }
  }
  table.setColumns(std::move(columns));
  if (ChartSettings* target = table.chartSettings()) *target = graphic;
}

void writeColumnDefinitions(ValueWriter& writer, const GridTable& table) {
  writer.newLine(4);
  writer.writeInteger(table.columnCount());
  for (int i = 0; i < table.columnCount(); ++i) {
    writer.newLine(4);
    const TColumn& column = table.column(i);
    writer.writeInteger(column.typeId());
    column.writeDefinition(writer);
  }
  if (const ChartSettings* chart = table.chartSettings()) {
    writer.newLine(4);
    writer.writeBoolean(chart->drawOnPaintBox);
    writer.writeBoolean(chart->secondFlag);
    writer.writeInteger(chart->xColumn);
    writer.writeInteger(chart->yColumn);
    writer.writeInteger(chart->parameter5);
    writer.writeInteger(chart->parameter6);
  }
}

// ---------------------------------------------------------- table definitions

GridTable* TableDefinitions::find(std::string_view name) const {
  for (const auto& entry : entries_)
    if (entry.first == name) return entry.second.get();
  return nullptr;
}

GridTable& TableDefinitions::get(std::string_view name) const {
  GridTable* table = find(name);
  if (table == nullptr) throw TableError("Component " + std::string(name) + " not found");
  return *table;
}

void TableDefinitions::add(std::string name, std::unique_ptr<GridTable> table) {
  entries_.emplace_back(std::move(name), std::move(table));
}

std::vector<std::unique_ptr<GridTable>> TableDefinitions::releaseTables() {
  std::vector<std::unique_ptr<GridTable>> tables;
  for (auto& entry : entries_) tables.push_back(std::move(entry.second));
  entries_.clear();
  return tables;
}

namespace {

// The published properties that are one value each, by kind; reading and
// writing go through the same lists.  Comments, TopLeft and HelpPicture are
// written only when not empty; MinRows read as 0 or less stands for 1.
struct TextProperty {
  const char* name;
  const std::string& (GridTable::*get)() const;
  void (GridTable::*set)(std::string);
  bool writtenWhenEmpty;
};
constexpr TextProperty kTextProperties[] = {
    {"Caption", &GridTable::caption, &GridTable::setCaption, true},
    {"Comments", &GridTable::comments, &GridTable::setComments, false},
    {"TopLeft", &GridTable::topLeft, &GridTable::setTopLeft, false},
    {"HelpPicture", &GridTable::helpPicture, &GridTable::setHelpPicture, false},
};

struct RowProperty {
  const char* name;
  int (GridTable::*get)() const;
  void (GridTable::*set)(int);
};
constexpr RowProperty kRowProperties[] = {
    {"MaxRows", &GridTable::maxRows, &GridTable::setMaxRows},
    {"MinRows", &GridTable::minRows, &GridTable::setMinRowsWhileReading},
    {"RowGroup", &GridTable::rowGroup, &GridTable::setRowGroup},
};

struct ChartFlag {
  const char* name;
  bool ChartSettings::*flag;
};
constexpr ChartFlag kChartFlags[] = {
    {"GetDataFromFile", &ChartSettings::getDataFromFile},
    {"OKCancelButtons", &ChartSettings::okCancelButtons},
    {"InvertedXAxis", &ChartSettings::invertedXAxis},
    {"InvertedYAxis", &ChartSettings::invertedYAxis},
};

void readProperty(ValueReader& reader, GridTable& table, const std::string& name, int nameLine) {
  if (equalsNoCase(name, "Identifier")) {
    table.setIdentifier(reader.readInteger());
    return;
  }
  for (const TextProperty& p : kTextProperties)
    if (equalsNoCase(name, p.name)) {
      (table.*p.set)(reader.readString());
      return;
    }
  for (const RowProperty& p : kRowProperties)
    if (equalsNoCase(name, p.name)) {
      (table.*p.set)(reader.readInteger());
      return;
    }
  if (equalsNoCase(name, "HardwiredButton")) {
    table.setHardwiredButton(reader.readBoolean());
    return;
  }
  if (ChartSettings* chart = table.chartSettings())
    for (const ChartFlag& f : kChartFlags)
      if (equalsNoCase(name, f.name)) {
        chart->*f.flag = reader.readBoolean();
        return;
      }
  if (equalsNoCase(name, "Col")) {
    reader.readSymbol('[');
    readColumnDefinitions(reader, table);
    reader.readSymbol(']');
    return;
  }
  throw StreamError("Property " + name + " does not exist", nameLine);
}

// Sub-table templates refer to each other by identifier.  A template that
// is reached again while its own sub-tables are being followed would build
// tables without end (a sub-table per row, each with its sub-tables), and a
// chain of templates with many minimum rows multiplies them; both are
// refused when the definitions are read, before any row exists.
class TemplateCheck {
 public:
  TemplateCheck(const TableDefinitions& definitions, const std::vector<int>& lines)
      : definitions_(definitions), lines_(lines) {}

  void run() {
    for (const auto& entry : definitions_.entries()) tablesPerRow(*entry.second);
  }

 private:
  static constexpr double kMaxTablesPerRow = 10000;
  struct State {
    bool done = false;
    double perRow = 0;  // sub-tables made for one row, nested ones included
  };

  // Sub-tables that one new row of `table` makes, its sub-tables' own rows included.
  double tablesPerRow(const GridTable& table) {
    const auto [it, fresh] = states_.try_emplace(&table);
    if (!fresh) {
      if (!it->second.done) fail(table, " contains itself through its sub-table templates");
      return it->second.perRow;
    }
    double perRow = 0;
    for (int c = 0; c < table.columnCount(); ++c) {
      const auto* flex = dynamic_cast<const TTableColumn*>(&table.column(c));
      if (flex == nullptr) continue;
      double largest = 0;  // the template depends on the row's option
      for (int id : flex->templateIds()) {
        const GridTable* source = id < 0 ? nullptr : table.registry().find(id);
        if (source == nullptr) continue;
        largest = std::max(largest, 1 + source->minRows() * tablesPerRow(*source));
      }
      perRow += largest;
    }
    if (perRow > kMaxTablesPerRow) fail(table, " would create more than 10000 sub-tables for one row");
    State& state = states_[&table];
    state.done = true;
    state.perRow = perRow;
    return perRow;
  }

  [[noreturn]] void fail(const GridTable& table, const char* what) const {
    const auto& entries = definitions_.entries();
    for (size_t i = 0; i < entries.size(); ++i)
      if (entries[i].second.get() == &table) throw StreamError("Table " + entries[i].first + what, lines_[i]);
    throw StreamError("Table with identifier " + std::to_string(table.identifier()) + what);
  }

  const TableDefinitions& definitions_;
  const std::vector<int>& lines_;
  std::unordered_map<const GridTable*, State> states_;
};

}  // namespace

TableDefinitions readTableDefinitions(std::string_view text, TGridTableRegistry& tables,
                                      TGridTableChartRegistry& charts) {
  ValueReader reader(text);
  TableDefinitions definitions;
  std::vector<int> objectLines;  // per table of the definitions
  while (reader.nextType() != ValueReader::Type::End) {
    const int objectLine = reader.line();
    if (!equalsNoCase(reader.readName(), "object")) throw StreamError(kInvalidValue, objectLine);
    const int nameLine = reader.line();
    std::string name = reader.readName();
    reader.readSymbol(':');
    const int classLine = reader.line();
    const std::string className = reader.readName();
    std::unique_ptr<GridTable> table;
    if (className == "TGridTable") {
      table = std::make_unique<TGridTable>(tables);
    } else if (className == "TGridTableChart") {
      table = std::make_unique<TGridTableChart>(charts);
    } else {
      throw StreamError("Class " + className + " not found", classLine);
    }
    if (definitions.find(name) != nullptr)
      throw StreamError("A component named " + name + " already exists", nameLine);
    for (;;) {
      const int propertyLine = reader.line();
      const std::string property = reader.readName();
      if (equalsNoCase(property, "end")) break;
      reader.readSymbol('=');
      readProperty(reader, *table, property, propertyLine);
    }
    definitions.add(std::move(name), std::move(table));
    objectLines.push_back(objectLine);
  }
  TemplateCheck(definitions, objectLines).run();
  return definitions;
}

std::string writeTableDefinitions(const std::vector<std::pair<std::string, const GridTable*>>& tables) {
  ValueWriter w;
  for (const auto& [name, table] : tables) {
    if (table == nullptr) continue;
    w.writeRaw("object " + name + ": " + (table->isChart() ? "TGridTableChart" : "TGridTable"));
    auto property = [&](const char* key) {
      w.newLine(2);
      w.writeRaw(std::string(key) + " =");
    };
    property("Identifier");
    w.writeInteger(table->identifier());
    for (const TextProperty& p : kTextProperties) {
      const std::string& text = (table->*p.get)();
      if (text.empty() && !p.writtenWhenEmpty) continue;
      property(p.name);
      w.writeString(text);
    }
    for (const RowProperty& p : kRowProperties) {
      property(p.name);
      w.writeInteger((table->*p.get)());
    }
    property("HardwiredButton");
    w.writeBoolean(table->hardwiredButton());
    if (const ChartSettings* chart = table->chartSettings())
      for (const ChartFlag& f : kChartFlags) {
        property(f.name);
        w.writeBoolean(chart->*f.flag);
      }
    property("Col");
    w.writeRaw("[");
    writeColumnDefinitions(w, *table);
    w.newLine(2);
    w.writeRaw("]");
    w.newLine(0);
    w.writeRaw("end");
    w.newLine(0);
  }
  return w.text();
}

std::string writeTableDefinitions(const TableDefinitions& tables) {
  std::vector<std::pair<std::string, const GridTable*>> list;
  for (const auto& entry : tables.entries()) list.emplace_back(entry.first, entry.second.get());
  return writeTableDefinitions(list);
}

}  // namespace murena
