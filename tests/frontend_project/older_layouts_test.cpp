#include <gtest/gtest.h>

#include "common/soil_types.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/project.h"

namespace murena {
namespace {

class OlderLayoutTest : public ::testing::Test {
 protected:
  std::string read(const std::string& text, int layout) {
    return readProjectText(text, project.data(), tables, layout);
  }
  TProjectTables tables;
  TProject project{tables};
};

TEST_F(OlderLayoutTest, Murena2013HasNoTiebackCountAndNoWaOnTheWallLine) {
  const char* text =
      "Old 2013 wall\r\n"
      "1 0\t1\t0\t2\t2 0 1 0\r\n"
      "40 6\t100\t1E-5\t120\r\n"
      "0\t40\t1\t5E9\r\n"
      "0\r\n"
      "0\r\n"
      "120\t12\t14\t0\t0\t0.036\t1\t0\r\n"
      "0\t0\t0\t0\t0\t0\r\n"
      "1\r\n"
      "2\t100\t24\t0\r\n"
      "1\r\n"
      "4 480 \r\n"
      "0.0637 0.0  30 0.0  25 0 \r\n"
      "0.0637 0.0  30 0.0  25 0 \r\n"
      "0\r\n";
  ASSERT_EQ(read(text, kLayout2013), "");
  const TProgramData& d = project.data();
  EXPECT_EQ(d.NodeCount, 40);
  EXPECT_EQ(d.FreeHeight, 120);
  EXPECT_EQ(d.ActiveWidth, 12);
  EXPECT_EQ(d.PYWidth, 14);
  EXPECT_EQ(d.ActivePressureFactor, 1.0);  // 0.036 of older files
  EXPECT_FALSE(d.ApplyTiebacks);
  EXPECT_TRUE(d.ApplySurcharge);
  ASSERT_EQ(tables.SurchargeTable.rowCount(), 1);
  EXPECT_EQ(tables.SurchargeTable.integer(col::kSurchargeType, 0), 2);
  EXPECT_EQ(tables.SurchargeTable.real(col::kSurchargeDistance, 0), 24);
  ASSERT_EQ(tables.NewSoil.rowCount(), 1);
  EXPECT_EQ(tables.NewSoil.integer(col::kSoilType, 0), kSand);
  EXPECT_DOUBLE_EQ(tables.NewSoil.real(col::kSoilDepth, 0), 40);
  const GridTable* sand = tables.NewSoil.subTable(col::kSoilParameters, 0);
  EXPECT_DOUBLE_EQ(sand->real(0, 1), 0.0637 * 1728);
  EXPECT_DOUBLE_EQ(sand->real(1, 1), 30);
  EXPECT_DOUBLE_EQ(sand->real(2, 1), 25);
  // Written again in the current layout: ten control items, Wa on the wall line.
  const std::string out = dataFileText(project.data(), tables);
  EXPECT_NE(out.find("1 0\t1\t0\t2\t2 0 1 0 0\r\n40 6\t100\t1E-5\t120\t12\r\n"), std::string::npos);
}

TEST_F(OlderLayoutTest, Murena30BuildsSurchargesFromTheLegacyRecordAndDefaultsMultipliers) {
  const char* text =
      "Old 3.0 wall\n"
      "1 0\t1\t0\t2\t2 1 1\n"
      "40 6\t100\t1E-5\t120\n"
      "0\t40\t1\t5E9\n"
      "0\n"
      "0\n"
      "120\t12\t12\t0\t0\t1\t1\t0\n"
      "0.5\t36\t1000\t100\t10\t24\n"
      "1\n"
      "1 240 \n"
      "0.1 5 0.0  0.01 100 0 \n"
      "0.1 6 0.0  0.01 100 0 \n"
      "20\t2\n"
      "0\t0\n"
      "1\t50\n"
      "0\n";
  ASSERT_EQ(read(text, kLayout30), "");
  const TProgramData& d = project.data();
  EXPECT_EQ(d.SurfaceSurcharge, 0.5);
  EXPECT_TRUE(d.ApplySurcharge);
  ASSERT_EQ(tables.SurchargeTable.rowCount(), 3);
  const double magnitudes[] = {1000, 100, 10};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(tables.SurchargeTable.integer(col::kSurchargeType, r), r + 1);
    EXPECT_EQ(tables.SurchargeTable.real(col::kSurchargeMagnitude, r), magnitudes[r]);
    EXPECT_EQ(tables.SurchargeTable.real(col::kSurchargeDistance, r), 36);
    EXPECT_EQ(tables.SurchargeTable.real(col::kSurchargeWidth, r), 24);
  }
  const GridTable* clay = tables.NewSoil.subTable(col::kSoilParameters, 0);
  EXPECT_DOUBLE_EQ(clay->real(1, 0), 5 * 144.0);
  EXPECT_DOUBLE_EQ(clay->real(1, 1), 6 * 144.0);
  EXPECT_TRUE(d.ApplyPYCurves);
  // One set read; the table is then filled up to its minimum of two.
  ASSERT_EQ(tables.PYCurves2.rowCount(), 2);
  EXPECT_EQ(tables.PYCurves2.integer(col::kSetNode, 0), 20);
  EXPECT_EQ(tables.PYCurves2.real(col::kSetPMultiplier, 0), 1.0);
  EXPECT_EQ(tables.PYCurves2.real(col::kSetYMultiplier, 0), 1.0);
  const GridTable* curve = tables.PYCurves2.subTable(col::kSetCurve, 0);
  ASSERT_EQ(curve->rowCount(), 2);
  EXPECT_EQ(curve->real(col::kCurveP, 1), 50);
}

TEST_F(OlderLayoutTest, Murena20AccumulatesLayerThicknessesWithoutConversion) {
  const char* text =
      "Old 2.0 wall\n"
      "1 0 1 0 2 2 0\n"
      "40 6 100 1E-5 120\n"
      "0 40 1 5E9\n"
      "0\n"
      "0\n"
      "120 12 12 0 0 1 1 0\n"
      "0 0 0 0 0 0\n"
      "2\n"
      "1 10\n"
      "0.1 5 0 0.01 100\n"
      "4 5\n"
      "0.07 9 30 9 25\n";
  ASSERT_EQ(read(text, layoutForFilterIndex(5)), "");
  ASSERT_EQ(tables.NewSoil.rowCount(), 2);
  EXPECT_EQ(tables.NewSoil.real(col::kSoilDepth, 0), 10);
  EXPECT_EQ(tables.NewSoil.real(col::kSoilDepth, 1), 15);
  const GridTable* clay = tables.NewSoil.subTable(col::kSoilParameters, 0);
  const GridTable* sand = tables.NewSoil.subTable(col::kSoilParameters, 1);
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(clay->real(0, r), 0.1);
    EXPECT_EQ(clay->real(1, r), 5);
    EXPECT_EQ(clay->real(2, r), 0.01);
    EXPECT_EQ(clay->real(3, r), 100);
    EXPECT_EQ(sand->real(0, r), 0.07);
    EXPECT_EQ(sand->real(1, r), 30);
    EXPECT_EQ(sand->real(2, r), 25);
  }
  EXPECT_EQ(project.data().StageCount, 1);
  EXPECT_FALSE(project.data().LongTermAnalysis);
  EXPECT_FALSE(project.data().ApplySurcharge);
}

TEST(LayoutChoice, ByFilterIndexAndExtension) {
  EXPECT_EQ(layoutForFilterIndex(1), kLayoutCurrent);
  EXPECT_EQ(layoutForFilterIndex(4), kLayout20);
  EXPECT_EQ(layoutForFilterIndex(5), kLayout20);
  EXPECT_EQ(layoutForExtension("/a/Wall.mr4d"), kLayout2013);
  EXPECT_EQ(layoutForExtension("/a/Wall.MRD"), kLayout30);
  EXPECT_EQ(layoutForExtension("/a/Wall.mr5d"), kLayoutCurrent);
  EXPECT_EQ(layoutForExtension("/a/Wall.txt"), kLayoutCurrent);
}

}  // namespace
}  // namespace murena
