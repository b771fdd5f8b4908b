#include "frontend/results/ui/graph_output.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <cmath>

#include "frontend/results/graph_drawing.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/ui/drawing_painter.h"

namespace murena::ui {

namespace {

constexpr double kDotsPerMetrePerInch = 1000.0 / 25.4;

void paintOn(QPaintDevice& device, const PlotView& view, OutputMode mode, const draw::Rect& output, int dpi,
             const LegendFraction& legend) {
  QPainter painter(&device);
  paintDrawing(painter, graphDrawing(view, mode, output, dpi, dpi, legend, &device));
}

QString svgTitle(const PlotView& view) { return QString::fromStdString(view.graph().Caption); }

// The 16 colours of the classic palette: exactly the curve colours, black,
// white and the wall's grey.
QList<QRgb> sixteenColours() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
          qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

}  // namespace

draw::Drawing graphDrawing(const PlotView& view, OutputMode mode, const draw::Rect& output, double dpiX,
                           double dpiY, const LegendFraction& legend, QPaintDevice* device) {
  const GraphLayout layout = layoutGraph(view.graph(), mode, output, dpiX, dpiY);
  return drawGraph(view.graph(), layout, view.picture(legend), QtTextMetrics(device));
}

QImage renderGraphImage(const PlotView& view, PixelSize size, int dpi, const LegendFraction& legend) {
  if (!bitmapFits(size)) return {};
  QImage image(size.width, size.height, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int dpm = static_cast<int>(std::lround(dpi * kDotsPerMetrePerInch));
  image.setDotsPerMeterX(dpm);
  image.setDotsPerMeterY(dpm);
  image.fill(Qt::white);
  paintOn(image, view, OutputMode::Bitmap, {0, 0, double(size.width), double(size.height)}, dpi, legend);
  return image;
}

QImage withColorDepth(const QImage& image, ColorDepth depth) {
  const Qt::ImageConversionFlags flags = Qt::ThresholdDither | Qt::AvoidDither;
  switch (depth) {
    case ColorDepth::BlackAndWhite: return image.convertToFormat(QImage::Format_Mono, flags);
    case ColorDepth::Colors16: return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(), flags);
    case ColorDepth::Colors256: return image.convertToFormat(QImage::Format_Indexed8, flags);
    case ColorDepth::HighColor: return image.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB888);
    case ColorDepth::TrueColor: return image.convertToFormat(QImage::Format_RGB888);
  }
  return image;
}

QString writeGraphFile(const PlotView& view, const QString& path, GraphFileFormat format,
                       const SaveAttributes& attributes, const LegendFraction& legend) {
  const PixelSize size = bitmapSize(attributes);
  if (!bitmapFits(size)) return QString::fromUtf8(kNotEnoughMemoryMessage);
  const int dpi = pictureLayoutDpi(attributes.pixelsPerInch);
  const draw::Rect output{0, 0, double(size.width), double(size.height)};
  const QString failed = QStringLiteral("The picture could not be written to %1.").arg(path);
  switch (format) {
    case GraphFileFormat::Bmp:
    case GraphFileFormat::Png: {
      const QImage image = renderGraphImage(view, size, dpi, legend);
      if (image.isNull()) return QString::fromUtf8(kNotEnoughMemoryMessage);
      const QImage out = format == GraphFileFormat::Bmp ? withColorDepth(image, attributes.depth) : image;
      return out.save(path, format == GraphFileFormat::Bmp ? "BMP" : "PNG") ? QString() : failed;
    }
    case GraphFileFormat::Svg: {
      // One unit of the drawing is one pixel of the chosen size.
      QSvgGenerator svg;
      svg.setFileName(path);
      svg.setSize(QSize(size.width, size.height));
      svg.setViewBox(QRect(0, 0, size.width, size.height));
      svg.setResolution(attributes.pixelsPerInch);
      svg.setTitle(svgTitle(view));
      paintOn(svg, view, OutputMode::Bitmap, output, dpi, legend);
      return QFileInfo::exists(path) ? QString() : failed;
    }
    case GraphFileFormat::Pdf: {
      QPdfWriter pdf(path);
      pdf.setResolution(attributes.pixelsPerInch);
      pdf.setTitle(svgTitle(view));
      const double ppi = attributes.pixelsPerInch;
      pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size.width / ppi, size.height / ppi), QPageSize::Inch),
                                    QPageLayout::Portrait, QMarginsF()));
      paintOn(pdf, view, OutputMode::Bitmap, output, dpi, legend);
      return QFileInfo::exists(path) ? QString() : failed;
    }
  }
  return failed;
}

void printGraph(const PlotView& view, QPrinter& printer, const LegendFraction& legend) {
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(view.graph().Caption));
  const double dpiX = printer.logicalDpiX(), dpiY = printer.logicalDpiY();
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  // The printer's unprintable border, in points, as dots.
  QPageLayout pageLayout = printer.pageLayout();
  pageLayout.setUnits(QPageLayout::Point);
  const QMarginsF least = pageLayout.minimumMargins();
  const Margins unprintable{least.left() * dpiX / 72, least.top() * dpiY / 72, least.right() * dpiX / 72,
                            least.bottom() * dpiY / 72};
  const draw::Rect output =
      printOutputRect(paper.width(), paper.height(), dpiX, dpiY, view.margins(), unprintable);
  QPainter painter(&printer);
  const GraphLayout layout = layoutGraph(view.graph(), OutputMode::Printer, output, dpiX, dpiY);
  paintDrawing(painter, drawGraph(view.graph(), layout, view.picture(legend), QtTextMetrics(&printer)));
}

}  // namespace murena::ui
