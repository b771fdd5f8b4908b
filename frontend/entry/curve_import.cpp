#include "frontend/entry/curve_import.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "frontend/entry/general_format.h"
#include "frontend/entry/grid_table.h"
#include "frontend/entry/text_lines.h"

namespace murena {

namespace {

constexpr size_t kMaxNumbersPerLine = 15;

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

std::vector<double> lineNumbers(const std::string& line) {
  std::vector<double> numbers;
  size_t i = 0;
  while (i < line.size() && numbers.size() < kMaxNumbersPerLine) {
    while (i < line.size() && isSeparator(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !isSeparator(line[i])) ++i;
    if (i == start) break;
    double value = 0;
    if (!parseDecimal(std::string_view(line).substr(start, i - start), value)) break;
    numbers.push_back(value);
  }
  return numbers;
}

void storeValue(GridTable& table, int column, int row, double value) {
  TColumn& c = table.column(column);
  switch (c.kind()) {
    case ColumnKind::Float:
      c.setReal(row, value);
      break;
    case ColumnKind::Int:
    case ColumnKind::Enum: {
      const double r = std::round(value);
      c.setInteger(row, r <= INT_MIN ? INT_MIN : (r >= INT_MAX ? INT_MAX : static_cast<int>(r)));
      break;
    }
    default:
      break;
  }
}

int importLines(GridTable& table, const std::vector<std::string>& lines) {
  const size_t columns = static_cast<size_t>(table.columnCount());
  if (columns == 0) return 0;
  int filled = 0;
  for (const std::string& line : lines) {
    if (table.maxRows() > 0 && filled >= table.maxRows()) break;
    if (filled >= GridTable::kMaxRowCount) break;
    const std::vector<double> numbers = lineNumbers(line);
    if (numbers.size() != columns) continue;
    if (filled >= table.rowCount()) table.setRowCount(filled + 1);
    for (size_t c = 0; c < columns; ++c) storeValue(table, static_cast<int>(c), filled, numbers[c]);
    ++filled;
  }
  if (filled > 0) {
    table.setRowCount(std::max(filled, table.minRows()));
    table.setModified();
  }
  return filled;
}

}  // namespace

int importCurveText(GridTable& table, std::string_view text) { return importLines(table, splitTextLines(text)); }

int importCurveFile(GridTable& table, const std::string& path) {
  std::string content;
  if (!readWholeFile(path, content)) throw TableError("Cannot open file \"" + path + "\"");
  const std::vector<std::string> lines = splitTextLines(content);
  if (lines.size() < 2) return 0;  // a file with a single line yields nothing
  return importLines(table, lines);
}

int importCurveClipboard(GridTable& table, const std::optional<std::string>& clipboardText) {
  if (!clipboardText) throw EntryError("There is no text on the Clipboard");
  return importCurveText(table, *clipboardText);
}

}  // namespace murena
