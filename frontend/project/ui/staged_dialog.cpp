#include "frontend/project/ui/staged_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace murena {

QString TDlgStaged::explanation() {
  static const char* const kLines[] = {
      "MURENA provides users with a convenient tool to study",
      "and to compare the predicted  deflection, bending moment, ",
      "and shear at different stages of construction based on a",
      "simplified approach.",
      "",
      "The program will not trace the stress history of soil and",
      "structure at each stage.  Instead, the program will use the",
      "earth pressure, restrained boundary conditions, and soil",
      "resistance curves (p-y curves) at each stage as the initial",
      "condition to evaluate the behavior of the system without",
      "considering any effect due to the stress history.",
      "",
      "However, the p-y resistance curves will be generated based",
      "on the excavation depth, wall height, and water table at",
      "each new stage to reflect the change in soil resistance.",
      "",
      "This approach is not a rigorous procedure but it provides the",
      "user with general ideas about the possible pattern of",
      "deformation and stress in the system. It completely relies ",
      "on the user's judgement to interpret the predicted results.",
  };
  QStringList lines;
  for (const char* line : kLines) lines << QString::fromLatin1(line);
  return lines.join(QLatin1Char('\n'));
}

TDlgStaged::TDlgStaged(int stageCount, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Staged Construction Options"));

  // A framed, selectable text the layout sizes to its lines at any font size.
  auto* text = new QLabel(explanation(), this);
  text->setTextFormat(Qt::PlainText);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setFrameShape(QFrame::StyledPanel);
  text->setBackgroundRole(QPalette::Base);
  text->setAutoFillBackground(true);
  text->setMargin(text->fontMetrics().averageCharWidth());
  text->setObjectName(QStringLiteral("Explanation"));

  staged_ = new QCheckBox(QStringLiteral("Conduct &Staged-Construction Analysis"), this);
  auto* countLabel = new QLabel(QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"), this);
  count_ = new QSpinBox(this);
  countLabel->setBuddy(count_);
  count_->setAlignment(Qt::AlignRight);
  count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countLabel);
  countRow->addWidget(count_);
  countRow->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text, 1);
  layout->addWidget(staged_);
  layout->addLayout(countRow);
  layout->addWidget(buttons);

  // Activation: ticked, with the count, when the project is staged.
  const bool isStaged = stageCount > 1;
  staged_->setChecked(isStaged);
  count_->setRange(isStaged ? 2 : 1, isStaged ? 5 : 1);
  count_->setValue(std::clamp(stageCount, 1, 5));
  count_->setEnabled(isStaged);
  connect(staged_, &QCheckBox::toggled, this, &TDlgStaged::stagedToggled);
  staged_->setFocus();
}

void TDlgStaged::stagedToggled(bool on) {
  // Ticked: at least two stages, the arrows run from 2 to 5; unticked: one.
  if (on) {
    count_->setRange(2, 5);
    count_->setValue(std::max(count_->value(), 2));
  } else {
    count_->setRange(1, 1);
    count_->setValue(1);
  }
  count_->setEnabled(on);
}

int TDlgStaged::stageCount() const { return staged_->isChecked() ? count_->value() : 1; }

}  // namespace murena
