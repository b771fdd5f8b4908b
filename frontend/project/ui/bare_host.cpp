#include "frontend/project/ui/bare_host.h"

#include <QApplication>
#include <QIcon>
#include <QMdiSubWindow>
#include <filesystem>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/ui/mdi_child.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/ui/plot_windows.h"
#include "frontend/views/ui/model_views.h"

namespace murena {

BareHost::BareHost(QWidget* parent)
    : QMdiArea(parent),
      tableEditors_(std::make_unique<TableEditors>(*this)),
      dataDialogs_(std::make_unique<DataDialogs>(*this)),
      plotWindows_(std::make_unique<PlotWindows>(*this)),
      modelViews_(std::make_unique<ModelViews>(*this)) {
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/murena.svg")));
}

BareHost::~BareHost() {
  // Child windows refer to the project and the graphs, which are members:
  // delete them while those still exist.
  qDeleteAll(viewport()->findChildren<QMdiSubWindow*>(Qt::FindDirectChildrenOnly));
}

std::string BareHost::openProject(const std::string& path) {
  closeAllSubWindows();
  std::string message = project_.open(path, layoutForExtension(path));
  const std::filesystem::path plot = std::filesystem::path(project_.data().FileName).replace_extension(".mr5p");
  resultsLoaded_ = std::filesystem::exists(plot) &&
                   LoadPlotData(plot.string(), graphs_, project_.data(), tables_.NewSoil).ok;
  modelViews_->resultsChanged();
  return message;
}

QMdiSubWindow* BareHost::addChildWindow(QWidget* child) { return addMdiChild(*this, child); }

void BareHost::showTableEditor(GridTable& table) { tableEditors_->show(table); }
void BareHost::closeTableEditor(GridTable& table) { tableEditors_->close(table); }

void BareHost::openInTextEditor(const QString&) { ++editorStarts_; }

void BareHost::setViewControls(QMenu* menu, const QList<QAction*>& toolButtons) {
  viewMenu_ = menu;
  viewButtons_ = toolButtons;
}

}  // namespace murena
