#pragma once
// Switching the open project between unit systems (menu Options, Units; and
// when a file is read, before its values are stored).  Only a switch between
// English and SI converts values: the scalars by the rounded length and force
// factors, every real column of every table (sub-tables included) by the
// factor of its units template, and the surcharge magnitudes by row type.
// Any switch involving "other" units only relabels.
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

void switchUnitSystem(TProgramData& data, TProjectTables& tables, int requestedSystem);

}  // namespace murena
