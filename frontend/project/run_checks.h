#pragma once
// The checks made before an analysis run.  Each returns the message of its
// first failure (shown in a warning box, and the run stops) or an empty text.
#include <string>

#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

// Every from and to node of the wall stiffness table lies within the wall's
// node count.
std::string checkWallStiffnessNodes(const TProgramData& data, const TProjectTables& tables);

// With a sloping backfill, no sand or silt layer has a friction angle (its
// top row) below the slope.
std::string checkBackfillSlope(const TProgramData& data, const TProjectTables& tables);

// The checks in the order they run; the first failing one stops the run.
std::string checkBeforeRun(const TProgramData& data, const TProjectTables& tables);

}  // namespace murena
