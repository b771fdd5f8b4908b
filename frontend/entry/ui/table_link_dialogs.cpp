#include "frontend/entry/ui/table_link_dialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/svg_picture.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

TableLinkDialog::TableLinkDialog(MainWindowHost& host, TableLinkDialogSetup setup, QWidget* parent)
    : DataDialogWindow(host, setup.caption, parent), setup_(std::move(setup)) {
  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(new SvgPicture(setup_.picture, this));

  auto* controls = new QVBoxLayout;
  controls->addStretch(1);
  if (!setup_.checkCaption.isEmpty()) {
    check_ = new QCheckBox(setup_.checkCaption, this);
    check_->setObjectName(QStringLiteral("OptionBox"));
    controls->addWidget(check_);
    connect(check_, &QCheckBox::toggled, this, &TableLinkDialog::optionToggled);
  }
  button_ = new QPushButton(setup_.buttonCaption, this);
  button_->setObjectName(QStringLiteral("TableButton"));
  controls->addWidget(button_);
  controls->addStretch(1);
  layout->addLayout(controls);
  connect(button_, &QPushButton::clicked, this, [this] { this->host().showTableEditor(setup_.table(project())); });
}

void TableLinkDialog::loadFromProject() {
  if (check_ == nullptr) return;
  check_->setChecked(project().data().*setup_.option);
  button_->setEnabled(check_->isChecked());
}

void TableLinkDialog::optionToggled(bool on) {
  button_->setEnabled(on);
  // Switched off: the table's editor goes; its rows stay until the next save.
  if (!on) host().closeTableEditor(setup_.table(project()));
}

void TableLinkDialog::writeBack() {
  if (check_ == nullptr) return;
  bool& option = project().data().*setup_.option;
  if (option == check_->isChecked()) return;
  option = check_->isChecked();
  edited();
}

TableLinkDialogSetup concentratedLoadsDialogSetup() {
  return {DataDialogs::caption(DataDialog::ConcentratedLoads), QStringLiteral(":/entry/pictures/concentrated_loads.svg"),
          QStringLiteral("Apply &Concentrated Loads"), &TProgramData::ApplyConcentratedLoads,
          QStringLiteral("&Edit Concentrated Loads"), [](TProject& p) -> GridTable& { return p.tables().BoundCond; }};
}

TableLinkDialogSetup springsDialogSetup() {
  return {DataDialogs::caption(DataDialog::Springs), QStringLiteral(":/entry/pictures/springs.svg"),
          QStringLiteral("&Lateral and Rotational Springs"), &TProgramData::ApplySprings,
          QStringLiteral("&Edit Spring Stiffness"), [](TProject& p) -> GridTable& { return p.tables().SoilStrength; }};
}

TableLinkDialogSetup tiebackDialogSetup() {
  return {DataDialogs::caption(DataDialog::Tieback), QStringLiteral(":/entry/pictures/tieback.svg"), QString(),
          nullptr, QStringLiteral("&Enter Tieback data"),
          [](TProject& p) -> GridTable& { return p.tables().TiebackTable1; }};
}

TableLinkDialogSetup surchargeDialogSetup() {
  return {DataDialogs::caption(DataDialog::Surcharge), QStringLiteral(":/entry/pictures/surcharge.svg"), QString(),
          nullptr, QStringLiteral("&Edit Surcharge Loads"),
          [](TProject& p) -> GridTable& { return p.tables().SurchargeTable; }};
}

}  // namespace murena::ui
