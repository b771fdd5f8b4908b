// p- and y-multipliers: the automatic group factor of closely spaced wall
// elements and the user's modification rows.
#include <cmath>

#include "py_test_support.h"

namespace murena::pytest {
namespace {

class MultiplierTest : public PYStateTest {
 protected:
  void addRow(double depth, double p, double y) {
    BlockData& b = ctx().block;
    b.pyMods[++b.pyModCount] = PYModRow{depth, p, y};
  }
};

TEST_F(MultiplierTest, AutomaticGroupFactorDependsOnTheSpacingRatio) {
  struct Case { double Wa, Wp, below, above; };
  for (const Case& c : {Case{48, 24, 0.783, 1.0}, Case{24, 24, 1.0, 1.0}, Case{84, 24, 1.0, 1.0}, Case{10, 24, 1.0, 1.0},
                        Case{26.5, 24, 0.5292 * std::pow(26.5 / 24.0, 0.5659), 1.0}}) {
    ctx().block.soil.activeWidth = c.Wa;
    ctx().block.soil.pyWidth = c.Wp;
    readGenerationInputs(g());
    EXPECT_NEAR(pMultiplierAt(g(), 100.0), c.below, 5e-4) << c.Wa;
    EXPECT_NEAR(pMultiplierAt(g(), 60.0), c.below, 5e-4) << c.Wa;  // at H
    EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 59.9), c.above) << c.Wa;
    EXPECT_DOUBLE_EQ(yMultiplierAt(g(), 100.0), 1.0);
  }
}

TEST_F(MultiplierTest, ModificationRowsAreInterpolated) {
  addRow(100.0, 0.5, 2.0);
  addRow(200.0, 1.0, 1.0);
  g().spacingRatio = 2.0;  // the rows replace the automatic factor
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 150.0), 0.75);
  EXPECT_DOUBLE_EQ(yMultiplierAt(g(), 150.0), 1.5);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 250.0), 1.0);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 50.0), 1.0);
  EXPECT_DOUBLE_EQ(yMultiplierAt(g(), 50.0), 1.0);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 100.0), 0.5);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 200.0), 1.0);
}

TEST_F(MultiplierTest, SharedDepthTakesTheSecondRow) {
  addRow(100.0, 0.5, 1.0);
  addRow(150.0, 0.7, 1.0);
  addRow(150.0, 0.9, 1.0);
  addRow(200.0, 0.9, 1.0);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 150.0), 0.9);
  EXPECT_NEAR(pMultiplierAt(g(), 125.0), 0.6, 1e-12);
}

TEST_F(MultiplierTest, SingleRowAppliesAtItsDepthOnly) {
  addRow(100.0, 0.5, 0.8);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 100.0), 0.5);
  EXPECT_DOUBLE_EQ(yMultiplierAt(g(), 100.0), 0.8);
  EXPECT_DOUBLE_EQ(pMultiplierAt(g(), 101.0), 1.0);
}

}  // namespace
}  // namespace murena::pytest
