#include "frontend/views/view_colors.h"

#include <array>
#include <cstddef>

namespace murena::views {

Rgba layerColor(int k) {
  static constexpr std::array<Rgba, 10> kLayers{{
      {0.8, 0.55, 0},
      {0.55, 0.4, 0.2},
      {0.4, 0.4, 0.2},
      {0.4, 0.4, 0.55},
      {0, 0.5, 0.5},
      {0.2, 0.2, 0.55},
      {0.8, 0, 0.8},
      {0.4, 0.4, 0.55},
      {0.15, 0.15, 0.45},
      {0.65, 0.4, 0.2},
  }};
  return kLayers[static_cast<std::size_t>(((k % 10) + 10) % 10)];
}

Rgba symbolColor(int index) {
  switch (index) {
    case 1: return kBlue;
    case 2: return kGreen;
    case 3: return kRed;
    case 4: return kMagenta;
    case 5: return {0, 1, 1};
    case 6: return {1, 1, 0};
    default: return {0, 0, 0};
  }
}

}  // namespace murena::views
