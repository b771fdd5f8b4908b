#pragma once
// The p-y curve store of a block: no curves, user-specified curve sets, or
// (through the p-y generator) generated curves with or without user sets.
// Writes the block's p-y record to the plot data file.
#include "engine/run_context.h"

namespace murena {

void buildPYCurveStore(RunContext& ctx);

// Report heading of the inputted soil resistance curves.
void writeUserCurveSetHeading(RunContext& ctx);

// Layouts of a curve-set row: both nodes, FROM only, TO only.
enum class CurveSetRowLayout { kFromAndTo, kFromOnly, kToOnly };

// The curve-set heading, its row and the y-p heading of one user set.
void writeUserCurveSet(RunContext& ctx, CurveSetRowLayout layout, int node, int flag, double pMultiplier,
                       double yMultiplier, int pointCount);

// One report row of a user curve point (values with the multipliers applied).
void writeUserCurvePoint(RunContext& ctx, double y, double p);

}  // namespace murena
