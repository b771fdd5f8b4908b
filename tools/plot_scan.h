#pragma once
// Reads the engine's plot data file line by line: the last result record
// (head "resultSetCount rowCount units", then rows of depth, deflection,
// moment, shear and net reaction) gives the largest values along the wall,
// and every item of the file must be a finite number that fitted its field.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murena::runner {

// A largest value along the wall (by magnitude, sign kept) and its depth.
struct Extreme {
  double value = 0.0;
  double depth = 0.0;
};

struct PlotResults {
  int unitsCode = 0;   // of the last result record (0: none read)
  int resultRows = 0;  // station rows of the last result record
  std::optional<Extreme> deflection, moment, shear;
};

class PlotScan {
 public:
  void addLine(std::string_view line);
  // The last complete result record, when there is one.
  std::optional<PlotResults> results() const;
  // The first item that is not a finite number ("line N: item"), empty when
  // every item is one.
  const std::string& unfitValue() const { return unfitValue_; }

 private:
  struct Row {
    double depth, deflection, moment, shear;
  };
  long lineNumber_ = 0;
  std::string unfitValue_;
  // The record being read: its head, and the five-value rows after it.
  bool inRecord_ = false;
  int units_ = 0;
  long declaredRows_ = 0;
  std::vector<Row> rows_;
  bool rowsBroken_ = false;  // a line that is not a result row followed the head
  std::optional<PlotResults> complete_;
  void closeRecord();
};

}  // namespace murena::runner
