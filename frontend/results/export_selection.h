#pragma once
// What the "Export to Excel" dialog chooses from: the exportable graphs in
// list order (p-y curves, deflection, shear, moment, net reaction, earth
// pressure distribution, earth pressure combined), each enabled and checked
// when its Graphics menu item is enabled.
#include <string>
#include <vector>

#include "frontend/results/result_graphs.h"

namespace murena {

struct ExportEntry {
  const TGraphPlot* graph = nullptr;
  bool enabled = false;
  bool checked = false;
};

class ExportSelection {
 public:
  ExportSelection(const TResultGraphs& graphs, bool resultsLoaded);

  const std::vector<ExportEntry>& entries() const { return entries_; }
  // Disabled entries keep their state.
  void setChecked(int index, bool checked);
  void selectAll() { setAllEnabled(true); }
  void unselectAll() { setAllEnabled(false); }
  // "Generate Excel File" is enabled while at least one entry is checked.
  bool canGenerate() const;
  // The checked graphs in list order.
  std::vector<const TGraphPlot*> chosen() const;

 private:
  void setAllEnabled(bool checked);
  std::vector<ExportEntry> entries_;
};

// The Graphics menu's rule for a graph's command: results are loaded and,
// except for the combined earth pressure, the graph has a curve of more
// than one point.
bool graphCommandEnabled(const TResultGraphs& graphs, const TGraphPlot& graph, bool resultsLoaded);

// The workbook's default file: beside the data file, named after it (.xlsx).
std::string defaultWorkbookPath(const std::string& dataFile);

}  // namespace murena
