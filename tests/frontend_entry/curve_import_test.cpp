#include "frontend/entry/curve_import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "frontend/entry/grid_table.h"

namespace murena {
namespace {

class CurveImport : public ::testing::Test {
 protected:
  CurveImport() : curve(charts) {
    curve.setCaption("External p-y Curve");
    curve.setMinRows(2);
    curve.setMaxRows(17);
    curve.addColumn(std::make_unique<TFloatColumn>("L"));
    curve.addColumn(std::make_unique<TFloatColumn>("F/L"));
    curve.setRowCount(5);
    for (int r = 0; r < 5; ++r) curve.setReal(0, r, 99);
  }
  std::string writeFile(const std::string& text) {
    // One file per test: ctest runs the tests of this program side by side.
    const std::string path = ::testing::TempDir() + "curve_import_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                             std::to_string(::getpid()) + ".txt";
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  TGridTableChartRegistry charts;
  TGridTableChart curve;
};

TEST_F(CurveImport, FileWithCommaAndSpaceSeparatedValuesAndHeader) {
  const std::string path = writeFile("y p\n0.1, 200\n0.2 350\n");
  EXPECT_EQ(importCurveFile(curve, path), 2);
  EXPECT_EQ(curve.rowCount(), 2);  // surplus rows deleted
  EXPECT_EQ(curve.real(0, 0), 0.1);
  EXPECT_EQ(curve.real(1, 0), 200.0);
  EXPECT_EQ(curve.real(0, 1), 0.2);
  EXPECT_EQ(curve.real(1, 1), 350.0);
  EXPECT_TRUE(curve.isModified());
  std::remove(path.c_str());
}

TEST_F(CurveImport, SingleLineFileYieldsNothing) {
  const std::string path = writeFile("0.1 200\n");
  EXPECT_EQ(importCurveFile(curve, path), 0);
  EXPECT_EQ(curve.rowCount(), 5);
  EXPECT_EQ(curve.real(0, 0), 99.0);
  std::remove(path.c_str());
  EXPECT_THROW(importCurveFile(curve, path), TableError);
}

TEST_F(CurveImport, LinesOfOtherCountsAreSkippedAndRowsAdded) {
  const std::string text =
      "\t 1 10\r2 20 30\r\n3 30 x\r\n  4\t40\n5 abc 6\n6 60\n7 70\n8 80\n9 90\n10 100\n11 110\n";
  EXPECT_EQ(importCurveText(curve, text), 9);  // lines 1, 3 ("3 30" then stop), 4, 6..11
  EXPECT_EQ(curve.rowCount(), 9);
  EXPECT_EQ(curve.real(0, 1), 3.0);
  EXPECT_EQ(curve.real(1, 2), 40.0);
  EXPECT_EQ(curve.real(0, 8), 11.0);
}

TEST_F(CurveImport, StopsAtMaxRowsAndKeepsMinRows) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += std::to_string(i) + " " + std::to_string(i * 10) + "\n";
  EXPECT_EQ(importCurveText(curve, text), 17);
  EXPECT_EQ(curve.rowCount(), 17);
  EXPECT_EQ(importCurveText(curve, "1 2\n"), 1);
  EXPECT_EQ(curve.rowCount(), 2);  // never below MinRows
}

TEST_F(CurveImport, ClipboardWithoutText) {
  try {
    importCurveClipboard(curve, std::nullopt);
    FAIL();
  } catch (const EntryError& e) {
    EXPECT_EQ(e.message(), "There is no text on the Clipboard");
  }
  EXPECT_EQ(importCurveClipboard(curve, std::string("0 0\r\n1 5\r\n")), 2);
  EXPECT_EQ(importCurveClipboard(curve, std::string("no numbers here")), 0);
  EXPECT_EQ(curve.rowCount(), 2);
}

TEST_F(CurveImport, FifteenNumbersAtMost) {
  TGridTableChart wide(charts);
  wide.setMinRows(1);
  for (int c = 0; c < 16; ++c) wide.addColumn(std::make_unique<TFloatColumn>(""));
  std::string line;
  for (int c = 0; c < 16; ++c) line += std::to_string(c) + " ";
  EXPECT_EQ(importCurveText(wide, line + "\n"), 0);
}

}  // namespace
}  // namespace murena
