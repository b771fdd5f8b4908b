#pragma once
// The front end's whitespace token reader for data files, stage files and the
// plot data file.  The whole text is loaded at creation; each line is split
// into items at spaces and tabs (runs counting as one).  After the last item
// of a line is taken the reader stands on the next line.
#include <string>
#include <string_view>
#include <vector>

#include "frontend/entry/entry_errors.h"

namespace murena {

class TWordReader {
 public:
  // Loads a text file (WordReaderError "Cannot open file "<path>"" when it
  // cannot be read).
  explicit TWordReader(const std::string& path);
  // Reads a text held in memory.
  static TWordReader fromText(std::string_view text);

  // Next item as a real ("." as decimal separator), moving over empty lines.
  // Past the last line: "This file either invalid or incomplete."; an item
  // that is not a number: "Error on Line n Item m", a line break, "A floating
  // point number was expected but not found.".
  double nextReal();
  // Next item as an integer: an item that does not convert, has a fractional
  // part or lies outside the signed 32-bit range gives "Error on Line n Item
  // m", a line break, "An integer was expected but not found.".
  int nextInteger();
  // Refuses the real item read last, with the message of an item that is not
  // a number: for a value that the caller's unit conversion takes beyond the
  // finite numbers.
  [[noreturn]] void failLastReal() const;
  // The whole current line unchanged; the reader moves to the next line.
  std::string restOfLine();
  // Items of the current line (0 past the end).
  int itemCount() const;
  bool atEnd() const { return line_ >= lines_.size(); }
  // 1-based number of the current line.
  int lineNumber() const { return static_cast<int>(line_) + 1; }

 private:
  TWordReader() = default;
  void load(std::string_view text);
  // Moves over exhausted and empty lines; throws at the end.
  void toNextItem();
  void advanceItem();

  std::vector<std::string> lines_;
  std::vector<std::vector<std::string>> items_;
  size_t line_ = 0;
  size_t item_ = 0;
  size_t lastLine_ = 0;  // position of the item read last
  size_t lastItem_ = 0;
};

}  // namespace murena
