#pragma once
// The rows of a soil-layer table as the data file holds them: each row gives
// the depth at the bottom of its layer, and the list of layers ends at the
// first row that does not go deeper than the row above it.  Such rows may only
// trail the table (an unfilled last row); a row that does not go deeper with a
// deeper row after it would silently drop that deeper soil, so the engine
// refuses the block and the front end warns before a run, both with the text
// of `soilRowNotDeeperMessage`.
#include <cstdio>
#include <span>
#include <string>

#include "common/unit_system.h"

namespace murena::soilrows {

// Depths closer than this count as the same depth (the soil models' matching
// tolerance), so no layer is ever thinner than it.
inline constexpr double kDepthTolerance = 1.0E-5;

// `bottoms` are the depths at the bottom of the rows, top down, in the data
// file's units (inches in English units).  True when row `i` goes deeper than
// the row above it (the first row: deeper than the top of the wall).
inline bool goesDeeper(std::span<const double> bottoms, std::size_t i) {
  const double above = i == 0 ? 0.0 : bottoms[i - 1];
  return bottoms[i] - above >= kDepthTolerance;
}

// Number of rows that make up the layer list: the rows before the first one
// that does not go deeper.
inline int rowsInUse(std::span<const double> bottoms) {
  std::size_t n = 0;
  while (n < bottoms.size() && goesDeeper(bottoms, n)) ++n;
  return static_cast<int>(n);
}

// Index of the row that ends the layer list while a later row still goes
// deeper (the rows in between are lost), or -1 when the list ends cleanly.
inline int rowNotDeeperBeforeDeeper(std::span<const double> bottoms) {
  const std::size_t end = static_cast<std::size_t>(rowsInUse(bottoms));
  for (std::size_t i = end + 1; i < bottoms.size(); ++i)
    if (goesDeeper(bottoms, i)) return static_cast<int>(end);
  return -1;
}

// "SOIL LAYER 3 DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM
// 20.00 FT), BUT A DEEPER LAYER FOLLOWS".  `row` is 0-based, `bottom` in the
// data file's units; the depth is named as the soil table of the report shows
// it (feet in English units).  The long-term soil table is named as such.
inline std::string soilRowNotDeeperMessage(int row, double bottom, int unitSystem, bool longTerm) {
  const bool english = unitSystem == kEnglishUnits;
  const char* unit = english ? "FT" : unitSystem == kSIUnits ? "M" : "L";
  char text[512];  // room for any double in %.2f
  std::snprintf(text, sizeof text,
                "%sSOIL LAYER %d DOES NOT GO DEEPER THAN THE LAYER ABOVE (DEPTH AT BOTTOM %.2f %s), "
                "BUT A DEEPER LAYER FOLLOWS",
                longTerm ? "LONG-TERM " : "", row + 1, english ? bottom / 12.0 : bottom, unit);
  return text;
}

}  // namespace murena::soilrows
