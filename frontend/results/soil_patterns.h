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

// The device dots one pattern pixel covers on a device of `dpi` dots per
// inch: the screen patterns are made for 96 dots per inch and the printer's
// for 300, so on a denser device (a 600 or 1200 dpi printer, a picture saved
// at 300 pixels per inch) each pixel is enlarged to keep the pattern's size
// on paper instead of turning into a grey haze.
int soilPatternDotsPerPixel(bool large, double dpi);

}  // namespace murena
