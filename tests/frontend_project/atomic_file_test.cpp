#include "frontend/project/atomic_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include <cstring>
#include <filesystem>
#include <vector>

#include "frontend/project/file_errors.h"
#include "frontend/project/save_faults.h"
#include "save_test_support.h"
#include "temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using testing_support::readText;

class AtomicFileTest : public ::testing::Test {
 protected:
  // A test may take the folder's permissions; it is removed writable.
  void TearDown() override { fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add); }
  testing_support::TempFolder folder_;
  fs::path dir_ = folder_.path();
};

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  writeFileAtomically(path, "new\r\n");
  EXPECT_EQ(readText(path), "new\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailedSaveKeepsTheOldFileAndReportsTheError) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(writeFileAtomically(path, "new\r\n"), EProjectWriteError);
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(readText(path), "old\r\n");
}

// A file-size limit makes the write fail part way, as a full disk would.
TEST_F(AtomicFileTest, WriteFailurePartWayKeepsTheOldFile) {
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  {
    testing_support::FileSizeLimit limit(16);
    EXPECT_THROW(writeFileAtomically(path, std::string(4096, 'x')), EProjectWriteError);
  }
  EXPECT_EQ(readText(path), "old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, MissingFolderIsReportedNotCrashed) {
  try {
    writeFileAtomically((dir_ / "no_such_folder" / "Wall.mr5d").string(), "x");
    FAIL() << "expected an error";
  } catch (const EProjectWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("Wall.mr5d"), std::string::npos);
  }
}

TEST_F(AtomicFileTest, FailedRenameOverAFolderKeepsItAndRemovesTheTemporary) {
  const auto path = dir_ / "Wall.mr5d";
  fs::create_directories(path / "inside");
  EXPECT_THROW(writeFileAtomically(path.string(), "new"), EProjectWriteError);
  EXPECT_TRUE(fs::is_directory(path / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// ------------------------------------------------------------ injected faults
// Each step of a save made to fail as the system would: a read-only folder,
// a full disk part-way, a failing device, permissions that cannot be set, a
// rename refused.  The old file stays complete, the message names the file
// and the reason, nothing is left behind, and the next save succeeds.

struct StepFault {
  const char* name;
  SaveStep step;
  int error;
  int failingCall;  // which call of the step fails (1: the first)
};

class InjectedSaveFailure : public AtomicFileTest, public ::testing::WithParamInterface<StepFault> {};

TEST_P(InjectedSaveFailure, KeepsTheOldFileAndLeavesNothingBehind) {
  const StepFault& f = GetParam();
  const auto path = (dir_ / "Wall.mr5d").string();
  const std::string old(100000, 'o');
  writeFileAtomically(path, old);
  {
    int calls = 0;
    ScopedSaveFault fault([&](SaveStep step, const std::string&) {
      return step == f.step && ++calls == f.failingCall ? f.error : 0;
    });
    try {
      writeFileAtomically(path, std::string(200000, 'n'));
      FAIL() << "expected an error";
    } catch (const EProjectWriteError& e) {
      EXPECT_EQ(std::string(e.what()), "Error writing file " + path + ": " + std::strerror(f.error));
    }
  }
  EXPECT_EQ(readText(path), old);
  EXPECT_EQ(testing_support::folderNames(dir_), std::vector<std::string>{"Wall.mr5d"});
  writeFileAtomically(path, "new\r\n");
  EXPECT_EQ(readText(path), "new\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InjectedSaveFailure,
    ::testing::Values(StepFault{"ReadOnlyFolder", SaveStep::kCreateTemporary, EROFS, 1},
                      StepFault{"FolderWithoutWritePermission", SaveStep::kCreateTemporary, EACCES, 1},
                      StepFault{"DiskFullPartWay", SaveStep::kWrite, ENOSPC, 2},
                      StepFault{"QuotaExceeded", SaveStep::kWrite, EDQUOT, 1},
                      StepFault{"DeviceFailsOnSync", SaveStep::kSync, EIO, 1},
                      StepFault{"PermissionsCannotBeSet", SaveStep::kPermissions, EPERM, 1},
                      StepFault{"RenameRefused", SaveStep::kRename, EACCES, 1}),
    [](const ::testing::TestParamInfo<StepFault>& info) { return std::string(info.param.name); });

// The new name is durable only once the folder is synced, after the rename.
TEST_F(AtomicFileTest, FolderIsSyncedAfterTheRenameAndItsFailureReported) {
  const auto path = (dir_ / "Wall.mr5d").string();
  std::vector<SaveStep> steps;
  {
    ScopedSaveFault record([&](SaveStep step, const std::string&) {
      steps.push_back(step);
      return step == SaveStep::kSyncFolder ? EIO : 0;
    });
    EXPECT_THROW(writeFileAtomically(path, "new"), EProjectWriteError);
  }
  const std::vector<SaveStep> expected{SaveStep::kCreateTemporary, SaveStep::kWrite,  SaveStep::kSync,
                                       SaveStep::kPermissions,     SaveStep::kRename, SaveStep::kSyncFolder};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(readText(path), "new");  // in place, but reported as possibly not on disk
}

// --------------------------------------------------------- kept and followed

TEST_F(AtomicFileTest, NewFileKeepsTheOldPermissions) {
  const auto path = dir_ / "Wall.mr5d";
  writeFileAtomically(path.string(), "old");
  for (const auto mode : {fs::perms(0640), fs::perms(0604), fs::perms(0600)}) {
    fs::permissions(path, mode);
    writeFileAtomically(path.string(), "new");
    EXPECT_EQ(fs::status(path).permissions(), mode);
  }
  const mode_t mask = ::umask(022);
  fs::remove(path);
  writeFileAtomically(path.string(), "fresh");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));  // a new file: the usual ones
  ::umask(mask);
}

TEST_F(AtomicFileTest, SavingThroughALinkUpdatesTheFileItPointsTo) {
  fs::create_directories(dir_ / "projects");
  const auto real = dir_ / "projects" / "Wall.mr5d";
  writeFileAtomically(real.string(), "old");
  fs::create_symlink("projects/Wall.mr5d", dir_ / "relative.mr5d");
  fs::create_symlink(real, dir_ / "absolute.mr5d");
  fs::create_symlink(dir_ / "absolute.mr5d", dir_ / "chained.mr5d");
  for (const char* link : {"relative.mr5d", "absolute.mr5d", "chained.mr5d"}) {
    writeFileAtomically((dir_ / link).string(), link);
    EXPECT_TRUE(fs::is_symlink(dir_ / link)) << link;
    EXPECT_EQ(readText(real), link);
  }
  // A link to a file that does not exist yet creates that file.
  fs::create_symlink("projects/New.mr5d", dir_ / "dangling.mr5d");
  writeFileAtomically((dir_ / "dangling.mr5d").string(), "created");
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.mr5d"));
  EXPECT_EQ(readText(dir_ / "projects" / "New.mr5d"), "created");
  EXPECT_TRUE(testing_support::hiddenNames(dir_).empty());
  EXPECT_TRUE(testing_support::hiddenNames(dir_ / "projects").empty());
}

// A name of 250 bytes is legal; a temporary name longer than it would not be.
TEST_F(AtomicFileTest, LongestNamesCanBeSaved) {
  for (const size_t length : {size_t{250}, size_t{255}, size_t{16}, size_t{6}}) {
    const std::string name = std::string(length - 5, 'w') + ".mr5d";
    const auto path = (dir_ / name).string();
    size_t longestTemporary = 0;
    ScopedSaveFault watch([&](SaveStep step, const std::string&) {
      if (step == SaveStep::kSync)
        for (const std::string& hidden : testing_support::hiddenNames(dir_)) {
          EXPECT_TRUE(isTemporaryNameOf(name, hidden)) << hidden;
          longestTemporary = std::max(longestTemporary, hidden.size());
        }
      return 0;
    });
    writeFileAtomically(path, "old");
    writeFileAtomically(path, "new");
    EXPECT_EQ(readText(path), "new");
    EXPECT_GT(longestTemporary, 0u);
    EXPECT_LE(longestTemporary, std::max(name.size(), size_t{16})) << length;
    fs::remove(path);
  }
}

TEST_F(AtomicFileTest, WriteProtectedFileIsRefusedUnlessReplacingWasAsked) {
  const auto path = dir_ / "Wall.mr5d";
  writeFileAtomically(path.string(), "old");
  EXPECT_FALSE(isWriteProtected(path.string()));
  fs::permissions(path, fs::perms(0444));
  EXPECT_TRUE(isWriteProtected(path.string()));
  EXPECT_FALSE(isWriteProtected((dir_ / "missing.mr5d").string()));
  try {
    writeFileAtomically(path.string(), "new");
    FAIL() << "expected an error";
  } catch (const EProjectWriteError& e) {
    EXPECT_EQ(std::string(e.what()), writeProtectedMessage(path.string()));
    EXPECT_EQ(std::string(e.what()), "File " + path.string() + " is write-protected; it was not replaced.");
  }
  EXPECT_EQ(readText(path), "old");
  writeFileAtomically(path.string(), "new", WriteProtectedFile::kReplace);
  EXPECT_EQ(readText(path), "new");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444));  // still protected
  EXPECT_EQ(testing_support::folderNames(dir_), std::vector<std::string>{"Wall.mr5d"});
}

TEST_F(AtomicFileTest, OnlyRegularFilesAreReplaced) {
  const auto fifo = dir_ / "Wall.mr5d";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_THROW(writeFileAtomically(fifo.string(), "new"), EProjectWriteError);
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
}

// ------------------------------------------------------------- killed saves

// A save killed at any of its steps leaves the old file complete and, from
// the temporary file's creation on, a hidden leftover; the next save of the
// same file removes the leftover (and only its own).
TEST_F(AtomicFileTest, SaveKilledAtEachStepLeavesTheOldFileAndTheNextSaveCleansUp) {
  const auto path = (dir_ / "Wall.mr5d").string();
  const auto other = (dir_ / "Other.mr5d").string();
  writeFileAtomically(path, "old");
  ASSERT_TRUE(testing_support::killAtStep([&] { writeFileAtomically(other, std::string(100000, 'x')); },
                                          SaveStep::kSync));
  const auto othersLeftover = testing_support::hiddenNames(dir_);
  ASSERT_EQ(othersLeftover.size(), 1u);
  // Each killed save has already removed the leftover of the one before.
  for (const SaveStep at : {SaveStep::kWrite, SaveStep::kSync, SaveStep::kPermissions, SaveStep::kRename}) {
    ASSERT_TRUE(testing_support::killAtStep([&] { writeFileAtomically(path, std::string(200000, 'n')); }, at));
    EXPECT_EQ(readText(path), "old");
    EXPECT_EQ(testing_support::hiddenNames(dir_).size(), 2u);
  }
  writeFileAtomically(path, "next");
  EXPECT_EQ(readText(path), "next");
  EXPECT_EQ(testing_support::hiddenNames(dir_), othersLeftover);
}

// The leftover of a save that is still running (its lock held) is kept.
TEST_F(AtomicFileTest, TemporaryFileOfARunningSaveIsKept) {
  const auto path = (dir_ / "Wall.mr5d").string();
  ASSERT_TRUE(testing_support::killAtStep([&] { writeFileAtomically(path, "killed"); }, SaveStep::kSync));
  const auto hidden = testing_support::hiddenNames(dir_);
  ASSERT_EQ(hidden.size(), 1u);
  const int fd = ::open((dir_ / hidden[0]).c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  writeFileAtomically(path, "next");
  EXPECT_EQ(testing_support::hiddenNames(dir_), hidden);
  ::close(fd);
  writeFileAtomically(path, "after");
  EXPECT_TRUE(testing_support::hiddenNames(dir_).empty());
}

// A child saves two contents in turn and is killed at random moments: the
// file is always one of them, complete, and the next save leaves no
// temporary file behind.
TEST_F(AtomicFileTest, SavesKilledAtRandomMomentsNeverLeaveAPartialFile) {
  const auto path = (dir_ / "Wall.mr5d").string();
  const std::string a(300000, 'a'), b(200000, 'b');
  writeFileAtomically(path, a);
  std::mt19937 random(11);
  for (int round = 0; round < 25; ++round) {
    int turn = 0;
    ASSERT_TRUE(testing_support::killWhileSaving([&] { writeFileAtomically(path, ++turn % 2 ? b : a); },
                                                 std::uniform_int_distribution<unsigned>(0, 20000)(random)));
    const std::string now = readText(path);
    EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    EXPECT_LE(testing_support::hiddenNames(dir_).size(), 1u);
    writeFileAtomically(path, a);
    EXPECT_EQ(testing_support::folderNames(dir_), std::vector<std::string>{"Wall.mr5d"}) << "round " << round;
  }
}

}  // namespace
}  // namespace murena
