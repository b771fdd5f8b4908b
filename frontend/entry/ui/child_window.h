#pragma once
// Helpers for the child windows of data entry (dialogs and table editors),
// which live in a multiple-document area: activation changes of their
// sub-window, and bringing a window back to the front when it must keep the
// focus.
#include <QMetaObject>
#include <functional>

class QMdiSubWindow;
class QObject;
class QWidget;

namespace murena::ui {

// The sub-window that holds a widget, null when it is not in one.
QMdiSubWindow* enclosingSubWindow(const QWidget* widget);

// Calls `changed(true)` when the sub-window becomes the active one and
// `changed(false)` when it stops being active.  The connection ends with
// `context`.
QMetaObject::Connection watchActivation(QMdiSubWindow* sub, QObject* context, std::function<void(bool active)> changed);

// Makes the window holding the widget the active one (its sub-window in the
// area, or the top-level window).
void bringToFront(QWidget* widget);

// Closes the window holding the widget (its sub-window, so that the frame
// goes too); false when the widget refused to close.
bool closeChildWindow(QWidget* widget);

}  // namespace murena::ui
