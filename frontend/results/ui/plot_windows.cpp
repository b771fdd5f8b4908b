#include "frontend/results/ui/plot_windows.h"

#include <QWidget>

#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/graph_plot.h"

namespace murena {

PlotWindows::PlotWindows(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
PlotWindows::~PlotWindows() = default;

void PlotWindows::show(TGraphPlot&) {}

QWidget* PlotWindows::windowOf(const TGraphPlot& graph) const {
  const auto it = windows_.find(&graph);
  return it == windows_.end() ? nullptr : it->second.data();
}

void PlotWindows::closeAll() {
  for (auto& [graph, w] : windows_)
    if (w) w->close();
  windows_.clear();
}

void PlotWindows::showExportDialog() {}

}  // namespace murena
