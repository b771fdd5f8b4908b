#include <gtest/gtest.h>

#include "frontend/project/project.h"
#include "frontend/project/unit_conversion.h"

namespace murena {
namespace {

class UnitSwitchingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    project.data().FreeHeight = 12;
    tables.NewSoil.setReal(col::kSoilDepth, 0, 10);
    clay = tables.NewSoil.subTable(col::kSoilParameters, 0);
    clay->setReal(0, 0, 120);  // pcf
    tables.TiebackTable1.setRowCount(1);
    tables.TiebackTable1.setReal(col::kTiebackArea, 0, 1);  // in^2
    tables.SurchargeTable.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
      tables.SurchargeTable.setInteger(col::kSurchargeType, r, r + 1);
      tables.SurchargeTable.setReal(col::kSurchargeMagnitude, r, 100);
      tables.SurchargeTable.setReal(col::kSurchargeDistance, r, 36);
    }
    curve = tables.PYCurves2.subTable(col::kSetCurve, 0);
    curve->setReal(col::kCurveY, 1, 0.5);
  }
  TProjectTables tables;
  TProject project{tables};
  GridTable* clay = nullptr;
  GridTable* curve = nullptr;
};

TEST_F(UnitSwitchingTest, EnglishToSiConvertsScalarsColumnsAndSurchargesByType) {
  project.setUnitSystem(2);
  EXPECT_DOUBLE_EQ(project.data().FreeHeight, 12 * 0.0254);
  EXPECT_DOUBLE_EQ(project.data().MaxDeflection, 100 * 0.0254);
  EXPECT_NEAR(tables.NewSoil.real(col::kSoilDepth, 0), 3.048, 1e-9);
  EXPECT_NEAR(clay->real(0, 0), 18.850, 1e-3);                               // kN/m^3
  EXPECT_NEAR(tables.TiebackTable1.real(col::kTiebackArea, 0), 645.16, 1e-6);  // mm^2
  EXPECT_NEAR(curve->real(col::kCurveY, 1), 0.0127, 1e-12);                   // m
  const double force = 0.004448222468060650624, length = 0.0254;
  EXPECT_DOUBLE_EQ(tables.SurchargeTable.real(col::kSurchargeMagnitude, 0), 100 * force);
  EXPECT_DOUBLE_EQ(tables.SurchargeTable.real(col::kSurchargeMagnitude, 1), 100 * force / length);
  EXPECT_DOUBLE_EQ(tables.SurchargeTable.real(col::kSurchargeMagnitude, 2), 100 * force / (length * length));
  EXPECT_NEAR(tables.SurchargeTable.real(col::kSurchargeDistance, 0), 914.4, 1e-6);  // mm
  EXPECT_EQ(project.data().UnitSystem, 2);
  EXPECT_EQ(tables.NewSoil.units(), 2);
  EXPECT_EQ(clay->units(), 2);
  EXPECT_TRUE(project.isModified());
}

TEST_F(UnitSwitchingTest, ThereAndBackRestoresTablesExactlyAndScalarsNearly) {
  project.setUnitSystem(2);
  project.setUnitSystem(1);
  // 0.0254 x 39.3701 is 1.00000054.
  EXPECT_NEAR(project.data().FreeHeight, 12.0000065, 1e-7);
  EXPECT_NE(project.data().FreeHeight, 12);
  EXPECT_NEAR(tables.NewSoil.real(col::kSoilDepth, 0), 10, 1e-12);
  EXPECT_NEAR(clay->real(0, 0), 120, 1e-11);
  EXPECT_NEAR(tables.TiebackTable1.real(col::kTiebackArea, 0), 1, 1e-13);
  EXPECT_NEAR(curve->real(col::kCurveY, 1), 0.5, 1e-14);
}

TEST_F(UnitSwitchingTest, SwitchesThroughOtherUnitsOnlyRelabel) {
  project.setUnitSystem(3);
  project.setUnitSystem(2);
  EXPECT_EQ(project.data().FreeHeight, 12);
  EXPECT_EQ(tables.NewSoil.real(col::kSoilDepth, 0), 10);
  EXPECT_EQ(clay->real(0, 0), 120);
  EXPECT_EQ(tables.SurchargeTable.real(col::kSurchargeMagnitude, 2), 100);
  EXPECT_EQ(project.data().UnitSystem, 2);
}

TEST_F(UnitSwitchingTest, RequestOutsideTheRangeIsClamped) {
  project.setUnitSystem(7);
  EXPECT_EQ(project.data().UnitSystem, 3);
  project.setUnitSystem(-1);
  EXPECT_EQ(project.data().UnitSystem, 1);
  EXPECT_EQ(project.data().FreeHeight, 12);
}

}  // namespace
}  // namespace murena
