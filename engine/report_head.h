#pragma once
// The head of every block in the report: banner, file names, the time of the
// run and the block heading.
#include "engine/run_context.h"

namespace murena {

void writeReportHead(RunContext& ctx);

// The second block of an unstaged run: the long-term analysis.
inline bool isLongTermBlock(const RunContext& ctx) {
  return ctx.block.control.stageCount < 2 && ctx.blockNumber > 1;
}
void writeBlockHeading(RunContext& ctx);

// The framed heading used by the report's input blocks:
// b6 + 50 stars, b6 + `title`, b6 + 50 stars.
void writeFramedHeading(TextOutput& out, std::string_view title);

}  // namespace murena
