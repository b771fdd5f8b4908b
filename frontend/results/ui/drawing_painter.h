#pragma once
// The one painter of drawings (lists of primitives): the same code draws a
// drawing on a window, a printer page, an image, an SVG or a PDF.
#include <QPainter>

#include "frontend/results/drawing.h"

namespace murena::ui {

// Draws every primitive of the drawing with the painter, in order.  The
// drawing's coordinates are the painter's device coordinates.
void paintDrawing(QPainter& painter, const draw::Drawing& drawing);

// The Qt font of a font role: Liberation Serif (metric-compatible with Times
// New Roman) or Liberation Sans, at the pixel size of the device.
QFont qtFont(const draw::Font& font);

// Text sizes measured with Qt's font metrics for a paint device.
class QtTextMetrics : public draw::TextMetrics {
 public:
  explicit QtTextMetrics(QPaintDevice* device = nullptr) : device_(device) {}
  double width(const draw::Font& font, const std::string& text) const override;
  double height(const draw::Font& font) const override;

 private:
  QPaintDevice* device_;
};

// The brush of a fill: solid, a hatch, or a soil pattern texture.
QBrush qtBrush(const draw::Brush& brush);
// The same on a device of `dpi` dots per inch: soil patterns keep their
// size on paper (soilPatternDotsPerPixel).
QBrush qtBrush(const draw::Brush& brush, double dpi);

}  // namespace murena::ui
