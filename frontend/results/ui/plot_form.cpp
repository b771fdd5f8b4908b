#include "frontend/results/ui/plot_form.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>
#include <cmath>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/ui/active_lines_dialog.h"
#include "frontend/results/ui/drawing_painter.h"
#include "frontend/results/ui/graph_caption_dialog.h"
#include "frontend/results/ui/legend_list_box.h"
#include "frontend/results/ui/line_names_dialog.h"
#include "frontend/results/ui/plot_canvas.h"
#include "frontend/results/ui/save_attributes_dialog.h"

namespace murena::ui {

namespace {

// A curve name shown as a menu item: "&" is not an accelerator there.
QString literalMenuText(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TPlotForm::TPlotForm(MainWindowHost& host, TGraphPlot& graph, QWidget* parent)
    : QWidget(parent), host_(host), view_(graph) {
  opened_ = view_.open(logicalDpiX());
  setWindowTitle(QString::fromStdString(graph.Caption));
  setMinimumSize(320, 240);
  menuBar_ = new QMenuBar(this);
  plotMenu_ = menuBar_->addMenu(QStringLiteral("&Plot"));
  connect(plotMenu_, &QMenu::aboutToShow, this, &TPlotForm::refreshMenu);
  canvas_ = new PlotCanvas(view_, this);
  legend_ = new LegendListBox(canvas_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(canvas_);

  connect(canvas_, &PlotCanvas::coordinatesChanged, this, &QWidget::setWindowTitle);
  // The legend stays at the plot's corner through resizes until the user
  // drags it somewhere else; from then on it is only kept inside.
  connect(canvas_, &PlotCanvas::resized, this, [this] { relayout(legendDocked_); });
  connect(legend_, &LegendListBox::moved, this, [this] { legendDocked_ = false; });
  connect(legend_, &LegendListBox::entryToggled, this, [this](int entry) { runCommand(PlotCommand::Curve, entry); });
  rebuildLegend();
  refreshMenu();
  relayout(true);
}

TPlotForm::~TPlotForm() = default;

void TPlotForm::refreshMenu() {
  plotMenu_->clear();
  const auto add = [this](QMenu* menu, const PlotMenuItem& item, auto& self) -> void {
    if (item.command == PlotCommand::Separator) {
      menu->addSeparator();
      return;
    }
    if (item.command == PlotCommand::Submenu) {
      QMenu* sub = menu->addMenu(QString::fromStdString(item.text));
      sub->menuAction()->setVisible(item.visible);
      sub->menuAction()->setEnabled(item.enabled);
      for (const PlotMenuItem& child : item.items) self(sub, child, self);
      return;
    }
    QAction* action = menu->addAction(item.command == PlotCommand::Curve ? literalMenuText(item.text)
                                                                          : QString::fromStdString(item.text));
    action->setVisible(item.visible);
    action->setEnabled(item.enabled);
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    const PlotCommand command = item.command;
    const int value = item.value;
    connect(action, &QAction::triggered, this, [this, command, value] { runCommand(command, value); },
            Qt::QueuedConnection);
  };
  for (const PlotMenuItem& item : plotMenuItems(view_)) add(plotMenu_, item, add);
}

void TPlotForm::runCommand(PlotCommand command, int value) {
  switch (command) {
    case PlotCommand::GraphTitle: editTitle(); break;
    case PlotCommand::EditLegend: editLegend(); break;
    case PlotCommand::ActiveCurves: editActiveCurves(); break;
    case PlotCommand::Print: print(); break;
    case PlotCommand::PrintPreview: preview(); break;
    case PlotCommand::PageSetup: pageSetup(); break;
    case PlotCommand::SaveToDisk: save(); break;
    case PlotCommand::CopyToClipboard: copyToClipboard(); break;
    default:
      if (!runPlotCommand(view_, command, value)) return;
      if (command == PlotCommand::Curve) refreshLegendTexts();
      if (command == PlotCommand::FontSize) rebuildLegend();
      relayout(movesLegend(command));
      break;
  }
  refreshMenu();
}

void TPlotForm::rebuildLegend() {
  legend_->clear();
  const LegendListFont font = view_.legendFont(logicalDpiY());
  legend_->setFont(qtFont(font.font));
  for (int i = 0; i < static_cast<int>(view_.legend().size()); ++i) {
    auto* item = new QListWidgetItem(legend_);
    const draw::Color c = entryColor(i);
    item->setForeground(QColor(c.r, c.g, c.b));
    item->setSizeHint(QSize(10, static_cast<int>(font.rowHeight)));
  }
  refreshLegendTexts();
}

void TPlotForm::refreshLegendTexts() {
  const std::vector<LegendEntry>& entries = view_.legend();
  for (int i = 0; i < legend_->count() && i < static_cast<int>(entries.size()); ++i)
    legend_->item(i)->setText(
        QString::fromStdString(legendItemText(entries[static_cast<size_t>(i)], view_.curveVisible(i))));
}

void TPlotForm::relayout(bool moveLegend) {
  // Before the window has a size the corner is not known yet: place the
  // legend there as soon as it is.
  if (canvas_->width() <= 0 || canvas_->height() <= 0) {
    legendToCorner_ = legendToCorner_ || moveLegend;
    return;
  }
  moveLegend = moveLegend || legendToCorner_;
  legendToCorner_ = false;
  if (moveLegend) legendDocked_ = true;
  const GraphLayout layout = canvas_->screenLayout();
  const LegendListFont font = view_.legendFont(logicalDpiY());
  const LegendSize size = legendListSize(view_.legend(), font, QtTextMetrics(legend_), logicalDpiX(), logicalDpiX());
  const QRect current = legend_->geometry();
  const draw::Rect placed =
      placeLegend({double(current.left()), double(current.top()), double(current.left()) + size.width,
                   double(current.top()) + size.height},
                  layout.plot, {0, 0, double(canvas_->width()), double(canvas_->height())}, moveLegend);
  legend_->setGeometry(QRect(int(placed.left), int(placed.top), int(std::lround(size.width)),
                             int(std::lround(size.height))));
  legend_->setVisible(view_.legendShown());
  canvas_->update();
}

LegendFraction TPlotForm::legendFraction() const {
  if (canvas_->width() <= 0 || canvas_->height() <= 0) return std::nullopt;
  return draw::Point{double(legend_->x()) / canvas_->width(), double(legend_->y()) / canvas_->height()};
}

QString TPlotForm::saveTo(const QString& path, GraphFileFormat format, const SaveAttributes& attributes) const {
  return writeGraphFile(view_, path, format, attributes, legendFraction());
}

QImage TPlotForm::clientPicture() const {
  return renderGraphImage(view_, {canvas_->width(), canvas_->height()}, canvas_->logicalDpiX(), legendFraction());
}

void TPlotForm::printTo(QPrinter& printer) const { printGraph(view_, printer, legendFraction()); }

QString TPlotForm::defaultPath(const char* suffix) const {
  const QFileInfo data(QString::fromStdString(host_.project().data().FileName));
  QString name = QString::fromStdString(view_.graph().Caption);
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  if (name.isEmpty()) name = QStringLiteral("Graph");
  return data.absoluteDir().filePath(name + QLatin1Char('.') + QLatin1String(suffix));
}

void TPlotForm::editTitle() {
  TfrmGraphCaption dialog(QString::fromStdString(view_.graph().GraphTitle), view_.graph().GraphTitleAtTop, this);
  dialog.exec();
  // However the dialog was closed, the window takes its text and side.
  view_.setGraphTitle(dialog.title().toStdString(), dialog.atTop());
  relayout(true);
}

void TPlotForm::editLegend() {
  TfrmLineNames dialog(view_.graph(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  view_.setCurveNames(dialog.names());
  refreshLegendTexts();
  relayout(false);
}

void TPlotForm::editActiveCurves() {
  TfrmActiveLines dialog(view_.graph(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  view_.setActiveCurves(dialog.flags());
  rebuildLegend();
  relayout(false);
}

QPrinter& TPlotForm::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  const PageMargins& m = view_.margins();
  printer_->setPageMargins(QMarginsF(m.left / 1000.0, m.top / 1000.0, m.right / 1000.0, m.bottom / 1000.0),
                           QPageLayout::Inch);
  return *printer_;
}

void TPlotForm::print() {
  QPrinter& p = printer();
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    // No printer installed: the page goes to a PDF file.
    const auto choice = askSaveFile(this, QStringLiteral("Print to PDF File"), defaultPath("pdf"),
                                    QStringLiteral("PDF Document (*.pdf)|*.pdf"), QStringLiteral("pdf"));
    if (!choice) return;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(choice->path);
  } else {
    p.setOutputFormat(QPrinter::NativeFormat);
    QPrintDialog dialog(&p, this);
    if (dialog.exec() != QDialog::Accepted) return;
  }
  printTo(p);
  canvas_->update();
}

void TPlotForm::preview() {
  QPrintPreviewDialog dialog(&printer(), this);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { printTo(*p); });
  dialog.exec();
}

void TPlotForm::pageSetup() {
  QPrinter& p = printer();
  QPageSetupDialog dialog(&p, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QMarginsF m = p.pageLayout().margins(QPageLayout::Inch);
  view_.margins() = PageMargins{int(std::lround(m.left() * 1000)), int(std::lround(m.top() * 1000)),
                                int(std::lround(m.right() * 1000)), int(std::lround(m.bottom() * 1000))};
}

void TPlotForm::save() {
  const auto choice =
      askSaveFile(this, QStringLiteral("Save To Disk"), defaultPath("bmp"), QString::fromUtf8(graphSaveFilter()),
                  QString());
  if (!choice) return;
  const GraphFileChoice file = graphFileChoice(choice->path.toStdString(), choice->filterIndex);
  const QString path = QString::fromStdString(file.path);
  if (file.suffixAdded && QFileInfo::exists(path) &&
      askQuestion(this, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path), false) !=
          Answer::Yes)
    return;
  TdlgFormat attributes(saveAttributes_, this);
  if (attributes.exec() != QDialog::Accepted) return;
  saveAttributes_ = attributes.attributes();
  const QString error = saveTo(path, file.format, saveAttributes_);
  if (!error.isEmpty()) showInformation(this, error);
}

void TPlotForm::copyToClipboard() {
  const QImage picture = clientPicture();
  if (picture.isNull()) {
    showInformation(this, QString::fromUtf8(kNotEnoughMemoryMessage));
    return;
  }
  QApplication::clipboard()->setImage(picture);
}

}  // namespace murena::ui
