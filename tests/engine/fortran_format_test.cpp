#include "engine/fortran_format.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/report_line.h"

#include "tests/support/test_names.h"

namespace murena {
namespace {

struct RealCase {
  char kind;
  double value;
  int width, decimals;
  const char* expected;
};

class RealFields : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealFields, MatchTheEditDescriptor) {
  const RealCase& c = GetParam();
  std::string got;
  switch (c.kind) {
    case 'E': got = fmt::E(c.value, c.width, c.decimals); break;
    case 'D': got = fmt::D(c.value, c.width, c.decimals); break;
    case 'F': got = fmt::F(c.value, c.width, c.decimals); break;
    case 'P': got = fmt::PE(c.value, c.width, c.decimals); break;
  }
  EXPECT_EQ(got, c.expected) << c.kind << c.width << "." << c.decimals << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Notations, RealFields,
    ::testing::Values(
        RealCase{'E', 12.5, 10, 3, " 0.125E+02"}, RealCase{'E', 12.5, 12, 3, "   0.125E+02"},
        RealCase{'E', 12.5, 13, 4, "   0.1250E+02"}, RealCase{'E', 12.5, 14, 3, "     0.125E+02"},
        RealCase{'E', 12.5, 15, 4, "     0.1250E+02"}, RealCase{'E', -1.0e-7, 10, 3, "-0.100E-06"},
        RealCase{'E', 0.0, 10, 3, " 0.000E+00"}, RealCase{'E', -0.0, 10, 3, "-0.000E+00"},
        RealCase{'E', 0.001, 10, 3, " 0.100E-02"},
        RealCase{'E', 0.99951, 10, 3, " 0.100E+01"},   // rounding carries into the exponent
        RealCase{'E', -123456.0, 12, 3, "  -0.123E+06"}, RealCase{'E', 1.0e-120, 10, 3, " 0.100-119"},
        RealCase{'E', -1.0e-7, 9, 3, "-.100E-06"},      // leading zero dropped when one short
        RealCase{'E', 5.3e9, 10, 3, " 0.530E+10"}, RealCase{'D', 0.036, 15, 4, "     0.3600D-01"},
        RealCase{'F', 6.0, 9, 3, "    6.000"}, RealCase{'F', 120.0, 10, 2, "    120.00"},
        RealCase{'F', -0.0004, 9, 3, "   -0.000"}, RealCase{'F', 2.0005, 6, 2, "  2.00"},
        RealCase{'F', 0.5, 4, 3, ".500"}, RealCase{'F', 123456.0, 5, 1, "*****"},
        RealCase{'P', 1.0e-5, 9, 3, "1.000E-05"}, RealCase{'P', 0.00025, 9, 3, "2.500E-04"},
        RealCase{'P', -3.0, 10, 3, "-3.000E+00"}, RealCase{'P', 0.0, 9, 3, "0.000E+00"}),
    [](const auto& info) {
      const RealCase& c = info.param;
      return std::string(1, c.kind) + std::to_string(c.width) + "_" + std::to_string(c.decimals) + "_of_" +
             murena::testing_support::readableTestName(c.value);
    });

TEST(IntegerAndTextFields, FollowWidthsAndPadding) {
  EXPECT_EQ(fmt::I(7, 3), "  7");
  EXPECT_EQ(fmt::I(-12, 4), " -12");
  EXPECT_EQ(fmt::I(10, 1), "*");  // a count of ten layers in I1
  EXPECT_EQ(fmt::Im(7, 2, 2), "07");
  EXPECT_EQ(fmt::Im(5, 2, 2), "05");
  EXPECT_EQ(fmt::Im(2017, 4, 2), "2017");
  EXPECT_EQ(fmt::A("2015.5.12   ", 12), "2015.5.12   ");
  EXPECT_EQ(fmt::A("12345678901234567890", 12), "123456789012");
  EXPECT_EQ(fmt::A("ab", 4), "  ab");
  EXPECT_EQ(fmt::B(3), "   ");
}

TEST(LineBuilder, JoinsFieldsInOrder) {
  std::string line = Line().b(6).text("INCREMENT LENGTH = ").F(6.0, 9, 3).text(" IN");
  EXPECT_EQ(line, "      INCREMENT LENGTH =     6.000 IN");
  EXPECT_EQ(Line().rule('=').str(), "     " + std::string(73, '='));
  std::string date = Line().b(15).text("Date:  ").text("March").text(" ").Im(5, 2, 2).text(", ").I(2017, 4);
  EXPECT_EQ(date, "               Date:  March 05, 2017");
}

}  // namespace
}  // namespace murena
