#pragma once
// Writes a planned workbook (workbook_plan.h) as an .xlsx file with
// libxlsxwriter: cells, links, column widths, and chart sheets with XY
// scatter charts.  No spreadsheet program is involved.
#include <string>

#include "frontend/results/workbook_plan.h"

namespace murena {

// Returns an error text, empty when the file was written.
std::string writeWorkbookFile(const WorkbookPlan& plan, const std::string& path);

}  // namespace murena
