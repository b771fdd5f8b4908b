#include "frontend/results/ui/graph_caption_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace murena::ui {

TfrmGraphCaption::TfrmGraphCaption(const QString& title, bool atTop, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Graph Caption"));
  auto* label = new QLabel(QStringLiteral("Enter Graph Caption"), this);
  edit_ = new QLineEdit(title, this);
  edit_->setMinimumWidth(320);
  label->setBuddy(edit_);
  auto* group = new QGroupBox(QStringLiteral("Caption Location"), this);
  top_ = new QRadioButton(QStringLiteral("Top"), group);
  bottom_ = new QRadioButton(QStringLiteral("Bottom"), group);
  (atTop ? top_ : bottom_)->setChecked(true);
  auto* sides = new QHBoxLayout(group);
  sides->addWidget(top_);
  sides->addWidget(bottom_);
  sides->addStretch();
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(edit_);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

QString TfrmGraphCaption::title() const { return edit_->text(); }
bool TfrmGraphCaption::atTop() const { return top_->isChecked(); }

}  // namespace murena::ui
