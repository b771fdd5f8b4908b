#pragma once
// What the block reader asks of the earth-pressure side of the soil models.
#include "engine/run_context.h"

namespace murena {

// Reads record 11 (soil-and-water record, legacy surcharge, surcharge table,
// soil layers) into ctx.block.soil.
void readSoilRecord(RunContext& ctx);

// Generated earth pressure (codes 2 and 3): runs computeEarthPressure, prints
// the depth-pressure heading, reads "KESTRA.001" back into ctx.block.profile
// with the width factors applied, prints the stepped points and sets the print
// step, printed count and deepest pressure.
void buildGeneratedPressureProfile(RunContext& ctx);

// User-specified pressure with surcharge loads: adds Wa times the surcharge
// pressure at each point's depth to the profile.
void addSurchargeToUserProfile(RunContext& ctx);

// The depth-pressure table heading with its unit labels (user and generated
// profiles alike).
void writePressureTableHeading(RunContext& ctx);

// Lateral pressure from the surcharge loads at a depth below the top of the wall.
double surchargePressureAt(const RunContext& ctx, double depth);

}  // namespace murena
