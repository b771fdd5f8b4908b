// The programs keep the "." in the numbers the C library writes and reads,
// although Qt gives it the user's locale, where the separator may be ",".
#include "frontend/entry/ui/numeric_locale.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/comma_locale.h"

namespace murena {
namespace {

TEST(NumericLocale, PrintfAndStrtodKeepTheDecimalPoint) {
  const testing_support::CommaDecimalLocale comma;  // as Qt leaves it for a German user
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  ui::keepDecimalPointInNumbers();
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", 1.5);
  EXPECT_EQ(std::string(text), "1.5");
  EXPECT_EQ(std::strtod("12.5", nullptr), 12.5);
}

}  // namespace
}  // namespace murena
