// Every example that has golden files is run through murena-run with the
// report clock fixed, in a private scratch folder, and its report and plot
// data file must match them byte for byte once the report's folder line names
// the folder the goldens are written for (tools/update-goldens.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "tests/support/test_names.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(MURENA_SOURCE_DIR) / "tests/integration/golden";
const fs::path kExamples = fs::path(MURENA_SOURCE_DIR) / "examples";

std::vector<std::string> examplesWithGoldens() {
  std::vector<std::string> names;
  if (!fs::exists(kGolden)) return names;
  for (const auto& entry : fs::directory_iterator(kGolden))
    if (entry.path().extension() == ".mr5o" && fs::exists(kExamples / (entry.path().stem().string() + ".mr5d")))
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// First differing line, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected), a(actual);
  std::string le, la;
  for (int line = 1;; ++line) {
    bool moreE = static_cast<bool>(std::getline(e, le));
    bool moreA = static_cast<bool>(std::getline(a, la));
    if (!moreE && !moreA) return "identical lines";
    if (le != la || moreE != moreA)
      return "line " + std::to_string(line) + ":\n  expected: [" + le + "]\n  actual:   [" + la + "]";
  }
}

class GoldenReports : public ::testing::TestWithParam<std::string> {};

// The folder the report's "Path to file locations" line names in the goldens.
const std::string kGoldenFolder = "/tmp/murena-golden/";

// The report as if it had been run in the goldens' folder: the folder line
// names that folder in place of the scratch folder.
std::string inGoldenFolder(std::string report, const fs::path& scratch, const std::string& name) {
  const std::string line = "     Path to file locations      : ";
  const std::string actual = line + scratch.string() + "/";
  for (std::size_t at = report.find(actual); at != std::string::npos; at = report.find(actual, at))
    report.replace(at, actual.size(), line + kGoldenFolder + name + "/");
  return report;
}

TEST_P(GoldenReports, MatchByteForByte) {
  const std::string name = GetParam();
  murena::testing_support::ScratchFolder scratch("murena_golden");
  const fs::path& folder = scratch.path();
  fs::create_directories(folder / "work");
  fs::copy_file(kExamples / (name + ".mr5d"), folder / (name + ".mr5d"));
  std::string command = "MURENA_FIXED_TIME=2026-01-01T00:00:00 '" MURENA_BIN_DIR "/murena-run' --workdir '" +
                        (folder / "work").string() + "' '" + (folder / (name + ".mr5d")).string() + "' > /dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  for (const char* ext : {".mr5o", ".mr5p"}) {
    std::string expected = readFile(kGolden / (name + ext));
    std::string actual = readFile(folder / (name + ext));
    if (std::string(ext) == ".mr5o") actual = inGoldenFolder(actual, folder, name);
    EXPECT_TRUE(expected == actual) << name << ext << " differs at " << firstDifference(expected, actual);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenReports, ::testing::ValuesIn(examplesWithGoldens()),
                         [](const auto& info) { return murena::testing_support::readableTestName(info.param); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenReports);

}  // namespace
