#pragma once
// What the block reader asks of the earth-pressure side of the soil models.
#include "engine/run_context.h"

namespace murena {

// Reads record 11 (soil-and-water record, legacy surcharge, surcharge table,
// soil layers) into ctx.block.soil.  Counts beyond the stores throw InputError.
void readSoilRecord(RunContext& ctx);

// Generated earth pressure (codes 2 and 3): runs computeEarthPressure, prints
// the depth-pressure heading, reads "KESTRA.001" back into ctx.block.profile
// with the width factors applied, prints the stepped points and sets the print
// step, printed count and deepest pressure; sets ctx.block.excavationStress.
// Throws StopCode "1" (excavation below the soil profile) or "2" (more than 21
// pressure layers), or AnalysisStop after writing why the block cannot go on
// (surcharges without free height, a trapezoid without support, a profile
// beyond the store).
void buildGeneratedPressureProfile(RunContext& ctx);

// User-specified pressure with surcharge loads: adds Wa times the surcharge
// pressure at each point's depth to the profile (nothing without loads).  A
// free height below 1E-6 in record 11 stops the block with a message.
void addSurchargeToUserProfile(RunContext& ctx);

// The depth-pressure table heading with its unit labels (user and generated
// profiles alike).
void writePressureTableHeading(RunContext& ctx);
// One row of that table: depth and pressure.
void writePressureTableRow(RunContext& ctx, double depth, double pressure);

// Lateral pressure from the surcharge loads of record 11 at a depth below the
// top of the wall, with the free height of record 11 as the kernels' height;
// 0 without loads or without a free height.
double surchargePressureAt(const RunContext& ctx, double depth);

}  // namespace murena
