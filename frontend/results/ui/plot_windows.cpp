#include "frontend/results/ui/plot_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/graph_plot.h"
#include "frontend/results/ui/export_dialog.h"
#include "frontend/results/ui/plot_form.h"

namespace murena {

PlotWindows::PlotWindows(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
PlotWindows::~PlotWindows() = default;

void PlotWindows::show(TGraphPlot& graph) {
  if (QWidget* existing = windowOf(graph)) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(existing->parentWidget())) {
      if (sub->isMinimized()) sub->setWindowState(sub->windowState() & ~Qt::WindowMinimized);
      sub->show();
      if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    }
    existing->raise();
    existing->setFocus();
    return;
  }
  auto* form = new ui::TPlotForm(host_, graph);
  if (!form->opened()) {
    // Ranges without a usable step: the window closes at once.
    delete form;
    return;
  }
  windows_[&graph] = form;
  QMdiSubWindow* sub = host_.addChildWindow(form);
  sub->showMaximized();
  form->relayout(true);
}

QWidget* PlotWindows::windowOf(const TGraphPlot& graph) const {
  const auto it = windows_.find(&graph);
  return it == windows_.end() ? nullptr : it->second.data();
}

void PlotWindows::closeAll() {
  for (auto& [graph, w] : windows_)
    if (w) w->close();
  windows_.clear();
}

void PlotWindows::showExportDialog() {
  ui::TDlgExport dialog(host_, host_.hostWindow());
  dialog.exec();
}

}  // namespace murena
