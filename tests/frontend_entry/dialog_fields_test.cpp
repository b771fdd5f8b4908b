// Display conversions and write-back of the numeric fields of the data
// dialogs: feet and pounds per square foot in English units, as held in SI.
#include "frontend/entry/dialog_fields.h"

#include <gtest/gtest.h>

namespace murena {
namespace {

const DialogField& fieldNamed(const std::vector<DialogField>& fields, const std::string& name) {
  for (const DialogField& f : fields)
    if (f.name == name) return f;
  throw std::runtime_error("no field " + name);
}

TEST(DialogFields, EnglishShowsFeetAndPoundsPerSquareFoot) {
  struct Case {
    const std::vector<DialogField>* fields;
    const char* name;
    int units;
    double typed;
    double held;
  };
  const Case cases[] = {
      {&wallPropertiesFields(), "FreeHeight", kEnglishUnits, 20, 240},
      {&wallConfigurationFields(), "FreeHeight", kEnglishUnits, 20, 240},
      {&wallConfigurationFields(), "FreeHeight", kSIUnits, 6, 6},
      {&wallConfigurationFields(), "WaterDepthBackfill", kEnglishUnits, 5, 60},
      {&wallConfigurationFields(), "WaterDepthExcavation", kOtherUnits, 5, 5},
      {&wallConfigurationFields(), "SurfaceSurcharge", kEnglishUnits, 144, 1},
      {&wallConfigurationFields(), "SurfaceSurcharge", kSIUnits, 10, 10},
      {&wallConfigurationFields(), "ActiveWidth", kEnglishUnits, 48, 48},
      {&wallPropertiesFields(), "IncrementLength", kEnglishUnits, 12, 12},
  };
  for (const Case& c : cases) {
    TProgramData data;
    data.UnitSystem = c.units;
    const DialogField& field = fieldNamed(*c.fields, c.name);
    EXPECT_TRUE(storeShownValue(field, data, c.typed)) << c.name;
    EXPECT_DOUBLE_EQ(field.get(data), c.held) << c.name << " units " << c.units;
    EXPECT_DOUBLE_EQ(shownValue(field, data), c.typed) << c.name << " units " << c.units;
  }
}

TEST(DialogFields, ValueWrittenBackAsShownKeepsTheHeldValueExactly) {
  TProgramData data;
  data.FreeHeight = 100;  // 8.333... ft
  const DialogField& height = fieldNamed(wallConfigurationFields(), "FreeHeight");
  EXPECT_FALSE(storeShownValue(height, data, shownValue(height, data)));
  EXPECT_EQ(data.FreeHeight, 100);
  EXPECT_TRUE(storeShownValue(height, data, 9));
  EXPECT_EQ(data.FreeHeight, 108);
}

TEST(DialogFields, IncrementsAreRoundedAndAValueClampedOnDisplayIsStored) {
  TProgramData data;  // a new project holds 0 increments, shown as the lower limit 1
  const DialogField& nodes = fieldNamed(wallPropertiesFields(), "Increments");
  EXPECT_TRUE(nodes.integerOnly);
  EXPECT_EQ(nodes.minVal, 1);
  EXPECT_EQ(nodes.maxVal, 300);
  EXPECT_TRUE(storeShownValue(nodes, data, 1));
  EXPECT_EQ(data.NodeCount, 1);
  EXPECT_TRUE(storeShownValue(nodes, data, 40.4));
  EXPECT_EQ(data.NodeCount, 40);
  EXPECT_FALSE(storeShownValue(nodes, data, 40));
}

TEST(DialogFields, CaptionsUnitsAndLimitsOfWallConfiguration) {
  struct Case {
    const char* name;
    const char* caption;
    const char* units;
    double maxVal;
  };
  const Case cases[] = {
      {"FreeHeight", "&Free Height of Wall, H", "L2", 1000000},
      {"ActiveWidth", "&Width for Active Earth Press. Calculation, Wa", "L", 1200},
      {"PYWidth", "Width for Generating &p-y Soil Resistance, Wp", "L", 120},
      {"WaterDepthBackfill", "&Depth to the Water Table in backfill side, DWb", "L2", 1000000},
      {"WaterDepthExcavation", "&Depth to the Water Table in excavation side, DWe", "L2", 1000000},
      {"SurfaceSurcharge", "Uniform Distributed Load at the top of backfill side ", "F/L2^2", 10000000},
      {"BackfillSlope", "Slope of the backfill, Beta", "deg.", 45},
      {"ActivePressureFactor", "Modification Factor for Active Earth Pressure", "", 1000},
  };
  ASSERT_EQ(wallConfigurationFields().size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    const DialogField& f = wallConfigurationFields()[i];
    EXPECT_EQ(f.name, cases[i].name);
    EXPECT_EQ(f.caption, cases[i].caption);
    EXPECT_EQ(f.unitsTemplate, cases[i].units);
    EXPECT_EQ(f.maxVal, cases[i].maxVal) << f.name;
  }
  EXPECT_EQ(fieldNamed(wallConfigurationFields(), "FreeHeight").minVal, -1000000);
  EXPECT_EQ(fieldNamed(wallConfigurationFields(), "BackfillSlope").minVal, -45);
}

}  // namespace
}  // namespace murena
