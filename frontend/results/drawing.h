#pragma once
// A drawing as a list of primitives in device units (pixels or printer dots,
// y growing downwards): lines, polylines, polygons, rectangles, ellipses and
// texts with a font role, plus clipping.  The graph geometry, the side view
// and the chart of the curve editor produce drawings; one painter in the
// Qt layer draws them on a window, a printer, an image, an SVG or a PDF.
//
//   draw::Drawing d(600, 400, 96, 96);
//   d.fill({0, 0, 600, 400}, draw::kWhite);
//   d.line({10, 10}, {100, 10}, draw::Pen{draw::kBlack, 1, draw::PenStyle::Dot});
//   d.text({50, 20}, "Depth (ft)", draw::Font{draw::FontFamily::Serif, 14, true}, draw::kBlack,
//          draw::Anchor::TopCenter, -90);
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace murena::draw {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Color&) const = default;
};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

struct Point {
  double x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// left <= right, top <= bottom.
struct Rect {
  double left = 0, top = 0, right = 0, bottom = 0;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
  bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  bool operator==(const Rect&) const = default;
};

enum class PenStyle { Solid, Dot, Dash, None };
struct Pen {
  Color color = kBlack;
  double width = 1;  // device units; 0 is the thinnest line the device draws
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen&) const = default;
};

// Fill patterns: none, solid, the hatches and the soil patterns (the codes
// of the soil-layer marks, 1 to 12, soil_patterns.h).  Solid fills take the
// brush colour; patterns are black on white, `large` selecting their printer
// size.
enum class Fill : int { None = -1, Solid = 0 };
struct Brush {
  Color color = kBlack;
  int pattern = static_cast<int>(Fill::None);  // Fill value or a soil pattern code 1..12
  bool large = false;
  bool operator==(const Brush&) const = default;
};

enum class FontFamily { Serif, Sans };
struct Font {
  FontFamily family = FontFamily::Serif;
  double pixelSize = 14;  // device units
  bool bold = false;
  bool operator==(const Font&) const = default;
};

// Where the anchor point lies on the text's box.
enum class Anchor { TopLeft, TopCenter, TopRight, CenterLeft, Center, CenterRight, BottomLeft, BottomCenter, BottomRight };

struct LineItem {
  Point from, to;
  Pen pen;
};
struct PolylineItem {
  std::vector<Point> points;
  Pen pen;
  bool closed = false;
};
struct PolygonItem {
  std::vector<Point> points;
  Pen pen;
  Brush brush;
};
struct RectItem {
  Rect rect;
  Pen pen;
  Brush brush;
};
struct EllipseItem {
  Rect bounds;
  Pen pen;
  Brush brush;
};
// Text rotated by `rotation` degrees (counter-clockwise on the screen) about
// its anchor; an optional opaque background behind it.
struct TextItem {
  Point at;
  std::string text;  // UTF-8
  Font font;
  Color color = kBlack;
  Anchor anchor = Anchor::TopLeft;
  double rotation = 0;
  bool opaque = false;
  Color background = kWhite;
};
// Clipping to a rectangle until the matching ClipEnd.
struct ClipBegin {
  Rect rect;
};
struct ClipEnd {};

using Primitive =
    std::variant<LineItem, PolylineItem, PolygonItem, RectItem, EllipseItem, TextItem, ClipBegin, ClipEnd>;

// Text sizes as the output device measures them (the Qt layer supplies
// them from font metrics; tests use a fixed-width stand-in).
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double width(const Font& font, const std::string& text) const = 0;
  virtual double height(const Font& font) const = 0;  // ascent + descent
};

// `font` made smaller where `text` would be wider than `room`: the size
// that fits, but not under `smallest`.
inline Font fittedFont(const Font& font, const std::string& text, double room, double smallest,
                       const TextMetrics& metrics) {
  const double width = metrics.width(font, text);
  if (!(width > room) || !(room > 0)) return font;
  Font out = font;
  out.pixelSize = std::min(font.pixelSize, std::max(smallest, std::floor(font.pixelSize * room / width)));
  return out;
}

class Drawing {
 public:
  Drawing() = default;
  Drawing(double width, double height, double dpiX, double dpiY)
      : width_(width), height_(height), dpiX_(dpiX), dpiY_(dpiY) {}

  double width() const { return width_; }
  double height() const { return height_; }
  double dpiX() const { return dpiX_; }
  double dpiY() const { return dpiY_; }
  const std::vector<Primitive>& items() const { return items_; }
  std::vector<Primitive>& items() { return items_; }

  void add(Primitive p) { items_.push_back(std::move(p)); }
  void line(Point from, Point to, const Pen& pen = {}) { items_.push_back(LineItem{from, to, pen}); }
  void polyline(std::vector<Point> points, const Pen& pen, bool closed = false) {
    items_.push_back(PolylineItem{std::move(points), pen, closed});
  }
  void polygon(std::vector<Point> points, const Pen& pen, const Brush& brush) {
    items_.push_back(PolygonItem{std::move(points), pen, brush});
  }
  void rect(const Rect& r, const Pen& pen, const Brush& brush = {}) { items_.push_back(RectItem{r, pen, brush}); }
  void fill(const Rect& r, Color color) {
    items_.push_back(RectItem{r, Pen{color, 0, PenStyle::None}, Brush{color, static_cast<int>(Fill::Solid)}});
  }
  void ellipse(const Rect& bounds, const Pen& pen, const Brush& brush = {}) {
    items_.push_back(EllipseItem{bounds, pen, brush});
  }
  void text(Point at, std::string s, const Font& font, Color color = kBlack, Anchor anchor = Anchor::TopLeft,
            double rotation = 0) {
    items_.push_back(TextItem{at, std::move(s), font, color, anchor, rotation, false, kWhite});
  }
  void clipBegin(const Rect& r) { items_.push_back(ClipBegin{r}); }
  void clipEnd() { items_.push_back(ClipEnd{}); }

  // Items of one kind, for tests.
  template <class T>
  std::vector<T> itemsOf() const {
    std::vector<T> out;
    for (const Primitive& p : items_)
      if (const T* item = std::get_if<T>(&p)) out.push_back(*item);
    return out;
  }

 private:
  double width_ = 0, height_ = 0;
  double dpiX_ = 96, dpiY_ = 96;
  std::vector<Primitive> items_;
};

}  // namespace murena::draw
