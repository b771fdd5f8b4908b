// Saved pictures: bitmap sizes, file formats, soil pattern bitmaps.
#include <gtest/gtest.h>

#include "frontend/results/graph_files.h"
#include "frontend/results/soil_patterns.h"

namespace murena {
namespace {

TEST(GraphFilesTest, BitmapSizeFromInchesAndPixelsPerInch) {
  EXPECT_EQ(bitmapSize(SaveAttributes{}), (PixelSize{432, 288}));
  EXPECT_EQ(bitmapSize({2.5, 3.3, 100}), (PixelSize{330, 250}));
  EXPECT_EQ(bitmapSize({1e9, 1e9, 100000}), PixelSize{});
  EXPECT_TRUE(bitmapFits({432, 288}));
  EXPECT_FALSE(bitmapFits({40000, 10}));
  EXPECT_FALSE(bitmapFits({20000, 20000}));
  EXPECT_FALSE(bitmapFits({}));
  EXPECT_EQ(pictureLayoutDpi(72), 96);
  EXPECT_EQ(pictureLayoutDpi(300), 300);
}

TEST(GraphFilesTest, ExtensionOrFilterChoosesTheFormat) {
  struct Case {
    const char* path;
    int filter;
    GraphFileFormat format;
    const char* finalPath;
  } cases[] = {
      {"/t/a.bmp", 3, GraphFileFormat::Bmp, "/t/a.bmp"}, {"/t/a.SVG", 1, GraphFileFormat::Svg, "/t/a.SVG"},
      {"/t/a", 2, GraphFileFormat::Png, "/t/a.png"},     {"/t/a.v2", 4, GraphFileFormat::Pdf, "/t/a.v2.pdf"},
      {"/t/a", 9, GraphFileFormat::Pdf, "/t/a.pdf"},
  };
  for (const Case& c : cases) {
    const GraphFileChoice choice = graphFileChoice(c.path, c.filter);
    EXPECT_EQ(choice.format, c.format) << c.path;
    EXPECT_EQ(choice.path, c.finalPath);
  }
}

TEST(SoilPatternTest, ScreenAndPrintSizes) {
  struct Case {
    int code;
    int w, h, printW, printH;
  } cases[] = {{1, 80, 80, 96, 96},  {7, 80, 80, 96, 96},   {8, 30, 42, 96, 69},   {9, 30, 42, 96, 69},
               {10, 30, 42, 96, 69}, {11, 80, 80, 96, 192}, {12, 80, 80, 96, 192}, {3, 8, 8, 16, 16}};
  for (const Case& c : cases) {
    const PatternBitmap screen = soilPatternBitmap(c.code, false);
    const PatternBitmap print = soilPatternBitmap(c.code, true);
    EXPECT_EQ(screen.width, c.w) << c.code;
    EXPECT_EQ(screen.height, c.h) << c.code;
    EXPECT_EQ(print.width, c.printW) << c.code;
    EXPECT_EQ(print.height, c.printH) << c.code;
    int black = 0;
    for (auto b : screen.black) black += b;
    EXPECT_GT(black, 0) << c.code;
    EXPECT_LT(black, c.w * c.h / 2) << c.code << ": mostly white";
  }
  EXPECT_EQ(soilPatternBitmap(0, false).width, 0);
  EXPECT_EQ(soilPatternBitmap(13, true).width, 0);
}

TEST(SoilPatternTest, PatternsKeepTheirSizeOnPaperOnDenserDevices) {
  EXPECT_EQ(soilPatternDotsPerPixel(false, 96), 1);
  EXPECT_EQ(soilPatternDotsPerPixel(false, 72), 1);
  EXPECT_EQ(soilPatternDotsPerPixel(false, 300), 3);
  EXPECT_EQ(soilPatternDotsPerPixel(true, 300), 1);
  EXPECT_EQ(soilPatternDotsPerPixel(true, 600), 2);
  EXPECT_EQ(soilPatternDotsPerPixel(true, 1200), 4);
}

TEST(SoilPatternTest, ClayLinesContinueAcrossTileEdges) {
  const PatternBitmap clay = soilPatternBitmap(1, false);
  // A diagonal leaving at the right edge comes back at the left one row up.
  for (int y = 0; y + 1 < clay.height; ++y)
    EXPECT_EQ(clay.at(clay.width - 1, y + 1), clay.at(0, y)) << y;
}

}  // namespace
}  // namespace murena
