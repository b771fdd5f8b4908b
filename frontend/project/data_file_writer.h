#pragma once
// Writing the project as a data file (records 1-14 of the short-term block,
// the long-term block when requested) or as one stage file.  Before writing,
// the tables of switched-off options are emptied, the last wall-stiffness row
// is set to "constant", and the control-line codes are derived.
#include <string>

#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

// Empties the option tables and derives EarthPressureCode, PYCurveCode,
// EICurveSetCount and TiebackCount.
void prepareForWriting(TProgramData& data, TProjectTables& tables);

// The control-line codes the project's switches stand for (what
// prepareForWriting stores): EarthPressureCode and PYCurveCode.
int derivedEarthPressureCode(const TProgramData& data);
int derivedPYCurveCode(const TProgramData& data);

// Text of an unstaged data file, CR LF line ends.
std::string dataFileText(TProgramData& data, TProjectTables& tables);

// Text of stage file `stage`: one block whose title is the project title for
// stage 1 and " Stage No : " + stage for later stages, ended by the stage number.
std::string stageFileText(TProgramData& data, TProjectTables& tables, int stage);

}  // namespace murena
