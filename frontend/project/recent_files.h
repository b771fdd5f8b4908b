#pragma once
// The recent-file list of the File menu: at most ten data files, the most
// recent first.  Opening or saving a file puts it at the head; a file already
// listed moves there, otherwise the others shift down and the tenth drops out.
#include <string>
#include <vector>

namespace murena {

class TRecentFiles {
 public:
  static constexpr int kMaxEntries = 10;

  void add(const std::string& path);
  // Entries as stored in the settings ("File1".."File10"): empty values are
  // skipped, repeats and entries beyond the tenth dropped.
  void assign(const std::vector<std::string>& paths);
  void clear() { entries_.clear(); }

  const std::vector<std::string>& entries() const { return entries_; }
  int count() const { return static_cast<int>(entries_.size()); }
  const std::string& at(int index) const { return entries_.at(static_cast<size_t>(index)); }

  // The menu text of entry `index` (0-based): its number, a blank and the
  // path, written relative to `currentFolder` when it lies below it.
  std::string menuText(int index, const std::string& currentFolder) const;

 private:
  std::vector<std::string> entries_;
};

}  // namespace murena
