#include "frontend/views/model_dimensions.h"

#include <algorithm>

#include "common/unit_system.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena::views {

namespace {
constexpr int kStripLoad = 3;
}

ModelUnits modelUnits(int unitSystem) {
  switch (unitSystem) {
    case kEnglishUnits: return {1.0 / 12, 1.0 / 12};
    case kSIUnits: return {1, 1.0 / 1000};
    default: return {1, 1};
  }
}

double surchargeReach(const TProgramData& data, const TProjectTables& tables) {
  if (!data.ApplySurcharge) return 0;
  const GridTable& s = tables.SurchargeTable;
  const double small = modelUnits(data.UnitSystem).small;
  double reach = 0;
  for (int r = 0; r < s.rowCount(); ++r) {
    double x = s.real(col::kSurchargeDistance, r);
    if (s.integer(col::kSurchargeType, r) == kStripLoad) x += s.real(col::kSurchargeWidth, r) / 2;
    reach = std::max(reach, 0.9 * x * small);
  }
  return reach;
}

ModelDimensions modelDimensions(const TProgramData& data, const TProjectTables& tables) {
  const ModelUnits u = modelUnits(data.UnitSystem);
  ModelDimensions m;
  m.h = data.IncrementLength * u.wall;
  m.L = data.NodeCount * m.h;
  m.w = data.ActiveWidth > 0 ? data.ActiveWidth * u.wall : m.L / 10;
  m.t = data.PYWidth > 0 ? data.PYWidth / 10 * u.wall : m.L / 100;
  m.d = std::max(12.5 * m.w, surchargeReach(data, tables));
  m.b = 5 * m.w;
  m.H = data.FreeHeight * u.wall;
  m.D = m.L;
  const GridTable& soil = tables.NewSoil;
  if (soil.rowCount() > 0) m.D = std::max(m.D, soil.real(col::kSoilDepth, soil.rowCount() - 1));
  return m;
}

double panelCentre(const ModelDimensions& dims, int p) { return dims.w * (p - (kPanelCount - 1) / 2.0); }

ViewFit fitView(const ModelDimensions& dims) {
  ViewFit f;
  f.widthExtent = 2 * dims.d;
  f.lengthExtent = 2 * dims.b;
  f.heightExtent = std::max({2 * dims.D, f.widthExtent, f.lengthExtent});
  f.centring = dims.D / 2;
  return f;
}

double baseScale(const ViewFit& fit, int clientWidth, int clientHeight) {
  if (fit.widthExtent <= 0 || fit.heightExtent <= 0) return 1;
  const double s = std::min((clientWidth - 50) / fit.widthExtent, (clientHeight - 50) / fit.heightExtent);
  return s > 0 ? s : 1;
}

}  // namespace murena::views
