#include "frontend/entry/text_lines.h"

#include <fstream>
#include <sstream>

namespace murena {

bool readWholeFile(const std::string& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  content = buffer.str();
  return true;
}

}  // namespace murena
