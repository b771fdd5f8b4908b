#pragma once
// What murena-run tells about one finished run, judged from the report, the
// plot data file and the console messages of the engine.
#include <optional>
#include <string>

#include "tools/plot_scan.h"
#include "tools/report_scan.h"

namespace murena::runner {

struct RunSummary {
  std::string dataFile;
  // The output files of this run; a path is emptied when the run left no such file.
  std::string reportFile, plotFile, notesFile;

  bool engineCalled = false;         // the engine entry was called for this file
  bool endOfAnalysis = false;        // the report holds "END OF ANALYSIS"
  std::optional<int> iterations;     // from the last results heading
  bool closed = false;               // the last solution closed within tolerance, with usable results
  bool notClosed = false;            // the last solution did not close within tolerance
  bool deflectionExceeded = false;   // the last solution exceeded the allowable deflection
  int exceededStations = 0;
  std::optional<std::string> stopCode;  // set when the run stopped early ("" for a stop without a code)

  PlotResults results;               // of the last result record (unitsCode 0: none read)

  std::string error;                 // why the run failed, empty when it did not
  std::string warning;               // what makes its results doubtful, empty when nothing

  bool failed() const { return !error.empty() || !endOfAnalysis; }
};

// Unit texts of the summary for the units code of the plot data file.
struct SummaryUnits {
  const char* length;
  const char* force;
  const char* moment;
  const char* system;
};
SummaryUnits summaryUnits(int unitsCode);

// Judges a run whose engine call returned: `plot` is null when the run left
// no plot data file, `console` is what the engine wrote to its console.
void judgeRun(RunSummary& summary, const ReportScan& report, const PlotScan* plot, const std::string& console);

}  // namespace murena::runner
