#include "frontend/project/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "frontend/project/file_errors.h"
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

}  // namespace
}  // namespace murena
