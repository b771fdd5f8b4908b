// The explanatory texts and help pictures the table editors show, as the
// table definitions carry them (sub-tables take them from their templates).
#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/project/project_tables.h"

namespace murena {
namespace {

std::string line(const std::string& text, size_t index) {
  size_t start = 0;
  for (size_t i = 0; i < index; ++i) {
    start = text.find('\n', start);
    if (start == std::string::npos) return "<missing>";
    ++start;
  }
  return text.substr(start, text.find('\n', start) - start);
}

size_t lineCount(const std::string& text) { return text.empty() ? 0 : std::count(text.begin(), text.end(), '\n') + 1; }

TEST(TableTexts, CommentsAboveTheEditors) {
  TProjectTables tables;
  const std::string interpolation =
      "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
      "following line.";
  const struct {
    const char* table;
    size_t lines;
    size_t index;
    std::string text;
  } cases[] = {
      {"PileSect", 3, 0, "The nodal number at the top of the wall is set to be 0."},
      {"PileSect", 3, 2, interpolation},
      {"BoundCond", 2, 0,
       "The concentrated loads are applied at nodal points only (including the specified START and END nodes)."},
      {"SoilStrength", 2, 1, interpolation},
      {"TblRock2", 1, 0, "* krm is a strain constant that seve to establish the overall stiffness of the curves"},
      {"SurchargeTable", 4, 2, "The unit for strip load is lbs/in^2 or kN/m^2 "},
      {"PYCurve2", 8, 1, "     and positive (+) to the right (to excavation)."},
      {"PYCurve2", 8, 7, "     correspond to the positive soil movement (y)."},
      {"TblSand1", 5, 0, "The user may optionally enter an earth pressure coefficient for generating "},
      {"TblClay1", 5, 4, "use the active earth pressure coefficient calculated internally."},
      {"TblSilt1", 5, 2, "by this user-specified coefficient. If the user does not intend to use this option, "},
  };
  for (const auto& c : cases) {
    const GridTable* table = tables.find(c.table);
    ASSERT_NE(table, nullptr) << c.table;
    EXPECT_EQ(lineCount(table->comments()), c.lines) << c.table;
    EXPECT_EQ(line(table->comments(), c.index), c.text) << c.table;
  }
  EXPECT_TRUE(tables.DistLoad.comments().empty());
}

TEST(TableTexts, SubTablesCarryTheirTemplatesTextsAndPictures) {
  TProjectTables tables;
  tables.resetToDefaults();
  tables.NewSoil.setInteger(col::kSoilType, 0, 4);  // sand
  const GridTable* sand = tables.NewSoil.subTable(col::kSoilParameters, 0);
  ASSERT_NE(sand, nullptr);
  EXPECT_EQ(sand->comments(), tables.find("TblSand1")->comments());
  EXPECT_EQ(tables.DistLoad.helpPicture(), "EarthPressure");
  EXPECT_EQ(tables.LongDist.helpPicture(), "EarthPressure");
  EXPECT_EQ(tables.SoilStrength.helpPicture(), "Tieback");
}

}  // namespace
}  // namespace murena
