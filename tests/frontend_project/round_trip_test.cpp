#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "frontend/entry/text_lines.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/project.h"
#include "sample_project.h"
#include "temp_folder.h"


namespace murena {
namespace {

using testing_support::fillEveryOption;

struct RoundTripCase {
  int units;
  bool userPressure;
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Reading a written file and writing it again gives the same text, and every
// converted table value comes back.
TEST_P(RoundTripTest, WrittenFileReadsBackToTheSameProject) {
  TProjectTables tables;
  TProject project(tables);
  fillEveryOption(project, GetParam().units, GetParam().userPressure);
  const std::string first = dataFileText(project.data(), tables);

  TProjectTables tables2;
  TProject reread(tables2);
  ASSERT_EQ(readProjectText(first, reread.data(), tables2, kLayoutCurrent), "");
  EXPECT_EQ(dataFileText(reread.data(), tables2), first);

  const TProgramData& a = project.data();
  const TProgramData& b = reread.data();
  EXPECT_EQ(b.UnitSystem, GetParam().units);
  EXPECT_EQ(b.EarthPressureOption, a.EarthPressureOption);
  EXPECT_EQ(b.LongTermAnalysis, a.LongTermAnalysis);
  EXPECT_EQ(b.GeneratePYCurves, a.GeneratePYCurves);
  EXPECT_EQ(b.ActiveWidth, a.ActiveWidth);
  EXPECT_TRUE(b.ApplyRestraints && b.ApplyConcentratedLoads && b.ApplySprings && b.ApplyTiebacks &&
              b.ApplyPYModifiers && b.ApplyPYCurves && b.ApplyEICurves);
  // Surcharges and soil layers are written only with the soil data (record 11).
  const bool soilData = !GetParam().userPressure;
  EXPECT_EQ(b.ApplySurcharge, soilData);

  // Every real cell of every project table, sub-tables included.
  const auto& t1 = tables.projectTables();
  const auto& t2 = tables2.projectTables();
  for (size_t i = 0; i < t1.size(); ++i) {
    if (t1[i] == &tables.DistLoad && !GetParam().userPressure) continue;  // not written then
    if (t1[i] == &tables.LongDist && !(GetParam().userPressure && a.LongTermAnalysis)) continue;
    if (t1[i] == &tables.LongSoil && !a.LongTermAnalysis) continue;
    if ((t1[i] == &tables.SurchargeTable || t1[i] == &tables.NewSoil) && !soilData) continue;
    std::vector<const GridTable*> deep1, deep2;
    forEachTableDeep(*t1[i], [&](GridTable& t) { deep1.push_back(&t); });
    forEachTableDeep(*t2[i], [&](GridTable& t) { deep2.push_back(&t); });
    ASSERT_EQ(deep1.size(), deep2.size()) << t1[i]->caption();
    for (size_t k = 0; k < deep1.size(); ++k) {
      ASSERT_EQ(deep1[k]->rowCount(), deep2[k]->rowCount()) << deep1[k]->caption();
      for (int c = 0; c < deep1[k]->columnCount(); ++c) {
        if (deep1[k]->column(c).kind() != ColumnKind::Float) continue;
        // The long-term earth-pressure coefficient is not written.
        if (t1[i] == &tables.LongSoil && k > 0 && c == deep1[k]->columnCount() - 1 &&
            deep1[k]->caption() != "Strong Rock" && deep1[k]->caption() != "Weak Rock")
          continue;
        for (int r = 0; r < deep1[k]->rowCount(); ++r)
          EXPECT_NEAR(deep2[k]->real(c, r), deep1[k]->real(c, r), 1e-7 * std::abs(deep1[k]->real(c, r)))
              << deep1[k]->caption() << " column " << c << " row " << r;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(UnitSystems, RoundTripTest,
                         ::testing::Values(RoundTripCase{1, false}, RoundTripCase{2, false}, RoundTripCase{3, false},
                                           RoundTripCase{1, true}, RoundTripCase{2, true}, RoundTripCase{3, true}),
                         [](const auto& info) {
                           std::string units = info.param.units == 1 ? "English" : info.param.units == 2 ? "SI" : "Other";
                           return units + (info.param.userPressure ? "_UserPressure" : "_GeneratedPressure");
                         });

std::vector<std::string> linesOf(const std::string& text) { return splitTextLines(text); }

TEST(DataFileWriter, ConvertsFeetBasedColumnsAndSoilParametersInEnglishUnits) {
  TProjectTables tables;
  TProject project(tables);
  fillEveryOption(project, 1, true);
  auto lines = linesOf(dataFileText(project.data(), tables));
  // Distributed loads: depth ft -> in, load lbs/ft -> lbs/in.
  auto it = std::find(lines.begin(), lines.end(), "3");
  ASSERT_NE(it, lines.end());
  EXPECT_EQ(*(it + 2), "120\t8.3333333");
  // p-y modification depth ft -> in.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "246\t0.8\t1.2"), lines.end());

  TProjectTables tables2;
  TProject generated(tables2);
  fillEveryOption(generated, 1, false);
  lines = linesOf(dataFileText(generated.data(), tables2));
  // The soft-clay layer at 5 ft: unit weight pcf -> pci, cohesion psf -> psi.
  auto layer = std::find(lines.begin(), lines.end(), "1 60 ");
  ASSERT_NE(layer, lines.end());
  EXPECT_EQ(*(layer + 1), "0.058015046 0.765625 0.0  120.25 130.25 140.25 ");
}

TEST(DataFileWriter, SiTiebackAreaIsWrittenInSquareMetres) {
  TProjectTables tables;
  TProject project(tables);
  project.setUnitSystem(2);
  project.data().ApplyTiebacks = true;
  tables.TiebackTable1.setRowCount(1);
  tables.TiebackTable1.setReal(col::kTiebackArea, 0, 500);
  const std::string text = dataFileText(project.data(), tables);
  const auto lines = linesOf(text);
  EXPECT_EQ(lines[1], "2 0\t1\t0\t2\t2 0 1 0 1");
  EXPECT_EQ(lines[6], "0\t0.0005\t0\t0\t0\t0\t0");

  TProjectTables tables2;
  TProject reread(tables2);
  ASSERT_EQ(readProjectText(text, reread.data(), tables2, kLayoutCurrent), "");
  EXPECT_DOUBLE_EQ(tables2.TiebackTable1.real(col::kTiebackArea, 0), 500);
}

// The conversions divide: at a decimal tie of the eighth digit a multiplication
// by the reciprocal rounds the other way (1728.27 / 1728 = 1.00015625).
TEST(DataFileWriter, ConversionsOnTheWayOutDivide) {
  TProjectTables tables;
  TProject project(tables);
  GridTable* clay = tables.NewSoil.subTable(col::kSoilParameters, 0);
  clay->setReal(0, 0, 1728.27);   // unit weight, pcf
  clay->setReal(1, 0, 14400.45);  // cohesion, psf
  auto lines = linesOf(dataFileText(project.data(), tables));
  EXPECT_EQ(lines[11], "1.0001563 100.00313 0.0  0 0 0 ");

  project.setUnitSystem(2);
  project.data().ApplyTiebacks = true;
  tables.TiebackTable1.setRowCount(1);
  tables.TiebackTable1.setReal(col::kTiebackArea, 0, 1000000.05);  // mm^2
  lines = linesOf(dataFileText(project.data(), tables));
  EXPECT_EQ(lines[6], "0\t1.0000001\t0\t0\t0\t0\t0");
}

TEST(DataFileWriter, SandLayerLineAndLastSectionMode) {
  TProjectTables tables;
  TProject project(tables);
  testing_support::setLayer(tables.NewSoil, 0, kSand, 0, {1728 * 0.0637, 30, 25, 0.4});
  tables.PileSect.setInteger(col::kSectMode, 0, 2);
  const auto lines = linesOf(dataFileText(project.data(), tables));
  EXPECT_EQ(lines[3], "0\t1\t1\t0");
  EXPECT_EQ(lines[11], "0.0637 0.0  30 0.0  25 0.4 ");
  EXPECT_EQ(tables.PileSect.integer(col::kSectMode, 0), 1);
}

TEST(DataFileWriter, LongTermBlockUsesItsOwnTablesAndTriangularCode) {
  TProjectTables tables;
  TProject project(tables);
  TProgramData& d = project.data();
  d.EarthPressureOption = 3;
  d.LongTermAnalysis = true;
  GridTable& silt = testing_support::setLayer(tables.LongSoil, 0, kSilt, 0);
  for (int c = 0; c < 6; ++c) silt.setReal(c, 0, c + 1);
  const auto lines = linesOf(dataFileText(d, tables));
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[1], "1 0\t1\t0\t3\t2 0 1 0 0");
  EXPECT_EQ(lines[13], "9");
  EXPECT_EQ(lines[14], "New Wall");
  EXPECT_EQ(lines[15], "1 0\t1\t0\t2\t2 0 1 0 0");
  // Silt: unit weight, cohesion, friction angle, E50, k; no coefficient.
  EXPECT_EQ(lines[25], "0.0005787037 0.020833333 2 4 5 0.0  ");
  EXPECT_EQ(lines[27], "0");
}

// Same items line by line; numbers may differ in their text (200000000, 2E8).
void expectSameItems(const std::string& written, const std::string& original) {
  const auto a = splitTextLines(written);
  const auto b = splitTextLines(original);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    std::istringstream sa(a[i]), sb(b[i]);
    std::string x, y;
    while (sb >> y) {
      ASSERT_TRUE(sa >> x) << "line " << i + 1;
      if (x != y) {
        EXPECT_DOUBLE_EQ(std::stod(x), std::stod(y)) << "line " << i + 1;
      }
    }
    EXPECT_FALSE(sa >> x) << "line " << i + 1;
  }
}

// The example files written for the engine read back and write out the same.
TEST(DataFileReader, ExampleFilesRoundTrip) {
  for (const char* name : {"cantilever_sand_water_triangular_english.mr5d", "anchored_sand_clay_trapezoid_si.mr5d"}) {
    SCOPED_TRACE(name);
    const std::string original = testing_support::readText(std::string(MURENA_SOURCE_DIR) + "/examples/" + name);
    if (original.empty()) GTEST_SKIP() << "example not present";
    TProjectTables tables;
    TProject project(tables);
    ASSERT_EQ(readProjectText(original, project.data(), tables, kLayoutCurrent), "");
    expectSameItems(dataFileText(project.data(), tables), original);
  }
}

}  // namespace
}  // namespace murena
