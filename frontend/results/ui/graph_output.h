#pragma once
// A graph window's picture on every output other than the window: images
// (Windows bitmap, PNG), SVG and PDF files, the clipboard and the printer.
// Each lays the graph out for its device, builds the drawing and paints it
// with the one painter.
#include <QImage>
#include <QString>
#include <optional>

#include "frontend/results/drawing.h"
#include "frontend/results/graph_files.h"
#include "frontend/results/graph_layout.h"

class QPaintDevice;
class QPrinter;

namespace murena {
class PlotView;
}

namespace murena::ui {

// Where the legend list box sits in its window, as fractions of the
// window's width and height; empty puts the drawn legend in the plot's
// lower right corner.
using LegendFraction = std::optional<draw::Point>;

// The drawing of the view on a device: the output rectangle, its mode and
// resolution; text measured on `device`.
draw::Drawing graphDrawing(const PlotView& view, OutputMode mode, const draw::Rect& output, double dpiX,
                           double dpiY, const LegendFraction& legend, QPaintDevice* device);

// The picture as an image of `size` pixels laid out at `dpi` (bitmap mode,
// drawn legend); a null image when it cannot be allocated.
QImage renderGraphImage(const PlotView& view, PixelSize size, int dpi, const LegendFraction& legend);

// Writes the picture of the chosen size to a file.  Returns an error text,
// empty on success (kNotEnoughMemoryMessage when the image cannot be held).
QString writeGraphFile(const PlotView& view, const QString& path, GraphFileFormat format,
                       const SaveAttributes& attributes, const LegendFraction& legend);

// The image converted to the chosen colour depth of a Windows bitmap.
QImage withColorDepth(const QImage& image, ColorDepth depth);

// One printed page: the page less the view's margins (raised to the
// printer's unprintable border), printer layout and large soil patterns.
// The printer is set to paint from the paper's corner.
void printGraph(const PlotView& view, QPrinter& printer, const LegendFraction& legend);

}  // namespace murena::ui
