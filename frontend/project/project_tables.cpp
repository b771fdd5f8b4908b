#include "frontend/project/project_tables.h"

namespace murena {

TProjectTables::TProjectTables() : TProjectTables(kTableDefinitionsText) {}

TProjectTables::TProjectTables(std::string_view definitionsText)
    : definitions_(readTableDefinitions(definitionsText, plainRegistry_, chartRegistry_)),
      PileSect(definitions_.get("PileSect")),
      SoilLayer(definitions_.get("SoilLayer")),
      BoundCond(definitions_.get("BoundCond")),
      SoilStrength(definitions_.get("SoilStrength")),
      TiebackTable1(definitions_.get("TiebackTable1")),
      PYMod(definitions_.get("PYMod")),
      DistLoad(definitions_.get("DistLoad")),
      LongDist(definitions_.get("LongDist")),
      SurchargeTable(definitions_.get("SurchargeTable")),
      NewSoil(definitions_.get("NewSoil")),
      LongSoil(definitions_.get("LongSoil")),
      PYCurves2(definitions_.get("PYCurves2")),
      MEICurves2(definitions_.get("MEICurves2")),
      projectTables_{&PileSect, &SoilLayer, &BoundCond, &SoilStrength, &TiebackTable1, &PYMod, &DistLoad,
                     &LongDist, &SurchargeTable, &NewSoil, &LongSoil, &PYCurves2, &MEICurves2} {
  resetToDefaults();
}

std::vector<GridTable*> TProjectTables::allTables() const {
  std::vector<GridTable*> out;
  for (const auto& entry : definitions_.entries()) out.push_back(entry.second.get());
  return out;
}

void TProjectTables::resetToDefaults() {
  for (GridTable* t : projectTables_) {
    t->closeEditor();
    t->setRowCount(0);
    t->setRowCount(t->minRows());
  }
  fillToMinimumRows();
  clearModified();
}

void TProjectTables::fillToMinimumRows() {
  for (GridTable* t : projectTables_)
    forEachTableDeep(*t, [](GridTable& table) {
      if (table.rowCount() < table.minRows()) table.setRowCount(table.minRows());
    });
}

void TProjectTables::setUnits(int system) {
  for (const auto& entry : definitions_.entries()) entry.second->setUnits(system);
}

bool TProjectTables::isModified() const {
  for (GridTable* t : projectTables_)
    if (t->isModified()) return true;
  return false;
}

void TProjectTables::clearModified() {
  for (GridTable* t : projectTables_) t->clearModified();
}

}  // namespace murena
