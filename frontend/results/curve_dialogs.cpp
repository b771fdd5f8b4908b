#include "frontend/results/curve_dialogs.h"

namespace murena {

CurveNamesEditor::CurveNamesEditor(const TGraphPlot& graph) {
  for (const TLine& c : graph.Curves) names_.push_back(graph.displayedName(c));
}

bool CurveNamesEditor::rename(int row, const std::string& text) {
  if (text.empty() || row < 0 || row >= count()) return false;
  names_[static_cast<size_t>(row)] = text;
  return true;
}

ActiveCurvesEditor::ActiveCurvesEditor(const TGraphPlot& graph) {
  for (const TLine& c : graph.Curves) {
    active_.push_back(c.Active);
    names_.push_back(graph.displayedName(c));
  }
}

std::string ActiveCurvesEditor::rowText(int row) const {
  return std::string(active(row) ? " yes : " : " no  : ") + "   " + names_.at(static_cast<size_t>(row));
}

void ActiveCurvesEditor::toggle(int row) {
  if (row < 0 || row >= count()) return;
  active_[static_cast<size_t>(row)] = !active_[static_cast<size_t>(row)];
}

void ActiveCurvesEditor::toggle(const std::vector<int>& rows) {
  for (int r : rows) toggle(r);
}

void ActiveCurvesEditor::setAll(bool active) { active_.assign(active_.size(), active); }

}  // namespace murena
