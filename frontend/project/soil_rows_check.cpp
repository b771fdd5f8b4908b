#include "frontend/project/soil_rows_check.h"

#include <vector>

#include "common/soil_layer_rows.h"
#include "frontend/entry/general_format.h"
#include "frontend/project/record_text.h"

namespace murena {
namespace {

// The depth at bottom of a row as the engine reads it from the data file.
double depthAsWritten(const GridTable& soil, int row, int unitSystem) {
  const double held = soil.real(col::kSoilDepth, row);
  RecordText text;
  text.r(unitSystem == kEnglishUnits ? held * 12.0 : held);
  double written = held;
  parseDecimal(text.str(), written);
  return written;
}

}  // namespace

std::string soilRowsMessage(const GridTable& soil, int unitSystem, bool longTerm) {
  std::vector<double> bottoms;
  for (int r = 0; r < soil.rowCount(); ++r) bottoms.push_back(depthAsWritten(soil, r, unitSystem));
  const int row = soilrows::rowNotDeeperBeforeDeeper(bottoms);
  if (row < 0) return {};
  return soilrows::soilRowNotDeeperMessage(row, bottoms[static_cast<std::size_t>(row)], unitSystem, longTerm);
}

std::string soilRowsMessage(const TProgramData& data, const TProjectTables& tables) {
  std::string message = soilRowsMessage(tables.NewSoil, data.UnitSystem, false);
  if (message.empty() && data.LongTermAnalysis) message = soilRowsMessage(tables.LongSoil, data.UnitSystem, true);
  return message;
}

}  // namespace murena
