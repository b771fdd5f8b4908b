#include "frontend/results/ui/drawing_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

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
  const QColor color = qtColor(brush.color);
  switch (brush.pattern) {
    case static_cast<int>(draw::Fill::Solid): return QBrush(color);
    case 2: return QBrush(color, Qt::FDiagPattern);
    case 3: return QBrush(color, Qt::CrossPattern);
    case 4: return QBrush(color, Qt::DiagCrossPattern);
    case 5: return QBrush(color, Qt::HorPattern);
    case 6: return QBrush(color, Qt::VerPattern);
    default: return QBrush(Qt::NoBrush);  // soil pattern bitmaps: see the graph painter
  }
}

void paintDrawing(QPainter& painter, const draw::Drawing& drawing) {
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
            painter.setBrush(qtBrush(item.brush));
            painter.drawPolygon(qtPolygon(item.points));
          } else if constexpr (std::is_same_v<T, draw::RectItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(qtBrush(item.brush));
            painter.drawRect(qtRect(item.rect));
          } else if constexpr (std::is_same_v<T, draw::EllipseItem>) {
            painter.setPen(qtPen(item.pen));
            painter.setBrush(qtBrush(item.brush));
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
