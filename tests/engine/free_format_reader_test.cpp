#include "engine/free_format_reader.h"

#include <gtest/gtest.h>

#include "engine/run_errors.h"

#include "tests/support/comma_locale.h"
#include "tests/support/test_names.h"

namespace murena {
namespace {

TEST(FreeFormatReader, SeparatorsAndReadsSpanningLines) {
  FreeFormatReader r;
  r.setText("1 2\t3,4 , 5\r\n6\r\n7 8 9 rest of line\n10\n");
  r.beginRead();
  int v[7];
  for (int& x : v) x = r.readInt();
  r.endRead();  // the rest of line 2 (nothing) is skipped
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[4], 5);
  EXPECT_EQ(v[5], 6);
  EXPECT_EQ(v[6], 7);
  // The read after a read that ended on line 3 starts on line 4.
  EXPECT_EQ(r.readIntRecord(), 10);
  EXPECT_TRUE(r.atEnd());
}

TEST(FreeFormatReader, RestOfLineIsSkipped) {
  FreeFormatReader r;
  r.setText("5 99 99\n6\n");
  EXPECT_EQ(r.readIntRecord(), 5);
  EXPECT_EQ(r.readIntRecord(), 6);
}

TEST(FreeFormatReader, RealForms) {
  FreeFormatReader r;
  r.setText("1.5 -2 .25 3. 1E-5 1.2345679E8 2.5D2 -4e+1 7+2\n");
  double v[9];
  r.readReals(v, 9);
  EXPECT_DOUBLE_EQ(v[0], 1.5);
  EXPECT_DOUBLE_EQ(v[1], -2.0);
  EXPECT_DOUBLE_EQ(v[2], 0.25);
  EXPECT_DOUBLE_EQ(v[3], 3.0);
  EXPECT_DOUBLE_EQ(v[4], 1e-5);
  EXPECT_DOUBLE_EQ(v[5], 1.2345679e8);
  EXPECT_DOUBLE_EQ(v[6], 250.0);
  EXPECT_DOUBLE_EQ(v[7], -40.0);
  EXPECT_DOUBLE_EQ(v[8], 700.0);
}

// The engine runs inside the desktop program, where the C library formats
// and reads numbers in the user's locale: the data file's "." still holds.
TEST(FreeFormatReader, RealsKeepTheDecimalPointUnderACommaLocale) {
  const testing_support::CommaDecimalLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  FreeFormatReader r;
  r.setText("12.5 -0.25 1.5E-3 2.5D2\n");
  double v[4];
  r.readReals(v, 4);
  EXPECT_DOUBLE_EQ(v[0], 12.5);
  EXPECT_DOUBLE_EQ(v[1], -0.25);
  EXPECT_DOUBLE_EQ(v[2], 1.5e-3);
  EXPECT_DOUBLE_EQ(v[3], 250.0);
}

TEST(FreeFormatReader, TextLinesDropTheirLineEnd) {
  FreeFormatReader r;
  r.setText("My wall\r\n1\n");
  EXPECT_EQ(r.readTextLine(), "My wall");
  EXPECT_EQ(r.readIntRecord(), 1);
}

struct BadCase {
  const char* text;
  bool integer;
  const char* expected;
};

class FreeFormatReaderErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(FreeFormatReaderErrors, NameRecordLineAndItem) {
  FreeFormatReader r;
  r.setText(GetParam().text);
  r.setRecord("WALL LINE (RECORD 3)");
  r.readTextLine();  // line 1 is a title
  try {
    r.beginRead();
    for (int i = 0; i < 3; ++i) GetParam().integer ? r.readInt() : r.readReal();
    FAIL() << "no error";
  } catch (const InputError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FreeFormatReaderErrors,
    ::testing::Values(
        BadCase{"t\n1 2.5 3\n", true, "     ERROR -- INVALID INTEGER IN WALL LINE (RECORD 3), LINE 2, ITEM 2: \"2.5\""},
        BadCase{"t\n1 abc 3\n", false, "     ERROR -- INVALID NUMBER IN WALL LINE (RECORD 3), LINE 2, ITEM 2: \"abc\""},
        BadCase{"t\n1\n2\n", false, "     ERROR -- END OF DATA FILE IN WALL LINE (RECORD 3), LINE 4, ITEM 3"},
        BadCase{"t\n1 99999999999 3\n", true,
                "     ERROR -- INTEGER OUT OF RANGE IN WALL LINE (RECORD 3), LINE 2, ITEM 2: \"99999999999\""},
        BadCase{"t\n1 nan 3\n", false, "     ERROR -- INVALID NUMBER IN WALL LINE (RECORD 3), LINE 2, ITEM 2: \"nan\""},
        BadCase{"t\n1 1E999 3\n", false, "     ERROR -- INVALID NUMBER IN WALL LINE (RECORD 3), LINE 2, ITEM 2: \"1E999\""}),
    [](const auto& info) {
      std::string items = info.param.text;
      return std::string(info.param.integer ? "Integers_" : "Reals_") + murena::testing_support::readableTestName(items.substr(items.find('\n')));
    });

}  // namespace
}  // namespace murena
