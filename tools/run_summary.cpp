#include "tools/run_summary.h"

#include "tools/stop_reasons.h"

namespace murena::runner {

SummaryUnits summaryUnits(int unitsCode) {
  switch (unitsCode) {
    case 1: return {"in", "lbs", "lbs-in", "English"};
    case 2: return {"m", "kN", "kN-m", "SI"};
    default: return {"L", "F", "F-L", "other"};
  }
}

void judgeRun(RunSummary& s, const ReportScan& report, const PlotScan* plot, const std::string& console) {
  s.endOfAnalysis = report.endOfAnalysis;
  s.iterations = report.iterations;
  s.notClosed = report.notClosed;
  s.deflectionExceeded = report.deflectionExceeded;
  s.exceededStations = report.exceededStations;
  if (plot != nullptr) {
    if (std::optional<PlotResults> results = plot->results()) s.results = *results;
  }

  if (!report.inputError.empty()) {
    s.error = "input error: " + report.inputError;
  } else if (!report.endOfAnalysis) {
    StopReason reason = stopReason(console);
    s.stopCode = reason.code;
    s.error = stopMessage(reason, report.lastLine);
  } else if (!report.unfitResult.empty()) {
    s.error = "the report holds results that are not finite numbers or do not fit their fields (" +
              report.unfitResult + ")";
  } else if (plot == nullptr) {
    s.error = "the engine wrote no plot data file";
  } else if (!plot->unfitValue().empty()) {
    s.error = "the plot data file holds values that are not finite numbers or do not fit their fields (" +
              plot->unfitValue() + ")";
  } else if (!s.iterations) {
    s.error = "the report holds no results";
  }
  s.closed = s.error.empty() && s.iterations && !s.notClosed && !s.deflectionExceeded;

  if (s.deflectionExceeded) {
    s.warning = "the deflection exceeded the maximum allowable deflection at " + std::to_string(s.exceededStations) +
                " stations; the iteration stopped there and the results are those of that iteration";
  } else if (s.notClosed) {
    s.warning = "the solution did not close within the deflection tolerance";
    if (s.iterations) s.warning += " in " + std::to_string(*s.iterations) + " iterations";
    s.warning += "; the results are not a converged solution";
  }
}

}  // namespace murena::runner
