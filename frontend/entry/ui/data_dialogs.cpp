#include "frontend/entry/ui/data_dialogs.h"

#include <QWidget>

#include "frontend/project/ui/main_window_host.h"

namespace murena {

DataDialogs::DataDialogs(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
DataDialogs::~DataDialogs() = default;

void DataDialogs::show(DataDialog) {}

QWidget* DataDialogs::dialog(DataDialog which) const {
  const auto it = dialogs_.find(which);
  return it == dialogs_.end() ? nullptr : it->second.data();
}

bool DataDialogs::commitAll() { return true; }

void DataDialogs::closeAll() {
  for (auto& [which, w] : dialogs_)
    if (w) w->close();
  dialogs_.clear();
}

void DataDialogs::reactivateAll() {}

}  // namespace murena
