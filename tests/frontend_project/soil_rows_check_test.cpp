// The check before a run for soil tables whose rows do not all go deeper.
#include "frontend/project/soil_rows_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/soil_types.h"
#include "tests/frontend_project/sample_project.h"

namespace murena {
namespace {

using testing_support::setLayer;

void fillSoil(GridTable& soil, const std::vector<double>& depths) {
  soil.setRowCount(static_cast<int>(depths.size()));
  for (int r = 0; r < soil.rowCount(); ++r) setLayer(soil, r, kSand, depths[static_cast<std::size_t>(r)], {110, 32, 90});
}

struct RowsCase {
  const char* name;
  int units;
  std::vector<double> depths;  // as the table holds them (feet in English units)
  const char* message;         // "" when the rows are accepted
};

class SoilRowsCheck : public ::testing::TestWithParam<RowsCase> {};

TEST_P(SoilRowsCheck, MessageOfTheNewSoilTable) {
  TProjectTables tables;
  fillSoil(tables.NewSoil, GetParam().depths);
  EXPECT_EQ(soilRowsMessage(tables.NewSoil, GetParam().units, false), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoilRowsCheck,
    ::testing::Values(
        RowsCase{"RowsInOrder", kEnglishUnits, {10, 20, 50}, ""},
        RowsCase{"TrailingUnfilledRow", kEnglishUnits, {20, 50, 0}, ""},
        RowsCase{"TrailingRepeatedRow", kSIUnits, {3, 10, 10}, ""},
        RowsCase{"ZeroThicknessBetweenTwoLayers", kEnglishUnits, {20, 20, 50},
                 "SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 FT), "
                 "BUT A DEEPER LAYER FOLLOWS"},
        // 25 1/3 ft is written as 304 in: the depth is named as the engine reads it.
        RowsCase{"ThirdsOfAFoot", kEnglishUnits, {25.3333333, 25.3333333, 0, 40},
                 "SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 25.33 FT), "
                 "BUT A DEEPER LAYER FOLLOWS"},
        // Equal after rounding to the 8 digits of the data file.
        RowsCase{"EqualAsWritten", kSIUnits, {4.123456781, 4.123456784, 9},
                 "SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 4.12 M), "
                 "BUT A DEEPER LAYER FOLLOWS"},
        RowsCase{"ShallowerRowInOtherUnits", kOtherUnits, {50, 20, 30},
                 "SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 L), "
                 "BUT A DEEPER LAYER FOLLOWS"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoilRowsCheckProject, LongTermTableOnlyWhenLongTermAnalysisIsOn) {
  TProjectTables tables;
  TProgramData data;
  data.UnitSystem = kSIUnits;
  fillSoil(tables.NewSoil, {3, 10});
  fillSoil(tables.LongSoil, {3, 0, 10});
  EXPECT_EQ(soilRowsMessage(data, tables), "");
  data.LongTermAnalysis = true;
  EXPECT_EQ(soilRowsMessage(data, tables),
            "LONG-TERM SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 0.00 M), "
            "BUT A DEEPER LAYER FOLLOWS");
  fillSoil(tables.NewSoil, {3, 3, 10});  // the short-term table is named first
  EXPECT_EQ(soilRowsMessage(data, tables).rfind("SOIL LAYER 2 ", 0), 0u);
}

}  // namespace
}  // namespace murena
