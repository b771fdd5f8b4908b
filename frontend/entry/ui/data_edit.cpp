#include "frontend/entry/ui/data_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "frontend/entry/entry_errors.h"
#include "frontend/entry/ui/child_window.h"
#include "frontend/entry/ui/prompts.h"

namespace murena::ui {

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent), label_(new QLabel(parent)) {
  label_->setBuddy(this);
  setText(QString::fromStdString(rules_.text()));
  updateLabel();
}

TDataEdit::~TDataEdit() {
  // A label never put into a window has no owner.
  if (label_ && label_->parent() == nullptr) delete label_.data();
}

void TDataEdit::setCaption(const QString& caption) {
  rules_.setCaption(caption.toStdString());
  updateLabel();
}

void TDataEdit::setUnitsString(const QString& unitsTemplate) {
  rules_.setUnitsString(unitsTemplate.toStdString());
  updateLabel();
}

void TDataEdit::setUnits(int system) {
  rules_.setUnits(system);
  updateLabel();
}

void TDataEdit::updateLabel() {
  if (label_) label_->setText(QString::fromStdString(rules_.labelText()));
}

void TDataEdit::syncRules() const { rules_.setText(text().toStdString()); }

void TDataEdit::setMinVal(double limit) {
  syncRules();
  rules_.setMinVal(limit);
  setText(QString::fromStdString(rules_.text()));
}

void TDataEdit::setMaxVal(double limit) {
  syncRules();
  rules_.setMaxVal(limit);
  setText(QString::fromStdString(rules_.text()));
}

void TDataEdit::setIntegerOnly(bool on) { rules_.setIntegerOnly(on); }

void TDataEdit::setHex(bool on) { rules_.setHex(on); }

double TDataEdit::number(bool* ok) const {
  syncRules();
  try {
    const double value = rules_.number();
    if (ok) *ok = true;
    return value;
  } catch (const EntryError&) {
    if (ok) *ok = false;
    return 0;
  }
}

void TDataEdit::setNumber(double value) {
  rules_.setNumber(value);
  setText(QString::fromStdString(rules_.text()));
}

bool TDataEdit::checkEntry() {
  if (reclaimPending_) return false;
  if (checking_) return rules_.valid();
  checking_ = true;
  syncRules();
  QString message;
  try {
    rules_.check();
  } catch (const EntryError& e) {
    message = QString::fromStdString(e.message());
  }
  // The canonical text, or the limit the value was moved onto.
  const QString shown = QString::fromStdString(rules_.text());
  if (shown != text()) setText(shown);
  if (message.isEmpty()) {
    checking_ = false;
    return true;
  }
  reclaimPending_ = true;
  showInformation(window(), message);
  checking_ = false;
  // Once the focus change that led here is over, the field takes it back.
  QTimer::singleShot(0, this, &TDataEdit::reclaimFocus);
  return false;
}

void TDataEdit::reclaimFocus() {
  reclaimPending_ = false;
  if (!isVisible()) return;
  bringToFront(this);
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

void TDataEdit::focusInEvent(QFocusEvent* event) {
  hadFocus_ = true;
  QLineEdit::focusInEvent(event);
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const bool hadFocus = hadFocus_;
  hadFocus_ = false;
  // Switching to another program or opening a menu is not leaving the field.
  if (!hadFocus || event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    return;
  checkEntry();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    checkEntry();
    selectAll();
    event->accept();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && typed.front().unicode() < 128 &&
      TDataEditRules::extendsValue(static_cast<char>(typed.front().unicode())) && hasSelectedText() &&
      selectedText() == text()) {
    end(false);  // the operator extends the value instead of replacing it
  }
  QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
}

}  // namespace murena::ui
