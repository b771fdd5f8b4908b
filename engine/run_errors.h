#pragma once
// The three ways a run leaves its normal course.
#include <stdexcept>
#include <string>

namespace murena {

// Malformed input (a value that is not a number, a premature end of file, a
// count beyond a store, an undefined line mode).  The message names the record
// and, where known, the line and item; the run writes it to the report and
// goes to its normal end.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An input error whose message has already been written to the report: the
// analysis stops and the run goes to its normal end ("END OF ANALYSIS").
struct AnalysisStop {};

// A stop code raised by the soil models ("1", "2", ...; some stops have no
// code): the run ends at once.  The report gets one last line with the code
// and `reason`, so that it explains its own end; nothing else is written to
// the output files, the code goes to the console error stream and the entry
// returns to its caller.
struct StopCode {
  std::string code;
  std::string reason;  // what stopped the run, in the report's words
};

}  // namespace murena
