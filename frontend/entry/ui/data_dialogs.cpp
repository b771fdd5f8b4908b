#include "frontend/entry/ui/data_dialogs.h"

#include <QMdiSubWindow>
#include <QWidget>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/field_dialogs.h"
#include "frontend/entry/ui/table_link_dialogs.h"
#include "frontend/entry/ui/text_dialogs.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena {

namespace {

ui::DataDialogWindow* createDialog(DataDialog which, MainWindowHost& host) {
  switch (which) {
    case DataDialog::Title: return new ui::TitleDialog(host);
    case DataDialog::WallProperties: return new ui::WallPropertiesDialog(host);
    case DataDialog::WallConfiguration: return new ui::WallConfigurationDialog(host);
    case DataDialog::ConcentratedLoads: return new ui::TableLinkDialog(host, ui::concentratedLoadsDialogSetup());
    case DataDialog::Springs: return new ui::TableLinkDialog(host, ui::springsDialogSetup());
    case DataDialog::Tieback: return new ui::TableLinkDialog(host, ui::tiebackDialogSetup());
    case DataDialog::Surcharge: return new ui::TableLinkDialog(host, ui::surchargeDialogSetup());
    case DataDialog::ControlOptions: return new ui::ControlOptionsDialog(host);
  }
  return nullptr;
}

}  // namespace

DataDialogs::DataDialogs(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
DataDialogs::~DataDialogs() = default;

QString DataDialogs::caption(DataDialog which) {
  switch (which) {
    case DataDialog::Title: return QStringLiteral("Project Title");
    case DataDialog::WallProperties: return QStringLiteral("Wall Properties");
    case DataDialog::WallConfiguration: return QStringLiteral("Wall Configuration");
    case DataDialog::ConcentratedLoads: return QStringLiteral("Concentrated Loads");
    case DataDialog::Springs: return QStringLiteral("Lateral & Rotational Springs");
    case DataDialog::Tieback: return QStringLiteral("Tieback (Ground Anchor)");
    case DataDialog::Surcharge: return QStringLiteral("Additional Surcharge");
    case DataDialog::ControlOptions: return QStringLiteral("Control Options");
  }
  return {};
}

void DataDialogs::show(DataDialog which) {
  if (QWidget* open = dialog(which)) {
    ui::bringToFront(open);
    return;
  }
  ui::DataDialogWindow* window = createDialog(which, host_);
  if (window == nullptr) return;
  dialogs_[which] = window;
  // Adding the window deactivates the one in front, which writes its values
  // back; the new dialog reads the project after that.
  QMdiSubWindow* sub = host_.addChildWindow(window);
  window->attach(sub);
  window->loadFromProject();
  ui::bringToFront(window);
}

QWidget* DataDialogs::dialog(DataDialog which) const {
  const auto it = dialogs_.find(which);
  return it == dialogs_.end() ? nullptr : it->second.data();
}

bool DataDialogs::commitAll() {
  for (auto& [which, w] : dialogs_)
    if (auto* window = qobject_cast<ui::DataDialogWindow*>(w.data()); window != nullptr && !window->commit())
      return false;
  return true;
}

void DataDialogs::closeAll() {
  // Closing may run events; work on a copy of the list.
  const auto open = dialogs_;
  dialogs_.clear();
  for (const auto& [which, w] : open)
    if (auto* window = qobject_cast<ui::DataDialogWindow*>(w.data())) window->closeDiscarding();
}

void DataDialogs::reactivateAll() {
  for (auto& [which, w] : dialogs_)
    if (auto* window = qobject_cast<ui::DataDialogWindow*>(w.data())) window->loadFromProject();
}

}  // namespace murena
