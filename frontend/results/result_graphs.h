#pragma once
// The result graphs of the main window, one per diagram, with the captions,
// curve-name prefixes and axes they start with.  The plot data loader fills
// them; the graph windows, the workbook export and the 3D view's deformed
// shape read them.
#include <array>

#include "frontend/results/graph_plot.h"

namespace murena {

struct TResultGraphs {
  TResultGraphs();

  TGraphPlot pltPY;       // p-y curves of the last block
  TGraphPlot pltDef;      // deflection vs depth, one curve per result set
  TGraphPlot pltMom;      // moment vs depth
  TGraphPlot pltShear;    // shear vs depth
  TGraphPlot pltSoil;     // net reaction vs depth
  TGraphPlot pltLD;       // earth pressure distribution
  TGraphPlot PltCombine;  // total earth pressure and its parts from soil and surcharge
  TGraphPlot pltDMS;      // deflection, moment and shear side by side, with soil-layer marks

  // Every graph, in the order above.
  std::array<TGraphPlot*, 8> all();
};

// The graph holds at least one curve and its first curve has more than one
// point (the rule that enables the graph's commands).
bool hasDrawableCurve(const TGraphPlot& graph);

}  // namespace murena
