#pragma once
// Scratch folders and small file helpers shared by the test programs.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace murena::testing_support {

// A fresh private folder under the system's temporary folder (mkdtemp: a new
// name, readable only by its owner, never one left by another run).  Entered, it is the current directory while it exists (the
// engine's scratch files land there).  It is removed afterwards unless
// MURENA_KEEP_TEST_FILES is set.
class ScratchFolder {
 public:
  enum class Enter { kNo, kYes };

  explicit ScratchFolder(const std::string& prefix = "murena_test", Enter enter = Enter::kNo) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "_XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::filesystem::filesystem_error("cannot create a scratch folder", pattern,
                                              std::error_code(errno, std::generic_category()));
    path_ = pattern;
    if (enter == Enter::kYes) {
      previous_ = std::filesystem::current_path();
      std::filesystem::current_path(path_);
    }
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!previous_.empty()) std::filesystem::current_path(previous_, ec);
    if (std::getenv("MURENA_KEEP_TEST_FILES") == nullptr) std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_, previous_;
};

inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// The path of `dataFile` with its extension replaced.
inline std::string besideWithExtension(const std::filesystem::path& dataFile, const std::string& extension) {
  std::filesystem::path p = dataFile;
  return p.replace_extension(extension).string();
}

// Writes the run-control file "NAMES.dat" into `folder` as the front end
// does: the version, three reserved lines, then the data file and the report,
// plot data and run-notes files beside it.
inline void writeNamesFile(const std::filesystem::path& folder, const std::filesystem::path& dataFile,
                           const std::string& version = "2015.5.12", const std::string& lineEnd = "\n") {
  std::ofstream names(folder / "NAMES.dat", std::ios::binary);
  names << version << lineEnd << lineEnd << lineEnd << "0" << lineEnd << dataFile.string() << lineEnd
        << besideWithExtension(dataFile, ".mr5o") << lineEnd << besideWithExtension(dataFile, ".mr5p") << lineEnd
        << besideWithExtension(dataFile, ".mr5r") << lineEnd;
}

}  // namespace murena::testing_support
