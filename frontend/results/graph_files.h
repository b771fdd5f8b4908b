#pragma once
// Saving graph pictures: the Save Attributes values (size in inches, pixels
// per inch, colour depth of a Windows bitmap), the bitmap size they give,
// and the file formats offered by the save dialog's filter.
#include <string>
#include <vector>

namespace murena {

class TGraphPlot;
struct TResultGraphs;

enum class ColorDepth { BlackAndWhite, Colors16, Colors256, HighColor, TrueColor };

struct SaveAttributes {
  double heightInches = 4;  // at least 2
  double widthInches = 6;   // at least 2
  int pixelsPerInch = 72;   // at least 10
  ColorDepth depth = ColorDepth::Colors16;
};
inline constexpr double kMinSaveInches = 2;
inline constexpr int kMinPixelsPerInch = 10;

struct PixelSize {
  int width = 0, height = 0;
  bool operator==(const PixelSize&) const = default;
};
// round(ppi x width) by round(ppi x height); (0, 0) when either would not
// fit an int.
PixelSize bitmapSize(const SaveAttributes& attributes);

// A picture of this size can be held and painted: each side at most 32767
// pixels and at most 2^28 pixels in all (a gigabyte in true colour).
bool bitmapFits(const PixelSize& size);

// The resolution a saved picture is laid out with: the screen's 96 dots per
// inch, or the chosen pixels per inch when finer, so that text keeps its
// size on paper.
int pictureLayoutDpi(int pixelsPerInch);

inline constexpr const char* kNotEnoughMemoryMessage = "There is not enough memory to complete this task.";

enum class GraphFileFormat { Bmp, Png, Svg, Pdf };

// "Bitmap (*.bmp)|*.bmp|PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf"
const char* graphSaveFilter();
const char* formatSuffix(GraphFileFormat format);

// The format and final path of a chosen file: a known extension (.bmp, .png,
// .svg, .pdf, any case) decides; otherwise the chosen filter (1-based) does
// and its extension is added.
struct GraphFileChoice {
  GraphFileFormat format = GraphFileFormat::Bmp;
  std::string path;
  bool suffixAdded = false;
};
GraphFileChoice graphFileChoice(const std::string& path, int filterIndex);

// The result graphs with the file names their pictures get when written
// together ("deflection", "moment", ... "deflection_moment_shear").
struct NamedGraph {
  const char* fileStem;
  TGraphPlot* graph;
};
std::vector<NamedGraph> namedResultGraphs(TResultGraphs& graphs);

}  // namespace murena
