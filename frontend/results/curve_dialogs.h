#pragma once
// What the Legend and Active Curves dialogs edit, without the dialogs: the
// rows of curve names (an empty name is refused) and the rows of active
// flags with their toggles.  OK hands the rows to the graph window
// (PlotView::setCurveNames, PlotView::setActiveCurves).
#include <string>
#include <vector>

#include "frontend/results/graph_plot.h"

namespace murena {

inline constexpr const char* kEmptyCurveNameMessage = "The line must have a name!";

// The Legend dialog: the displayed names of all curves, in curve order.
class CurveNamesEditor {
 public:
  explicit CurveNamesEditor(const TGraphPlot& graph);
  const std::vector<std::string>& names() const { return names_; }
  int count() const { return static_cast<int>(names_.size()); }
  // Stores the text into the row; an empty text is refused (false) and the
  // row keeps its name.
  bool rename(int row, const std::string& text);

 private:
  std::vector<std::string> names_;
};

// The Active Curves dialog: one row per curve, " yes : " or " no  : ", three
// blanks and the displayed name.
class ActiveCurvesEditor {
 public:
  explicit ActiveCurvesEditor(const TGraphPlot& graph);
  int count() const { return static_cast<int>(active_.size()); }
  bool active(int row) const { return active_.at(static_cast<size_t>(row)); }
  const std::vector<bool>& flags() const { return active_; }
  std::string rowText(int row) const;
  void toggle(int row);
  // "Activate/Deactivate Selected": each selected row toggled.
  void toggle(const std::vector<int>& rows);
  void setAll(bool active);

 private:
  std::vector<bool> active_;
  std::vector<std::string> names_;
};

}  // namespace murena
