#pragma once
// Check before a run: a soil table whose rows do not all go deeper.  A row
// whose depth at bottom is not below the row above it ends the layer list; the
// engine refuses a block where such a row has a deeper row after it, and this
// check gives the same message before the engine is called.
#include <string>

#include "frontend/entry/grid_table.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

// The message for `soil` (NewSoil, or LongSoil with `longTerm`) as the engine
// words it after its "     ERROR -- " lead, for example "SOIL LAYER 2 DOES
// NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM 20.00 FT), BUT A DEEPER
// LAYER FOLLOWS"; empty when the rows are in order or only trail the table.
// Depths are compared as the data file carries them (written by the data-file
// writer: feet times 12 in English units, 8 significant digits).
std::string soilRowsMessage(const GridTable& soil, int unitSystem, bool longTerm);

// The message for NewSoil, or else for LongSoil when long-term analysis is on.
std::string soilRowsMessage(const TProgramData& data, const TProjectTables& tables);

}  // namespace murena
