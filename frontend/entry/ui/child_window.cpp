#include "frontend/entry/ui/child_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace murena::ui {

QMdiSubWindow* enclosingSubWindow(const QWidget* widget) {
  for (QWidget* w = widget ? widget->parentWidget() : nullptr; w != nullptr; w = w->parentWidget())
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) return sub;
  return nullptr;
}

QMetaObject::Connection watchActivation(QMdiSubWindow* sub, QObject* context,
                                        std::function<void(bool active)> changed) {
  if (sub == nullptr) return {};
  return QObject::connect(sub, &QMdiSubWindow::windowStateChanged, context,
                          [changed = std::move(changed)](Qt::WindowStates before, Qt::WindowStates now) {
                            const bool was = before.testFlag(Qt::WindowActive);
                            const bool is = now.testFlag(Qt::WindowActive);
                            if (was != is) changed(is);
                          });
}

void bringToFront(QWidget* widget) {
  if (widget == nullptr) return;
  if (QMdiSubWindow* sub = enclosingSubWindow(widget)) {
    if (QMdiArea* area = sub->mdiArea()) {
      if (sub->isMinimized()) sub->showNormal();
      area->setActiveSubWindow(sub);
    }
  }
  QWidget* top = widget->window();
  if (top != nullptr && !top->isActiveWindow()) top->activateWindow();
}

bool closeChildWindow(QWidget* widget) {
  if (widget == nullptr) return true;
  if (QMdiSubWindow* sub = enclosingSubWindow(widget)) return sub->close();
  return widget->close();
}

}  // namespace murena::ui
