#pragma once
// Splitting of a text into lines at CR LF, CR or LF; a line end after the
// last line does not make an extra empty line.
#include <string>
#include <string_view>
#include <vector>

namespace murena {

inline std::vector<std::string> splitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

// The whole content of a file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& content);

}  // namespace murena
