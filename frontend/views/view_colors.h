#pragma once
// Colours of the 3D view: red, green, blue and opacity between 0 and 1.
namespace murena::views {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 1;
  bool operator==(const Rgba&) const = default;
  Rgba withOpacity(double opacity) const { return {r, g, b, opacity}; }
};

// Soil layer k (0-based row of the soil layer table): ten colours used in turn.
Rgba layerColor(int k);
// Symbol colours by number: 1 blue, 2 green, 3 red, 4 magenta, 5 cyan,
// 6 yellow; any other number black.
Rgba symbolColor(int index);

inline constexpr Rgba kBlue{0, 0, 1};
inline constexpr Rgba kGreen{0, 1, 0};
inline constexpr Rgba kRed{1, 0, 0};
inline constexpr Rgba kMagenta{1, 0, 1};
inline constexpr Rgba kOrange{1, 0.5, 0};
inline constexpr Rgba kWhite{1, 1, 1};

inline constexpr Rgba kWallFace{0.75, 0.75, 0.75};
inline constexpr Rgba kWallEdge{0.9, 0.9, 0};
inline constexpr Rgba kCapFace{0.25, 0.25, 0.25};
inline constexpr Rgba kCapEdge = kOrange;
inline constexpr Rgba kUndeformedEdge{0.75, 0.75, 0};
inline constexpr Rgba kSpringFace{0.5, 0.5, 0.5};
inline constexpr Rgba kTiebackFace{0.5, 0.75, 0.75};

// Opacities of the translucent parts.
inline constexpr double kSoilFaceOpacity = 0.5;
inline constexpr double kWaterPlaneOpacity = 0.75;
inline constexpr double kBackfillSignOpacity = 0.5;
inline constexpr double kExcavationSignOpacity = 0.75;
inline constexpr double kStripFaceOpacity = 0.25;
inline constexpr double kSymbolSurfaceOpacity = 0.6;

}  // namespace murena::views
