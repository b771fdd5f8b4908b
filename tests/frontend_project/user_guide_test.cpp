// Finding the user's guide for Help, Contents.
#include <gtest/gtest.h>

#include <fstream>

#include "frontend/project/user_guide.h"
#include "tests/frontend_project/temp_folder.h"

namespace murena {
namespace {

TEST(UserGuideTest, FirstFolderWithAGuideWinsAndHtmlBeforeMarkdown) {
  testing_support::TempFolder folder;
  const auto program = folder.path() / "bin", docs = folder.path() / "docs";
  std::filesystem::create_directories(program);
  std::filesystem::create_directories(docs);
  const std::vector<std::string> folders = {program.string(), docs.string()};
  EXPECT_EQ(findUserGuide(folders), "");
  EXPECT_NE(userGuideMissingMessage(folders).find(docs.string()), std::string::npos);
  std::ofstream(docs / "user-guide.md") << "# Guide";
  EXPECT_EQ(findUserGuide(folders), (docs / "user-guide.md").string());
  std::ofstream(docs / "user-guide.html") << "<h1>Guide</h1>";
  EXPECT_EQ(findUserGuide(folders), (docs / "user-guide.html").string());
  std::ofstream(program / "user-guide.md") << "# Beside the program";
  EXPECT_EQ(findUserGuide(folders), (program / "user-guide.md").string());
}

}  // namespace
}  // namespace murena
