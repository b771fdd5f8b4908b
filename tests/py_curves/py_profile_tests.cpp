// The p-y profile built from the soil layers: cuts at the excavation level and
// at the end of the profile, unit-weight points with the water table, and the
// strength points.
#include "py_test_support.h"

namespace murena::pytest {
namespace {

class ProfileTest : public PYContextTest {
 protected:
  PYGeneration& build() {
    g_ = std::make_unique<PYGeneration>(ctx());
    readGenerationInputs(*g_);
    buildPYProfile(*g_);
    return *g_;
  }
  std::vector<std::pair<double, double>> unitWeights() const {
    std::vector<std::pair<double, double>> out;
    for (int k = 1; k <= g_->unitWeightCount; ++k) out.emplace_back(g_->unitWeight[k].depth, g_->unitWeight[k].unitWeight);
    return out;
  }
  std::unique_ptr<PYGeneration> g_;
};

const Row kClay{0.07, 5.0, 0.0, 0.01, 100.0, 0.0};

TEST_F(ProfileTest, ZeroFreeHeightTakesEveryLayerWhole) {
  ctx().block.soil.freeHeight = 0.0;
  addInputLayer(1, 100.0, kClay);
  addInputLayer(1, 200.0, kClay);
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 2);
  EXPECT_DOUBLE_EQ(g.layers[1].xTop, 0.0);
  EXPECT_DOUBLE_EQ(g.layers[1].xBottom, 100.0);
  EXPECT_DOUBLE_EQ(g.layers[2].xBottom, 200.0);
  EXPECT_DOUBLE_EQ(curveDepth(g, 1, 1), 0.1);
  EXPECT_DOUBLE_EQ(curveDepth(g, 1, 3), 50.0);
  EXPECT_DOUBLE_EQ(curveDepth(g, 1, 5), 99.9);
}

TEST_F(ProfileTest, LayerCutAtTheExcavationKeepsItsTopRow) {
  addInputLayer(1, 40.0, kClay);  // above H = 60: skipped
  addInputLayer(1, 120.0, Row{0.07, 2.0, 10.0, 0.02, 50.0, 0.3}, Row{0.08, 6.0, 20.0, 0.01, 60.0, 0.5});
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 1);
  EXPECT_DOUBLE_EQ(g.layers[1].xTop, 0.0);
  EXPECT_DOUBLE_EQ(g.layers[1].xBottom, 60.0);
  EXPECT_DOUBLE_EQ(g.layers[1].modulus, 50.0);
  ASSERT_EQ(g.strengthCount, 2);
  EXPECT_DOUBLE_EQ(g.strength[1].strength, 2.0);  // the input top row, not the value at H
  EXPECT_DOUBLE_EQ(g.strength[1].frictionAngle, 10.0 * 3.1416 / 180.0);
  EXPECT_DOUBLE_EQ(g.strength[2].strength, 6.0);
  EXPECT_DOUBLE_EQ(g.strength[2].coefficientSlot, 0.5);
}

TEST_F(ProfileTest, LayerBoundaryAtTheExcavationSkipsTheLayerAbove) {
  addInputLayer(4, 60.0, kClay);
  addInputLayer(1, 150.0, kClay);
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 1);
  EXPECT_EQ(g.layers[1].soilType, 1);
  EXPECT_DOUBLE_EQ(g.layers[1].xTop, 0.0);
  EXPECT_DOUBLE_EQ(g.layers[1].xBottom, 90.0);
}

TEST_F(ProfileTest, ProfileEndsTwoIncrementsBelowTheTipWithInterpolatedBottom) {
  // L = 80 * 3, h = 3, H = 60: the profile ends 186 below the excavation.
  addInputLayer(1, 100.0, kClay);
  addInputLayer(3, 300.0, Row{0.07, 10.0, 0.0, 0.01, 100.0, 0.0}, Row{0.07, 20.0, 0.0, 0.02, 100.0, 0.0});
  addInputLayer(1, 400.0, kClay);
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 2);
  EXPECT_DOUBLE_EQ(g.layers[2].xBottom, 186.0);
  // New bottom at 246 of a layer from 100 to 300: 73 % of the way.
  EXPECT_NEAR(g.strength[4].strength, 10.0 + 0.73 * 10.0, 1e-12);
  EXPECT_NEAR(g.strength[4].strainSlot, 0.01 + 0.73 * 0.01, 1e-12);
  EXPECT_DOUBLE_EQ(g.strength[4].depth, 186.0);
}

TEST_F(ProfileTest, LayerEndingExactlyAtTheProfileEndDropsTheLayersBelow) {
  addInputLayer(1, 246.0, kClay);
  addInputLayer(4, 300.0, kClay);
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 1);
  EXPECT_DOUBLE_EQ(g.layers[1].xBottom, 186.0);
  EXPECT_EQ(g.strengthCount, 2);
}

TEST_F(ProfileTest, ZeroThicknessEndsTheLayerList) {
  addInputLayer(1, 120.0, kClay);
  addInputLayer(4, 120.0, kClay);
  addInputLayer(1, 200.0, kClay);
  EXPECT_EQ(build().layerCount, 1);
}

// 12 x 0.4 is 4.800000000000001 in binary: the profile end L + 2h misses the
// boundary at 5.6 by 5E-16, which must not become a layer of its own.
TEST_F(ProfileTest, LayerBoundaryAtTheProfileEndWithinTheTolerance) {
  ctx().block.control.units = 2;
  ctx().block.soil.freeHeight = 2.0;
  ctx().block.wall.NN = 12;
  ctx().block.wall.h = 0.4;
  ctx().block.wall.wallLength = 12 * 0.4;
  addInputLayer(4, 5.6, Row{18.0, 0.0, 32.0, 0.0, 20000.0, 0.0});
  addInputLayer(4, 10.0, Row{18.0, 0.0, 32.0, 0.0, 20000.0, 0.0});
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 1);
  EXPECT_NEAR(g.layers[1].xBottom, 3.6, 1e-12);
  EXPECT_EQ(g.strengthCount, 2);
}

TEST_F(ProfileTest, LayerEndingWithinTheToleranceBelowTheExcavationIsSkipped) {
  addInputLayer(1, 60.0 + 5.0e-6, kClay);
  addInputLayer(4, 150.0, kClay);
  PYGeneration& g = build();
  ASSERT_EQ(g.layerCount, 1);
  EXPECT_EQ(g.layers[1].soilType, 4);
  EXPECT_EQ(g.layers[1].xTop, 0.0);
}

TEST_F(ProfileTest, WaterTableInsideTheLastLayer) {
  ctx().block.soil.freeHeight = 40.0;
  ctx().block.soil.waterDepthBackfill = 60.0;
  ctx().block.wall.NN = 38;  // the profile ends at 38 * 3 + 6 = 120
  addInputLayer(4, 120.0, Row{0.07, 0.0, 30.0, 0.0, 100.0, 0.0});
  build();
  using P = std::pair<double, double>;
  EXPECT_EQ(unitWeights(), (std::vector<P>{{0.0, 0.07}, {20.0, 0.07}, {20.0, 0.07 - 0.036}, {80.0, 0.07 - 0.036}}));
}

TEST_F(ProfileTest, WaterTableAtTheExcavationLevelSubmergesTheFirstPoint) {
  ctx().block.soil.waterDepthBackfill = 60.0;  // = H
  addInputLayer(1, 120.0, kClay);
  build();
  using P = std::pair<double, double>;
  EXPECT_EQ(unitWeights(), (std::vector<P>{{0.0, 0.07 - 0.036}, {60.0, 0.07 - 0.036}}));
}

TEST_F(ProfileTest, WaterTableInsideAnUpperLayerUsesThatLayersSubmergedWeight) {
  ctx().block.soil.waterDepthBackfill = 90.0;
  addInputLayer(1, 120.0, kClay);
  addInputLayer(4, 200.0, Row{0.08, 0.0, 30.0, 0.0, 100.0, 0.0});
  build();
  using P = std::pair<double, double>;
  EXPECT_EQ(unitWeights(), (std::vector<P>{{0.0, 0.07},
                                           {30.0, 0.07},
                                           {30.0, 0.07 - 0.036},
                                           {60.0, 0.07 - 0.036},
                                           {60.0, 0.08 - 0.036},
                                           {140.0, 0.08 - 0.036}}));
  // The average weight over the submerged part of the clay uses the clay's own weight.
  EXPECT_NEAR(averageUnitWeight(*g_, 60.0), (0.07 * 30.0 + 0.034 * 30.0) / 60.0, 1e-12);
}

TEST_F(ProfileTest, WaterTableAtALayerBoundary) {
  ctx().block.soil.waterDepthBackfill = 120.0;
  addInputLayer(1, 120.0, kClay);
  addInputLayer(1, 200.0, kClay);
  build();
  using P = std::pair<double, double>;
  EXPECT_EQ(unitWeights(), (std::vector<P>{{0.0, 0.07}, {60.0, 0.07}, {60.0, 0.07 - 0.036}, {140.0, 0.07 - 0.036}}));
}

TEST_F(ProfileTest, SiUnitsSetWaterWeightAndInset) {
  ctx().block.control.units = 2;
  ctx().block.soil.freeHeight = 2.0;
  ctx().block.soil.waterDepthBackfill = 0.0;
  ctx().block.wall.NN = 40;
  ctx().block.wall.h = 0.1;
  addInputLayer(1, 10.0, Row{18.0, 20.0, 0.0, 0.01, 1000.0, 0.0});
  PYGeneration& g = build();
  EXPECT_DOUBLE_EQ(g.gammaW, 9.81);
  EXPECT_DOUBLE_EQ(g.eps, 0.01);
  EXPECT_NEAR(g.layers[1].xBottom, 2.2, 1e-12);  // L + 2h - H = 4.2 - 2
  EXPECT_DOUBLE_EQ(g.unitWeight[1].unitWeight, 18.0 - 9.81);
}

TEST_F(ProfileTest, SoilAboveTheExcavationOnlyGivesNoLayers) {
  addInputLayer(1, 50.0, kClay);
  EXPECT_EQ(build().layerCount, 0);
}

}  // namespace
}  // namespace murena::pytest
