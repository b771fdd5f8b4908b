#include "frontend/project/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "frontend/project/file_errors.h"
#include "frontend/project/save_faults.h"

namespace murena {
namespace {

namespace fs = std::filesystem;

constexpr size_t kShortestTemporaryName = 16;
constexpr size_t kHashLength = 6;
constexpr size_t kRandomLength = 6;
constexpr char kRandomAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

[[noreturn]] void fail(const std::string& path, int error) {
  throw EProjectWriteError("Error writing file " + path + ": " + std::strerror(error));
}

// Runs a step's system call, unless a test makes the step fail: then the
// call is not made and the step gives -1 with the injected error number.
template <class Call>
auto step(SaveStep which, const std::string& target, Call call) -> decltype(call()) {
  if (const int injected = injectedSaveFault(which, target)) {
    errno = injected;
    return -1;
  }
  return call();
}

// Six characters naming the target among names that start alike.
std::string nameHash(const std::string& name) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : name) {
    h ^= c;
    h *= 1099511628211ull;
  }
  std::string out;
  for (size_t i = 0; i < kHashLength; ++i, h >>= 5) out += kRandomAlphabet[h % 32];
  return out;
}

// ".<start of the name><hash>~": the random part follows.  The whole name is
// as long as the target's, and at least 16 bytes.
std::string temporaryPrefix(const std::string& name) {
  const size_t length = std::max(name.size(), kShortestTemporaryName);
  const size_t kept = length - 2 - kHashLength - kRandomLength;
  std::string prefix(1, '.');
  prefix.append(name, 0, kept);
  prefix += nameHash(name);
  prefix += '~';
  return prefix;
}

// True when `name` is the prefix followed by the random part.
bool hasTemporaryForm(const std::string& prefix, const std::string& name) {
  if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(name.end() - kRandomLength, name.end(),
                     [](char c) { return c != '\0' && std::strchr(kRandomAlphabet, c) != nullptr; });
}

void randomCharacters(char* out) {
  unsigned char bytes[kRandomLength];
  if (::getrandom(bytes, kRandomLength, GRND_NONBLOCK) != static_cast<ssize_t>(kRandomLength)) {
    // Without the kernel's random numbers: the time and the process number;
    // a name already taken is tried again.
    std::uint64_t x = static_cast<std::uint64_t>(std::time(nullptr)) ^ (static_cast<std::uint64_t>(::getpid()) << 32);
    for (unsigned char& b : bytes) {
      x = x * 6364136223846793005ull + 1442695040888963407ull;
      b = static_cast<unsigned char>(x >> 33);
    }
  }
  for (size_t i = 0; i < kRandomLength; ++i) out[i] = kRandomAlphabet[bytes[i] % (sizeof kRandomAlphabet - 1)];
}

// The file a path names once symbolic links of its last part are followed.
std::string followLinks(const std::string& path) {
  fs::path p(path);
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p.string();
    std::error_code ec;
    const fs::path link = fs::read_symlink(p, ec);
    if (ec) fail(path, ec.value());
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  fail(path, ELOOP);
}

bool deniesWriting(const struct stat& st) {
  const mode_t anyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
  if (::geteuid() == 0) return (st.st_mode & anyWrite) == 0;
  if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) == 0;
  if (st.st_gid == ::getegid()) return (st.st_mode & S_IWGRP) == 0;
  gid_t groups[256];
  const int count = ::getgroups(256, groups);
  for (int i = 0; i < count; ++i)
    if (groups[i] == st.st_gid) return (st.st_mode & S_IWGRP) == 0;
  return (st.st_mode & S_IWOTH) == 0;
}

// Removes temporary files that killed saves of `name` left in the folder.
// A file still locked belongs to a save that is running and is kept.
void removeLeftovers(const std::string& folder, const std::string& name) {
  const std::string prefix = temporaryPrefix(name);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string candidate = entry->d_name;
    if (!hasTemporaryForm(prefix, candidate)) continue;
    const int fd = ::openat(dirFd, candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlinkat(dirFd, candidate.c_str(), 0);
    ::close(fd);
  }
  ::closedir(dir);
}

// The temporary file of one save: created locked, removed unless renamed.
class TemporaryFile {
 public:
  // `shownPath` is the path the caller gave, for the message.
  TemporaryFile(const std::string& folder, const std::string& name, const std::string& target,
                const std::string& shownPath) {
    std::string leaf = temporaryPrefix(name) + std::string(kRandomLength, 'X');
    for (int attempt = 0; attempt < 100; ++attempt) {
      randomCharacters(leaf.data() + leaf.size() - kRandomLength);
      path_ = (fs::path(folder) / leaf).string();
      fd_ = step(SaveStep::kCreateTemporary, target, [&] {
        return ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
      });
      if (fd_ >= 0 || errno != EEXIST) break;
    }
    if (fd_ < 0) {
      const int error = errno;
      path_.clear();
      fail(shownPath, error);
    }
    ::flock(fd_, LOCK_EX);
  }
  ~TemporaryFile() {
    if (!renamed_ && !path_.empty()) ::unlink(path_.c_str());
    if (fd_ >= 0) ::close(fd_);  // after the rename: the lock is held until then
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  void markRenamed() { renamed_ = true; }

 private:
  std::string path_;
  int fd_ = -1;
  bool renamed_ = false;
};

// Writes everything, in pieces so that a full disk can be injected part-way.
int writeAll(int fd, std::string_view content, const std::string& target) {
  const char* data = content.data();
  size_t left = content.size();
  while (left > 0) {
    const size_t piece = std::min(left, kSaveChunkBytes);
    const ssize_t n = step(SaveStep::kWrite, target, [&] { return ::write(fd, data, piece); });
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  return 0;
}

// The old file's owner (when it can be given) and permissions, or the usual
// permissions of a new file.
int setPermissions(int fd, bool replacing, const struct stat& old, const std::string& target) {
  mode_t mode;
  if (replacing) {
    // Only the super-user may give the file to another owner, and a member
    // of the old group that group; without it the file becomes the saver's.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
      (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  return step(SaveStep::kPermissions, target, [&] { return ::fchmod(fd, mode); }) == 0 ? 0 : errno;
}

int syncFolder(const std::string& folder, const std::string& target) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  // A file system that cannot sync folders (EINVAL) keeps its names anyway.
  if (step(SaveStep::kSyncFolder, target, [&] { return ::fsync(fd); }) != 0 && errno != EINVAL) error = errno;
  ::close(fd);
  return error;
}

}  // namespace

bool isTemporaryNameOf(const std::string& target, const std::string& name) {
  return hasTemporaryForm(temporaryPrefix(target), name);
}

bool isWriteProtected(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && deniesWriting(st);
}

std::string writeProtectedMessage(const std::string& path) {
  return "File " + path + " is write-protected; it was not replaced.";
}

void writeFileAtomically(const std::string& path, std::string_view content, WriteProtectedFile writeProtected) {
  const std::string target = followLinks(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) fail(path, EISDIR);
  if (replacing && !S_ISREG(old.st_mode))
    throw EProjectWriteError("Error writing file " + path + ": not a regular file");
  if (replacing && writeProtected == WriteProtectedFile::kRefuse && deniesWriting(old))
    throw EProjectWriteError(writeProtectedMessage(path));

  const fs::path targetPath(target);
  const std::string folder = targetPath.has_parent_path() ? targetPath.parent_path().string() : std::string(1, '.');
  const std::string name = targetPath.filename().string();
  removeLeftovers(folder, name);

  TemporaryFile temp(folder, name, target, path);
  int error = writeAll(temp.fd(), content, target);
  if (error == 0 && step(SaveStep::kSync, target, [&] { return ::fsync(temp.fd()); }) != 0) error = errno;
  if (error == 0) error = setPermissions(temp.fd(), replacing, old, target);
  if (error == 0 && step(SaveStep::kRename, target, [&] { return ::rename(temp.path().c_str(), target.c_str()); }) != 0)
    error = errno;
  if (error != 0) fail(path, error);
  temp.markRenamed();
  // The new name is on disk only once the folder is; a failure here leaves
  // the new content in place but is reported, as it may not survive a crash.
  error = syncFolder(folder, target);
  if (error != 0) fail(path, error);
}

}  // namespace murena
