#pragma once
// Text import of curve values into a table (the chart editor's "Read values
// from File" and "Paste values from  Clipboard (text)").
//
// Each line yields up to 15 numbers separated by spaces, tabs or commas
// (leading blanks skipped; a line stops at its first item that is not a
// number).  A line with exactly as many numbers as the table has columns fills
// the next row from the first (rows are added as needed); other lines, such as
// a header of words, are skipped.  Reading stops once MaxRows rows are filled.
// Afterwards the rows below the last filled row are deleted (never below
// MinRows).  When no row is filled the table is left unchanged.
#include <optional>
#include <string>
#include <string_view>

namespace murena {

class GridTable;

// Lines end at CR, CR LF or LF.  Returns the number of rows filled.
int importCurveText(GridTable& table, std::string_view text);

// A file with a single line yields nothing.  A file that cannot be read:
// TableError "Cannot open file "<path>"".
int importCurveFile(GridTable& table, const std::string& path);

// Without text on the clipboard: EntryError "There is no text on the Clipboard".
int importCurveClipboard(GridTable& table, const std::optional<std::string>& clipboardText);

}  // namespace murena
