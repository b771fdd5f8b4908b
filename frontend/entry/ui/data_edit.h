#pragma once
// TDataEdit: the numeric edit field of the data dialogs.  It carries its own
// limits, integer-only flag and units template, labels itself with the
// rendered units of the current unit system, checks its entry when it loses
// the focus and when Enter is pressed, shows a failed check's message in an
// information box and takes the focus back while the entry is invalid.
#include <QLineEdit>
#include <QPointer>

#include "frontend/entry/data_edit_rules.h"

#include <QLabel>

namespace murena::ui {

class TDataEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TDataEdit(QWidget* parent = nullptr);
  ~TDataEdit() override;

  // The attached label: Caption, or Caption + " (" + units + ")"; enabled
  // and disabled with the field; its accelerator leads to the field.
  QLabel* editLabel() const { return label_; }
  QString caption() const { return QString::fromStdString(rules_.caption()); }
  void setCaption(const QString& caption);
  QString unitsString() const { return QString::fromStdString(rules_.unitsString()); }
  void setUnitsString(const QString& unitsTemplate);
  int units() const { return rules_.units(); }
  void setUnits(int system);

  double minVal() const { return rules_.minVal(); }
  double maxVal() const { return rules_.maxVal(); }
  void setMinVal(double limit);
  void setMaxVal(double limit);
  bool integerOnly() const { return rules_.integerOnly(); }
  void setIntegerOnly(bool on);
  bool hex() const { return rules_.hex(); }
  void setHex(bool on);

  // The value of the text; `ok` false (and 0) when it does not evaluate.
  double number(bool* ok = nullptr) const;
  // Clamps into the limits and shows the canonical text.
  void setNumber(double value);

  // Whether the last check passed.
  bool isValid() const { return rules_.valid(); }
  // Checks the entry now.  On failure the message is shown and the field
  // takes the focus back; false also while that is still pending.
  bool checkEntry();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void updateLabel();
  void reclaimFocus();
  void syncRules() const;

  mutable TDataEditRules rules_;
  QPointer<QLabel> label_;
  bool hadFocus_ = false;
  bool checking_ = false;
  bool reclaimPending_ = false;
};

}  // namespace murena::ui
