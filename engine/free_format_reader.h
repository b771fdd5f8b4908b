#pragma once
// The engine's reader of free-format (list-directed) records.  Items are
// separated by blanks, tabs or commas; one read takes as many lines as it
// needs, and the rest of the last line used by a read is skipped.  Every
// failure throws InputError naming the record, the line and the item.
#include <string>
#include <string_view>

namespace murena {

class FreeFormatReader {
 public:
  // Loads the whole file; false when it cannot be opened.
  bool openFile(const std::string& path);
  void setText(std::string text);

  // Names the record being read, for messages ("WALL LINE (RECORD 3)").
  void setRecord(std::string_view name) { record_ = name; }
  const std::string& record() const { return record_; }

  // One read statement: values are taken with readInt / readReal, and
  // endRead() skips the rest of the line of the last value taken.
  void beginRead();
  int readInt();
  double readReal();
  // An integer that must lie in [low, high] (station and node numbers).
  int readIntInRange(int low, int high);
  void endRead();

  // Convenience reads of one whole statement.
  int readIntRecord() { beginRead(); int v = readInt(); endRead(); return v; }
  void readReals(double* out, int count) { beginRead(); for (int i = 0; i < count; ++i) out[i] = readReal(); endRead(); }

  // A text record: the next whole line without its line end.
  std::string readTextLine();

  // True when nothing but blanks and line ends remains.
  bool atEnd() const;
  int lineNumber() const { return line_; }

 private:
  std::string nextToken();
  [[noreturn]] void fail(std::string_view what, std::string_view token) const;

  std::string text_;
  size_t pos_ = 0;
  int line_ = 1;        // line of the reading position
  int tokenLine_ = 1;   // line of the last token taken
  int item_ = 0;        // item number inside the current read
  bool inRead_ = false;
  std::string record_;
};

}  // namespace murena
