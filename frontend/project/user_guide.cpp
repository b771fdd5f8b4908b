#include "frontend/project/user_guide.h"

#include <filesystem>

namespace murena {

namespace {
constexpr const char* kGuideNames[] = {"user-guide.html", "user-guide.md"};
}

std::string findUserGuide(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    for (const char* name : kGuideNames) {
      const std::filesystem::path p = std::filesystem::path(folder) / name;
      std::error_code ec;
      if (std::filesystem::is_regular_file(p, ec)) return p.lexically_normal().string();
    }
  }
  return {};
}

std::string userGuideMissingMessage(const std::vector<std::string>& folders) {
  std::string text = "The user's guide (user-guide.html or user-guide.md) was not found in:";
  for (const std::string& folder : folders) text += "\n" + folder;
  return text;
}

}  // namespace murena
