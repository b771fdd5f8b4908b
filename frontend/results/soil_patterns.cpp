#include "frontend/results/soil_patterns.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace murena {

namespace {

class Canvas {
 public:
  Canvas(int w, int h) {
    bitmap_.width = w;
    bitmap_.height = h;
    bitmap_.black.assign(static_cast<size_t>(w * h), 0);
  }
  int width() const { return bitmap_.width; }
  int height() const { return bitmap_.height; }
  // Coordinates wrap around, so shapes crossing an edge continue on the
  // opposite side and the bitmap tiles seamlessly.
  void set(int x, int y) {
    const int w = bitmap_.width, h = bitmap_.height;
    x = ((x % w) + w) % w;
    y = ((y % h) + h) % h;
    bitmap_.black[static_cast<size_t>(y * w + x)] = 1;
  }
  void hline(int x0, int x1, int y) {
    for (int x = x0; x <= x1; ++x) set(x, y);
  }
  void vline(int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) set(x, y);
  }
  void dot(int x, int y, int size) {
    for (int i = 0; i < size; ++i)
      for (int j = 0; j < size; ++j) set(x + i, y + j);
  }
  // Line from (x0, y0) to (x1, y1), one pixel wide.
  void line(int x0, int y0, int x1, int y1) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int s = 0; s <= steps; ++s) {
      const double t = steps == 0 ? 0 : static_cast<double>(s) / steps;
      set(static_cast<int>(std::lround(x0 + t * (x1 - x0))), static_cast<int>(std::lround(y0 + t * (y1 - y0))));
    }
  }
  // Outline of an ellipse centred at (cx, cy).
  void ellipse(double cx, double cy, double rx, double ry) {
    const int steps = static_cast<int>(std::ceil(8 * (rx + ry)));
    for (int s = 0; s < steps; ++s) {
      const double a = 2 * 3.14159265358979323846 * s / steps;
      set(static_cast<int>(std::lround(cx + rx * std::cos(a))), static_cast<int>(std::lround(cy + ry * std::sin(a))));
    }
  }
  PatternBitmap take() { return std::move(bitmap_); }

 private:
  PatternBitmap bitmap_;
};

// Lines rising to the right ("/"), `spacing` apart.
void diagonalUp(Canvas& c, int spacing) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if ((x + y) % spacing == 0) c.set(x, y);
}

// Lines falling to the right ("\"), `spacing` apart.
void diagonalDown(Canvas& c, int spacing) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (((x - y) % spacing + spacing) % spacing == 0) c.set(x, y);
}

PatternBitmap hatch(int code, bool large) {
  const int n = large ? 16 : 8;
  Canvas c(n, n);
  switch (code) {
    case 2: diagonalDown(c, n); break;
    case 3:
      c.hline(0, n - 1, 0);
      c.vline(0, 0, n - 1);
      break;
    case 4:
      diagonalDown(c, n);
      diagonalUp(c, n);
      break;
    case 5: c.hline(0, n - 1, 0); break;
    case 6: c.vline(0, 0, n - 1); break;
  }
  return c.take();
}

PatternBitmap clay(bool large) {
  const int n = large ? 96 : 80;
  Canvas c(n, n);
  diagonalUp(c, large ? 12 : 10);
  return c.take();
}

PatternBitmap sand(bool large) {
  const int n = large ? 96 : 80;
  const int spacing = large ? 12 : 8;
  const int size = large ? 3 : 2;
  Canvas c(n, n);
  for (int row = 0; row * spacing < n; ++row)
    for (int x = (row % 2) * spacing / 2; x < n; x += spacing) c.dot(x, row * spacing + spacing / 2, size);
  return c.take();
}

PatternBitmap silt(bool large) {
  const int w = large ? 96 : 30, h = large ? 69 : 42;
  Canvas c(w, h);
  const int rows = 6;
  const int dash = w / 4;
  for (int r = 0; r < rows; ++r) {
    const int y = r * h / rows + h / (2 * rows);
    const int x = (r % 2) * w / 2 + w / 8;
    c.hline(x, x + dash - 1, y);
    if (large) c.hline(x, x + dash - 1, y + 1);
  }
  return c.take();
}

// Two courses of bricks per tile, the joints of one course half a brick from
// those of the other.
PatternBitmap bricks(bool large, bool strokes) {
  const int w = large ? 96 : 30, h = large ? 69 : 42;
  Canvas c(w, h);
  const int course = h / 2;
  for (int k = 0; k < 2; ++k) {
    const int top = k * course;
    const int bottom = k == 0 ? course : h;
    c.hline(0, w - 1, top);
    const int joint = k * w / 2;
    c.vline(joint, top, bottom - 1);
    if (strokes) {
      // Weathering: a diagonal stroke across each brick.
      const int from = joint + w / 5, to = joint + w - w / 5;
      c.line(from, bottom - course / 4, to, top + course / 4);
    }
  }
  return c.take();
}

PatternBitmap pebbles(bool large, bool dots) {
  const int w = large ? 96 : 80, h = large ? 192 : 80;
  Canvas c(w, h);
  // Pebbles as fractions of the tile: centre x, centre y, radius x, radius y.
  static constexpr double kPebbles[][4] = {
      {0.18, 0.15, 0.11, 0.07}, {0.62, 0.12, 0.09, 0.06}, {0.40, 0.40, 0.13, 0.08}, {0.85, 0.45, 0.08, 0.06},
      {0.15, 0.66, 0.09, 0.07}, {0.60, 0.75, 0.12, 0.07}, {0.92, 0.88, 0.07, 0.05}, {0.35, 0.92, 0.07, 0.04},
  };
  static constexpr double kDots[][2] = {
      {0.40, 0.13}, {0.82, 0.25}, {0.08, 0.40}, {0.66, 0.42}, {0.38, 0.62},
      {0.84, 0.66}, {0.12, 0.87}, {0.55, 0.95}, {0.22, 0.30}, {0.78, 0.05},
  };
  const double scale = std::min(w, h);
  for (const auto& p : kPebbles) c.ellipse(p[0] * w, p[1] * h, p[2] * scale, p[3] * scale);
  if (dots)
    for (const auto& d : kDots)
      c.dot(static_cast<int>(d[0] * w), static_cast<int>(d[1] * h), large ? 3 : 2);
  return c.take();
}

}  // namespace

PatternBitmap soilPatternBitmap(int code, bool large) {
  switch (code) {
    case 1: return clay(large);
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: return hatch(code, large);
    case 7: return sand(large);
    case 8: return silt(large);
    case 9: return bricks(large, false);
    case 10: return bricks(large, true);
    case 11: return pebbles(large, true);
    case 12: return pebbles(large, false);
    default: return {};
  }
}

int soilPatternDotsPerPixel(bool large, double dpi) {
  const double made = large ? 300 : 96;
  if (!(dpi > made)) return 1;
  return static_cast<int>(std::lround(std::min(dpi / made, 1000.0)));
}

}  // namespace murena
