#pragma once
// A text file written line by line (report, run notes, plot data, scratch
// files).  Lines end with LF.  A file that could not be opened swallows its
// lines so that a run always reaches its orderly end.
#include <cstdio>
#include <string>
#include <string_view>

namespace murena {

class TextOutput {
 public:
  TextOutput() = default;
  ~TextOutput() { close(); }
  TextOutput(const TextOutput&) = delete;
  TextOutput& operator=(const TextOutput&) = delete;

  // Creates or replaces the file; false when it cannot be created.
  bool open(const std::string& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }

  void line(std::string_view text);
  void emptyLines(int count) { for (int i = 0; i < count; ++i) line({}); }
  TextOutput& operator<<(std::string_view text) { line(text); return *this; }

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace murena
