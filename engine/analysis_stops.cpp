#include "engine/analysis_stops.h"

#include "engine/run_errors.h"

namespace murena {

void stopAnalysis(TextOutput& report, std::string_view message) {
  report.emptyLines(2);
  report.line(message);
  throw AnalysisStop{};
}

void stopStationsNotInOrder(RunContext& ctx) { stopAnalysis(ctx.report, "     ERROR STOP -- STATIONS NOT IN ORDER"); }

void stopTooMuchData(RunContext& ctx) {
  ctx.report.emptyLines(2);
  ctx.report.line("     TOO MUCH DATA FOR AVAILABLE STORAGE");
  ctx.report.emptyLines(2);
  throw AnalysisStop{};
}

void writeStopLine(TextOutput& report, const StopCode& stop) {
  report.emptyLines(2);
  report.line("     RUN STOPPED" + (stop.code.empty() ? std::string() : " WITH CODE " + stop.code) + " -- " +
              stop.reason);
}

}  // namespace murena
