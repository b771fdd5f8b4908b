#include "frontend/project/project_units.h"

#include "common/data_file_layout.h"
#include "common/unit_template.h"
#include "frontend/project/unit_conversion.h"

namespace murena {
namespace {

void convertRealColumns(GridTable& table, int from, int to) {
  forEachTableDeep(table, [from, to](GridTable& t) {
    for (int c = 0; c < t.columnCount(); ++c) {
      const auto* column = dynamic_cast<const TFloatColumn*>(&t.column(c));
      if (column == nullptr) continue;
      const double factor = templateFactor(column->unitsTemplate(), from, to);
      if (factor == 1) continue;
      for (int r = 0; r < t.rowCount(); ++r) t.setReal(c, r, t.real(c, r) * factor);
    }
  });
}

}  // namespace

void switchUnitSystem(TProgramData& data, TProjectTables& tables, int requestedSystem) {
  const int to = clampUnitSystem(requestedSystem);
  const int from = data.UnitSystem;
  const double length = scalarLengthFactor(from, to);
  const double force = scalarForceFactor(from, to);

  for (double* v : {&data.IncrementLength, &data.MaxDeflection, &data.DeflectionTolerance, &data.FreeHeight,
                    &data.ActiveWidth, &data.PYWidth, &data.WaterDepthBackfill, &data.WaterDepthExcavation,
                    &data.LegacySurcharge[kLegacyDistance], &data.LegacySurcharge[kLegacyStripWidth]})
    *v *= length;
  data.SurfaceSurcharge *= force / (length * length);
  data.LegacySurcharge[kLegacyStripLoad] *= force / (length * length);
  data.LegacySurcharge[kLegacyLineLoad] *= force / length;
  data.LegacySurcharge[kLegacyPointLoad] *= force;

  for (GridTable* t : tables.projectTables()) convertRealColumns(*t, from, to);

  // The magnitude's template cannot express its units: convert by load type.
  GridTable& s = tables.SurchargeTable;
  for (int r = 0; r < s.rowCount(); ++r) {
    double factor = 1;
    switch (s.integer(col::kSurchargeType, r)) {
      case layout::kPointLoad: factor = force; break;
      case layout::kLineLoad: factor = force / length; break;
      case layout::kStripLoad: factor = force / (length * length); break;
      default: break;
    }
    s.setReal(col::kSurchargeMagnitude, r, s.real(col::kSurchargeMagnitude, r) * factor);
  }

  data.UnitSystem = to;
  tables.setUnits(to);
}

}  // namespace murena
