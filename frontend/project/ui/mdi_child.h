#pragma once
// Putting a child window into a multiple-document area: the child and its
// sub-window are deleted when closed, and both are shown.
#include <QMdiArea>
#include <QMdiSubWindow>

namespace murena {

inline QMdiSubWindow* addMdiChild(QMdiArea& area, QWidget* child) {
  child->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* sub = area.addSubWindow(child);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  child->show();
  sub->show();
  return sub;
}

}  // namespace murena
