#pragma once
// TDlgDeformedShape, the Deformed Shape dialog of the 3D view: switches the
// deflected wall and the undeformed model on and sets the exaggeration
// factor (typed, or stepped by its leading digit with the arrows).  Every
// change is handed to the view at once.
#include <QDialog>
#include <functional>

#include "frontend/views/view_options.h"

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace murena::ui {

class TDlgDeformedShape : public QDialog {
  Q_OBJECT
 public:
  // `settings` belongs to the view and outlives the dialog; `changed` rebuilds
  // the model.
  TDlgDeformedShape(views::DeformedShapeSettings& settings, std::function<void()> changed,
                    QWidget* parent = nullptr);

  QCheckBox* showBox() const { return show_; }
  QCheckBox* undeformedBox() const { return undeformed_; }
  QLineEdit* factorEdit() const { return factor_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

  // The factor shown in the edit box.
  static QString factorText(double factor);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showSettings();
  void updateEnabled();
  void step(bool up);
  void factorTyped(const QString& text);
  void factorFinished();

  views::DeformedShapeSettings& settings_;
  std::function<void()> changed_;
  QCheckBox* show_;
  QCheckBox* undeformed_;
  QLineEdit* factor_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace murena::ui
