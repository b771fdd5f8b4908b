// The recent-file list: order, limit and menu texts.
#include <gtest/gtest.h>

#include "frontend/project/recent_files.h"

namespace murena {
namespace {

std::vector<std::string> paths(int from, int to) {
  std::vector<std::string> out;
  for (int i = from; i <= to; ++i) out.push_back("/p/f" + std::to_string(i) + ".mr5d");
  return out;
}

TEST(RecentFilesTest, OpeningTheNinthMovesItToTheTopAndANewPathDropsTheTenth) {
  TRecentFiles recent;
  recent.assign(paths(1, 10));
  recent.add("/p/f9.mr5d");
  std::vector<std::string> expected = {"/p/f9.mr5d"};
  for (const std::string& p : paths(1, 8)) expected.push_back(p);
  expected.push_back("/p/f10.mr5d");
  EXPECT_EQ(recent.entries(), expected);

  recent.add("/p/new.mr5d");
  EXPECT_EQ(recent.count(), 10);
  EXPECT_EQ(recent.at(0), "/p/new.mr5d");
  EXPECT_EQ(recent.at(9), "/p/f8.mr5d");
}

TEST(RecentFilesTest, StoredEntriesSkipEmptyValuesAndRepeats) {
  TRecentFiles recent;
  std::vector<std::string> stored = {"", "/a.mr5d", "/a.mr5d", "/b.mr5d"};
  for (const std::string& p : paths(1, 12)) stored.push_back(p);
  recent.assign(stored);
  EXPECT_EQ(recent.count(), 10);
  EXPECT_EQ(recent.at(0), "/a.mr5d");
  EXPECT_EQ(recent.at(1), "/b.mr5d");
}

TEST(RecentFilesTest, MenuTextIsRelativeBelowTheCurrentFolderOnly) {
  TRecentFiles recent;
  recent.assign({"/home/me/walls/a.mr5d", "/home/me/walls/sub/b.mr5d", "/home/me/other/c.mr5d",
                 "/home/me/wallsX/d.mr5d"});
  EXPECT_EQ(recent.menuText(0, "/home/me/walls"), "1 a.mr5d");
  EXPECT_EQ(recent.menuText(1, "/home/me/walls/"), "2 sub/b.mr5d");
  EXPECT_EQ(recent.menuText(2, "/home/me/walls"), "3 /home/me/other/c.mr5d");
  EXPECT_EQ(recent.menuText(3, "/home/me/walls"), "4 /home/me/wallsX/d.mr5d");
  EXPECT_EQ(recent.menuText(0, ""), "1 /home/me/walls/a.mr5d");
}

}  // namespace
}  // namespace murena
