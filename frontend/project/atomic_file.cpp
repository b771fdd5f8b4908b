#include "frontend/project/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "frontend/project/file_errors.h"

namespace murena {
namespace {

[[noreturn]] void fail(const std::string& path, int error) {
  throw EProjectWriteError("Error writing file " + path + ": " + std::strerror(error));
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view content) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string hidden(1, '.');
  hidden += target.filename().string();
  hidden += ".XXXXXX";
  std::string temp = (folder / hidden).string();

  const int fd = ::mkstemp(temp.data());
  if (fd < 0) fail(path, errno);

  const char* data = content.data();
  size_t left = content.size();
  int error = 0;
  while (left > 0) {
    const ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      break;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  // mkstemp creates the file readable by the owner only: keep the old file's
  // permissions, or give a new file the usual ones.
  if (error == 0) {
    struct stat old {};
    mode_t mode;
    if (::stat(path.c_str(), &old) == 0) {
      mode = old.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    fail(path, error);
  }
}

}  // namespace murena
