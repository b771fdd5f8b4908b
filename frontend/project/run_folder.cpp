#include "frontend/project/run_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace murena {
namespace fs = std::filesystem;

TRunFolder::TRunFolder() {
  std::error_code ec;
  const fs::path base = fs::temp_directory_path(ec);
  if (ec) {
    problem_ = "no temporary folder: " + ec.message();
    return;
  }
  // mkdtemp makes the folder readable and writable by its owner only.
  std::string pattern = (base / "murena-run-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    problem_ = "cannot create a folder in " + base.string() + ": " + std::strerror(errno);
    return;
  }
  path_ = pattern;
}

TRunFolder::~TRunFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

TCurrentDirectoryScope::TCurrentDirectoryScope(const fs::path& folder) {
  // A descriptor of the previous directory brings us back even when its
  // path no longer leads to it.
  previous_ = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  entered_ = ::chdir(folder.c_str()) == 0;
}

TCurrentDirectoryScope::~TCurrentDirectoryScope() {
  if (previous_ < 0) {
    // The previous directory could not be opened: leave the run's folder
    // (it is removed next) for the temporary folder.
    if (entered_) {
      std::error_code ignored;
      fs::current_path(fs::temp_directory_path(ignored), ignored);
    }
    return;
  }
  if (entered_ && ::fchdir(previous_) != 0) {
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(ignored), ignored);
  }
  ::close(previous_);
}

}  // namespace murena
