#include "frontend/views/side_view_layout.h"

#include <algorithm>
#include <cmath>
#include <charconv>

#include "common/data_file_layout.h"
#include "common/soil_types.h"
#include "common/unit_system.h"
#include "frontend/entry/general_format.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/soil_parameter_items.h"
#include "frontend/views/vector_math.h"

namespace murena::views {

namespace {

// Margin of the drawing window beyond the outline.
constexpr double kMargin = 1.05;
// The top view of the wall elements stands right of the wall, near the top.
constexpr double kTopViewX = 400.0 / 580;  // of the width
constexpr double kTopViewY = 70;           // pixels below the top
constexpr int kTopViewElements = 5;
constexpr double kLabelGap = 5;            // pixels below the top for "top view" and "side view"
constexpr double kTopViewMargin = 5;       // pixels kept free below the last element

// Indices into SoilParameterItems: unit weight, cohesion (or compressive
// strength of rock), friction angle.
constexpr size_t kUnitWeightItem = 0;
constexpr size_t kCohesionItem = 1;
constexpr size_t kFrictionItem = 2;

std::string value(const GridTable* t, const SoilParameterItems& items, size_t item) {
  const int column = items[item].column;
  if (t == nullptr || column < 0 || column >= t->columnCount() || t->rowCount() < 1) return "0";
  // The bottom of the layer: the second row.
  return formatGeneral(t->real(column, std::min(1, t->rowCount() - 1)), 8);
}

// A row of the external p-y curve sets that holds no curve: the default rows
// a table keeps while the option is off.
bool isBlankCurveSet(const GridTable& sets, int row) {
  const GridTable* curve = sets.subTable(col::kSetCurve, row);
  if (curve == nullptr) return true;
  for (int r = 0; r < curve->rowCount(); ++r)
    if (curve->real(col::kCurveY, r) != 0 || curve->real(col::kCurveP, r) != 0) return false;
  return true;
}

}  // namespace

SideOutline sideOutline(const TProgramData& data, const TProjectTables& tables) {
  SideOutline o;
  if (tables.PileSect.rowCount() == 0) return o;
  o.valid = true;
  o.length = data.NodeCount * data.IncrementLength;
  o.top = 0.1 * o.length;
  o.halfThickness = data.FreeHeight / 40;
  return o;
}

DrawingWindow drawingWindow(const SideOutline& o) {
  if (!o.valid) return {};
  return {-kMargin * o.halfThickness, kMargin * o.halfThickness, 0, kMargin * o.bottom()};
}

DrawingWindow correctToShape(const DrawingWindow& window, double width, double height) {
  DrawingWindow w = window;
  if (w.empty() || width <= 0 || height <= 0) return w;
  const double r = (width / height) / ((w.xMax - w.xMin) / (w.yMax - w.yMin));
  if (r >= 1) {
    w.xMin *= r;
    w.xMax *= r;
  } else {
    w.yMin /= r;
    w.yMax /= r;
  }
  return w;
}

draw::Point SideMapping::toDevice(double x, double y) const {
  return {area_.left + std::round(area_.width() * (x - window_.xMin) / (window_.xMax - window_.xMin)), deviceY(y)};
}

double SideMapping::deviceY(double y) const {
  return area_.top + std::round(area_.height() * (y - window_.yMin) / (window_.yMax - window_.yMin));
}

double SideMapping::drawingY(double deviceY) const {
  return window_.yMin + (deviceY - area_.top) * (window_.yMax - window_.yMin) / area_.height();
}

double SideMapping::deviceLength(double length) const {
  return area_.width() * length / (window_.xMax - window_.xMin);
}

SoilLabel soilLayerLabel(int soilType, const GridTable* t) {
  const SoilParameterItems* items = soilParameterItems(soilType);
  if (items == nullptr) return {};
  const std::string gamma = "; gamma= " + value(t, *items, kUnitWeightItem);
  switch (soilType) {
    case kSoftClay: return {"Soft clay", "c= " + value(t, *items, kCohesionItem) + gamma};
    case kStiffClayFreeWater: return {"Stiff clay w/free water", "c= " + value(t, *items, kCohesionItem) + gamma};
    case kStiffClayNoFreeWater:
      return {"Stiff clay w/o free water", "c= " + value(t, *items, kCohesionItem) + gamma};
    case kSand: return {"Sand", "\xC3\xB8= " + value(t, *items, kFrictionItem) + gamma};
    case kSilt:
      return {"Silt",
              "\xC3\xB8= " + value(t, *items, kFrictionItem) + "; c= " + value(t, *items, kCohesionItem) + gamma};
    case kStrongRock: return {"Rock", "compressive strength= " + value(t, *items, kCohesionItem) + gamma};
    case kWeakRock: return {"Weak Rock", "compressive strength= " + value(t, *items, kCohesionItem) + gamma};
    default: return {};
  }
}

bool soilDataInUse(const TProgramData& data) {
  // Triangular or trapezoidal earth pressure, or p-y curves, generated from
  // the soil layers.
  const int pressure = derivedEarthPressureCode(data);
  return pressure == layout::kTriangularPressure || pressure == layout::kTrapezoidalPressure ||
         derivedPYCurveCode(data) == layout::kGeneratedCurves;
}

SideViewStyle screenSideViewStyle(double width, double height, draw::Color background, draw::Color wallFill) {
  SideViewStyle s;
  s.area = {0, 0, width, height};
  s.background = background;
  s.wallFill = wallFill;
  return s;
}

SideViewStyle printedSideViewStyle(double pageWidth, double pageHeight, double dpi) {
  SideViewStyle s;
  s.area = {0.1 * pageWidth, 0.1 * pageHeight, 0.9 * pageWidth, 0.9 * pageHeight};
  s.pixel = dpi / 96;
  // 6 dots for the thin lines at 600 dpi, twice that for the markers.
  s.pen = std::max(1.0, dpi / 100);
  s.heavyPen = 2 * s.pen;
  s.font = draw::Font{draw::FontFamily::Sans, 10 * dpi / 72, false};
  s.background = draw::kWhite;
  s.fillBackground = false;
  s.frame = true;
  return s;
}

draw::Drawing buildSideView(const TProgramData& data, const TProjectTables& tables, const SideViewStyle& style,
                            double deviceWidth, double deviceHeight, const draw::TextMetrics& metrics) {
  draw::Drawing d(deviceWidth, deviceHeight, 96 * style.pixel, 96 * style.pixel);
  const draw::Rect& area = style.area;
  if (style.fillBackground) d.fill({0, 0, deviceWidth, deviceHeight}, style.background);
  if (style.frame) d.rect(area, draw::Pen{draw::kBlack, style.pen});

  const SideOutline outline = sideOutline(data, tables);
  const DrawingWindow window = correctToShape(drawingWindow(outline), area.width(), area.height());
  if (!outline.valid || window.empty()) return d;
  const SideMapping map(window, area);

  const double px = style.pixel;
  const double left = area.left, right = area.right, middle = area.left + area.width() / 2;
  auto at = [&](double fraction) { return area.left + fraction * area.width(); };
  const draw::Pen pen{draw::kBlack, style.pen};
  const draw::Pen heavy{draw::kBlack, style.heavyPen};
  const double y0 = outline.top;
  const double ground = map.deviceY(y0);
  const double excavation = map.deviceY(y0 + data.FreeHeight);
  const double lineHeight = metrics.height(style.font);

  if (soilDataInUse(data)) {
    const GridTable& soil = tables.NewSoil;
    const double toDrawing = data.UnitSystem == kEnglishUnits ? 12 : 1;
    double top = 0;
    for (int k = 0; k < soil.rowCount(); ++k) {
      const double bottom = soil.real(col::kSoilDepth, k);
      const double topY = map.deviceY(top * toDrawing + y0);
      const double bottomDrawing = bottom * toDrawing + y0;
      const double bottomY = map.deviceY(bottomDrawing);
      if (k == 0) {
        d.line({left, ground}, {middle, ground}, pen);
        if (data.BackfillSlope > 0) {
          const double run = at(0.25) - left;
          d.line({middle, ground}, {at(0.25), ground - run * std::tan(radians(data.BackfillSlope))}, pen);
        } else {
          for (int s = 1; s <= 5; ++s)
            d.line({left + (100 + 20 * s) * px, ground}, {left + (115 + 20 * s) * px, ground + 5 * px}, pen);
        }
      }
      const bool across = bottomDrawing >= y0 + data.FreeHeight;
      d.line({left, bottomY}, {across ? right : middle, bottomY}, pen);
      const SoilLabel label = soilLayerLabel(soil.integer(col::kSoilType, k), soil.subTable(col::kSoilParameters, k));
      d.text({left + 2 * px, topY + 2 * px}, label.name, style.font);
      d.text({left + 2 * px, topY + 2 * px + lineHeight}, label.parameters, style.font);
      top = bottom;
    }
  }

  const draw::Point a = map.toDevice(-outline.halfThickness, y0);
  const draw::Point b = map.toDevice(outline.halfThickness, outline.bottom());
  d.polygon({{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}}, draw::Pen{draw::kBlack, style.pen},
            draw::Brush{style.wallFill, static_cast<int>(draw::Fill::Solid)});

  d.line({left, ground}, {middle, ground}, pen);
  d.line({middle, excavation}, {right, excavation}, pen);

  if (data.ApplyRestraints) {
    const GridTable& t = tables.SoilLayer;
    for (int r = 0; r < t.rowCount(); ++r) {
      const double y = map.deviceY(t.integer(col::kRestraintNode, r) * data.IncrementLength + y0);
      const double head = 0.01 * area.width();
      d.line({at(0.52), y}, {at(0.50), y}, heavy);
      d.line({at(0.50), y}, {at(0.52), y - head}, heavy);
      d.line({at(0.50), y}, {at(0.52), y + head}, heavy);
    }
  }

  if (data.ApplyPYCurves || data.EarthPressurePointCount > 1) {
    const GridTable& t = tables.PYCurves2;
    for (int r = 0; r < t.rowCount(); ++r) {
      if (isBlankCurveSet(t, r)) continue;
      const double y = map.deviceY(t.integer(col::kSetNode, r) * data.IncrementLength + y0);
      const double head = 0.01 * area.width();
      d.line({at(0.50), y}, {at(0.45), y}, heavy);
      d.line({at(0.43), y}, {at(0.38), y}, heavy);
      d.line({at(0.38), y}, {at(0.40), y - head}, heavy);
      d.line({at(0.38), y}, {at(0.40), y + head}, heavy);
    }
  }

  if (data.ActiveWidth > 0 && data.PYWidth > 0) {
    const double cx = at(kTopViewX);
    double radius = map.deviceLength(data.PYWidth);
    double spacing = map.deviceLength(2 * data.ActiveWidth);
    // Wide elements far apart are shrunk to keep all five in the window.
    const double room = area.height() - (kTopViewY + kTopViewMargin) * px;
    const double needed = (kTopViewElements - 1) * spacing + radius;
    if (needed > room && room > 0) {
      radius *= room / needed;
      spacing *= room / needed;
    }
    for (int i = 0; i < kTopViewElements; ++i) {
      const double cy = area.top + kTopViewY * px + spacing * i;
      d.ellipse({cx - radius, cy - radius, cx + radius, cy + radius}, pen,
                draw::Brush{draw::kWhite, static_cast<int>(draw::Fill::Solid)});
    }
    d.text({cx + 2 * px, area.top + kLabelGap * px}, "top view", style.font);
    d.text({middle, area.top + kLabelGap * px}, "side view", style.font);
  }
  return d;
}

std::string depthReadout(const TProgramData& data, const TProjectTables& tables, double width, double height,
                         double deviceY) {
  const SideOutline outline = sideOutline(data, tables);
  const DrawingWindow window = correctToShape(drawingWindow(outline), width, height);
  if (!outline.valid || window.empty()) return {};
  const SideMapping map(window, {0, 0, width, height});
  double depth = map.drawingY(deviceY) - outline.top;
  if (std::abs(depth) < 0.05) depth = 0;  // no "-0.0"
  // Fixed with one decimal, whatever the locale.
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, depth, std::chars_format::fixed, 1).ptr;
  return "  Depth: " + std::string(text, end);
}

}  // namespace murena::views
