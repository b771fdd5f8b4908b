// Saving a project and its stage files when the system fails: read-only
// folders, full disks, write-protected files and saves killed part-way.
// Failures are injected, so the tests bind the super-user too.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "frontend/entry/text_lines.h"
#include "frontend/project/atomic_file.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/project.h"
#include "frontend/project/save_faults.h"
#include "frontend/project/stage_file_names.h"
#include "save_test_support.h"
#include "temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using testing_support::folderNames;
using testing_support::hiddenNames;
using testing_support::readText;

class ProjectSaveFaults : public ::testing::Test {
 protected:
  ProjectSaveFaults() {
    fs::create_directories(readOnly);
    fs::create_directories(writable);
    project.data().FileName = wall;
    project.data().Title = "Staged wall";
    project.data().NodeCount = 40;
    project.data().IncrementLength = 6;
  }

  // A saved project of three stages, with its stage files removed as if the
  // data file had been copied alone into the folder.
  void saveStagedWall() {
    project.setStageCount(3);
    project.switchToStage(2);
    project.data().FreeHeight = 60;
    project.switchToStage(3);
    project.data().FreeHeight = 120;
    project.save();
    for (int k = 1; k <= 3; ++k) fs::remove(stageFileName(wall, k));
  }

  testing_support::TempFolder folder;
  fs::path readOnly = folder.path() / "read-only";
  fs::path writable = folder.path() / "writable";
  std::string wall = (readOnly / "Wall.mr5d").string();
  TProjectTables tables;
  TProject project{tables};
};

TEST_F(ProjectSaveFaults, StagedProjectInAReadOnlyFolderOpensWithItsStagesInAWorkingFolder) {
  saveStagedWall();
  const std::string data = readText(wall);
  TProjectTables tables2;
  TProject opened(tables2);
  std::string workingFolder;
  {
    testing_support::ReadOnlyFolder readOnlyFolder(readOnly);
    ASSERT_EQ(opened.open(wall, kLayoutCurrent), "");
    EXPECT_EQ(opened.data().StageCount, 3);
    EXPECT_EQ(opened.data().FileName, wall);
    workingFolder = opened.stageWorkingFolder();
    ASSERT_FALSE(workingFolder.empty());
    EXPECT_EQ(folderNames(workingFolder), (std::vector<std::string>{"Wall.st1", "Wall.st2", "Wall.st3"}));
    EXPECT_EQ(folderNames(readOnly), std::vector<std::string>{"Wall.mr5d"});
    EXPECT_TRUE(opened.needsSaveAs());

    EXPECT_EQ(opened.switchToStage(3), "");
    EXPECT_EQ(opened.data().FreeHeight, 120);
    opened.data().FreeHeight = 150;
    opened.setModified();
    EXPECT_EQ(opened.switchToStage(2), "");
    EXPECT_EQ(opened.data().Title, " Stage No : 2");

    // Save cannot write the folder; the error says so and nothing changes.
    try {
      opened.save();
      FAIL() << "expected an error";
    } catch (const EProjectWriteError& e) {
      EXPECT_EQ(std::string(e.what()), "Error writing file " + wall + ": " + std::strerror(EROFS));
    }
    EXPECT_EQ(readText(wall), data);

    // Save As puts the project with its stage files somewhere writable.
    const std::string copy = (writable / "Copy.mr5d").string();
    opened.saveAs(copy);
    EXPECT_EQ(opened.data().FileName, copy);
    EXPECT_TRUE(opened.stageWorkingFolder().empty());
    EXPECT_FALSE(fs::exists(workingFolder));
    EXPECT_FALSE(opened.needsSaveAs());
    EXPECT_EQ(folderNames(writable), (std::vector<std::string>{"Copy.mr5d", "Copy.st1", "Copy.st2", "Copy.st3"}));
    EXPECT_EQ(opened.data().StageFileName, stageFileName(copy, 2));
    EXPECT_EQ(folderNames(readOnly), std::vector<std::string>{"Wall.mr5d"});
  }
  const std::string copy = (writable / "Copy.mr5d").string();
  EXPECT_EQ(readText(copy), readText(stageFileName(copy, 1)) + readText(stageFileName(copy, 2)) +
                                readText(stageFileName(copy, 3)));
  opened.switchToStage(3);
  EXPECT_EQ(opened.data().FreeHeight, 150);
}

TEST_F(ProjectSaveFaults, WorkingFolderGoesWithTheProject) {
  saveStagedWall();
  testing_support::ReadOnlyFolder readOnlyFolder(readOnly);
  std::string workingFolder;
  {
    TProjectTables tables2;
    TProject opened(tables2);
    ASSERT_EQ(opened.open(wall, kLayoutCurrent), "");
    workingFolder = opened.stageWorkingFolder();
    ASSERT_TRUE(fs::exists(workingFolder));
    opened.newProject();
    EXPECT_FALSE(fs::exists(workingFolder));
    ASSERT_EQ(opened.open(wall, kLayoutCurrent), "");
    workingFolder = opened.stageWorkingFolder();
    EXPECT_EQ(opened.setStageCount(1), "");  // no longer staged: no stage files anywhere
    EXPECT_FALSE(fs::exists(workingFolder));
    ASSERT_EQ(opened.open(wall, kLayoutCurrent), "");
    workingFolder = opened.stageWorkingFolder();
    {
      TProject moved(std::move(opened));
      EXPECT_EQ(moved.stageWorkingFolder(), workingFolder);
    }
    EXPECT_FALSE(fs::exists(workingFolder));
    ASSERT_EQ(TProject(tables2).open(wall, kLayoutCurrent), "");
  }
  EXPECT_FALSE(fs::exists(workingFolder));
}

TEST_F(ProjectSaveFaults, ProjectMadeStagedInAReadOnlyFolderKeepsItsStagesInAWorkingFolder) {
  project.save();
  TProjectTables tables2;
  TProject opened(tables2);
  testing_support::ReadOnlyFolder readOnlyFolder(readOnly, EACCES);
  ASSERT_EQ(opened.open(wall, kLayoutCurrent), "");
  EXPECT_EQ(opened.setStageCount(2), "");
  ASSERT_FALSE(opened.stageWorkingFolder().empty());
  EXPECT_EQ(folderNames(opened.stageWorkingFolder()), (std::vector<std::string>{"Wall.st1", "Wall.st2"}));
  EXPECT_EQ(opened.switchToStage(2), "");
  EXPECT_EQ(opened.data().NodeCount, 40);
  EXPECT_EQ(folderNames(readOnly), std::vector<std::string>{"Wall.mr5d"});
}

// Without injection: a folder the user may not write.  Permissions do not
// stop the super-user, whom the injected tests above cover.
TEST_F(ProjectSaveFaults, StagedProjectInAFolderWithoutWritePermissionOpens) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  saveStagedWall();
  fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::remove);
  TProjectTables tables2;
  TProject opened(tables2);
  EXPECT_EQ(opened.open(wall, kLayoutCurrent), "");
  EXPECT_FALSE(opened.stageWorkingFolder().empty());
  fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ProjectSaveFaults, WriteProtectedDataFileIsReplacedOnlyWhenAsked) {
  project.save();
  fs::permissions(wall, fs::perms(0444));
  EXPECT_TRUE(isWriteProtected(wall));
  project.data().Title = "Changed";
  project.setModified();
  try {
    project.save();
    FAIL() << "expected an error";
  } catch (const EProjectWriteError& e) {
    EXPECT_EQ(std::string(e.what()), writeProtectedMessage(wall));
  }
  EXPECT_EQ(splitTextLines(readText(wall)).front(), "Staged wall");
  EXPECT_TRUE(project.isModified());
  project.save(WriteProtectedFile::kReplace);
  EXPECT_EQ(splitTextLines(readText(wall)).front(), "Changed");
  EXPECT_FALSE(project.isModified());

  const std::string other = (writable / "Other.mr5d").string();
  testing_support::writeText(other, "someone else's\r\n");
  fs::permissions(other, fs::perms(0444));
  EXPECT_THROW(project.saveAs(other), EProjectWriteError);
  EXPECT_EQ(readText(other), "someone else's\r\n");
  EXPECT_EQ(project.data().FileName, wall);
}

// Stage files are the program's working copies: a protected one is replaced.
TEST_F(ProjectSaveFaults, WriteProtectedStageFileIsStillStored) {
  project.setStageCount(2);
  fs::permissions(stageFileName(wall, 1), fs::perms(0444));
  project.data().FreeHeight = 24;
  project.updateCurrentStage();
  project.switchToStage(2);
  project.switchToStage(1);
  EXPECT_EQ(project.data().FreeHeight, 24);
}

// A staged save writes the current stage file, then the data file: a failure
// of either leaves every file complete, the data file the old one.
TEST_F(ProjectSaveFaults, FailedStagedSaveLeavesEveryFileComplete) {
  saveStagedWall();
  project.open(wall, kLayoutCurrent);
  const std::string data = readText(wall);
  const std::string stage1 = readText(stageFileName(wall, 1));
  project.data().FreeHeight = 36;
  for (const std::string& failing : {stageFileName(wall, 1), wall}) {
    {
      int writes = 0;
      ScopedSaveFault diskFull([&](SaveStep step, const std::string& target) {
        return step == SaveStep::kWrite && target == failing && ++writes == 1 ? ENOSPC : 0;
      });
      EXPECT_THROW(project.save(), EProjectWriteError) << failing;
    }
    EXPECT_EQ(readText(wall), data);
    EXPECT_TRUE(hiddenNames(readOnly).empty());
  }
  EXPECT_NE(readText(stageFileName(wall, 1)), stage1);  // stored before the data file failed
  project.save();
  EXPECT_NE(readText(wall), data);
}

// A child saves a staged project again and again, the free height of the
// current stage changing between two values, and is killed at random
// moments: every file is always one of its two complete versions, and the
// next open and save leave no temporary file behind.
TEST_F(ProjectSaveFaults, StagedSavesKilledAtRandomMomentsLeaveCompleteFiles) {
  const std::string staged = (writable / "Wall.mr5d").string();
  project.data().FileName = staged;
  project.setStageCount(2);
  project.switchToStage(2);
  const std::vector<std::string> files{staged, stageFileName(staged, 1), stageFileName(staged, 2)};
  std::vector<std::vector<std::string>> versions(files.size());
  for (const double height : {60.0, 120.0}) {
    project.data().FreeHeight = height;
    project.save();
    for (size_t i = 0; i < files.size(); ++i) versions[i].push_back(readText(files[i]));
  }
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    int turn = 0;
    ASSERT_TRUE(testing_support::killWhileSaving(
        [&] {
          project.data().FreeHeight = ++turn % 2 ? 60.0 : 120.0;
          project.save();
        },
        std::uniform_int_distribution<unsigned>(0, 15000)(random)));
    for (size_t i = 0; i < files.size(); ++i) {
      const std::string now = readText(files[i]);
      EXPECT_TRUE(now == versions[i][0] || now == versions[i][1]) << files[i] << " round " << round;
    }
  }
  TProjectTables tables2;
  TProject reopened(tables2);
  EXPECT_EQ(reopened.open(staged, kLayoutCurrent), "");
  reopened.switchToStage(2);
  reopened.save();
  EXPECT_EQ(folderNames(writable), (std::vector<std::string>{"Wall.mr5d", "Wall.st1", "Wall.st2"}));
}

}  // namespace
}  // namespace murena
