#pragma once
// The two forms of the summary murena-run prints for each run: a short text
// block for people and one JSON object per line for scripts.
#include <string>

#include "tools/run_summary.h"

namespace murena::runner {

std::string summaryText(const RunSummary& summary);
std::string summaryJson(const RunSummary& summary);

// A JSON string literal (quotes included) for any byte text.
std::string jsonString(const std::string& text);

}  // namespace murena::runner
