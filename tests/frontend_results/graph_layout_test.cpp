// Layouts of the graph window, the printed page and saved pictures.
#include <gtest/gtest.h>

#include <cmath>

#include "frontend/results/graph_layout.h"
#include "frontend/results/result_graphs.h"

namespace murena {
namespace {

class GraphLayoutTest : public ::testing::Test {
 protected:
  GraphLayout screen(int w = 800, int h = 600) { return layoutGraph(g, OutputMode::Screen, {0, 0, double(w), double(h)}, 96, 96); }
  TGraphPlot g;
};

TEST_F(GraphLayoutTest, ScreenMarginsFollowTheTextHeightAndResolution) {
  // fh 14: left 2*14 + 96/8 + 14/8 = 41; right 800 - 24 - 7.
  g.XOnTop = true;
  EXPECT_EQ(screen().plot, (draw::Rect{41, 41, 769, 569}));
  g.XOnTop = false;
  EXPECT_EQ(screen().plot, (draw::Rect{41, 31, 769, 559}));
  g.GraphTitle = "Wall A";
  g.GraphTitleAtTop = true;
  EXPECT_EQ(screen().plot.top, 31 + 15);
  g.GraphTitleAtTop = false;
  EXPECT_EQ(screen().plot.bottom, 559 - 14);
  g.SizeFont = 20;  // fh 28
  g.GraphTitle.clear();
  EXPECT_EQ(screen().textHeight, 28);
  EXPECT_EQ(screen().plot, (draw::Rect{56 + 12 + 3, 14 + 24, 800 - 24 - 14, 600 - 71}));
}

TEST_F(GraphLayoutTest, SoilColumnTakesAnInchOnScreenAndHalfAnInchOnBitmaps) {
  g.ShowLayers = true;
  const GraphLayout l = screen();
  EXPECT_EQ(l.plot.right, 769 - 96);
  ASSERT_TRUE(l.soilColumn);
  EXPECT_EQ(*l.soilColumn, (draw::Rect{769 - 96 + 19, 41, 769, 569}));
  const GraphLayout b = layoutGraph(g, OutputMode::Bitmap, {0, 0, 432, 288}, 96, 96);
  EXPECT_EQ(b.plot.right, 432 - 31 - 48);
  EXPECT_EQ(b.soilColumn->left, b.plot.right + 19);
  EXPECT_EQ(b.soilColumn->right, 432 - 31);
}

TEST_F(GraphLayoutTest, ThreePanelsShareTheWidthWithGaps) {
  g.ShowThree = true;
  const GraphLayout l = screen(1000, 600);
  ASSERT_EQ(l.panels.size(), 3u);
  const double w = std::floor((969 - 41 - 56 - 48) / 3.0);
  EXPECT_EQ(l.panels[0], (draw::Rect{41, 41, 41 + w, 569}));
  EXPECT_EQ(l.panels[1].left, l.panels[0].right + 28 + 24);
  EXPECT_EQ(l.panels[1].width(), w);
  EXPECT_EQ(l.panels[2].left, l.panels[1].right + 52);
  EXPECT_EQ(l.panels[2].right, 969);
  EXPECT_EQ(l.panelAt(l.panels[1].left + 3), 1);
  EXPECT_EQ(l.panelAt(l.panels[1].right + 20), 1);
  EXPECT_EQ(l.panelAt(2000), 2);
}

TEST_F(GraphLayoutTest, PrinterLayoutUsesThePageToItsEdges) {
  // 600 dots per inch: fh = 88, margins 600 dots.
  const draw::Rect out = printOutputRect(5100, 6600, 600, 600, PageMargins{}, Margins{150, 150, 150, 150});
  EXPECT_EQ(out, (draw::Rect{600, 600, 4500, 6000}));
  const draw::Rect wide = printOutputRect(5100, 6600, 600, 600, PageMargins{}, Margins{700, 100, 100, 100});
  EXPECT_EQ(wide.left, 700);
  g.XOnTop = true;
  GraphLayout l = layoutGraph(g, OutputMode::Printer, out, 600, 600);
  EXPECT_EQ(l.textHeight, 88);
  const double band = 2 * 88 + 75 + 11;
  EXPECT_EQ(l.plot, (draw::Rect{600 + band, 600 + band, 4500, 6000}));
  // A title at the bottom leaves half an inch above the bottom margin.
  g.GraphTitle = "Section B";
  l = layoutGraph(g, OutputMode::Printer, out, 600, 600);
  EXPECT_EQ(l.plot.bottom, 6000 - 300);
  g.GraphTitleAtTop = true;
  l = layoutGraph(g, OutputMode::Printer, out, 600, 600);
  EXPECT_EQ(l.plot.top, 600 + band + 150);
}

TEST_F(GraphLayoutTest, ToggledSoilLayerNarrowsTheDeflectionMomentShearViewByAnInch) {
  TResultGraphs graphs;
  const GraphLayout before = layoutGraph(graphs.pltDMS, OutputMode::Screen, {0, 0, 1200, 700}, 96, 96);
  graphs.pltDMS.ShowLayers = true;
  const GraphLayout after = layoutGraph(graphs.pltDMS, OutputMode::Screen, {0, 0, 1200, 700}, 96, 96);
  EXPECT_EQ(after.plot.right, before.plot.right - 96);
  EXPECT_EQ(after.panels[2].right, before.panels[2].right - 96);
  EXPECT_TRUE(after.soilColumn);
}

TEST_F(GraphLayoutTest, OutputUnderAnInchIsTooSmall) {
  EXPECT_TRUE(screen(95, 400).tooSmall());
  EXPECT_TRUE(screen(400, 95).tooSmall());
  EXPECT_FALSE(screen(96, 96).tooSmall());
}

}  // namespace
}  // namespace murena
