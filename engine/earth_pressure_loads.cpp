#include "engine/earth_pressure_loads.h"

#include <cmath>
#include <string>

#include "engine/plot_writer.h"
#include "engine/report_head.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"

namespace murena {
namespace {

void readUserPressure(RunContext& ctx) {
  TextOutput& r = ctx.report;
  r.emptyLines(2);
  writeFramedHeading(r, "*        SPECIFIED ACTIVE EARTH PRESSURE         *");
  r.line({});
  writePressureTableHeading(ctx);

  PressureProfile& prof = ctx.block.profile;
  ctx.input.setRecord("DISTRIBUTED PRESSURE (RECORD 10)");
  int count = ctx.input.readIntRecord();
  if (count > kMaxProfilePoints)
    throw InputError("     ERROR -- PRESSURE POINT COUNT " + std::to_string(count) + " EXCEEDS THE STORE OF " +
                     std::to_string(kMaxProfilePoints) + " IN DISTRIBUTED PRESSURE (RECORD 10)");
  if (count < 0) count = 0;
  for (int i = 1; i <= count; ++i) {
    double v[2];
    ctx.input.readReals(v, 2);
    prof.depth[i] = v[0];
    prof.soil[i] = v[1];
    prof.surcharge[i] = 0.0;
    prof.total[i] = v[1];
    writePressureTableRow(ctx, v[0], v[1]);
  }
  prof.count = count;
  prof.deepestPressure = 0.0;
  prof.printStep = 1;
  prof.printedCount = count;
}

void writePressureRecord(RunContext& ctx) {
  PressureProfile& prof = ctx.block.profile;
  double h = ctx.block.wall.h;
  int printed = 0;
  forEachPrintedPoint(prof, [&](int) { ++printed; });
  prof.printedCount = printed;
  ctx.plot << plotInteger(printed);
  forEachPrintedPoint(prof, [&](int i) {
    if (prof.soil[i] == 0.0) prof.soil[i] = 1.0e-7;
    ctx.plot << Line().b(2).E(prof.depth[i], 10, 3).b(2).E(prof.total[i] / h, 10, 3).b(2).E(prof.soil[i], 10, 3)
                    .b(2).E(prof.surcharge[i], 10, 3).str();
  });
}

// Transverse loads at stations 1..NS from the profile, interpolated between
// its points (an implicit point of zero pressure at depth 0 comes first).
void addStationLoads(RunContext& ctx) {
  BlockData& blk = ctx.block;
  const PressureProfile& prof = blk.profile;
  double h = blk.wall.h;
  double deepest = blk.control.earthPressureCode > 1 ? blk.wall.freeHeight : (prof.count > 0 ? prof.depth[prof.count] : 0.0);
  double ratio = deepest / h;
  if (!(std::fabs(ratio) < 1.0e6)) ratio = 0.0;
  long ns = std::lround(ratio);
  // Stations below NN+3 lie outside the store; loads there are beyond the
  // tip anyway and the tip check has already seen station NN+1.
  long lastStation = std::min<long>(ns, blk.wall.NN + 3);
  double value = 0.0;
  for (long j = 1; j <= lastStation; ++j) {
    double x = j * h;
    for (int i = 1; i <= prof.count; ++i) {
      if (prof.depth[i] >= x) {
        double d0 = i > 1 ? prof.depth[i - 1] : 0.0;
        double t0 = i > 1 ? prof.total[i - 1] : 0.0;
        value = t0 + (x - d0) * (prof.total[i] - t0) / (prof.depth[i] - d0);
        break;
      }
    }
    blk.st.Q[j + 4] += value;
  }
}

}  // namespace

void buildEarthPressureLoads(RunContext& ctx) {
  BlockData& blk = ctx.block;
  int code = blk.control.earthPressureCode;
  bool generatedCurves = blk.control.pyCode == 2;
  if (code < 0 || code > 3)
    throw InputError("     ERROR -- EARTH-PRESSURE CODE " + std::to_string(code) + " IS NOT 0 TO 3 IN CONTROL LINE (RECORD 2)");
  if (code == 0) {
    ctx.plot << plotInteger(0);
    if (generatedCurves) readSoilRecord(ctx);
    return;
  }
  if (code == 1) readUserPressure(ctx);
  if (code > 1 || generatedCurves) readSoilRecord(ctx);
  if (code > 1) buildGeneratedPressureProfile(ctx);
  if (code == 1 && blk.soil.present && blk.soil.surchargeCount > 0) addSurchargeToUserProfile(ctx);

  PressureProfile& prof = blk.profile;
  for (int i = 1; i <= prof.count; ++i) prof.total[i] *= blk.wall.h;
  writePressureRecord(ctx);
  addStationLoads(ctx);
}

}  // namespace murena
