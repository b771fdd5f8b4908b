#pragma once
// What the block reader asks of the p-y side of the soil models.
#include "engine/run_context.h"

namespace murena {

// Generated p-y curves, with or without user sets ahead of them: reads the
// user sets (when the control line announces some), runs generatePYCurves,
// reads "SOILDATA" back into ctx.block.curves and writes the block's p-y
// record to the plot data file.
void loadGeneratedPYCurves(RunContext& ctx);

}  // namespace murena
