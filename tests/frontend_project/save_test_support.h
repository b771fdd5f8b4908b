#pragma once
// Helpers of the saving tests: the names in a folder, injected failures for
// one folder, and a child process that saves until it is killed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "frontend/project/save_faults.h"

namespace murena::testing_support {

// The names in a folder, sorted.
inline std::vector<std::string> folderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The hidden names in a folder (temporary files of saves).
inline std::vector<std::string> hiddenNames(const std::filesystem::path& folder) {
  std::vector<std::string> hidden;
  for (const std::string& name : folderNames(folder))
    if (name[0] == '.') hidden.push_back(name);
  return hidden;
}

// While alive, no file can be created in `folder` (nor below it), as if it
// were read-only: the super-user's tests cannot rely on permissions.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::filesystem::path& folder, int error = EROFS)
      : fault_([prefix = folder.string() + "/", error](SaveStep step, const std::string& target) {
          return step == SaveStep::kCreateTemporary && target.rfind(prefix, 0) == 0 ? error : 0;
        }) {}

 private:
  ScopedSaveFault fault_;
};

// Runs `save` in a child process until it is killed after `microseconds`.
// Returns false when the child ended on its own (it must not).
inline bool killWhileSaving(const std::function<void()>& save, unsigned microseconds) {
  const pid_t child = ::fork();
  if (child == 0) {
    for (;;) save();
  }
  if (child < 0) return false;
  ::usleep(microseconds);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// Runs `save` in a child process that kills itself at the given step of its
// save: what a crash or a power cut at that moment leaves.
inline bool killAtStep(const std::function<void()>& save, SaveStep at) {
  const pid_t child = ::fork();
  if (child == 0) {
    ScopedSaveFault fault([at](SaveStep step, const std::string&) {
      if (step == at) ::raise(SIGKILL);
      return 0;
    });
    save();
    ::_exit(0);
  }
  if (child < 0) return false;
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace murena::testing_support
