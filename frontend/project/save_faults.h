#pragma once
// The steps of saving a file where a test can make the system fail as a
// read-only folder, a full disk or a failing device would.  Tests run as the
// super-user too, whom permissions do not stop, so faults are injected here.
#include <cstddef>
#include <functional>
#include <string>

namespace murena {

enum class SaveStep {
  kCreateTemporary,  // creating the temporary file beside the target
  kWrite,            // each write of at most kSaveChunkBytes
  kSync,             // flushing the temporary file to the disk
  kPermissions,      // giving it the old file's permissions
  kRename,           // putting it in the target's place
  kSyncFolder,       // flushing the folder that holds the new name
};

inline constexpr size_t kSaveChunkBytes = 64 * 1024;

// Given the step and the file being saved (links followed), returns 0 to
// let the step run, else the error number it fails with.
using SaveFault = std::function<int(SaveStep, const std::string& target)>;

// While alive, every save asks the fault before each step.  One at a time.
class ScopedSaveFault {
 public:
  explicit ScopedSaveFault(SaveFault fault);
  ~ScopedSaveFault();
  ScopedSaveFault(const ScopedSaveFault&) = delete;
  ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;
};

// The error number injected for a step, 0 when none is installed.
int injectedSaveFault(SaveStep step, const std::string& target);

}  // namespace murena
