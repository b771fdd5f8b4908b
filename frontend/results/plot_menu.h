#pragma once
// The "Plot" menu of a graph window as data: every item with its text,
// check mark, visibility and enabling as the graph and the window state
// give them when the menu opens, and the curve items (one per legend entry).
#include <string>
#include <vector>

namespace murena {

class PlotView;

enum class PlotCommand {
  Separator,
  Submenu,
  ShowLegend,
  ShowSoilLayer,
  ShowWall,
  Markers,    // value: marker every n-th point
  FontSize,   // value: SizeFont
  LineWidth,  // value: WidthLine
  GraphTitle,
  EditLegend,
  ActiveCurves,
  Print,
  PrintPreview,
  PageSetup,
  SaveToDisk,
  CopyToClipboard,
  Curve,  // value: legend entry
};

struct PlotMenuItem {
  std::string text;
  PlotCommand command = PlotCommand::Separator;
  int value = 0;
  bool visible = true;
  bool enabled = true;
  bool checkable = false;
  bool checked = false;
  std::vector<PlotMenuItem> items;  // of a submenu
};

// The items of the menu for the window's current state.
std::vector<PlotMenuItem> plotMenuItems(const PlotView& view);

// Commands after which the window is laid out again with the legend moved
// to the plot's lower right corner.
bool movesLegend(PlotCommand command);

// Runs the commands that need no dialog or device (toggles, markers, font
// size, line width, curve items); false for the others.
bool runPlotCommand(PlotView& view, PlotCommand command, int value);

}  // namespace murena
