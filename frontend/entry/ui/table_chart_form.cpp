#include "frontend/entry/ui/table_chart_form.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "frontend/entry/curve_chart.h"
#include "frontend/entry/curve_import.h"
#include "frontend/entry/ui/curve_chart_view.h"
#include "frontend/entry/ui/grid_view.h"
#include "frontend/entry/ui/prompts.h"
#include "frontend/project/ui/main_window_host.h"

namespace murena::ui {

const QString TTableChartForm::kCurveFileFilter =
    QStringLiteral("Text Files (*.txt)|*.txt|Data Files (*.dat)|*.dat|All Files (*.*)|*.*");

TTableChartForm::TTableChartForm(MainWindowHost& host, GridTable& table, QWidget* parent)
    : TTableForm(host, table, parent) {
  const ChartSettings* settings = table.chartSettings();
  if (settings != nullptr && settings->getDataFromFile) {
    auto* files = new QGridLayout;
    auto* label = new QLabel(QStringLiteral("File name:"), this);
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("FileName"));
    label->setBuddy(fileName_);
    browse_ = new QPushButton(QStringLiteral("Browse"), this);
    viewFile_ = new QPushButton(QStringLiteral("View/Edit File"), this);
    readFile_ = new QPushButton(QStringLiteral("Read values from File"), this);
    paste_ = new QPushButton(QStringLiteral("Paste values from  Clipboard (text)"), this);
    browse_->setObjectName(QStringLiteral("Browse"));
    viewFile_->setObjectName(QStringLiteral("ViewFile"));
    readFile_->setObjectName(QStringLiteral("ReadFile"));
    paste_->setObjectName(QStringLiteral("Paste"));
    files->addWidget(label, 0, 0);
    files->addWidget(fileName_, 0, 1, 1, 2);
    files->addWidget(browse_, 0, 3);
    files->addWidget(viewFile_, 1, 1);
    files->addWidget(readFile_, 1, 2, 1, 2);
    files->addWidget(paste_, 2, 1, 1, 3);
    gridColumn()->insertLayout(gridColumn()->count() - 1, files);

    connect(fileName_, &QLineEdit::textChanged, this, &TTableChartForm::updateFileButtons);
    connect(browse_, &QPushButton::clicked, this, &TTableChartForm::browseFile);
    connect(viewFile_, &QPushButton::clicked, this, [this] { this->host().openInTextEditor(fileName_->text()); });
    connect(readFile_, &QPushButton::clicked, this, &TTableChartForm::readFile);
    connect(paste_, &QPushButton::clicked, this, &TTableChartForm::pasteClipboard);
    updateFileButtons();
  }
  if (tableHasCurveChart(table)) {
    chart_ = new CurveChartView(&table, this);
    chart_->setObjectName(QStringLiteral("Chart"));
    body()->addWidget(chart_, 1);
  }
}

void TTableChartForm::refresh() {
  TTableForm::refresh();
  if (chart_) chart_->update();
}

void TTableChartForm::tableEdited() {
  if (chart_) chart_->update();
  TTableForm::tableEdited();
}

void TTableChartForm::tableDestroyed(GridTable& gone) {
  if (chart_ && &gone == table()) chart_->setTable(nullptr);
  TTableForm::tableDestroyed(gone);
}

void TTableChartForm::activationChanged(bool active) {
  if (active) updateFileButtons();  // the file may have been made meanwhile
  TTableForm::activationChanged(active);
}

void TTableChartForm::updateFileButtons() {
  if (fileName_ == nullptr) return;
  const QString name = fileName_->text().trimmed();
  const bool exists = !name.isEmpty() && QFileInfo(name).isFile();
  viewFile_->setEnabled(exists);
  readFile_->setEnabled(exists);
}

void TTableChartForm::browseFile() {
  const auto choice = askOpenFile(this, QStringLiteral("Open"), fileName_->text(), kCurveFileFilter);
  if (choice) fileName_->setText(choice->path);
}

template <class Import>
void TTableChartForm::import(Import&& run) {
  if (table() == nullptr || !commitEntry()) return;
  int filled = 0;
  try {
    filled = run(*table());
  } catch (const MessageError& e) {
    showInformation(this, QString::fromStdString(e.message()));
    return;
  }
  if (filled > 0) rowsReplaced(0);
}

void TTableChartForm::readFile() {
  const std::string path = fileName_->text().trimmed().toStdString();
  import([&](GridTable& t) { return importCurveFile(t, path); });
}

void TTableChartForm::pasteClipboard() {
  std::optional<std::string> text;
  if (const QMimeData* data = QGuiApplication::clipboard()->mimeData(); data != nullptr && data->hasText()) {
    const QString clip = data->text();
    if (!clip.isEmpty()) text = clip.toStdString();
  }
  import([&](GridTable& t) { return importCurveClipboard(t, text); });
}

}  // namespace murena::ui
