#pragma once
// Temporary folders, file text helpers and a file-size limit for the project tests.
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/scratch_folder.h"

namespace murena::testing_support {

// A fresh folder under the system's temporary folder, removed afterwards.
using TempFolder = ScratchFolder;

// Text with every line end made CR LF.
inline std::string withCrLf(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  return out;
}

// While alive, files may not grow beyond `bytes`: writes fail part way as on
// a full disk (the super-user too).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

}  // namespace murena::testing_support
