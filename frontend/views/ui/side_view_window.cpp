#include "frontend/views/ui/side_view_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/ui/drawing_painter.h"
#include "frontend/views/side_view_layout.h"
#include "frontend/views/ui/window_activation.h"
#include "frontend/views/view_messages.h"

namespace murena::ui {

namespace {

draw::Color drawColor(const QColor& c) {
  return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()), std::uint8_t(c.alpha())};
}

// Printed pages and PDF files are drawn at this resolution.
constexpr int kPdfResolution = 600;

}  // namespace

// ---------------------------------------------------------------- canvas

SideViewCanvas::SideViewCanvas(MainWindowHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SideViewCanvas::render(QPainter& painter, QPaintDevice* device) {
  TProject& project = host_.project();
  const views::SideViewStyle style =
      views::screenSideViewStyle(width(), height(), drawColor(palette().color(QPalette::Window)),
                                 drawColor(palette().color(QPalette::Dark)));
  const draw::Drawing drawing = views::buildSideView(project.data(), project.tables(), style,
                                                     width(), height(), QtTextMetrics(device));
  paintDrawing(painter, drawing);
}

void SideViewCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  render(painter, this);
}

void SideViewCanvas::mouseMoveEvent(QMouseEvent* event) {
  TProject& project = host_.project();
  const std::string readout =
      views::depthReadout(project.data(), project.tables(), width(), height(), event->position().y());
  if (!readout.empty()) emit depthChanged(QString::fromStdString(readout));
}

// ---------------------------------------------------------------- window

TDlgSideView::TDlgSideView(MainWindowHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setWindowTitle(QString::fromUtf8(views::kSideViewTitle));
  auto* label = new QLabel(QString::fromUtf8(views::kSideViewLabel), this);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  auto* print = new QPushButton(tr("&Print"), this);
  auto* save = new QPushButton(tr("&Save..."), this);
  save->setToolTip(tr("Save the drawing as a PNG image, an SVG drawing or a PDF document"));
  canvas_ = new SideViewCanvas(host, this);

  auto* top = new QHBoxLayout;
  top->addWidget(label);
  top->addStretch();
  top->addWidget(print);
  top->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(canvas_, 1);

  connect(print, &QPushButton::clicked, this, &TDlgSideView::printClick);
  connect(save, &QPushButton::clicked, this, &TDlgSideView::saveClick);
  connect(canvas_, &SideViewCanvas::depthChanged, this, &QWidget::setWindowTitle);
}

void TDlgSideView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The drawing follows the project each time the window is activated.
  followActivation(this, watchedFrame_, [this] { canvas_->update(); });
}

void TDlgSideView::paintPage(QPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return;
  TProject& project = host_.project();
  const double width = device.width(), height = device.height();
  const views::SideViewStyle style = views::printedSideViewStyle(width, height, device.logicalDpiX());
  paintDrawing(painter, views::buildSideView(project.data(), project.tables(), style, width, height,
                                             QtTextMetrics(&device)));
}

void TDlgSideView::printTo(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QString::fromUtf8(views::kSideViewPrintJob));
  paintPage(printer);
}

void TDlgSideView::printClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

bool TDlgSideView::saveTo(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf")) {
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setTitle(QString::fromUtf8(views::kSideViewPrintJob));
    paintPage(writer);
    return QFileInfo(path).size() > 0;
  }
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(canvas_->size());
    svg.setViewBox(QRect(QPoint(0, 0), canvas_->size()));
    svg.setTitle(QString::fromUtf8(views::kSideViewTitle));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    canvas_->render(painter, &svg);
    return painter.end() && QFileInfo(path).size() > 0;
  }
  QImage image(canvas_->size(), QImage::Format_ARGB32);
  {
    QPainter painter(&image);
    canvas_->render(painter, &image);
  }
  return image.save(path, "PNG");
}

void TDlgSideView::saveClick() {
  const QString folder = QFileInfo(QString::fromStdString(host_.project().data().FileName)).absolutePath();
  const auto choice =
      askSaveFile(this, tr("Save Side View"), folder + QStringLiteral("/SideView.png"),
                  QStringLiteral("PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf"),
                  QStringLiteral("png"));
  if (!choice) return;
  QString path = choice->path;
  static const char* const kSuffixes[] = {"png", "svg", "pdf"};
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != "png" && suffix != "svg" && suffix != "pdf")
    path += QLatin1Char('.') + QLatin1String(kSuffixes[std::clamp(choice->filterIndex, 1, 3) - 1]);
  if (!saveTo(path)) showMessage(this, MessageKind::Error, tr("The drawing could not be saved to %1.").arg(path));
}

}  // namespace murena::ui
