#include "frontend/results/ui/active_lines_dialog.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace murena::ui {

TfrmActiveLines::TfrmActiveLines(const TGraphPlot& graph, QWidget* parent) : QDialog(parent), editor_(graph) {
  setWindowTitle(QStringLiteral("Active Curves"));
  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The " yes : " and " no  : " columns line up in a fixed-pitch font.
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (int i = 0; i < editor_.count(); ++i) list_->addItem(QString());
  refreshRows();
  if (list_->count() > 0) list_->setCurrentRow(0);

  toggleSelected_ = new QPushButton(QStringLiteral("Activate/Deactivate Selected"), this);
  activateAll_ = new QPushButton(QStringLiteral("Activate All"), this);
  deactivateAll_ = new QPushButton(QStringLiteral("Deactivate All"), this);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  ok->setDefault(true);

  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    editor_.toggle(list_->row(item));
    refreshRows();
  });
  connect(toggleSelected_, &QPushButton::clicked, this, [this] {
    std::vector<int> rows;
    for (int i = 0; i < list_->count(); ++i)
      if (list_->item(i)->isSelected()) rows.push_back(i);
    editor_.toggle(rows);
    refreshRows();
  });
  connect(activateAll_, &QPushButton::clicked, this, [this] {
    editor_.setAll(true);
    refreshRows();
  });
  connect(deactivateAll_, &QPushButton::clicked, this, [this] {
    editor_.setAll(false);
    refreshRows();
  });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* actions = new QGridLayout;
  actions->addWidget(toggleSelected_, 0, 0, 1, 2);
  actions->addWidget(activateAll_, 1, 0);
  actions->addWidget(deactivateAll_, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(actions);
  layout->addLayout(buttons);
  // Never smaller than the buttons and texts need at the desktop's font.
  setMinimumSize(QSize(190, 234).expandedTo(layout->minimumSize()));
}

void TfrmActiveLines::refreshRows() {
  for (int i = 0; i < editor_.count(); ++i) list_->item(i)->setText(QString::fromStdString(editor_.rowText(i)));
}

}  // namespace murena::ui
