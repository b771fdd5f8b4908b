#include "frontend/results/ui/line_names_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/entry/ui/prompts.h"
#include "frontend/results/graph_legend.h"

namespace murena::ui {

TfrmLineNames::TfrmLineNames(const TGraphPlot& graph, QWidget* parent) : QDialog(parent), editor_(graph) {
  setWindowTitle(QStringLiteral("Legend"));
  auto* listLabel = new QLabel(QStringLiteral("Select line to modify:"), this);
  list_ = new QListWidget(this);
  for (const std::string& name : editor_.names()) list_->addItem(QString::fromStdString(name));
  listLabel->setBuddy(list_);
  auto* editLabel = new QLabel(QStringLiteral("Type new legend below:"), this);
  edit_ = new QLineEdit(this);
  editLabel->setBuddy(edit_);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  // Enter in the edit box stores the name; it does not close the dialog.
  for (QPushButton* b : {ok, cancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  connect(ok, &QPushButton::clicked, this, [this] {
    storeEdit();
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, &TfrmLineNames::showRow);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { showRow(list_->currentRow()); });
  connect(edit_, &QLineEdit::editingFinished, this, &TfrmLineNames::storeEdit);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listLabel);
  layout->addWidget(list_, 1);
  layout->addWidget(editLabel);
  layout->addWidget(edit_);
  layout->addLayout(buttons);
  // Never smaller than the buttons and texts need at the desktop's font.
  setMinimumSize(QSize(195, 167).expandedTo(layout->minimumSize()));
  if (list_->count() > 0) list_->setCurrentRow(0);
}

// The edit box loses the focus while the dialog's children are destroyed,
// after this object's own part is gone: its signal must not reach it.
TfrmLineNames::~TfrmLineNames() { disconnect(edit_, nullptr, this, nullptr); }

void TfrmLineNames::done(int result) {
  closing_ = true;
  QDialog::done(result);
}

void TfrmLineNames::showRow(int row) {
  if (row < 0 || row >= editor_.count()) return;
  edit_->setText(QString::fromStdString(editor_.names()[static_cast<size_t>(row)]));
  const draw::Color c = entryColor(row);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, QColor(c.r, c.g, c.b));
  edit_->setPalette(palette);
}

void TfrmLineNames::storeEdit() {
  const int row = list_->currentRow();
  if (storing_ || closing_ || row < 0) return;
  storing_ = true;
  if (editor_.rename(row, edit_->text().toStdString())) {
    list_->item(row)->setText(edit_->text());
  } else {
    showInformation(this, QString::fromUtf8(kEmptyCurveNameMessage));
    showRow(row);
  }
  storing_ = false;
}

}  // namespace murena::ui
