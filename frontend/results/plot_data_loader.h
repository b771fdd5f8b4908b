#pragma once
// Loading the plot data file (.mr5p) that the engine writes beside the data
// file into the result graphs: earth pressure (with its parts from soil and
// surcharge), p-y curves of the last block, and deflection, moment, shear and
// net reaction per result set, plus the soil-layer and wall marks of the
// deflection-moment-shear view, built from the project.
#include <string>
#include <string_view>

namespace murena {

struct TProgramData;
struct TResultGraphs;
class GridTable;

struct PlotLoadResult {
  bool ok = false;
  // The reader's message when reading stopped (the graphs keep what was read).
  std::string error;
};

// Reads the file.  `soilLayers` is the project's soil layer table (NewSoil);
// the project's EarthPressurePointCount is set from the file.
PlotLoadResult LoadPlotData(const std::string& path, TResultGraphs& graphs, TProgramData& project,
                            const GridTable& soilLayers);
// The same for a text held in memory.
PlotLoadResult LoadPlotDataText(std::string_view text, TResultGraphs& graphs, TProgramData& project,
                                const GridTable& soilLayers);

// The message shown after a run when the plot data file cannot be read.
inline constexpr const char* kPlotLoadFailedMessage = "An error occured in running the main program.";

}  // namespace murena
