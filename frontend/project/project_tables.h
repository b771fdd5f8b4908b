#pragma once
// The grid tables of the main window that hold every list input of a
// project.  They are declared as data in the table-definitions resource and
// read from it at creation; they outlive projects: a new or opened project
// empties them and refills them with default rows.
#include <string_view>
#include <vector>

#include "frontend/entry/column_stream.h"
#include "frontend/entry/grid_table.h"

namespace murena {

// The definitions resource embedded in the program.
extern const char* const kTableDefinitionsText;

// Column indices of the tables (cell access is (column, row), 0-based).
namespace col {
enum PileSect : int { kSectFrom = 0, kSectTo = 1, kSectMode = 2, kSectEI = 3 };
enum SoilLayer : int { kRestraintCase = 0, kRestraintNode = 1, kRestraintDeflection = 2, kRestraintSlope = 3 };
enum BoundCond : int { kLoadMode = 0, kLoadFrom = 1, kLoadTo = 2, kLoadLateral = 3, kLoadMoment = 4, kLoadAxial = 5 };
enum SoilStrength : int { kSpringMode = 0, kSpringFrom = 1, kSpringTo = 2, kSpringLateral = 3, kSpringRotational = 4 };
enum TiebackTable1 : int {
  kTiebackDepth = 0, kTiebackArea = 1, kTiebackModulus = 2, kTiebackUnbonded = 3,
  kTiebackAngle = 4, kTiebackSpacing = 5, kTiebackPrestress = 6,
};
enum PYMod : int { kModDepth = 0, kModP = 1, kModY = 2 };
enum DistLoad : int { kDistDepth = 0, kDistLoad = 1 };
enum SurchargeTable : int { kSurchargeType = 0, kSurchargeMagnitude = 1, kSurchargeDistance = 2, kSurchargeWidth = 3 };
enum NewSoil : int { kSoilType = 0, kSoilDepth = 1, kSoilParameters = 2 };
enum PYCurves2 : int { kSetNode = 0, kSetCurve = 1, kSetPMultiplier = 2, kSetYMultiplier = 3 };
enum PYCurve2 : int { kCurveY = 0, kCurveP = 1 };
enum MEICurves2 : int { kEIFrom = 0, kEITo = 1, kEIData = 2 };
enum Rows2 : int { kEIMoment = 0, kEIStiffness = 1 };
}  // namespace col

class TProjectTables {
  // Declared first: the table references below are bound from these.
  TGridTableRegistry plainRegistry_;
  TGridTableChartRegistry chartRegistry_;
  TableDefinitions definitions_;

 public:
  // Reads the embedded definitions (StreamError when they are malformed).
  TProjectTables();
  explicit TProjectTables(std::string_view definitionsText);
  TProjectTables(const TProjectTables&) = delete;
  TProjectTables& operator=(const TProjectTables&) = delete;

  GridTable& PileSect;
  GridTable& SoilLayer;
  GridTable& BoundCond;
  GridTable& SoilStrength;
  GridTable& TiebackTable1;
  GridTable& PYMod;
  GridTable& DistLoad;
  GridTable& LongDist;
  GridTable& SurchargeTable;
  GridTable& NewSoil;
  GridTable& LongSoil;
  GridTable& PYCurves2;
  GridTable& MEICurves2;

  // The tables that hold project data (not the sub-table templates).
  const std::vector<GridTable*>& projectTables() const { return projectTables_; }
  // Every table of the definitions, templates included.
  std::vector<GridTable*> allTables() const;
  GridTable* find(std::string_view name) const { return definitions_.find(name); }

  // Empties every table and refills it with its minimum number of default rows.
  void resetToDefaults();
  // Fills every table, and every sub-table of their rows, up to its minimum rows.
  void fillToMinimumRows();
  // Relabels every table for the unit system (values are converted by the project).
  void setUnits(int system);
  bool isModified() const;
  void clearModified();

 private:
  std::vector<GridTable*> projectTables_;
};

// Calls f(table) for the table and, depth first, every sub-table of its rows.
template <class F>
void forEachTableDeep(GridTable& table, F&& f) {
  f(table);
  for (int c = 0; c < table.columnCount(); ++c) {
    if (table.column(c).kind() != ColumnKind::Table) continue;
    for (int r = 0; r < table.rowCount(); ++r)
      if (GridTable* sub = table.subTable(c, r)) forEachTableDeep(*sub, f);
  }
}

}  // namespace murena
