#include "frontend/results/plot_menu.h"

#include "frontend/results/plot_view.h"

namespace murena {

namespace {

struct Choice {
  const char* text;
  int value;
};

constexpr Choice kMarkers[] = {{"&Never", 0},
                               {"Every &Increment", 1},
                               {"Every &2 Increments", 2},
                               {"Every &3 Incrments", 3},
                               {"Every &5 Increments", 5},
                               {"Every &10 Incements", 10}};
constexpr Choice kFontSizes[] = {{"&Default", 10},      {"1.5 * Default", 15}, {"2 * Default", 20},
                                 {"2.5 * Default", 25}, {"3 * Default", 30},   {"4 * Default", 40}};
constexpr Choice kLineWidths[] = {
    {"&Default", 1}, {"2 * Default", 2}, {"4 * Default", 4}, {"6 * Default", 6}, {"10 * Default", 10}};

PlotMenuItem item(const char* text, PlotCommand command, int value = 0) {
  PlotMenuItem i;
  i.text = text;
  i.command = command;
  i.value = value;
  return i;
}

PlotMenuItem check(const char* text, PlotCommand command, bool checked) {
  PlotMenuItem i = item(text, command);
  i.checkable = true;
  i.checked = checked;
  return i;
}

template <size_t N>
PlotMenuItem choices(const char* text, PlotCommand command, const Choice (&list)[N], int current) {
  PlotMenuItem sub = item(text, PlotCommand::Submenu);
  for (const Choice& c : list) {
    PlotMenuItem i = check(c.text, command, c.value == current);
    i.value = c.value;
    sub.items.push_back(i);
  }
  return sub;
}

}  // namespace

std::vector<PlotMenuItem> plotMenuItems(const PlotView& view) {
  const TGraphPlot& g = view.graph();
  std::vector<PlotMenuItem> menu;
  if (view.legendOffered()) menu.push_back(check("Show &Legend", PlotCommand::ShowLegend, g.ShowLegend));
  PlotMenuItem layers = check("Show &Soil Layer", PlotCommand::ShowSoilLayer, g.ShowLayers);
  layers.visible = !g.Layers.empty();
  menu.push_back(layers);
  PlotMenuItem wall = check("Show &Wall Geometry", PlotCommand::ShowWall, g.ShowWall);
  wall.visible = g.WallLineCount > 0;
  wall.enabled = g.ShowLayers;
  menu.push_back(wall);
  menu.push_back(choices("Show &Markers", PlotCommand::Markers, kMarkers, g.Markers));
  PlotMenuItem fonts = choices("&Font Size", PlotCommand::FontSize, kFontSizes, g.SizeFont);
  fonts.visible = g.ShowFontWidth;
  menu.push_back(fonts);
  PlotMenuItem widths = choices("&Line Width", PlotCommand::LineWidth, kLineWidths, g.WidthLine);
  widths.visible = g.ShowFontWidth;
  menu.push_back(widths);
  menu.push_back(item("", PlotCommand::Separator));
  menu.push_back(item("&Graph Title", PlotCommand::GraphTitle));
  menu.push_back(item("&Edit Legend", PlotCommand::EditLegend));
  menu.push_back(item("&Active Curves", PlotCommand::ActiveCurves));
  menu.push_back(item("", PlotCommand::Separator));
  menu.push_back(item("&Print...", PlotCommand::Print));
  menu.push_back(item("Print Pre&view...", PlotCommand::PrintPreview));
  menu.push_back(item("P&age Setup", PlotCommand::PageSetup));
  menu.push_back(item("&Save To Disk...", PlotCommand::SaveToDisk));
  menu.push_back(item("&Copy to Clipboard", PlotCommand::CopyToClipboard));
  const std::vector<LegendEntry>& entries = view.legend();
  if (!entries.empty()) menu.push_back(item("", PlotCommand::Separator));
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    PlotMenuItem curve = check("", PlotCommand::Curve, view.curveVisible(i));
    curve.text = entries[static_cast<size_t>(i)].text;
    curve.value = i;
    menu.push_back(curve);
  }
  return menu;
}

bool movesLegend(PlotCommand command) {
  switch (command) {
    case PlotCommand::ShowSoilLayer:
    case PlotCommand::ShowWall:
    case PlotCommand::FontSize:
    case PlotCommand::GraphTitle: return true;
    default: return false;
  }
}

bool runPlotCommand(PlotView& view, PlotCommand command, int value) {
  switch (command) {
    case PlotCommand::ShowLegend: view.toggleLegend(); return true;
    case PlotCommand::ShowSoilLayer: view.toggleSoilLayer(); return true;
    case PlotCommand::ShowWall: view.toggleWall(); return true;
    case PlotCommand::Markers: view.setMarkers(value); return true;
    case PlotCommand::FontSize: view.setFontSize(value); return true;
    case PlotCommand::LineWidth: view.setLineWidth(value); return true;
    case PlotCommand::Curve: view.toggleCurve(value); return true;
    default: return false;
  }
}

}  // namespace murena
