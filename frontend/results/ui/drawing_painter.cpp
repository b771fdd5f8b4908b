#include "frontend/results/ui/drawing_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <map>
#include <utility>

#include "frontend/results/soil_patterns.h"

namespace murena::ui {

namespace {

QColor qtColor(const draw::Color& c) { return QColor(c.r, c.g, c.b, c.a); }

QPen qtPen(const draw::Pen& pen) {
  if (pen.style == draw::PenStyle::None) return QPen(Qt::NoPen);
  QPen p(qtColor(pen.color));
  p.setWidthF(pen.width);
  p.setStyle(pen.style == draw::PenStyle::Dot ? Qt::DotLine
             : pen.style == draw::PenStyle::Dash ? Qt::DashLine
                                                  : Qt::SolidLine);
  p.setCapStyle(Qt::FlatCap);
  p.setJoinStyle(Qt::MiterJoin);
  return p;
}

QPolygonF qtPolygon(const std::vector<draw::Point>& points) {
  QPolygonF poly;
  poly.reserve(static_cast<qsizetype>(points.size()));
  for (const draw::Point& p : points) poly << QPointF(p.x, p.y);
  return poly;
}

QRectF qtRect(const draw::Rect& r) { return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)); }

// The soil pattern of a code as an opaque black-on-white image, made once
// per code and size.
const QImage& patternImage(int code, bool large) {
  static std::map<std::pair<int, bool>, QImage> cache;
  auto [it, added] = cache.try_emplace({code, large});
  if (added) {
    const PatternBitmap bitmap = soilPatternBitmap(code, large);
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < bitmap.width; ++x) line[x] = bitmap.at(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    it->second = image;
  }
  return it->second;
}

// The text's box placed so that its anchor point lies at the origin.
QRectF anchoredBox(const QSizeF& size, draw::Anchor anchor) {
  double x = 0, y = 0;
  switch (anchor) {
    case draw::Anchor::TopLeft: break;
    case draw::Anchor::TopCenter: x = -size.width() / 2; break;
    case draw::Anchor::TopRight: x = -size.width(); break;
    case draw::Anchor::CenterLeft: y = -size.height() / 2; break;
    case draw::Anchor::Center: x = -size.width() / 2; y = -size.height() / 2; break;
    case draw::Anchor::CenterRight: x = -size.width(); y = -size.height() / 2; break;
    case draw::Anchor::BottomLeft: y = -size.height(); break;
    case draw::Anchor::BottomCenter: x = -size.width() / 2; y = -size.height(); break;
    case draw::Anchor::BottomRight: x = -size.width(); y = -size.height(); break;
  }
  return QRectF(QPointF(x, y), size);
}

void paintText(QPainter& painter, const draw::TextItem& t) {
  const QFont font = qtFont(t.font);
  painter.setFont(font);
  const QString text = QString::fromUtf8(t.text.data(), static_cast<qsizetype>(t.text.size()));
  const QFontMetricsF metrics(font, painter.device());
  const QRectF box = anchoredBox(QSizeF(metrics.horizontalAdvance(text), metrics.height()), t.anchor);
  painter.save();
  painter.translate(t.at.x, t.at.y);
  if (t.rotation != 0) painter.rotate(-t.rotation);
  if (t.opaque) painter.fillRect(box, qtColor(t.background));
  painter.setPen(qtColor(t.color));
  painter.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
  painter.restore();
}

}  // namespace

QFont qtFont(const draw::Font& font) {
  QFont f(font.family == draw::FontFamily::Serif ? QStringLiteral("Liberation Serif")
                                                  : QStringLiteral("Liberation Sans"));
  f.setStyleHint(font.family == draw::FontFamily::Serif ? QFont::Serif : QFont::SansSerif);
  f.setPixelSize(std::max(1, qRound(font.pixelSize)));
  f.setBold(font.bold);
  return f;
}

double QtTextMetrics::width(const draw::Font& font, const std::string& text) const {
  const QFontMetricsF m(qtFont(font), device_);
  return m.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMetrics::height(const draw::Font& font) const { return QFontMetricsF(qtFont(font), device_).height(); }

QBrush qtBrush(const draw::Brush& brush) {
  if (brush.pattern == static_cast<int>(draw::Fill::None)) return QBrush(Qt::NoBrush);
  if (brush.pattern == static_cast<int>(draw::Fill::Solid)) return QBrush(qtColor(brush.color));
  // Hatches and soil patterns are black on white, as textures (so that SVG
  // and PDF files keep them too), in the screen or the printer's size.
  if (isSoilPattern(brush.pattern)) return QBrush(patternImage(brush.pattern, brush.large));
  return QBrush(Qt::NoBrush);
}

QBrush qtBrush(const draw::Brush& brush, double dpi) {
  QBrush b = qtBrush(brush);
  if (!isSoilPattern(brush.pattern)) return b;
  const int scale = soilPatternDotsPerPixel(brush.large, dpi);
  if (scale > 1) b.setTransform(QTransform::fromScale(scale, scale));
  return b;
}

void paintDrawing(QPainter& painter, const draw::Drawing& drawing) {
  const double dpi = drawing.dpiX();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  int clips = 0;
  for (const draw::Primitive& primitive : drawing.items()) {
    std::visit(
        [&](const auto& item) {
          using T = std::decay_t<decltype(item)>;
          if constexpr (std::is_same_v<T, draw::LineItem>) {
            painter.setPen(qtPen(item.pen));
            painter.drawLine(QPointF(item.from.x, item.from.y), QPointF(item.to.x, item.to.y));
          } else if constexpr (std::is_same_v<T, draw::PolylineItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(Qt::NoBrush);
            if (item.closed)
              painter.drawPolygon(qtPolygon(item.points));
            else
              painter.drawPolyline(qtPolygon(item.points));
          } else if constexpr (std::is_same_v<T, draw::PolygonItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(qtBrush(item.brush, dpi));
            painter.drawPolygon(qtPolygon(item.points));
          } else if constexpr (std::is_same_v<T, draw::RectItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(qtBrush(item.brush, dpi));
            painter.drawRect(qtRect(item.rect));
          } else if constexpr (std::is_same_v<T, draw::EllipseItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(qtBrush(item.brush, dpi));
            painter.drawEllipse(qtRect(item.bounds));
          } else if constexpr (std::is_same_v<T, draw::TextItem>) {
            paintText(painter, item);
          } else if constexpr (std::is_same_v<T, draw::ClipBegin>) {
            painter.save();
            painter.setClipRect(qtRect(item.rect), Qt::IntersectClip);
            ++clips;
          } else if constexpr (std::is_same_v<T, draw::ClipEnd>) {
            if (clips > 0) {
              painter.restore();
              --clips;
            }
          }
        },
        primitive);
  }
  while (clips-- > 0) painter.restore();
  painter.restore();
}

}  // namespace murena::ui
