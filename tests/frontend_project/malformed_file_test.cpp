#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/record_text.h"
#include "frontend/project/project.h"
#include "frontend/entry/text_lines.h"
#include "sample_project.h"
#include "temp_folder.h"

namespace murena {
namespace {

struct MalformedCase {
  const char* name;
  const char* text;
  const char* message;
};

const char* const kIntegerExpected = "An integer was expected but not found.";

class MalformedFileTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFileTest, GivesTheReadersMessageAndKeepsMinimumRows) {
  TProjectTables tables;
  TProject project(tables);
  EXPECT_EQ(readProjectText(GetParam().text, project.data(), tables, kLayoutCurrent), GetParam().message);
  for (GridTable* t : tables.projectTables()) EXPECT_GE(t->rowCount(), t->minRows()) << t->caption();
  forEachTableDeep(tables.NewSoil, [](GridTable& t) { EXPECT_GE(t.rowCount(), t.minRows()) << t.caption(); });
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MalformedFileTest,
    ::testing::Values(
        MalformedCase{"Empty", "", "This file either invalid or incomplete."},
        MalformedCase{"Truncated", "Wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\r\n", "This file either invalid or incomplete."},
        MalformedCase{"FractionalInteger", "Wall\r\n1 0\t1\t0\t2\t3.5 0 1 0 0\r\n",
                      "Error on Line 2 Item 6\nAn integer was expected but not found."},
        MalformedCase{"WordForInteger", "Wall\r\nEnglish\r\n", "Error on Line 2 Item 1\nAn integer was expected but not found."},
        MalformedCase{"WordForReal", "Wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t1O0\r\n",
                      "Error on Line 3 Item 3\nA floating point number was expected but not found."},
        MalformedCase{"HugeCount", "Wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t100\t1E-5\t0\t0\r\n0\t1\t1\t0\r\n2000000000\r\n",
                      "This file either invalid or incomplete."},
        MalformedCase{"NegativeCounts", "Wall\r\n1 -5\t1\t-1\t0\t0 -2 1 -3 -4\r\n40 6\t100\t1E-5\t0\t0\r\n0\t1\t1\t0\r\n-1\r\n-1\r\n0\r\n",
                      ""},
        // Values that the conversion into the tables' units takes beyond the
        // finite numbers (pci to pcf, m^2 to mm^2, per inch to per foot) were
        // once held as infinity and saved as a file no reader takes.
        MalformedCase{"UnitWeightBeyondFiniteInPcf",
                      "Wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t10\t1E-5\t120\t12\r\n0\t40\t1\t3E9\r\n0\r\n0\r\n"
                      "120\t12\t12\t600\t600\t1\t1\t0\r\n0\t0\t0\t0\t0\t0\r\n0\r\n1\r\n4 600 \r\n"
                      "1E306 0.0  32 0.0  90 0 \r\n",
                      "Error on Line 12 Item 1\nA floating point number was expected but not found."},
        MalformedCase{"TiebackAreaBeyondFiniteInSquareMillimetres",
                      "Wall\r\n2 0\t1\t0\t0\t0 0 1 0 1\r\n40 0.1\t1\t1E-5\t0\t1\r\n0\t40\t1\t5E4\r\n0\r\n0\r\n"
                      "1\t1E303\t2E8\t4\t15\t2\r\n0\r\n",
                      "Error on Line 7 Item 2\nA floating point number was expected but not found."},
        MalformedCase{"DistributedLoadBeyondFinitePerFoot",
                      "Wall\r\n1 0\t1\t0\t1\t0 0 1 0 0\r\n40 6\t10\t1E-5\t0\t12\r\n0\t40\t1\t3E9\r\n0\r\n0\r\n"
                      "2\r\n0\t1\r\n240\t1.7E308\r\n0\r\n",
                      "Error on Line 9 Item 2\nA floating point number was expected but not found."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MalformedFile, IntegerWrittenWithZeroFractionIsAccepted) {
  TProjectTables tables;
  TProject project(tables);
  std::string text = dataFileText(project.data(), tables);
  text.replace(text.find("\r\n0 0\t100"), 5, "\r\n3.0 0\t100");
  EXPECT_EQ(readProjectText(text, project.data(), tables, kLayoutCurrent), "");
  EXPECT_EQ(project.data().NodeCount, 3);
}

TEST(MalformedFile, TiebackLineWithSixItemsLeavesThePrestressAtZero) {
  const char* text =
      "Wall\r\n1 0\t1\t0\t0\t0 0 1 0 2\r\n40 6\t100\t1E-5\t0\t12\r\n0\t40\t1\t5E9\r\n0\r\n0\r\n"
      "5\t1.5\t29000000\t15\t15\t8\r\n"
      "6\t1.5\t29000000\t15\t15\t8\t1200\r\n0\r\n";
  TProjectTables tables;
  TProject project(tables);
  ASSERT_EQ(readProjectText(text, project.data(), tables, kLayoutCurrent), "");
  EXPECT_TRUE(project.data().ApplyTiebacks);
  ASSERT_EQ(tables.TiebackTable1.rowCount(), 2);
  EXPECT_EQ(tables.TiebackTable1.real(col::kTiebackSpacing, 0), 8);
  EXPECT_EQ(tables.TiebackTable1.real(col::kTiebackPrestress, 0), 0);
  EXPECT_EQ(tables.TiebackTable1.real(col::kTiebackDepth, 1), 6);
  EXPECT_EQ(tables.TiebackTable1.real(col::kTiebackPrestress, 1), 1200);
}

// The project stays open under the file's name with what was read.
TEST(MalformedFile, OpeningKeepsWhatWasReadUnderTheFilesName) {
  testing_support::TempFolder folder;
  const std::string path = folder.file("Broken.mr5d");
  testing_support::writeText(path, "Broken wall\r\n1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t100\t1E-5\t0\t0\r\n0\t40\tx\r\n");
  TProjectTables tables;
  TProject project(tables);
  EXPECT_EQ(project.open(path, kLayoutCurrent), "Error on Line 4 Item 3\n" + std::string(kIntegerExpected));
  EXPECT_EQ(project.data().FileName, path);
  EXPECT_EQ(project.data().Title, "Broken wall");
  EXPECT_EQ(project.data().NodeCount, 40);
  EXPECT_EQ(tables.PileSect.rowCount(), 1);
  EXPECT_EQ(tables.PileSect.integer(col::kSectTo, 0), 40);
  EXPECT_EQ(tables.PYMod.rowCount(), 2);
  EXPECT_FALSE(project.isModified());
}

// A control line that asks for as many p-y curve sets as the file has lines,
// followed by 100,000 blank lines: each set makes a sub-table, and the table
// registry once looked each up and removed it by a linear search, so opening
// took about 48 s and the next New 34 s (see the project-open benchmark).
std::string manyCurveSetsText(int lines) {
  std::string text = "Blank lines\r\n1 0\t1\t0\t0\t1 " + std::to_string(lines) + " 1 0 0\r\n";
  for (int i = 0; i < lines; ++i) text += " \r\n";
  return text;
}

TEST(MalformedFile, FileOfManyCurveSetsOpensAndNewEmptiesIt) {
  testing_support::TempFolder folder;
  const std::string path = folder.file("Blank.mr5d");
  testing_support::writeText(path, manyCurveSetsText(100000));
  TProjectTables tables;
  TProject project(tables);
  EXPECT_EQ(project.open(path, kLayoutCurrent), "This file either invalid or incomplete.");
  ASSERT_EQ(tables.PYCurves2.rowCount(), 100000);
  GridTable* last = tables.PYCurves2.subTable(col::kSetCurve, 99999);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->rowNumber(), 100000);
  EXPECT_EQ(last->rowCount(), last->minRows());
  project.newProject();
  EXPECT_EQ(tables.PYCurves2.rowCount(), tables.PYCurves2.minRows());
  // Only the templates and the default rows' sub-tables are left registered.
  EXPECT_LT(tables.PYCurves2.registry().tables().size(), 100u);
}

// A value that is not a finite number is never written: the save is
// refused and the old file kept.
TEST(MalformedFile, ProjectHoldingANonFiniteValueIsNotSaved) {
  testing_support::TempFolder folder;
  TProjectTables tables;
  TProject project(tables);
  project.data().FileName = folder.file("Wall.mr5d");
  project.save();
  const std::string saved = testing_support::readText(project.data().FileName);
  project.data().FreeHeight = std::numeric_limits<double>::infinity();
  try {
    project.save();
    FAIL() << "expected an error";
  } catch (const EProjectWriteError& e) {
    EXPECT_EQ(std::string(e.what()), kNotFiniteMessage);
  }
  project.data().FreeHeight = 0;
  tables.PileSect.setReal(col::kSectEI, 0, std::nan(""));
  EXPECT_THROW(project.save(), EProjectWriteError);
  EXPECT_EQ(testing_support::readText(project.data().FileName), saved);
}

TEST(MalformedFile, MissingFileIsReported) {
  TProjectTables tables;
  TProject project(tables);
  EXPECT_EQ(project.open("/nonexistent/Wall.mr5d", kLayoutCurrent), "Cannot open file \"/nonexistent/Wall.mr5d\"");
  EXPECT_EQ(tables.NewSoil.rowCount(), 1);
}

}  // namespace
}  // namespace murena

namespace murena {
namespace {

// Every prefix of a complete file, and every item replaced by a word, reads
// to one of the reader's messages and never past them.
TEST(MalformedFile, EveryTruncationAndCorruptionEndsInAReaderMessage) {
  TProjectTables source;
  TProject full(source);
  testing_support::fillEveryOption(full, 1, false);
  const std::string text = dataFileText(full.data(), source);
  const auto lines = splitTextLines(text);

  TProjectTables tables;
  for (size_t n = 0; n < lines.size(); ++n) {
    std::string prefix;
    for (size_t i = 0; i < n; ++i) prefix += lines[i] + "\r\n";
    TProject project(tables);
    EXPECT_EQ(readProjectText(prefix, project.data(), tables, kLayoutCurrent), "This file either invalid or incomplete.")
        << n << " lines";
  }
  for (size_t n = 1; n < lines.size(); ++n) {
    std::string corrupted;
    for (size_t i = 0; i < lines.size(); ++i) corrupted += (i == n ? "x" + lines[i] : lines[i]) + "\r\n";
    TProject project(tables);
    const std::string message = readProjectText(corrupted, project.data(), tables, kLayoutCurrent);
    if (lines[n] == lines[0]) continue;  // the long-term title is text
    EXPECT_EQ(message.rfind("Error on Line " + std::to_string(n + 1) + " Item 1\n", 0), 0u) << n << ": " << message;
  }
}

}  // namespace
}  // namespace murena
