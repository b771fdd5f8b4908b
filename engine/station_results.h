#pragma once
// Slope, bending moment, shear and net soil reaction along the wall from the
// solved deflections, the results table and the tieback forces.
#include "engine/run_context.h"
#include "engine/wall_solver.h"

namespace murena {

// Writes the results block of the report and keeps the rows for the plot
// data file (stations 0 to NN+1).
void writeStationResults(RunContext& ctx, const SolverOutcome& outcome);

// Writes the tieback results block when the block has tiebacks.
void writeTiebackResults(RunContext& ctx);

}  // namespace murena
