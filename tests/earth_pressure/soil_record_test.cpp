// Reading record 11: soil-and-water record, legacy surcharge, surcharge
// table and soil layers.
#include <sstream>
#include <vector>

#include "ep_fixture.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"

namespace murena::test {
namespace {

class SoilRecordRead : public EarthPressureTest {};

const char* kTwoLayers =
    "3.5\t1.2\t0.8\t2\t4\t1\t1\t10\n"
    "10\t0\t0\t0\t0\t0\n"
    "2\n"
    "1\t50\t500\t0\n"
    "3\t20\t1500\t1000\n"
    "2\n"
    "4 3.5 \n"
    "18 0.0  30 0.0  20000 0.3 \n"
    "18 0.0  30 0.0  20000 0.3 \n"
    "1 10 \n"
    "17 25 0.0  0.007 0.0  0.0  \n"
    "17 30 0.0  0.007 0.0  0.0  \n"
    "0\n";

TEST_F(SoilRecordRead, SIRecordWithSurchargesAndLayers) {
  useUnits(2);
  ctx->input.setText(kTwoLayers);
  readSoilRecord(*ctx);
  const SoilRecord& s = ctx->block.soil;
  EXPECT_TRUE(s.present);
  EXPECT_EQ(s.freeHeight, 3.5);
  EXPECT_EQ(s.activeWidth, 1.2);
  EXPECT_EQ(s.pyWidth, 0.8);
  EXPECT_EQ(s.waterDepthBackfill, 2.0);
  EXPECT_EQ(s.waterDepthExcavation, 4.0);
  EXPECT_EQ(s.activePressureFactor, 1.0);
  EXPECT_EQ(s.soilFlag, 1);
  EXPECT_EQ(s.backfillSlope, 10.0);
  EXPECT_EQ(s.surfaceSurcharge, 10.0);
  ASSERT_EQ(s.surchargeCount, 2);
  // Millimetres in the file, metres in the engine.
  EXPECT_EQ(s.surcharges[0].type, 1);
  EXPECT_EQ(s.surcharges[0].magnitude, 50.0);
  EXPECT_DOUBLE_EQ(s.surcharges[0].distance, 0.5);
  EXPECT_DOUBLE_EQ(s.surcharges[1].distance, 1.5);
  EXPECT_DOUBLE_EQ(s.surcharges[1].width, 1.0);
  ASSERT_EQ(s.layerCount, 2);
  EXPECT_EQ(s.layers[0].type, 4);
  EXPECT_EQ(s.layers[0].thickness, 3.5);
  EXPECT_EQ(s.layers[1].thickness, 6.5);  // difference of the bottom depths
  EXPECT_EQ(s.layers[0].top[2], 30.0);
  EXPECT_EQ(s.layers[0].top[5], 0.3);
  EXPECT_EQ(s.layers[1].bottom[1], 30.0);
  EXPECT_EQ(ctx->input.readIntRecord(), 0);  // reading stops right after the record
}

TEST_F(SoilRecordRead, EnglishKeepsSurchargeDistancesInInches) {
  useUnits(1);
  ctx->input.setText(kTwoLayers);
  readSoilRecord(*ctx);
  EXPECT_EQ(ctx->block.soil.surcharges[1].distance, 1500.0);
}

// Soil rows that do not go deeper: trailing ones end the layer list, one with a
// deeper row after it stops the block with a message naming it.
struct LayerRows {
  const char* name;
  int units;
  std::vector<double> bottoms;
  int layersInUse;        // when accepted
  const char* message;    // when refused (nullptr: accepted)
};

class SoilLayerRows : public EarthPressureTest, public ::testing::WithParamInterface<LayerRows> {};

TEST_P(SoilLayerRows, EndTheListOrStopTheBlock) {
  const LayerRows& c = GetParam();
  useUnits(c.units);
  std::string text = "1 1 1 0 0 1 1 0\n0 0 0 0 0 0\n0\n" + std::to_string(c.bottoms.size()) + "\n";
  for (double bottom : c.bottoms) {
    std::ostringstream row;
    row.precision(17);
    row << "4 " << bottom << " \n18 0.0  30 0.0  20000 0 \n18 0.0  30 0.0  20000 0 \n";
    text += row.str();
  }
  ctx->input.setText(text);
  if (c.message == nullptr) {
    readSoilRecord(*ctx);
    EXPECT_EQ(ctx->block.soil.layerCount, c.layersInUse);
    return;
  }
  try {
    readSoilRecord(*ctx);
    FAIL() << "accepted";
  } catch (const InputError& e) {
    EXPECT_EQ(std::string(e.what()), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoilLayerRows,
    ::testing::Values(
        LayerRows{"AllDeeper", 1, {120, 240, 600}, 3, nullptr},
        LayerRows{"TrailingUnfilledRow", 1, {240, 600, 0}, 2, nullptr},
        LayerRows{"TrailingRepeatedRows", 1, {240, 600, 600, 600}, 2, nullptr},
        LayerRows{"TrailingShallowerRows", 2, {3, 10, 4, 2}, 2, nullptr},
        LayerRows{"DeeperByLessThanTheTolerance", 2, {3, 10, 10.000004}, 2, nullptr},
        LayerRows{"OnlyAnUnfilledRow", 2, {0}, 0, nullptr},
        LayerRows{"ZeroThicknessBetweenTwoLayers", 1, {240, 240, 600}, 0,
                  "     ERROR -- SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 FT), "
                  "BUT A DEEPER LAYER FOLLOWS"},
        LayerRows{"UnfilledRowBeforeAFilledOne", 2, {3.5, 0, 0, 8}, 0,
                  "     ERROR -- SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 0.00 M), "
                  "BUT A DEEPER LAYER FOLLOWS"},
        LayerRows{"ShallowerRowBeforeADeeperOne", 3, {50, 20, 30}, 0,
                  "     ERROR -- SOIL LAYER 2 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 L), "
                  "BUT A DEEPER LAYER FOLLOWS"},
        LayerRows{"FirstRowAtTheTop", 2, {0, 5}, 0,
                  "     ERROR -- SOIL LAYER 1 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 0.00 M), "
                  "BUT A DEEPER LAYER FOLLOWS"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadRecord { const char* name; const char* text; const char* fragment; };

class SoilRecordErrors : public EarthPressureTest, public ::testing::WithParamInterface<BadRecord> {};

TEST_P(SoilRecordErrors, NameTheRecord) {
  ctx->input.setText(GetParam().text);
  try {
    readSoilRecord(*ctx);
    FAIL() << "accepted";
  } catch (const InputError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().fragment), std::string::npos) << e.what();
  }
  EXPECT_FALSE(ctx->block.soil.present);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SoilRecordErrors,
    ::testing::Values(
        BadRecord{"TooManySurcharges", "1 1 1 0 0 1 1 0\n0 0 0 0 0 0\n21\n",
                  "SURCHARGE COUNT 21 IS NOT 0 TO 20 IN SURCHARGE LOADS (RECORD 11)"},
        BadRecord{"NegativeSurchargeCount", "1 1 1 0 0 1 1 0\n0 0 0 0 0 0\n-1\n",
                  "SURCHARGE COUNT -1 IS NOT 0 TO 20 IN SURCHARGE LOADS (RECORD 11)"},
        BadRecord{"TooManyLayers", "1 1 1 0 0 1 1 0\n0 0 0 0 0 0\n0\n21\n",
                  "SOIL LAYER COUNT 21 IS NOT 0 TO 20 IN SOIL LAYERS (RECORD 11)"},
        BadRecord{"TextInSoilAndWater", "1 1 x 0 0 1 1 0\n", "SOIL AND WATER DATA (RECORD 11)"},
        BadRecord{"ShortLayer", "1 1 1 0 0 1 1 0\n0 0 0 0 0 0\n0\n1\n4 100\n1 2 3\n", "SOIL LAYERS (RECORD 11)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace murena::test
