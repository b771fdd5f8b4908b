#include "frontend/views/ui/deformed_shape_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "frontend/entry/general_format.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/views/deformed_shape.h"
#include "frontend/views/view_messages.h"

namespace murena::ui {

TDlgDeformedShape::TDlgDeformedShape(views::DeformedShapeSettings& settings, std::function<void()> changed,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings), changed_(std::move(changed)) {
  setWindowTitle(QString::fromUtf8(views::kDeformedShapeTitle));
  setAttribute(Qt::WA_DeleteOnClose);

  show_ = new QCheckBox(tr("Show &Deformed Shape"), this);
  undeformed_ = new QCheckBox(tr("Show &Undeformed Model"), this);
  factor_ = new QLineEdit(this);
  factor_->installEventFilter(this);
  auto* factorLabel = new QLabel(tr("Deformed Shape &Factor"), this);
  factorLabel->setBuddy(factor_);
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  up_->setToolTip(tr("Larger factor"));
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  down_->setToolTip(tr("Smaller factor"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
  close->setDefault(true);

  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* grid = new QGridLayout;
  grid->addWidget(factorLabel, 0, 0);
  grid->addWidget(factor_, 0, 1);
  grid->addLayout(arrows, 0, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(show_);
  layout->addWidget(undeformed_);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(show_, undeformed_);
  setTabOrder(undeformed_, factor_);
  setTabOrder(factor_, close);

  showSettings();
  connect(show_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.show = on;
    updateEnabled();
    changed_();
  });
  connect(undeformed_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.undeformed = on;
    changed_();
  });
  connect(factor_, &QLineEdit::textEdited, this, &TDlgDeformedShape::factorTyped);
  connect(factor_, &QLineEdit::editingFinished, this, &TDlgDeformedShape::factorFinished);
  connect(up_, &QToolButton::clicked, this, [this] { step(true); });
  connect(down_, &QToolButton::clicked, this, [this] { step(false); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
}

QString TDlgDeformedShape::factorText(double factor) { return QString::fromStdString(formatGeneral(factor, 15)); }

void TDlgDeformedShape::showSettings() {
  const QSignalBlocker a(show_), b(undeformed_);
  show_->setChecked(settings_.show);
  undeformed_->setChecked(settings_.undeformed);
  factor_->setText(factorText(settings_.factor));
  updateEnabled();
}

void TDlgDeformedShape::updateEnabled() {
  const bool on = settings_.show;
  for (QWidget* w : std::initializer_list<QWidget*>{undeformed_, factor_, up_, down_}) w->setEnabled(on);
}

void TDlgDeformedShape::step(bool up) {
  settings_.factor = up ? views::stepFactorUp(settings_.factor) : views::stepFactorDown(settings_.factor);
  factor_->setText(factorText(settings_.factor));
  changed_();
}

void TDlgDeformedShape::factorTyped(const QString& text) {
  double value = 0;
  if (!parseDecimal(text.trimmed().toStdString(), value)) return;  // reported when the edit is left
  settings_.factor = value;
  changed_();
}

void TDlgDeformedShape::factorFinished() {
  double value = 0;
  const QString text = factor_->text().trimmed();
  if (parseDecimal(text.toStdString(), value)) return;
  // The last number stays; the box shows it again before the message takes the focus.
  factor_->setText(factorText(settings_.factor));
  showMessage(this, MessageKind::Error, QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

// The Up and Down keys in the factor box step it like the arrows.
bool TDlgDeformedShape::eventFilter(QObject* watched, QEvent* event) {
  if (watched == factor_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      step(key == Qt::Key_Up);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace murena::ui
