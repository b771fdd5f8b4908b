#include "frontend/entry/general_format.h"

#include <gtest/gtest.h>

#include "common/unit_template.h"
#include "frontend/entry/curve_chart.h"
#include "tests/support/comma_locale.h"

namespace murena {
namespace {

TEST(GeneralFormat, EightSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {{1e-5, "1E-5"},       {123456789, "1.2345679E8"}, {-0.25, "-0.25"},
                        {0.0001, "0.0001"},   {0, "0"},                   {-0.0, "0"},
                        {12345678, "12345678"}, {100, "100"},             {1.5e-7, "1.5E-7"},
                        {0.000123456789, "0.00012345679"}, {99999999.5, "1E8"}, {2.5e20, "2.5E20"},
                        {1.0 / 3, "0.33333333"}};
  for (const Case& c : cases) EXPECT_EQ(formatGeneral(c.value, 8), c.text) << c.value;
}

TEST(GeneralFormat, ShortestReadsBack) {
  EXPECT_EQ(formatGeneralShortest(0.1), "0.1");
  EXPECT_EQ(formatGeneralShortest(300), "300");
  EXPECT_EQ(formatGeneralShortest(1.0 / 3), "0.3333333333333333");
  double back = 0;
  ASSERT_TRUE(parseDecimal(formatGeneralShortest(1.0 / 3), back));
  EXPECT_EQ(back, 1.0 / 3);
}

TEST(GeneralFormat, DecimalSyntax) {
  double v = 0;
  EXPECT_TRUE(parseDecimal("1.5", v));
  EXPECT_TRUE(parseDecimal("-.5", v));
  EXPECT_EQ(v, -0.5);
  EXPECT_TRUE(parseDecimal("+3.", v));
  EXPECT_TRUE(parseDecimal("1E-400", v));
  EXPECT_EQ(v, 0.0);
  for (const char* bad : {"", "-", ".", "1e", "1e+", "inf", "nan", "0x10", "1,5", " 1", "1 ", "1E400", "--1"})
    EXPECT_FALSE(parseDecimal(bad, v)) << bad;
}

// The desktop program runs with the user's locale (Qt sets it at start-up),
// where the decimal separator may be a comma.  The texts of tables, dialogs,
// charts and data files keep the ".".
TEST(GeneralFormat, TextsKeepTheDecimalPointUnderACommaLocale) {
  const testing_support::CommaDecimalLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(formatGeneral(15.0, 8), "15");
  EXPECT_EQ(formatGeneral(1.2528, 8), "1.2528");
  EXPECT_EQ(formatGeneral(123456789.0, 8), "1.2345679E8");
  EXPECT_EQ(formatGeneral(1.5e-7, 8), "1.5E-7");
  EXPECT_EQ(formatGeneralShortest(0.1), "0.1");
  EXPECT_EQ(axisLabel(-0.04, false), "-0.04");
  EXPECT_EQ(axisLabel(1234.5, false), "1,234.5");
  EXPECT_EQ(axisLabel(1.6e5, true), "1.6E5");
}

TEST(UnitTemplate, RendersPlaceholdersInOrder) {
  struct Case {
    const char* unitTemplate;
    const char* english;
    const char* si;
    const char* other;
  };
  const Case cases[] = {{"F-L^2", "lbs-in^2", "kN-m^2", "F-L^2"}, {"F/L2^3", "lbs/ft^3", "kN/m^3", "F/L^3"},
                        {"F/L2", "lbs/ft", "kN/m", "F/L"},       {"L1^2", "in^2", "mm^2", "L^2"},
                        {"F-L/RAD.", "lbs-in/RAD.", "kN-m/RAD.", "F-L/RAD."},
                        {"F1", "kips", "kN", "F"},               {"F2", "tons", "kN", "F"},
                        {"F4", "lb-sec2/in", "Mg", "M"},         {"F5", "sec", "sec", "T"},
                        {"F6", "slug", "Mg", "F"},               {"L3", "rad", "rad", "L"},
                        {"DEG.", "DEG.", "DEG.", "DEG."},        {"SEE NOTES", "SEE NOTES", "SEE NOTES", "SEE NOTES"},
                        {"", "", "", ""}};
  for (const Case& c : cases) {
    EXPECT_EQ(renderUnitTemplate(c.unitTemplate, 1), c.english) << c.unitTemplate;
    EXPECT_EQ(renderUnitTemplate(c.unitTemplate, 2), c.si) << c.unitTemplate;
    EXPECT_EQ(renderUnitTemplate(c.unitTemplate, 3), c.other) << c.unitTemplate;
  }
  EXPECT_EQ(renderUnitTemplate("L", 0), "in");  // clamped
  EXPECT_EQ(renderUnitTemplate("L", 7), "L");
}

}  // namespace
}  // namespace murena
