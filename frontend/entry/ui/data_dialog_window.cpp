#include "frontend/entry/ui/data_dialog_window.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/data_edit.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

DataDialogWindow::DataDialogWindow(MainWindowHost& host, const QString& caption, QWidget* parent)
    : QWidget(parent), host_(host) {
  setWindowTitle(caption);
}

TProject& DataDialogWindow::project() { return host_.project(); }

void DataDialogWindow::attach(QMdiSubWindow* sub) {
  watchActivation(sub, this, [this](bool active) { activationChanged(active); });
}

void DataDialogWindow::activationChanged(bool active) {
  if (active) {
    // Values are re-read only after they were written back: a dialog that
    // kept the focus for an invalid entry keeps what the user sees.
    if (reloadOnActivation_) loadFromProject();
    reloadOnActivation_ = false;
    return;
  }
  if (discard_) return;
  if (commit()) reloadOnActivation_ = true;
}

TDataEdit* DataDialogWindow::focusedField() const { return qobject_cast<TDataEdit*>(focusWidget()); }

bool DataDialogWindow::commit() {
  if (TDataEdit* field = focusedField(); field != nullptr && !field->checkEntry()) return false;
  writeBack();
  return true;
}

void DataDialogWindow::edited() {
  project().setModified();
  host_.projectEdited();
}

void DataDialogWindow::closeDiscarding() {
  discard_ = true;
  closeChildWindow(this);
}

void DataDialogWindow::closeEvent(QCloseEvent* event) {
  if (!discard_ && !commit()) {
    event->ignore();
    return;
  }
  discard_ = true;  // no write-back while the window goes away
  event->accept();
}

}  // namespace murena::ui
