// The engine library as the front end and the runner see it: its exports,
// the interface check and the run-control file.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using Entry = std::int32_t (*)(std::int32_t);

const std::string kLibrary = MURENA_BIN_DIR "/Murena2015_DLL.so";

struct LoadedEngine {
  void* handle = dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  ~LoadedEngine() {
    if (handle) dlclose(handle);
  }
  Entry entry(const char* name) const { return reinterpret_cast<Entry>(dlsym(handle, name)); }
};

// A scratch folder made the current directory for the test's lifetime, with
// the run-control file (its fourth line and completeness chosen by the test)
// and a small data file.
struct EntryFolder {
  murena::testing_support::ScratchFolder scratch{"murena_entry_test", murena::testing_support::ScratchFolder::Enter::kYes};
  const fs::path& dir = scratch.path();

  void writeNames(const std::string& version, const std::string& line4, bool complete = true) const {
    std::ofstream names(dir / "NAMES.dat");
    names << version << "\n\n\n" << line4 << "\n" << (dir / "w.mr5d").string() << "\n" << (dir / "w.mr5o").string() << "\n";
    if (complete) names << (dir / "w.mr5p").string() << "\n" << (dir / "w.mr5r").string() << "\n";
  }
  void writeData() const {
    murena::testing_support::writeText(dir / "w.mr5d",
                               "Entry test\n3 1\t1\t0\t0\t0 0 1 0 0\n10 1\t100\t1E-9\t0\t1\n3\t10\t0\t0\n0\t10\t1\t1E3\n1\n"
                               "1\t0\t0\t1\t0\t0\n0\n0\n");
  }
  std::string report() const { return murena::testing_support::readText(dir / "w.mr5o"); }
};

TEST(EngineLibrary, ExportsExactlyTheTwoEntryNames) {
  std::string command = "nm -D --defined-only '" + kLibrary + "'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe)) {
    std::istringstream items(line);
    std::string address, kind, name;
    if (items >> address >> kind >> name) names.insert(name);
  }
  pclose(pipe);
  EXPECT_EQ(names, (std::set<std::string>{"IMURENA", "_IMURENA"}));
}

TEST(EngineLibrary, WrongInterfaceNumberTouchesNoFile) {
  LoadedEngine engine;
  ASSERT_NE(engine.handle, nullptr) << dlerror();
  EntryFolder folder;
  folder.writeNames("2015.5.12", "0");
  folder.writeData();
  EXPECT_EQ(engine.entry("IMURENA")(11), 1);
  EXPECT_EQ(engine.entry("_IMURENA")(13), 1);
  EXPECT_FALSE(fs::exists(folder.dir / "w.mr5o"));
  EXPECT_FALSE(fs::exists(folder.dir / "w.mr5p"));
}

TEST(EngineLibrary, RunsTwiceInOneLoadWithCleanState) {
  LoadedEngine engine;
  ASSERT_NE(engine.handle, nullptr) << dlerror();
  EntryFolder folder;
  folder.writeNames("2015.5.12 with a long tail", "some text");
  folder.writeData();
  ASSERT_EQ(engine.entry("_IMURENA")(12), 0);
  std::string first = folder.report();
  ASSERT_EQ(engine.entry("_IMURENA")(12), 0);
  EXPECT_EQ(folder.report().substr(first.find("Flexible")), first.substr(first.find("Flexible")));
  EXPECT_NE(first.find("  MURENA for Windows, Version 2015.5.12 wi\n"), std::string::npos) << first;
  EXPECT_NE(first.find("     END OF ANALYSIS"), std::string::npos);
}

TEST(EngineLibrary, IncompleteNamesFileIsReportedAndReturns) {
  LoadedEngine engine;
  ASSERT_NE(engine.handle, nullptr) << dlerror();
  EntryFolder folder;
  folder.writeNames("2015.5.12", "0", false);
  folder.writeData();
  EXPECT_EQ(engine.entry("_IMURENA")(12), 0);
  EXPECT_FALSE(fs::exists(folder.dir / "w.mr5o"));
}

TEST(EngineLibrary, MissingInputFileEndsTheRunWithAMessage) {
  LoadedEngine engine;
  ASSERT_NE(engine.handle, nullptr) << dlerror();
  EntryFolder folder;
  folder.writeNames("2015.5.12", "0");
  EXPECT_EQ(engine.entry("_IMURENA")(12), 0);
  std::string report = folder.report();
  EXPECT_NE(report.find("     ERROR -- CANNOT OPEN THE INPUT DATA FILE"), std::string::npos);
  EXPECT_NE(report.find("     END OF ANALYSIS"), std::string::npos);
}

}  // namespace
