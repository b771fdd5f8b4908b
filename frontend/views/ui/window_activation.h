#pragma once
// The model views follow the project each time their sub-window of the
// multiple-document area is activated.
#include <QPointer>
#include <QWidget>
#include <functional>

namespace murena::ui {

// Calls `activated` whenever the sub-window that holds `child` becomes the
// active one.  Call it from the child's showEvent: it connects once for each
// sub-window the child is shown in (`watched` remembers it).
void followActivation(QWidget* child, QPointer<QWidget>& watched, std::function<void()> activated);

}  // namespace murena::ui
