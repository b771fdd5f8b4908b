// Entry of the earth-pressure module for one analysis block.
#include "engine/soil/earth_pressure_module.h"

namespace murena {

void computeEarthPressure(RunContext& ctx) {
  EarthPressureModule m(ctx.report, ctx.notes, ctx.labels);
  handOver(m, makeEarthPressureInput(ctx));
  splitPressureLayers(m);
  OUTPT(m);
  checkPressureInput(m);
  INITIAL(m);
  START(m);
  ctx.block.excavationStress = m.excavationStress;
  FORCES(m);
  writePressureProfile(m);
}

}  // namespace murena
