#include "frontend/project/unit_conversion.h"

#include <gtest/gtest.h>

#include "common/unit_system.h"

namespace murena {
namespace {

TEST(TemplateFactor, CombinesPlaceholdersWithPowers) {
  EXPECT_DOUBLE_EQ(templateFactor("L", kSIUnits, kEnglishUnits), 39.37007874);
  EXPECT_DOUBLE_EQ(templateFactor("F-L^2", kSIUnits, kEnglishUnits), 224.8089237 * 39.37007874 * 39.37007874);
  EXPECT_DOUBLE_EQ(templateFactor("F/L2^3", kSIUnits, kEnglishUnits), 224.8089237 / (3.280839895 * 3.280839895 * 3.280839895));
  EXPECT_DOUBLE_EQ(templateFactor("L1^2", kEnglishUnits, kSIUnits), 1 / (0.03937007874 * 0.03937007874));
  EXPECT_DOUBLE_EQ(templateFactor("F-L/RAD.", kSIUnits, kEnglishUnits), 224.8089237 * 39.37007874);
  EXPECT_DOUBLE_EQ(templateFactor("F/L2", kEnglishUnits, kSIUnits), 3.280839895 / 224.8089237);
}

TEST(TemplateFactor, TextsWithoutPlaceholdersAndOtherUnitsGiveOne) {
  for (const char* t : {"", "DEG.", "SEE NOTES", "L3"}) EXPECT_DOUBLE_EQ(templateFactor(t, kSIUnits, kEnglishUnits), 1) << t;
  EXPECT_DOUBLE_EQ(templateFactor("F-L^2", kEnglishUnits, kOtherUnits), 1);
  EXPECT_DOUBLE_EQ(templateFactor("F-L^2", kOtherUnits, kSIUnits), 1);
  EXPECT_DOUBLE_EQ(templateFactor("F-L^2", kSIUnits, kSIUnits), 1);
}

TEST(TemplateFactor, TableFactorsAreExactReciprocals) {
  for (const char* t : {"F-L^2", "F/L2^3", "L1^2", "F/L^3", "F4", "F6/L2"}) {
    EXPECT_NEAR(templateFactor(t, kEnglishUnits, kSIUnits) * templateFactor(t, kSIUnits, kEnglishUnits), 1, 1e-14) << t;
  }
}

TEST(ScalarFactors, UseTheRoundedScalarConstants) {
  EXPECT_DOUBLE_EQ(scalarLengthFactor(kEnglishUnits, kSIUnits), 0.0254);
  EXPECT_DOUBLE_EQ(scalarLengthFactor(kSIUnits, kEnglishUnits), 39.3701);
  EXPECT_DOUBLE_EQ(scalarForceFactor(kEnglishUnits, kSIUnits), 0.004448222468060650624);
  EXPECT_DOUBLE_EQ(scalarForceFactor(kSIUnits, kEnglishUnits), 224.8089);
  EXPECT_DOUBLE_EQ(scalarLengthFactor(kEnglishUnits, kOtherUnits), 1);
}

}  // namespace
}  // namespace murena
