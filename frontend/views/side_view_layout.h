#pragma once
// The side view of the project as a drawing: the wall outline, the ground
// and excavation lines, the soil layers with their labels, the backfill
// slope, restraint and p-y curve markers and a small top view of the wall
// elements.  The same drawing serves the window, the printer, images, SVG
// and PDF; only the style (area, pens, font, colours) differs.
//
// Drawing units are the project's length unit for the wall (inches in
// English projects, metres in SI); y grows downwards and the top of the
// wall lies a tenth of the wall length below y = 0.
#include <string>

#include "frontend/results/drawing.h"

namespace murena {
struct TProgramData;
class TProjectTables;
class GridTable;
}  // namespace murena

namespace murena::views {

// The wall outline: x from -halfThickness to halfThickness, y from top to
// top + length.  Empty when the wall-stiffness table has no rows.
struct SideOutline {
  bool valid = false;
  double top = 0;            // y0 = 0.1 L
  double length = 0;         // L = NodeCount x IncrementLength
  double halfThickness = 0;  // a = FreeHeight / 40
  double bottom() const { return top + length; }
};
SideOutline sideOutline(const TProgramData& data, const TProjectTables& tables);

// The part of the drawing plane shown.
struct DrawingWindow {
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  // Nothing is drawn while a range is zero.
  bool empty() const { return !(xMax > xMin) || !(yMax > yMin); }
};
// x from 1.05 x the outline's smallest x to 1.05 x its largest, y from 0 (the
// free tenth above the wall) to 1.05 x the wall's bottom.
DrawingWindow drawingWindow(const SideOutline& outline);
// The window corrected to the shape of the device area: with r = (width /
// height) / (x range / y range), the x limits are multiplied by r when r is
// at least 1, otherwise the y limits are divided by r.
DrawingWindow correctToShape(const DrawingWindow& window, double width, double height);

// Drawing units to device units for a device area.
class SideMapping {
 public:
  SideMapping(const DrawingWindow& window, const draw::Rect& area) : window_(window), area_(area) {}
  // Rounded to whole device units as the window draws them.
  draw::Point toDevice(double x, double y) const;
  double deviceY(double y) const;
  // The drawing y shown at a device y (not rounded).
  double drawingY(double deviceY) const;
  // Device length of a drawing length (x direction).
  double deviceLength(double length) const;
  const draw::Rect& area() const { return area_; }
  const DrawingWindow& window() const { return window_; }

 private:
  DrawingWindow window_;
  draw::Rect area_;
};

// The two label lines of a soil layer: the type's name and its main
// parameters from the bottom row of the layer's parameter table.
struct SoilLabel {
  std::string name;
  std::string parameters;
};
SoilLabel soilLayerLabel(int soilType, const GridTable* parameters);

// Layers are drawn when the soil data is in use: earth pressure or p-y
// curves generated from it.
bool soilDataInUse(const TProgramData& data);

// What differs between the window and a printed page.
struct SideViewStyle {
  draw::Rect area;           // device area the drawing window is mapped to
  double pixel = 1;          // device units per screen pixel (for the pixel sizes)
  double pen = 1;            // thin lines
  double heavyPen = 2;       // markers
  draw::Font font{draw::FontFamily::Sans, 12, false};
  draw::Color background{240, 240, 240};
  draw::Color wallFill{160, 160, 160};
  bool fillBackground = true;
  bool frame = false;        // printed: a frame around the area
};
// The window's client area.
SideViewStyle screenSideViewStyle(double width, double height, draw::Color background, draw::Color wallFill);
// A landscape page: everything inside a frame from 10% to 90% of the page.
SideViewStyle printedSideViewStyle(double pageWidth, double pageHeight, double dpi);

// The drawing; empty (only the background) when there is no wall or a
// range of the window is zero.  `deviceWidth`/`deviceHeight` size the drawing.
draw::Drawing buildSideView(const TProgramData& data, const TProjectTables& tables, const SideViewStyle& style,
                            double deviceWidth, double deviceHeight, const draw::TextMetrics& metrics);

// "  Depth: " and the depth below the top of the wall at a device y of the
// window's drawing (fixed, one decimal); empty when nothing is drawn.
std::string depthReadout(const TProgramData& data, const TProjectTables& tables, double width, double height,
                         double deviceY);

}  // namespace murena::views
