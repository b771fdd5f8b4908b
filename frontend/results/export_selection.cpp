#include "frontend/results/export_selection.h"

#include <filesystem>

namespace murena {

bool graphCommandEnabled(const TResultGraphs& graphs, const TGraphPlot& graph, bool resultsLoaded) {
  if (!resultsLoaded) return false;
  return &graph == &graphs.PltCombine || hasDrawableCurve(graph);
}

ExportSelection::ExportSelection(const TResultGraphs& graphs, bool resultsLoaded) {
  for (const TGraphPlot* g : {&graphs.pltPY, &graphs.pltDef, &graphs.pltShear, &graphs.pltMom, &graphs.pltSoil,
                              &graphs.pltLD, &graphs.PltCombine}) {
    const bool enabled = graphCommandEnabled(graphs, *g, resultsLoaded);
    entries_.push_back({g, enabled, enabled});
  }
}

void ExportSelection::setChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  ExportEntry& e = entries_[static_cast<size_t>(index)];
  if (e.enabled) e.checked = checked;
}

void ExportSelection::setAllEnabled(bool checked) {
  for (ExportEntry& e : entries_)
    if (e.enabled) e.checked = checked;
}

bool ExportSelection::canGenerate() const {
  for (const ExportEntry& e : entries_)
    if (e.checked) return true;
  return false;
}

std::vector<const TGraphPlot*> ExportSelection::chosen() const {
  std::vector<const TGraphPlot*> out;
  for (const ExportEntry& e : entries_)
    if (e.checked) out.push_back(e.graph);
  return out;
}

std::string defaultWorkbookPath(const std::string& dataFile) {
  if (dataFile.empty()) return "Untitled.xlsx";
  return std::filesystem::path(dataFile).replace_extension(".xlsx").string();
}

}  // namespace murena
