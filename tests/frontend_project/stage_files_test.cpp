#include <gtest/gtest.h>

#include <filesystem>

#include "frontend/entry/text_lines.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/project.h"
#include "frontend/project/stage_file_names.h"
#include "temp_folder.h"

namespace murena {
namespace {

namespace fs = std::filesystem;
using testing_support::readText;

TEST(StageFileNames, ReplaceTheExtension) {
  EXPECT_EQ(stageFileName("/p/Wall.mr5d", 1), "/p/Wall.st1");
  EXPECT_EQ(stageFileName("/p/Wall.mr5d", 5), "/p/Wall.st5");
  EXPECT_EQ(stageFileName("/p/my.wall.mrd", 3), "/p/my.wall.st3");
}

class StageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    project.data().FileName = wall;
    project.data().Title = "Staged wall";
    project.data().NodeCount = 40;
    project.data().IncrementLength = 6;
  }
  std::string stage(int k) const { return stageFileName(wall, k); }
  std::vector<std::string> stageLines(int k) const { return splitTextLines(readText(stage(k))); }
  bool exists(int k) const { return fs::exists(stage(k)); }

  testing_support::TempFolder folder;
  std::string wall = folder.file("Wall.mr5d");
  TProjectTables tables;
  TProject project{tables};
};

TEST_F(StageFilesTest, OneToThreeStagesCreatesThreeFilesWithTheSameData) {
  EXPECT_EQ(project.statusBarText(), "");
  EXPECT_EQ(project.setStageCount(3), "");
  EXPECT_EQ(project.data().StageCount, 3);
  EXPECT_EQ(project.data().CurrentStage, 1);
  EXPECT_EQ(project.statusBarText(), "Construction Stage Number: 1");
  ASSERT_TRUE(exists(1) && exists(2) && exists(3));
  EXPECT_FALSE(exists(4));
  const auto first = stageLines(1);
  EXPECT_EQ(first.front(), "Staged wall");
  EXPECT_EQ(first[1], "1 0\t1\t0\t2\t2 0 3 0 0");
  EXPECT_EQ(first.back(), "1");
  for (int k = 2; k <= 3; ++k) {
    const auto lines = stageLines(k);
    ASSERT_EQ(lines.size(), first.size());
    EXPECT_EQ(lines.front(), " Stage No : " + std::to_string(k));
    EXPECT_EQ(lines.back(), std::to_string(k));
    for (size_t i = 1; i + 1 < lines.size(); ++i) EXPECT_EQ(lines[i], first[i]) << "stage " << k << " line " << i;
  }
  EXPECT_EQ(project.data().Title, "Staged wall");
  EXPECT_TRUE(project.isModified());
}

TEST_F(StageFilesTest, SwitchingStoresAndLoadsEachStage) {
  project.setStageCount(2);
  EXPECT_EQ(project.switchToStage(2), "");
  EXPECT_EQ(project.data().Title, " Stage No : 2");
  EXPECT_EQ(project.statusBarText(), "Construction Stage Number: 2");
  project.data().FreeHeight = 72;
  project.switchToStage(1);
  EXPECT_EQ(project.data().Title, "Staged wall");
  EXPECT_EQ(project.data().FreeHeight, 0);
  project.switchToStage(2);
  EXPECT_EQ(project.data().FreeHeight, 72);
  EXPECT_EQ(project.data().StageCount, 2);
}

TEST_F(StageFilesTest, SwitchingToTheCurrentStageKeepsUnsavedEdits) {
  project.setStageCount(2);
  project.clearModified();
  project.data().NodeCount = 41;
  project.setModified();
  project.switchToStage(1);
  EXPECT_EQ(project.data().NodeCount, 41);
  EXPECT_TRUE(project.isModified());
  EXPECT_NE(stageLines(1)[2].rfind("41 ", 0), 0u);  // not stored
}

TEST_F(StageFilesTest, SwitchingKeepsTheModifiedFlag) {
  project.setStageCount(2);
  project.clearModified();
  project.switchToStage(2);
  EXPECT_FALSE(project.isModified());
  project.setModified();
  project.switchToStage(1);
  EXPECT_TRUE(project.isModified());
}

TEST_F(StageFilesTest, CopyPreviousStage) {
  project.setStageCount(2);
  EXPECT_FALSE(project.canCopyPreviousStage());
  project.switchToStage(2);
  project.data().NodeCount = 55;
  ASSERT_TRUE(project.canCopyPreviousStage());
  EXPECT_EQ(project.copyPreviousStageQuestion(), "Do you want to copy all information from Stage 1 to Stage 2");
  project.copyPreviousStage();
  EXPECT_EQ(project.data().CurrentStage, 2);
  EXPECT_EQ(project.data().NodeCount, 40);
  EXPECT_EQ(stageLines(2)[2].substr(0, 3), "40 ");
  EXPECT_EQ(stageLines(2).front(), " Stage No : 2");
}

TEST_F(StageFilesTest, FourDownToTwoStagesDeletesStagesThreeAndFour) {
  project.setStageCount(4);
  project.switchToStage(3);
  project.setStageCount(2);
  EXPECT_EQ(project.data().CurrentStage, 1);
  EXPECT_EQ(project.data().StageCount, 2);
  EXPECT_TRUE(exists(1) && exists(2));
  EXPECT_FALSE(exists(3) || exists(4));
  EXPECT_EQ(stageLines(2)[1], "1 0\t1\t0\t2\t2 0 2 0 0");
  EXPECT_EQ(project.data().Title, "Staged wall");
}

TEST_F(StageFilesTest, OneStageDeletesEveryStageFile) {
  project.setStageCount(3);
  project.switchToStage(3);
  project.setStageCount(1);
  EXPECT_EQ(project.data().StageCount, 1);
  EXPECT_EQ(project.data().CurrentStage, 1);
  EXPECT_FALSE(exists(1) || exists(2) || exists(3));
  EXPECT_EQ(project.statusBarText(), "");
}

// A new stage starts as a copy of the highest existing stage below it; edits
// of the current stage made since the last store are kept.
TEST_F(StageFilesTest, MoreStagesCopyTheHighestStageAndKeepCurrentEdits) {
  project.setStageCount(2);
  project.switchToStage(2);
  project.data().FreeHeight = 96;  // not yet stored
  project.setStageCount(3);
  EXPECT_EQ(project.data().CurrentStage, 2);
  EXPECT_EQ(project.data().FreeHeight, 96);
  project.switchToStage(3);
  EXPECT_EQ(project.data().FreeHeight, 96);
  EXPECT_EQ(project.data().Title, " Stage No : 3");
}

TEST_F(StageFilesTest, StaleStageFilesOfAnUnstagedProjectAreNotTakenForItsData) {
  testing_support::writeText(stage(1), "Stale\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n99 1\t1\t1\t0\t0\r\n");
  project.setStageCount(2);
  EXPECT_EQ(project.data().NodeCount, 40);
  EXPECT_EQ(project.data().Title, "Staged wall");
}

TEST_F(StageFilesTest, SaveAssemblesTheDataFileAndOpenSplitsIt) {
  project.setStageCount(3);
  project.switchToStage(2);
  project.data().FreeHeight = 60;
  project.switchToStage(3);
  project.data().FreeHeight = 120;
  project.save();  // stores stage 3 first
  EXPECT_FALSE(project.isModified());
  const std::string data = readText(wall);
  EXPECT_EQ(data, readText(stage(1)) + readText(stage(2)) + readText(stage(3)));

  for (int k = 1; k <= 3; ++k) fs::remove(stage(k));
  testing_support::writeText(stage(5), "left from earlier work\r\n");
  TProjectTables tables2;
  TProject reopened(tables2);
  EXPECT_EQ(reopened.open(wall, kLayoutCurrent), "");
  EXPECT_EQ(reopened.data().StageCount, 3);
  EXPECT_EQ(reopened.data().CurrentStage, 1);
  EXPECT_EQ(reopened.data().Title, "Staged wall");
  EXPECT_EQ(reopened.statusBarText(), "Construction Stage Number: 1");
  ASSERT_TRUE(exists(1) && exists(2) && exists(3));
  EXPECT_FALSE(exists(5));
  EXPECT_EQ(stageLines(2).front(), " Stage No : 2");
  EXPECT_EQ(stageLines(3).front(), " Stage No : 3");
  EXPECT_EQ(readText(stage(1)) + readText(stage(2)) + readText(stage(3)), data);
  reopened.switchToStage(3);
  EXPECT_EQ(reopened.data().FreeHeight, 120);
  EXPECT_FALSE(reopened.isModified());
}

TEST_F(StageFilesTest, SaveAsMovesTheStageFiles) {
  project.setStageCount(2);
  project.save();
  const std::string renamed = folder.file("Renamed.mr5d");
  project.saveAs(renamed);
  EXPECT_EQ(project.data().FileName, renamed);
  EXPECT_EQ(project.data().StageFileName, stageFileName(renamed, 1));
  EXPECT_FALSE(exists(1) || exists(2));
  EXPECT_TRUE(fs::exists(stageFileName(renamed, 1)) && fs::exists(stageFileName(renamed, 2)));
  EXPECT_EQ(readText(renamed), readText(stageFileName(renamed, 1)) + readText(stageFileName(renamed, 2)));
  EXPECT_TRUE(fs::exists(wall));  // the old data file stays
}

TEST_F(StageFilesTest, OlderStagedFileIsConvertedStageByStage) {
  const std::string old = folder.file("Old.mr4d");
  const char* block1 =
      "Old staged\r\n1 0\t1\t0\t2\t2 0 2 0\r\n40 6\t100\t1E-5\t120\r\n0\t40\t1\t5E9\r\n0\r\n0\r\n"
      "120\t12\t12\t0\t0\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n0\r\n1\r\n4 480 \r\n"
      "0.0637 0.0  30 0.0  25 0 \r\n0.0637 0.0  30 0.0  25 0 \r\n1\r\n";
  const char* block2 =
      " Stage No : 2\r\n1 0\t1\t0\t2\t2 0 2 0\r\n40 6\t100\t1E-5\t144\r\n0\t40\t1\t5E9\r\n0\r\n0\r\n"
      "144\t12\t12\t0\t0\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n0\r\n1\r\n4 480 \r\n"
      "0.0637 0.0  30 0.0  25 0 \r\n0.0637 0.0  30 0.0  25 0 \r\n2\r\n";
  testing_support::writeText(old, std::string(block1) + block2);
  TProjectTables tables2;
  TProject opened(tables2);
  EXPECT_EQ(opened.open(old, kLayout2013), "");
  EXPECT_EQ(opened.data().StageCount, 2);
  const auto s1 = splitTextLines(readText(stageFileName(old, 1)));
  const auto s2 = splitTextLines(readText(stageFileName(old, 2)));
  EXPECT_EQ(s1[1], "1 0\t1\t0\t2\t2 0 2 0 0");  // ten control items now
  EXPECT_EQ(s1[2], "40 6\t100\t1E-5\t120\t12");
  EXPECT_EQ(s2.front(), " Stage No : 2");
  EXPECT_EQ(s2[2], "40 6\t100\t1E-5\t144\t12");
  EXPECT_EQ(s2.back(), "2");
  EXPECT_EQ(opened.data().FreeHeight, 120);
  EXPECT_EQ(opened.data().Title, "Old staged");
}

// A save that fails part way (a full disk) leaves the old file as it was.
TEST_F(StageFilesTest, FailedSaveLeavesTheOldFileIntact) {
  project.save();
  const std::string before = readText(wall);
  project.data().Title = std::string(4000, 'x');
  {
    testing_support::FileSizeLimit limit(before.size() + 10);
    EXPECT_THROW(project.save(), EProjectWriteError);
  }
  EXPECT_EQ(readText(wall), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(StageFilesTest, SaveIntoAMissingFolderReportsTheError) {
  project.data().FileName = folder.file("missing/Wall.mr5d");
  EXPECT_THROW(project.save(), EProjectWriteError);
}

}  // namespace
}  // namespace murena
