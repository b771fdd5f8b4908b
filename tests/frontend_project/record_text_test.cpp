#include "common/general_format.h"

#include <gtest/gtest.h>

namespace murena {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

class GeneralFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GeneralFormatTest, WritesEightSignificantDigits) {
  EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(DataFileNumbers, GeneralFormatTest,
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
                                           FormatCase{0.036, "0.036"}, FormatCase{1234.5, "1234.5"}));

TEST(GeneralFormat, OtherPrecisionsFollowTheSameRule) {
  EXPECT_EQ(formatGeneral(12.5, 15), "12.5");
  EXPECT_EQ(formatGeneral(12345.678, 4), "1.235E4");
  EXPECT_EQ(formatGeneral(0.1 + 0.2, 15), "0.3");
}

}  // namespace
}  // namespace murena
