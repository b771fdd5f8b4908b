#pragma once
// The result graphs without a window: a graph definition (TGraphPlot) holds
// its curves (TLine of TFloatPoint), axis captions, unit strings and display
// options.  The plot data loader fills the graphs; the graph window draws
// them, the workbook export writes them.
//
//   TGraphPlot g;
//   g.CurveName = "Load #";
//   TGraphPlot::SetCurveCount(g.Curves, 2);   // two curves named "Load #1", "Load #2"
//   TGraphPlot::SetPointCount(g.Curves, 10);  // every curve of the list gets 10 points
//   g.Curves[1].Points[3] = {0.25, 12.0};
//   g.displayedName(g.Curves[0]);             // "Load #1"
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace murena {

struct TFloatPoint {
  double X = 0;
  double Y = 0;
  bool operator==(const TFloatPoint&) const = default;
};

// One curve.  A curve without a Name is shown as the graph's CurveName
// followed by its Value.
struct TLine {
  std::vector<TFloatPoint> Points;
  double Value = 0;
  std::string Name;
  bool Visible = true;  // drawn; toggled from the legend
  bool Active = true;   // listed in the legend and drawn
};

using TCurveList = std::vector<TLine>;

// Rewrites the legend text of the curve with the given index.
using TGetCaptionEvent = std::function<void(int index, std::string& text)>;

class TGraphPlot {
 public:
  // Stored properties (kept while the program runs).
  std::string CurveName = "Curve #";
  std::string Caption;
  bool ShowLegend = true;
  bool ShowLayers = false;
  bool ShowWall = false;
  bool ShowThree = false;
  bool ShowFontWidth = true;
  int WallLineCount = 0;  // index of the first wall mark in Layers; 0: none
  int Markers = 1;        // a marker every n-th point; 0: none
  int SizeFont = 10;      // tenths of the window's base font size
  int LegendFont = 11;
  int WidthLine = 1;
  std::string XCaption, XUnits;
  bool XOnTop = true;     // x axis at the top, depth growing downwards
  std::string YCaption, YUnits;
  std::string XCaption2, XUnits2, YCaption2, YUnits2;
  std::string XCaption3, XUnits3, YCaption3, YUnits3;
  TGetCaptionEvent onGetCaption;

  // Curves of the graph (or first panel), soil-layer marks, second and third panel.
  TCurveList Curves;
  TCurveList Layers;
  TCurveList Curves2;
  TCurveList Curves3;

  std::string GraphTitle;
  bool GraphTitleAtTop = false;
  bool LimitActiveCurves = true;  // a window on more than 20 curves starts with 20 active

  // Unit system for expanding unit strings, clamped into 1..3.
  int Units() const { return units_; }
  void SetUnits(int units);

  // Removes curves from the end or appends new ones: a new curve gets Value =
  // (curves in the list) + 1 and as many (0, 0) points as the list's first
  // curve.  Negative counts as 0.
  static void SetCurveCount(TCurveList& list, int count);
  // Gives every curve exactly `count` points, appending (0, 0) points.
  static void SetPointCount(TCurveList& list, int count);
  static int CurveCount(const TCurveList& list) { return static_cast<int>(list.size()); }
  // Point count of the list's first curve; 0 for an empty list.
  static int PointCount(const TCurveList& list);

  // Name when not empty, else CurveName and Value (general format, 15 digits).
  std::string displayedName(const TLine& curve) const;
  // The legend text of curve `index` of Curves: its displayed name,
  // rewritten by onGetCaption when set.
  std::string legendText(int index) const;

  // An axis caption followed by " (" expansion ")" when its unit string is
  // not empty.
  std::string axisTitle(const std::string& caption, const std::string& units) const;

  // Every curve of every list given zero points.
  void clearPoints();

 private:
  int units_ = 1;
};

// A unit string expanded for the graphs: F2, else F1, else F; then L2, else
// L1, else L.  Units 3 leaves the string unchanged.  "F/L" gives "lbs/in".
std::string ExpandUnits(std::string_view units, int unitSystem);

struct TPaletteColor {
  std::uint8_t r, g, b;
};
// Colours of curves and legend entries, used cyclically.
extern const std::array<TPaletteColor, 17> CurvePalette;
inline const TPaletteColor& curveColor(int index) {
  return CurvePalette[static_cast<size_t>(((index % 17) + 17) % 17)];
}

}  // namespace murena
