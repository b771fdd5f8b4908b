#include "frontend/entry/general_format.h"
#include "frontend/project/record_text.h"

#include <gtest/gtest.h>

#include "tests/support/test_names.h"

namespace murena {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

class DataFileRealTest : public ::testing::TestWithParam<FormatCase> {};

// Reals of data files go through the record builder.
TEST_P(DataFileRealTest, WritesEightSignificantDigits) {
  EXPECT_EQ(RecordText().r(GetParam().value).str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(DataFileReals, DataFileRealTest,
                         ::testing::Values(FormatCase{0.00001, "1E-5"}, FormatCase{123456789, "1.2345679E8"},
                                           FormatCase{-0.25, "-0.25"}, FormatCase{0.0001, "0.0001"},
                                           FormatCase{0.5, "0.5"}, FormatCase{12, "12"}, FormatCase{0, "0"},
                                           FormatCase{-0.0, "0"}, FormatCase{99999999, "99999999"},
                                           FormatCase{99999999.6, "1E8"}, FormatCase{100000000, "1E8"},
                                           FormatCase{2.0e10, "2E10"}, FormatCase{1.0 / 3, "0.33333333"},
                                           FormatCase{-1.5e-7, "-1.5E-7"}, FormatCase{0.00012345678, "0.00012345678"},
                                           FormatCase{0.000099999999, "9.9999999E-5"},
                                           FormatCase{0.0000999999999, "0.0001"}, FormatCase{1e100, "1E100"},
                                           FormatCase{0.0005, "0.0005"}, FormatCase{29000000, "29000000"},
                                           FormatCase{0.036, "0.036"}, FormatCase{1234.5, "1234.5"}),
                         [](const auto& info) { return murena::testing_support::readableTestName(info.param.value); });

TEST(RecordText, SeparatorsPlaceholderAndLineEnds) {
  EXPECT_EQ(RecordText().i(4).sp().r(120).sp().endLine().placeholder().i(-3).endLine().str(), "4 120 \r\n0.0  -3\r\n");
}

}  // namespace
}  // namespace murena
