// The columns of every table of the definitions resource: kinds, integer
// defaults and ranges, units templates, real defaults, sub-table templates
// and option lists.  New rows and the data files written from them depend on
// every one of these.
#include <gtest/gtest.h>

#include <sstream>

#include "frontend/entry/general_format.h"
#include "frontend/project/project_tables.h"

namespace murena {
namespace {

// "E2" choice with two options, "I1:0..1000" integer default 1 in 0..1000,
// "R[F-L^2]=0" real, "S18,17" sub-table templates; columns joined by " | ".
std::string columnSignature(const GridTable& table) {
  std::ostringstream out;
  for (int c = 0; c < table.columnCount(); ++c) {
    if (c > 0) out << " | ";
    const TColumn& column = table.column(c);
    if (const auto* e = dynamic_cast<const TEnumColumn*>(&column)) {
      out << "E" << e->options().size();
    } else if (const auto* i = dynamic_cast<const TIntColumn*>(&column)) {
      out << "I" << i->defaultValue() << ":" << i->minValue() << ".." << i->maxValue();
    } else if (const auto* r = dynamic_cast<const TFloatColumn*>(&column)) {
      out << "R[" << r->unitsTemplate() << "]=" << formatGeneral(r->defaultValue(), 8);
    } else if (const auto* s = dynamic_cast<const TTableColumn*>(&column)) {
      out << "S";
      for (size_t k = 0; k < s->templateIds().size(); ++k) out << (k ? "," : "") << s->templateIds()[k];
    } else {
      out << "?";
    }
  }
  return out.str();
}

TEST(TableDefinitions, ColumnsOfEveryTable) {
  TProjectTables tables;
  const std::string node = "0..2147483600";
  const std::string rows2 = std::to_string(tables.find("Rows2")->identifier());
  const struct {
    const char* name;
    std::string columns;
  } cases[] = {
      {"PileSect", "I0:" + node + " | I1:" + node + " | E2 | R[F-L^2]=0"},
      {"SoilLayer", "E2 | I0:" + node + " | R[L]=0 | R[]=0"},
      {"BoundCond", "E2 | I0:" + node + " | I1:" + node + " | R[F]=0 | R[F-L]=0 | R[F]=0"},
      {"SoilStrength", "E2 | I0:" + node + " | I0:" + node + " | R[F/L]=0 | R[F-L/RAD.]=0"},
      {"TiebackTable1", "R[L2]=0 | R[L1^2]=0 | R[F/L^2]=0 | R[L2]=0 | R[DEG.]=0 | R[L2]=0 | R[F]=0"},
      {"PYMod", "R[L2]=0 | R[]=1 | R[]=1"},
      {"DistLoad", "R[L2]=0 | R[F/L2]=0"},
      {"LongDist", "R[L2]=0 | R[F/L2]=0"},
      {"SurchargeTable", "E3 | R[SEE NOTES]=0 | R[L1]=0 | R[L1]=0"},
      {"NewSoil", "E7 | R[L2]=0 | S18,18,18,17,29,30,31"},
      {"LongSoil", "E7 | R[L2]=0 | S18,18,18,17,29,30,31"},
      {"PYCurves2", "I0:" + node + " | S38 | R[]=1 | R[]=1"},
      {"PYCurve2", "R[L]=0 | R[F/L]=0"},
      {"MEICurves2", "I0:0..1000 | I0:0..1000 | S" + rows2},
      {"Rows2", "R[F-L]=0 | R[F-L^2]=0"},
      {"TblClay1", "R[F/L2^3]=0 | R[F/L2^2]=0 | R[]=0 | R[F/L^3]=0 | R[]=0"},
      {"TblSand1", "R[F/L2^3]=0 | R[DEG.]=0 | R[F/L^3]=0 | R[]=0"},
      {"TblSilt1", "R[F/L2^3]=0 | R[DEG.]=0 | R[F/L2^2]=0 | R[]=0 | R[F/L^3]=0 | R[]=0"},
      {"TblRock1", "R[F/L2^3]=0 | R[F/L^2]=0"},
      {"TblRock2", "R[F/L2^3]=0 | R[F/L^2]=0 | R[]=0 | R[F/L^2]=0 | R[]=0"},
  };
  for (const auto& e : cases) {
    SCOPED_TRACE(e.name);
    const GridTable* table = tables.find(e.name);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(columnSignature(*table), e.columns);
  }
}

TEST(TableDefinitions, OptionTextsOfTheChoiceColumns) {
  TProjectTables tables;
  using Options = std::vector<std::string>;
  const auto options = [](const GridTable& t) { return dynamic_cast<const TEnumColumn&>(t.column(0)).options(); };
  EXPECT_EQ(options(tables.SoilLayer), (Options{"Specify Deflection", "Specify Slope"}));
  EXPECT_EQ(options(tables.SurchargeTable), (Options{"Point Load", "Line Load", "Strip Load"}));
  const Options soils{"Soft Clay", "Stiff Clay with Free Water", "Stiff Clay w/o Free Water", "Sand",
                      "Silt (c-phi soil)", "Strong Rock", "Weak Rock"};
  EXPECT_EQ(options(tables.NewSoil), soils);
  EXPECT_EQ(options(tables.LongSoil), soils);
}

// A row added to a switched-on option table is written with the defaults.
TEST(TableDefinitions, NewRowsStartWithTheColumnDefaults) {
  TProjectTables tables;
  tables.SoilStrength.setRowCount(1);
  EXPECT_EQ(tables.SoilStrength.integer(col::kSpringMode, 0), 1);
  EXPECT_EQ(tables.SoilStrength.integer(col::kSpringFrom, 0), 0);
  EXPECT_EQ(tables.SoilStrength.integer(col::kSpringTo, 0), 0);
  tables.BoundCond.setRowCount(1);
  EXPECT_EQ(tables.BoundCond.integer(col::kLoadTo, 0), 1);
}

}  // namespace
}  // namespace murena
