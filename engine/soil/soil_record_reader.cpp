// Record 11 of a block: soil-and-water record, legacy surcharge, surcharge
// table and soil layers.
#include <array>
#include <span>
#include <string>

#include "common/soil_layer_rows.h"
#include "engine/report_head.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"
#include "common/unit_system.h"

namespace murena {
namespace {

// Counts outside 0..limit do not fit the stores: the block is rejected.
int readCount(FreeFormatReader& in, const char* what, int limit) {
  int count = in.readIntRecord();
  if (count < 0 || count > limit)
    throw InputError("     ERROR -- " + std::string(what) + " " + std::to_string(count) + " IS NOT 0 TO " +
                     std::to_string(limit) + " IN " + in.record());
  return count;
}

// The layer list ends at the first row that does not go deeper; such rows may
// only trail the table.  One with a deeper row after it stops the block.
void endLayerList(const RunContext& ctx, SoilRecord& s) {
  std::array<double, kMaxSoilLayers> bottoms{};
  for (int i = 0; i < s.layerCount; ++i) bottoms[i] = s.layers[i].bottomDepth;
  const std::span<const double> rows(bottoms.data(), static_cast<std::size_t>(s.layerCount));
  const int misplaced = soilrows::rowNotDeeperBeforeDeeper(rows);
  if (misplaced >= 0)
    throw InputError("     ERROR -- " + soilrows::soilRowNotDeeperMessage(misplaced, bottoms[misplaced],
                                                                          ctx.block.control.units,
                                                                          isLongTermBlock(ctx)));
  s.layerCount = soilrows::rowsInUse(rows);
}

}  // namespace

void readSoilRecord(RunContext& ctx) {
  FreeFormatReader& in = ctx.input;
  SoilRecord& s = ctx.block.soil;
  s = SoilRecord{};

  in.setRecord("SOIL AND WATER DATA (RECORD 11)");
  in.beginRead();
  s.freeHeight = in.readReal();
  s.activeWidth = in.readReal();
  s.pyWidth = in.readReal();
  s.waterDepthBackfill = in.readReal();
  s.waterDepthExcavation = in.readReal();
  s.activePressureFactor = in.readReal();
  s.soilFlag = in.readInt();
  s.backfillSlope = in.readReal();
  in.endRead();

  in.setRecord("LEGACY SURCHARGE DATA (RECORD 11)");
  in.beginRead();
  s.surfaceSurcharge = in.readReal();
  s.legacyDistance = in.readReal();
  s.legacyPoint = in.readReal();
  s.legacyLine = in.readReal();
  s.legacyStrip = in.readReal();
  s.legacyStripWidth = in.readReal();
  in.endRead();

  in.setRecord("SURCHARGE LOADS (RECORD 11)");
  s.surchargeCount = readCount(in, "SURCHARGE COUNT", kMaxSurcharges);
  // In SI units distance and width come in millimetres.
  double lengthScale = ctx.block.control.units == kSIUnits ? 1000.0 : 1.0;
  for (int i = 0; i < s.surchargeCount; ++i) {
    SurchargeLoad& load = s.surcharges[i];
    in.beginRead();
    load.type = in.readInt();
    load.magnitude = in.readReal();
    load.distance = in.readReal() / lengthScale;
    load.width = in.readReal() / lengthScale;
    in.endRead();
  }

  in.setRecord("SOIL LAYERS (RECORD 11)");
  s.layerCount = readCount(in, "SOIL LAYER COUNT", kMaxSoilLayers);
  double previousBottom = 0.0;
  for (int i = 0; i < s.layerCount; ++i) {
    SoilLayerRecord& layer = s.layers[i];
    in.beginRead();
    layer.type = in.readInt();
    layer.bottomDepth = in.readReal();
    in.endRead();
    in.readReals(layer.top.data(), 6);
    in.readReals(layer.bottom.data(), 6);
    layer.thickness = layer.bottomDepth - previousBottom;
    previousBottom = layer.bottomDepth;
  }
  endLayerList(ctx, s);
  s.present = true;
}

}  // namespace murena
