// libFuzzer harness: every input is loaded as a plot data file into the
// result graphs of a project with soil layers.  Loading either succeeds or
// fails with the reader's message; whatever was read stays consistent: every
// result graph keeps as many curves in each of its lists, and the
// earth-pressure point count is the longest earth-pressure curve's.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/result_graphs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace murena;
  static TProjectTables tables;
  static bool prepared = false;
  if (!prepared) {
    tables.NewSoil.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
      tables.NewSoil.setInteger(col::kSoilType, r, 1 + 3 * r);
      tables.NewSoil.setReal(col::kSoilDepth, r, 10.0 * (r + 1));
    }
    prepared = true;
  }
  TProgramData project;
  project.NodeCount = 80;
  project.IncrementLength = 6;
  project.FreeHeight = 120;
  project.LongTermAnalysis = size % 2 == 1;
  TResultGraphs graphs;
  const PlotLoadResult result =
      LoadPlotDataText(std::string_view(reinterpret_cast<const char*>(data), size), graphs, project, tables.NewSoil);
  if (!result.ok && result.error.empty()) std::abort();
  if (result.ok) {
    const TGraphPlot& dms = graphs.pltDMS;
    if (dms.Curves.size() != dms.Curves2.size() || dms.Curves.size() != dms.Curves3.size()) std::abort();
    if (graphs.pltDef.Curves.size() != graphs.pltMom.Curves.size()) std::abort();
    for (const TLine& curve : graphs.pltLD.Curves)
      if (curve.Points.size() > static_cast<std::size_t>(project.EarthPressurePointCount)) std::abort();
  }
  return 0;
}
