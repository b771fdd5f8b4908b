#pragma once
// The soil-layer column beside a depth graph: one band per soil-layer mark,
// from the previous mark's depth (0 for the first) to its own, filled with
// the pattern of its soil code and named; or, with the wall sketch, the
// layers on the left two fifths, the soil in front of the wall (below the
// excavation) on the right two fifths and the wall as a grey bar between.
#include <optional>
#include <string>
#include <vector>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_layout.h"
#include "frontend/results/graph_plot.h"

namespace murena {

struct SoilBand {
  draw::Rect rect;
  int pattern = 0;   // the mark's soil code
  std::string name;  // written in the band; empty with the wall sketch
};

struct SoilColumnPicture {
  std::vector<SoilBand> bands;
  std::optional<draw::Rect> wall;
};

// The bands and the wall of the column; depths map through `depth` (the
// graph's y mapping) and are cut at the column's top and bottom.
SoilColumnPicture soilColumnPicture(const TGraphPlot& graph, const draw::Rect& column, const PanelMapping& depth);

// Adds the column to a drawing: bands white, then patterned in black and
// outlined; names on white in `nameFont` (smaller where a name is wider than
// its band); the wall grey.  `largePatterns` selects the printer's pattern
// size.
void drawSoilColumn(draw::Drawing& drawing, const SoilColumnPicture& picture, const draw::Rect& column,
                    const draw::Font& nameFont, bool largePatterns, const draw::TextMetrics& metrics);

inline constexpr draw::Color kWallGrey{128, 128, 128};

}  // namespace murena
