#pragma once
// Reading, checking and echoing one analysis block after its title record,
// and building the station data the solver works on.
#include "engine/run_context.h"

namespace murena {

// Record 2, before the report head is written.
void readControlLine(RunContext& ctx);

// Records 3 to 13 with their echo, the earth-pressure loads and the p-y
// curve store.  Throws AnalysisStop after writing a stopping message.
void readBlockBody(RunContext& ctx);

}  // namespace murena
