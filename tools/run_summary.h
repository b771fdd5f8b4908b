#pragma once
// What murena-run tells about one finished run, taken from the report and the
// plot data file the engine wrote.
#include <optional>
#include <string>
#include <vector>

namespace murena::runner {

// A largest value along the wall (by magnitude, sign kept) and its depth.
struct Extreme {
  double value = 0.0;
  double depth = 0.0;
};

struct RunSummary {
  std::string dataFile;
  std::string reportFile, plotFile, notesFile;

  bool engineCalled = false;         // the engine entry was called for this file
  bool endOfAnalysis = false;        // the report holds "END OF ANALYSIS"
  std::optional<int> iterations;     // from the last results heading
  bool closed = false;               // the last solution closed within tolerance
  bool deflectionExceeded = false;   // the last solution exceeded the allowable deflection

  int unitsCode = 0;                 // of the last result record (0: none read)
  int resultRows = 0;                // station rows of the last result record
  std::optional<Extreme> deflection, moment, shear;

  std::string error;                 // why the run failed, empty when it did not
};

// Unit texts of the summary for the units code of the plot data file.
struct SummaryUnits {
  const char* length;
  const char* force;
  const char* moment;
  const char* system;
};
SummaryUnits summaryUnits(int unitsCode);

// Fills the report fields of `summary` from the report text.
void readReport(const std::string& reportText, RunSummary& summary);

// Fills the result fields of `summary` from the plot data text: the last
// result record (head "resultSetCount rowCount units", then rows of depth,
// deflection, moment, shear, net reaction).  Returns false when the text
// holds no complete result record.
bool readPlotResults(const std::string& plotText, RunSummary& summary);

// Reads a whole file; nullopt when it cannot be opened.
std::optional<std::string> readWholeFile(const std::string& path);

// Parses one number of the engine's fixed-width fields, including the
// three-digit exponent form without the letter ("0.1250+102").
std::optional<double> parseFieldNumber(const std::string& token);

}  // namespace murena::runner
