#pragma once
// The staged-construction dialog ("Staged Construction Options"): an
// explanation of the simplified approach, the check box that makes the
// project staged and the number of stages (2 to 5).
#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace murena {

class TDlgStaged : public QDialog {
  Q_OBJECT
 public:
  // Starts with the project's stage count.
  TDlgStaged(int stageCount, QWidget* parent = nullptr);

  // The count chosen: 1 when the box is not ticked.
  int stageCount() const;
  QCheckBox* stagedBox() const { return staged_; }
  QSpinBox* countField() const { return count_; }

  // The explanation, line by line.
  static QString explanation();

 private:
  void stagedToggled(bool on);

  QCheckBox* staged_ = nullptr;
  QSpinBox* count_ = nullptr;
};

}  // namespace murena
