#include "frontend/results/graph_files.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <filesystem>

#include "frontend/results/result_graphs.h"

namespace murena {

namespace {

constexpr GraphFileFormat kFormats[] = {GraphFileFormat::Bmp, GraphFileFormat::Png, GraphFileFormat::Svg,
                                        GraphFileFormat::Pdf};

int pixels(double inches, int ppi) {
  const double v = std::round(inches * ppi);
  return std::isfinite(v) && v > 0 && v <= INT_MAX ? static_cast<int>(v) : 0;
}

}  // namespace

PixelSize bitmapSize(const SaveAttributes& a) {
  const PixelSize s{pixels(a.widthInches, a.pixelsPerInch), pixels(a.heightInches, a.pixelsPerInch)};
  return s.width > 0 && s.height > 0 ? s : PixelSize{};
}

bool bitmapFits(const PixelSize& size) {
  constexpr long long kMaxSide = 32767, kMaxPixels = 1LL << 28;
  return size.width > 0 && size.height > 0 && size.width <= kMaxSide && size.height <= kMaxSide &&
         static_cast<long long>(size.width) * size.height <= kMaxPixels;
}

int pictureLayoutDpi(int pixelsPerInch) { return std::max(96, pixelsPerInch); }

const char* graphSaveFilter() {
  return "Bitmap (*.bmp)|*.bmp|PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf";
}

const char* formatSuffix(GraphFileFormat format) {
  switch (format) {
    case GraphFileFormat::Bmp: return "bmp";
    case GraphFileFormat::Png: return "png";
    case GraphFileFormat::Svg: return "svg";
    case GraphFileFormat::Pdf: return "pdf";
  }
  return "bmp";
}

GraphFileChoice graphFileChoice(const std::string& path, int filterIndex) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  for (GraphFileFormat f : kFormats)
    if (ext == std::string(".") + formatSuffix(f)) return {f, path, false};
  const GraphFileFormat f = kFormats[std::clamp(filterIndex, 1, 4) - 1];
  std::string withSuffix = path;
  if (!withSuffix.empty() && withSuffix.back() != '.') withSuffix += '.';
  return {f, withSuffix + formatSuffix(f), true};
}

std::vector<NamedGraph> namedResultGraphs(TResultGraphs& g) {
  return {{"py_curves", &g.pltPY},
          {"deflection", &g.pltDef},
          {"moment", &g.pltMom},
          {"shear", &g.pltShear},
          {"net_reaction", &g.pltSoil},
          {"earth_pressure", &g.pltLD},
          {"earth_pressure_combined", &g.PltCombine},
          {"deflection_moment_shear", &g.pltDMS}};
}

}  // namespace murena
