#include "frontend/project/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "frontend/project/file_errors.h"
#include "temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("murena_atomic_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryBehind) {
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  writeFileAtomically(path, "new\r\n");
  EXPECT_EQ(slurp(path), "new\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailedSaveKeepsTheOldFileAndReportsTheError) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::remove);
  EXPECT_THROW(writeFileAtomically(path, "new\r\n"), EProjectWriteError);
  fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(slurp(path), "old\r\n");
}

// A file-size limit makes the write fail part way, as a full disk would.
TEST_F(AtomicFileTest, WriteFailurePartWayKeepsTheOldFile) {
  const auto path = (dir_ / "Wall.mr5d").string();
  writeFileAtomically(path, "old\r\n");
  {
    testing_support::FileSizeLimit limit(16);
    EXPECT_THROW(writeFileAtomically(path, std::string(4096, 'x')), EProjectWriteError);
  }
  EXPECT_EQ(slurp(path), "old\r\n");
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
