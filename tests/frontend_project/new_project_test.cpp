#include <gtest/gtest.h>

#include "common/soil_types.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/project.h"

namespace murena {
namespace {

TEST(NewProject, HasTheDefaultsOfAFreshWall) {
  TProjectTables tables;
  TProject project(tables);
  const TProgramData& d = project.data();
  EXPECT_EQ(d.FileName, "NewWall.mr5d");
  EXPECT_EQ(d.Title, "New Wall");
  EXPECT_EQ(d.UnitSystem, 1);
  EXPECT_EQ(d.MaxDeflection, 100);
  EXPECT_EQ(d.DeflectionTolerance, 0.00001);
  EXPECT_EQ(d.ActivePressureFactor, 1);
  EXPECT_EQ(d.EarthPressureOption, 2);
  EXPECT_TRUE(d.GeneratePYCurves);
  EXPECT_EQ(d.StageCount, 1);
  EXPECT_EQ(d.CurrentStage, 1);

  ASSERT_EQ(tables.NewSoil.rowCount(), 1);
  EXPECT_EQ(tables.NewSoil.integer(col::kSoilType, 0), kSoftClay);
  EXPECT_EQ(tables.NewSoil.real(col::kSoilDepth, 0), 0);
  const GridTable* clay = tables.NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->caption(), "Clay");
  EXPECT_EQ(clay->rowCount(), 2);
  EXPECT_EQ(tables.PileSect.rowCount(), 1);
  EXPECT_EQ(tables.PileSect.integer(col::kSectTo, 0), 1);
  ASSERT_EQ(tables.PYMod.rowCount(), 2);
  EXPECT_EQ(tables.PYMod.real(col::kModP, 1), 1.0);
  EXPECT_EQ(tables.PYMod.real(col::kModY, 1), 1.0);
  ASSERT_EQ(tables.SurchargeTable.rowCount(), 1);
  EXPECT_EQ(tables.SurchargeTable.integer(col::kSurchargeType, 0), 1);
  EXPECT_EQ(project.windowCaption(), "MURENA 2015.5.12 - NewWall.mr5d");
  EXPECT_FALSE(project.isModified());
}

TEST(NewProject, WritesTheFileOfAnUntouchedWall) {
  TProjectTables tables;
  TProject project(tables);
  const std::string text = dataFileText(project.data(), tables);
  EXPECT_EQ(text,
            "New Wall\r\n"
            "1 0\t1\t0\t2\t2 0 1 0 0\r\n"
            "0 0\t100\t1E-5\t0\t0\r\n"
            "0\t1\t1\t0\r\n"
            "0\r\n"
            "0\r\n"
            "0\t0\t0\t0\t0\t1\t1\t0\r\n"
            "0\t0\t0\t0\t0\t0\r\n"
            "0\r\n"
            "1\r\n"
            "1 0 \r\n"
            "0 0 0.0  0 0 0 \r\n"
            "0 0 0.0  0 0 0 \r\n"
            "0\r\n");
}

TEST(TableDefinitions, DeclareTheProjectTables) {
  TProjectTables tables;
  struct Expect {
    GridTable* table;
    int id;
    const char* caption;
    int minRows, maxRows;
  };
  const Expect cases[] = {
      {&tables.PileSect, 15, "Wall Stiffness", 1, 10},
      {&tables.SoilLayer, 0, "Specify Deflection and Slope on Wall", 1, 10},
      {&tables.BoundCond, 123, "Concentrated Loads on Wall", 1, 20},
      {&tables.SoilStrength, 4, "Lateral Spring and Rotation Spring", 1, 20},
      {&tables.TiebackTable1, 77, "Tieback (ground anchor) Table", 1, 20},
      {&tables.PYMod, 16, "p-y Modification Factors", 2, 30},
      {&tables.DistLoad, 22, "Distributed Loads", 2, 100},
      {&tables.LongDist, 104, "Distributed Load (Long-Term)", 1, 0},
      {&tables.SurchargeTable, 23, "Surcharge Loads", 1, 20},
      {&tables.NewSoil, 19, "Soil Layers", 1, 10},
      {&tables.LongSoil, 44, "Soil Layers (Long-Term)", 1, 10},
      {&tables.PYCurves2, 37, "Sets of Ext. p-y Curves", 2, 30},
      {&tables.MEICurves2, 36, "Nonlinear Moment vs EI Curves", 1, 20},
  };
  for (const auto& e : cases) {
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(e.table->identifier(), e.id);
    EXPECT_EQ(e.table->caption(), e.caption);
    EXPECT_EQ(e.table->minRows(), e.minRows);
    EXPECT_EQ(e.table->maxRows(), e.maxRows);
  }
  // Sub-tables by soil type: clay, clay, clay, sand, silt, strong rock, weak rock.
  const char* captions[] = {"Clay", "Clay", "Clay", "Sand", "Silt", "Strong Rock", "Weak Rock"};
  for (int type = kSoftClay; type <= kSoilTypeCount; ++type) {
    tables.NewSoil.setInteger(col::kSoilType, 0, type);
    ASSERT_NE(tables.NewSoil.subTable(col::kSoilParameters, 0), nullptr);
    EXPECT_EQ(tables.NewSoil.subTable(col::kSoilParameters, 0)->caption(), captions[type - 1]);
  }
  const GridTable* curve = tables.PYCurves2.subTable(col::kSetCurve, 0);
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->caption(), "External p-y Curve");
  EXPECT_EQ(curve->rowCount(), 2);
  const GridTable* ei = tables.MEICurves2.subTable(col::kEIData, 0);
  ASSERT_NE(ei, nullptr);
  EXPECT_EQ(ei->caption(), "Moment and EI data");
}

TEST(TableDefinitions, UnitTemplatesRenderByUnitSystem) {
  TProjectTables tables;
  auto* deflection = dynamic_cast<TFloatColumn*>(&tables.PYCurves2.subTable(col::kSetCurve, 0)->column(col::kCurveY));
  auto* area = dynamic_cast<TFloatColumn*>(&tables.TiebackTable1.column(col::kTiebackArea));
  ASSERT_TRUE(deflection && area);
  const char* lengths[] = {"in", "m", "L"};
  const char* areas[] = {"in^2", "mm^2", "L^2"};
  for (int system = 1; system <= 3; ++system) {
    tables.setUnits(system);
    EXPECT_EQ(deflection->renderedUnits(), lengths[system - 1]);
    EXPECT_EQ(area->renderedUnits(), areas[system - 1]);
  }
}

TEST(TableDefinitions, MalformedDefinitionsFailWithTheStreamMessage) {
  const char* text =
      "object PileSect: TGridTable\n"
      "  Identifier = 15\n"
      "  Col = [\n"
      "    1\n"
      "    9 ('x') True False\n"
      "  ]\n"
      "end\n";
  try {
    TProjectTables tables(text);
    FAIL() << "expected a stream error";
  } catch (const StreamError& e) {
    EXPECT_EQ(std::string(e.what()), "Error occured when creating column 0: Error Column Class not defined");
  }
}

TEST(NewProject, DefaultNameAndOlderLayoutsNeedSaveAs) {
  TProjectTables tables;
  TProject project(tables);
  EXPECT_TRUE(project.needsSaveAs());
  project.data().FileName = "/p/old.mr4d";
  EXPECT_TRUE(project.needsSaveAs());
  project.data().FileName = "/p/Wall.mr5d";
  EXPECT_FALSE(project.needsSaveAs());
  EXPECT_EQ(project.windowCaption(), "MURENA 2015.5.12 - Wall.mr5d");
  project.data().FileName = "/p/wall.mr5d";
  EXPECT_EQ(project.windowCaption(), "MURENA 2015.5.12 - Wall.mr5d");
}

}  // namespace
}  // namespace murena
