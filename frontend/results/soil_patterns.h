#pragma once
// The fill patterns of the soil-layer column as black-on-white bitmaps, drawn
// by code: 1 clay (diagonal lines), 2 to 6 hatches (forward diagonal, cross,
// diagonal cross, horizontal, vertical), 7 sand (regular dots), 8 silt (short
// horizontal dashes), 9 strong rock (brick courses), 10 weak rock (brick
// courses with diagonal strokes), 11 pebbles with dots, 12 pebbles.  Each has
// a screen size and a larger one for the printer; every bitmap tiles without
// seams.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace murena {

struct PatternBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> black;  // row by row, 1 = black

  bool at(int x, int y) const { return black[static_cast<size_t>(y * width + x)] != 0; }
};

inline constexpr int kFirstSoilPattern = 1;
inline constexpr int kLastSoilPattern = 12;
inline bool isSoilPattern(int code) { return code >= kFirstSoilPattern && code <= kLastSoilPattern; }

// Empty (0 by 0) for a code without a pattern.
PatternBitmap soilPatternBitmap(int code, bool large);

}  // namespace murena
