#include "tools/plot_scan.h"

#include <cmath>
#include <string>

#include "tools/field_text.h"

namespace murena::runner {
namespace {

// Keeps the value of largest magnitude (the first one on ties).
void keepLargest(std::optional<Extreme>& extreme, double value, double depth) {
  if (!extreme || std::fabs(value) > std::fabs(extreme->value)) extreme = Extreme{value, depth};
}

}  // namespace

void PlotScan::addLine(std::string_view line) {
  ++lineNumber_;
  std::vector<std::string_view> items = lineItems(line);
  std::vector<double> values;
  for (std::string_view item : items) {
    std::optional<double> value = parseFieldNumber(item);
    if (!value) {
      if (unfitValue_.empty()) unfitValue_ = "line " + std::to_string(lineNumber_) + ": " + std::string(item);
      values.clear();
      break;
    }
    values.push_back(*value);
  }
  if (items.empty()) return;

  // A head of three integers starts a result record; no other record of the
  // file has lines of three items.
  if (items.size() == 3) {
    auto setCount = parseInteger(items[0]);
    auto rowCount = parseInteger(items[1]);
    auto units = parseInteger(items[2]);
    if (setCount && rowCount && units && *rowCount >= 0) {
      inRecord_ = true;
      units_ = static_cast<int>(*units);
      declaredRows_ = *rowCount;
      rows_.clear();
      rowsBroken_ = false;
      closeRecord();
      return;
    }
  }
  if (!inRecord_) return;
  if (values.size() != 5) {
    rowsBroken_ = true;
    inRecord_ = false;
    return;
  }
  rows_.push_back(Row{values[0], values[1], values[2], values[3]});
  closeRecord();
}

// Completes the record once all its rows are read.
void PlotScan::closeRecord() {
  if (!inRecord_ || rowsBroken_ || static_cast<long>(rows_.size()) != declaredRows_) return;
  inRecord_ = false;
  PlotResults results;
  results.unitsCode = units_;
  results.resultRows = static_cast<int>(rows_.size());
  // The last row is the fictitious station one increment below the tip: it is
  // no part of the wall and is left out of the extremes.
  std::size_t wallRows = rows_.size() >= 2 ? rows_.size() - 1 : rows_.size();
  for (std::size_t i = 0; i < wallRows; ++i) {
    keepLargest(results.deflection, rows_[i].deflection, rows_[i].depth);
    keepLargest(results.moment, rows_[i].moment, rows_[i].depth);
    keepLargest(results.shear, rows_[i].shear, rows_[i].depth);
  }
  complete_ = results;
  rows_.clear();
}

std::optional<PlotResults> PlotScan::results() const { return complete_; }

}  // namespace murena::runner
