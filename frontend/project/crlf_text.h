#pragma once
// Lines joined with the CR LF line ends of data and stage files.
#include <string>
#include <vector>

namespace murena {

inline std::string joinCrLfLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace murena
