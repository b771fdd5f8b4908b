// The engine's side of the generated pressure: runs the earth-pressure module,
// reads its profile file back with the width factors applied and prints the
// depth-pressure table; and the surcharge share of a user-given profile.
#include <string>

#include "common/unit_system.h"
#include "engine/analysis_stops.h"
#include "engine/earth_pressure_loads.h"
#include "engine/report_line.h"
#include "engine/run_errors.h"
#include "engine/soil/earth_pressure_api.h"
#include "engine/soil/earth_pressure_module.h"

namespace murena {
namespace {

// Every point is printed, except in profiles of more than 50 points, where
// every sixth (English units) or fourth (SI units) is, plus the last.
int printStepFor(int units, int count) {
  if (count <= 50) return 1;
  if (units == kEnglishUnits) return 6;
  if (units == kSIUnits) return 4;
  return 1;
}

void readProfileFile(RunContext& ctx) {
  const SoilRecord& soil = ctx.block.soil;
  PressureProfile& prof = ctx.block.profile;
  FreeFormatReader file;
  std::string name = std::string("EARTH PRESSURE FILE ") + kPressureProfileFile;
  if (!file.openFile(kPressureProfileFile)) throw InputError("     ERROR -- CANNOT OPEN THE " + name);
  file.setRecord(name);
  int count = file.readIntRecord();
  if (count < 0 || count > kMaxProfilePoints)
    throw InputError("     ERROR -- POINT COUNT " + std::to_string(count) + " IS NOT 0 TO " +
                     std::to_string(kMaxProfilePoints) + " IN " + name);
  // Wa down to the excavation level of the wall line, Wp below it.
  double width = soil.activeWidth;
  for (int i = 1; i <= count; ++i) {
    double v[4];
    file.readReals(v, 4);
    if (v[0] > ctx.block.wall.freeHeight) width = soil.pyWidth;
    prof.depth[i] = v[0];
    prof.total[i] = v[1] * width;
    prof.soil[i] = v[2] * width;
    prof.surcharge[i] = v[3] * width;
  }
  prof.count = count;
  prof.deepestPressure = count > 0 ? prof.total[count] : 0.0;
}

void printProfile(RunContext& ctx) {
  PressureProfile& prof = ctx.block.profile;
  prof.printStep = printStepFor(ctx.block.control.units, prof.count);
  prof.printedCount = 0;
  forEachPrintedPoint(prof, [&](int i) {
    writePressureTableRow(ctx, prof.depth[i], prof.total[i]);
    ++prof.printedCount;
  });
}

}  // namespace

void writePressureTableHeading(RunContext& ctx) {
  TextOutput& r = ctx.report;
  r.emptyLines(2);
  r << Line().b(8).text(" DEPTH         ACTIVE EARTH PRESSURE").str();
  r << Line().b(8).b(1).text(ctx.labels.lengthLabel).b(17).text(ctx.labels.forcePerLength()).str();
  r << Line().b(8).text("--------       ------------------------").str();
}

void writePressureTableRow(RunContext& ctx, double depth, double pressure) {
  ctx.report << Line().b(6).E(depth, 10, 3).b(10).E(pressure, 10, 3).str();
}

void buildGeneratedPressureProfile(RunContext& ctx) {
  if (!ctx.block.soil.present)
    throw InputError("     ERROR -- GENERATED EARTH PRESSURE NEEDS SOIL AND WATER DATA (RECORD 11)");
  ctx.block.profile = PressureProfile{};
  computeEarthPressure(ctx);
  writePressureTableHeading(ctx);
  readProfileFile(ctx);
  printProfile(ctx);
}

void addSurchargeToUserProfile(RunContext& ctx) {
  const SoilRecord& soil = ctx.block.soil;
  if (!soil.present || soil.surchargeCount <= 0) return;
  // The kernels divide by the free height of the soil-and-water record.
  if (!(soil.freeHeight >= kMinFreeHeight))
    stopAnalysis(ctx.report, "     ERROR -- FREE HEIGHT OF WALL MUST BE GREATER THAN ZERO WITH SURCHARGE LOADS");
  PressureProfile& prof = ctx.block.profile;
  for (int i = 1; i <= prof.count; ++i) {
    prof.surcharge[i] = soil.activeWidth * surchargePressureAt(ctx, prof.depth[i]);
    prof.total[i] = prof.soil[i] + prof.surcharge[i];
  }
}

}  // namespace murena
