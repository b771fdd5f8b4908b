#include "frontend/results/ui/save_attributes_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

namespace murena::ui {

namespace {

// No upper bound is set on the size; this only keeps the boxes workable.
constexpr double kLargestInches = 1000;
constexpr int kLargestPixelsPerInch = 10000;

QDoubleSpinBox* inchBox(double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(kMinSaveInches, kLargestInches);
  box->setDecimals(2);
  box->setSingleStep(0.5);
  box->setValue(value);
  return box;
}

}  // namespace

TdlgFormat::TdlgFormat(const SaveAttributes& initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Save Attributes"));
  height_ = inchBox(initial.heightInches, this);
  width_ = inchBox(initial.widthInches, this);
  ppi_ = new QSpinBox(this);
  ppi_->setRange(kMinPixelsPerInch, kLargestPixelsPerInch);
  ppi_->setValue(initial.pixelsPerInch);
  depth_ = new QComboBox(this);
  depth_->addItems({QStringLiteral("Black and White"), QStringLiteral("16 Colors"), QStringLiteral("256 Colors"),
                    QStringLiteral("High Color (16 bit)"), QStringLiteral("True Color (24 bit)")});
  depth_->setCurrentIndex(static_cast<int>(initial.depth));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Height (in)"), height_);
  form->addRow(QStringLiteral("&Width (in)"), width_);
  form->addRow(QStringLiteral("&Pixels Per Inch"), ppi_);
  form->addRow(QStringLiteral("&Colors (bitmap)"), depth_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

SaveAttributes TdlgFormat::attributes() const {
  return {height_->value(), width_->value(), ppi_->value(), static_cast<ColorDepth>(depth_->currentIndex())};
}

}  // namespace murena::ui
