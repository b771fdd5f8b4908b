#include "frontend/project/run_checks.h"

#include "common/soil_types.h"
#include "frontend/entry/general_format.h"
#include "frontend/project/soil_rows_check.h"

namespace murena {

namespace {

// Column of the friction angle in the sand and silt parameter tables; the
// top row holds the top of the layer.
constexpr int kFrictionAngleColumn = 1;
constexpr int kTopRow = 0;

std::string nodeMessage(const char* which, int node, int row, int nodeCount) {
  return std::string(which) + std::to_string(node) + " in row " + std::to_string(row) +
         " of Wall Stiffness definition\nis greater than number of nodes defined, " + std::to_string(nodeCount) +
         ".\nPlease check on Wall Properties Windows and Wall Stiffness Table";
}

using RunCheck = std::string (*)(const TProgramData&, const TProjectTables&);

// The soil layers are read by the engine only when it generates the earth
// pressure or the p-y curves from them (the codes of the file just saved).
std::string checkSoilLayerOrder(const TProgramData& data, const TProjectTables& tables) {
  const bool soilInUse = data.EarthPressureCode >= 2 || data.PYCurveCode == 2;
  return soilInUse ? soilRowsMessage(data, tables) : std::string();
}

// The checks before a run, in order.
constexpr RunCheck kRunChecks[] = {
    checkWallStiffnessNodes,
    checkBackfillSlope,
    checkSoilLayerOrder,
};

}  // namespace

std::string checkWallStiffnessNodes(const TProgramData& data, const TProjectTables& tables) {
  const GridTable& sections = tables.PileSect;
  for (int r = 0; r < sections.rowCount(); ++r) {
    const int from = sections.integer(col::kSectFrom, r);
    if (from > data.NodeCount) return nodeMessage("Initial Node, ", from, r + 1, data.NodeCount);
    const int to = sections.integer(col::kSectTo, r);
    if (to > data.NodeCount) return nodeMessage("End Node, ", to, r + 1, data.NodeCount);
  }
  return {};
}

std::string checkBackfillSlope(const TProgramData& data, const TProjectTables& tables) {
  const double beta = data.BackfillSlope;
  if (!(beta > 0)) return {};
  const GridTable& layers = tables.NewSoil;
  for (int r = 0; r < layers.rowCount(); ++r) {
    const int type = layers.integer(col::kSoilType, r);
    if (type != kSand && type != kSilt) continue;
    const GridTable* parameters = layers.subTable(col::kSoilParameters, r);
    if (parameters == nullptr || parameters->rowCount() <= kTopRow ||
        parameters->columnCount() <= kFrictionAngleColumn ||
        parameters->column(kFrictionAngleColumn).kind() != ColumnKind::Float)
      continue;
    const double phi = parameters->real(kFrictionAngleColumn, kTopRow);
    if (!(phi < beta)) continue;
    const std::string slope = formatGeneralShortest(beta);
    const std::string angle = formatGeneralShortest(phi);
    const std::string layer = std::to_string(r + 1);
    if (type == kSand)
      return "Slope of the Backfill: " + slope + " deg.\nis greater than friction angle, " + angle +
             " deg.,\nin layer " + layer + "\nPlease check on Wall Configuration and Soil Layers Windows";
    return "Slope of the Backfill: " + slope + "\nis greater than friction angle, " + angle + ",\nin layer " +
           layer + "\nPlease check Soil Layers";
  }
  return {};
}

std::string checkBeforeRun(const TProgramData& data, const TProjectTables& tables) {
  for (RunCheck check : kRunChecks)
    if (std::string message = check(data, tables); !message.empty()) return message;
  return {};
}

}  // namespace murena
