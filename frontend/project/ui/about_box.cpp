#include "frontend/project/ui/about_box.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include "common/data_file_layout.h"

namespace murena {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About MURENA 2015"));
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/icons/murena.svg")).pixmap(64, 64));
  auto* name = new QLabel(QStringLiteral("MURENA 2015"), this);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name->setFont(big);
  auto* version = new QLabel(QStringLiteral("Version %1").arg(QLatin1String(layout::kVersionText)), this);
  auto* purpose = new QLabel(
      QStringLiteral("Analysis of flexible earth-retaining walls as a beam-column\n"
                     "on nonlinear soil springs (p-y curves)."),
      this);
  auto* maker = new QLabel(QStringLiteral("Kaldor"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
  layout->addWidget(name, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(purpose, 2, 1);
  layout->addWidget(maker, 3, 1);
  layout->addWidget(buttons, 4, 0, 1, 2);
  layout->setHorizontalSpacing(16);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace murena
