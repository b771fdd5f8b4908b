#include "frontend/project/recent_files.h"

#include <algorithm>
#include <filesystem>

namespace murena {
namespace fs = std::filesystem;

void TRecentFiles::add(const std::string& path) {
  if (path.empty()) return;
  const auto it = std::find(entries_.begin(), entries_.end(), path);
  if (it != entries_.end()) entries_.erase(it);
  entries_.insert(entries_.begin(), path);
  if (count() > kMaxEntries) entries_.resize(kMaxEntries);
}

void TRecentFiles::assign(const std::vector<std::string>& paths) {
  entries_.clear();
  for (const std::string& p : paths) {
    if (p.empty() || std::find(entries_.begin(), entries_.end(), p) != entries_.end()) continue;
    entries_.push_back(p);
    if (count() == kMaxEntries) break;
  }
}

namespace {

// `path` relative to `folder` when it lies below it, else unchanged.
std::string shownPath(const std::string& path, const std::string& folder) {
  if (folder.empty()) return path;
  const fs::path p = fs::path(path).lexically_normal();
  const fs::path f = fs::path(folder).lexically_normal();
  if (!p.is_absolute() || !f.is_absolute()) return path;
  const fs::path relative = p.lexically_relative(f);
  if (relative.empty() || relative == "." || *relative.begin() == "..") return path;
  return relative.string();
}

}  // namespace

std::string TRecentFiles::menuText(int index, const std::string& currentFolder) const {
  return std::to_string(index + 1) + " " + shownPath(at(index), currentFolder);
}

}  // namespace murena
