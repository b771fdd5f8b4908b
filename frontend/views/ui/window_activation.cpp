#include "frontend/views/ui/window_activation.h"

#include <QMdiSubWindow>

namespace murena::ui {

void followActivation(QWidget* child, QPointer<QWidget>& watched, std::function<void()> activated) {
  auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
  if (sub == nullptr || sub == watched) return;
  watched = sub;
  QObject::connect(sub, &QMdiSubWindow::windowStateChanged, child,
                   [activated = std::move(activated)](Qt::WindowStates before, Qt::WindowStates now) {
                     if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) activated();
                   });
}

}  // namespace murena::ui
