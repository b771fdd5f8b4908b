#pragma once
// A project built in memory for the view tests: an English wall of 80
// increments of 6 in with a free height of 120 in, one wall section, and
// helpers to add soil layers and option rows.
#include "common/soil_types.h"
#include "common/unit_system.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/drawing.h"

namespace murena::testing_support {

struct ViewProject {
  TProjectTables tables;
  TProgramData data;

  ViewProject() {
    tables.resetToDefaults();
    tables.NewSoil.setRowCount(0);
    data.UnitSystem = kEnglishUnits;
    data.NodeCount = 80;
    data.IncrementLength = 6;
    data.FreeHeight = 120;
    data.ActiveWidth = 12;
    data.PYWidth = 12;
  }

  // Appends a soil layer ending at `bottom` (table units) and returns its
  // parameter table.
  GridTable* addLayer(int type, double bottom) {
    GridTable& soil = tables.NewSoil;
    const int r = soil.rowCount();
    soil.setRowCount(r + 1);
    soil.setInteger(col::kSoilType, r, type);
    soil.setReal(col::kSoilDepth, r, bottom);
    return soil.subTable(col::kSoilParameters, r);
  }

  // Appends a row to a table and returns its index.
  static int addRow(GridTable& t) {
    t.setRowCount(t.rowCount() + 1);
    return t.rowCount() - 1;
  }
};

// Text sizes without fonts: 7 units a character, 14 a line.
class FixedMetrics : public draw::TextMetrics {
 public:
  double width(const draw::Font&, const std::string& text) const override { return 7.0 * text.size(); }
  double height(const draw::Font&) const override { return 14; }
};

}  // namespace murena::testing_support
