#include "frontend/entry/ui/field_dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/entry/ui/data_dialogs.h"
#include "frontend/entry/ui/data_edit.h"
#include "frontend/entry/ui/svg_picture.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

FieldDialog::FieldDialog(MainWindowHost& host, const QString& caption, const std::vector<DialogField>& fields,
                         QWidget* parent)
    : DataDialogWindow(host, caption, parent), grid_(new QGridLayout) {
  grid_->setColumnStretch(0, 0);
  int row = 0;
  for (const DialogField& def : fields) {
    auto* edit = new TDataEdit(this);
    edit->setObjectName(QString::fromStdString(def.name));
    edit->editLabel()->setObjectName(QString::fromStdString(def.name) + QStringLiteral("Label"));
    edit->setCaption(QString::fromStdString(def.caption));
    edit->setUnitsString(QString::fromStdString(def.unitsTemplate));
    edit->setIntegerOnly(def.integerOnly);
    edit->setMinVal(def.minVal);
    edit->setMaxVal(def.maxVal);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 16);
    grid_->addWidget(edit->editLabel(), row, 0);
    grid_->addWidget(edit, row, 1);
    ++row;
    for (const std::string& note : def.notes) {
      auto* label = new QLabel(QString::fromStdString(note), this);
      label->setContentsMargins(edit->fontMetrics().horizontalAdvance(QStringLiteral("MM")), 0, 0, 0);
      grid_->addWidget(label, row++, 0, 1, 2);
    }
    fields_.emplace_back(&def, edit);
  }
}

int FieldDialog::fieldRows() const { return grid_->rowCount(); }

TDataEdit* FieldDialog::field(const QString& name) const {
  for (const auto& [def, edit] : fields_)
    if (QString::fromStdString(def->name) == name) return edit;
  return nullptr;
}

void FieldDialog::loadFromProject() {
  const TProgramData& data = project().data();
  for (const auto& [def, edit] : fields_) {
    edit->setUnits(data.UnitSystem);
    edit->setNumber(shownValue(*def, data));
  }
}

void FieldDialog::writeBack() {
  TProgramData& data = project().data();
  bool changed = false;
  for (const auto& [def, edit] : fields_) {
    bool ok = false;
    const double value = edit->number(&ok);
    if (ok && storeShownValue(*def, data, value)) changed = true;
  }
  if (changed) edited();
}

// ------------------------------------------------------------ Wall Properties

WallPropertiesDialog::WallPropertiesDialog(MainWindowHost& host, QWidget* parent)
    : FieldDialog(host, DataDialogs::caption(DataDialog::WallProperties), wallPropertiesFields(), parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(fieldGrid());

  auto* stiffness = new QHBoxLayout;
  stiffness->addWidget(new QLabel(QStringLiteral("Wall Stiffness (EI)"), this));
  auto* sections = new QPushButton(QStringLiteral("Enter Section Data"), this);
  sections->setObjectName(QStringLiteral("EnterSectionData"));
  stiffness->addWidget(sections);
  stiffness->addStretch(1);
  layout->addSpacing(fontMetrics().height() / 2);
  layout->addLayout(stiffness);
  connect(sections, &QPushButton::clicked, this,
          [this] { this->host().showTableEditor(project().tables().PileSect); });
}

// --------------------------------------------------------- Wall Configuration

WallConfigurationDialog::WallConfigurationDialog(MainWindowHost& host, QWidget* parent)
    : FieldDialog(host, DataDialogs::caption(DataDialog::WallConfiguration), wallConfigurationFields(), parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  auto* group = new QGroupBox(QStringLiteral("Wall Configuration"), this);
  auto* pictures = new QVBoxLayout(group);
  pictures->addWidget(new SvgPicture(QStringLiteral(":/entry/pictures/wall_geometry.svg"), group));
  pictures->addWidget(new SvgPicture(QStringLiteral(":/entry/pictures/wall_plan.svg"), group));
  pictures->addStretch(1);
  layout->addWidget(group);

  auto* fields = new QVBoxLayout;
  fields->addLayout(fieldGrid());
  fields->addStretch(1);
  layout->addLayout(fields);
}

}  // namespace murena::ui
