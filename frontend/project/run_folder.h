#pragma once
// The private working folder of one analysis run.  The engine reads its
// run-control file and writes its scratch files ("KESTRA.001", "SOILDATA",
// "debug.dat") in its current directory; each run gets a fresh folder of its
// own (two open programs never share one, and the program's own folder need
// not be writable), which is the current directory only while the engine is
// called and is removed with its content afterwards.
#include <filesystem>
#include <string>

namespace murena {

class TRunFolder {
 public:
  // Creates the folder under the system's temporary folder; ok() tells
  // whether that worked, problem() why not.
  TRunFolder();
  ~TRunFolder();
  TRunFolder(const TRunFolder&) = delete;
  TRunFolder& operator=(const TRunFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& problem() const { return problem_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::string problem_;
};

// Makes a folder the current directory while it lives and then returns to the
// previous one (also when that one's name changed or it is no longer there).
class TCurrentDirectoryScope {
 public:
  explicit TCurrentDirectoryScope(const std::filesystem::path& folder);
  ~TCurrentDirectoryScope();
  TCurrentDirectoryScope(const TCurrentDirectoryScope&) = delete;
  TCurrentDirectoryScope& operator=(const TCurrentDirectoryScope&) = delete;

  bool entered() const { return entered_; }

 private:
  int previous_ = -1;
  bool entered_ = false;
};

}  // namespace murena
