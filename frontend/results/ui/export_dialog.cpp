#include "frontend/results/ui/export_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/ui/workbook_writer.h"
#include "frontend/results/workbook_plan.h"

namespace murena::ui {

namespace {

TDlgExport::Opener& opener() {
  static TDlgExport::Opener o = [](const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  return o;
}

}  // namespace

void TDlgExport::setWorkbookOpener(Opener o) { opener() = std::move(o); }

TDlgExport::TDlgExport(MainWindowHost& host, QWidget* parent)
    : QDialog(parent), host_(host), selection_(host.graphs(), host.resultsLoaded()) {
  setWindowTitle(QStringLiteral("Export to Excel"));
  auto* text = new QLabel(
      QStringLiteral("The chosen graphs are written to a spreadsheet workbook (.xlsx): a Legend sheet, and for "
                     "each graph a sheet with its data and a sheet with its chart.\n\n"
                     "You pick the file; by default it is saved beside the data file and named after it.\n\n"
                     "The workbook is then opened with the desktop's default program for it."),
      this);
  text->setWordWrap(true);
  list_ = new QListWidget(this);
  for (const ExportEntry& e : selection_.entries()) {
    auto* item = new QListWidgetItem(QString::fromStdString(e.graph->Caption), list_);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable;
    if (e.enabled) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
  }
  selectAll_ = new QPushButton(QStringLiteral("Select All"), this);
  unselectAll_ = new QPushButton(QStringLiteral("Unselect All"), this);
  generate_ = new QPushButton(QStringLiteral("Generate Excel File"), this);
  syncToList();
  auto* close = new QPushButton(QStringLiteral("Close Window"), this);
  generate_->setDefault(true);

  connect(list_, &QListWidget::itemChanged, this, [this] { syncFromList(); });
  connect(selectAll_, &QPushButton::clicked, this, [this] {
    selection_.selectAll();
    syncToList();
  });
  connect(unselectAll_, &QPushButton::clicked, this, [this] {
    selection_.unselectAll();
    syncToList();
  });
  connect(generate_, &QPushButton::clicked, this, &TDlgExport::generateClicked);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* side = new QVBoxLayout;
  side->addWidget(selectAll_);
  side->addWidget(unselectAll_);
  side->addStretch();
  auto* middle = new QHBoxLayout;
  middle->addWidget(list_, 1);
  middle->addLayout(side);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(generate_);
  bottom->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  setMinimumWidth(440);
}

void TDlgExport::syncFromList() {
  for (int i = 0; i < list_->count(); ++i) selection_.setChecked(i, list_->item(i)->checkState() == Qt::Checked);
  // A disabled entry keeps its state even if the list changed it.
  syncToList();
}

void TDlgExport::syncToList() {
  const QSignalBlocker block(list_);
  for (int i = 0; i < list_->count(); ++i)
    list_->item(i)->setCheckState(selection_.entries()[static_cast<size_t>(i)].checked ? Qt::Checked
                                                                                        : Qt::Unchecked);
  generate_->setEnabled(selection_.canGenerate());
}

void TDlgExport::generateClicked() {
  const QString start = QString::fromStdString(defaultWorkbookPath(host_.project().data().FileName));
  const auto choice = askSaveFile(this, QStringLiteral("Save Workbook"), start,
                                  QStringLiteral("Excel Workbook (*.xlsx)|*.xlsx"), QStringLiteral("xlsx"));
  if (!choice) return;
  QString path = choice->path;
  if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) path += QStringLiteral(".xlsx");
  generate(path);
}

bool TDlgExport::generate(const QString& path) {
  const std::string error = writeWorkbookFile(planWorkbook(selection_.chosen()), path.toStdString());
  if (!error.empty()) {
    showInformation(this, QString::fromStdString(error));
    return false;
  }
  if (!opener()(path))
    showInformation(this,
                    QStringLiteral("The workbook was saved to %1, but no program was found to open it.").arg(path));
  return true;
}

}  // namespace murena::ui
