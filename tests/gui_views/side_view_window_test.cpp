// The side view window on an example: opening, one window at a time, the
// drawing on the screen, the depth in the title, printing and saving.
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>

#include "frontend/views/side_view_layout.h"
#include "frontend/views/ui/side_view_window.h"
#include "frontend/views/view_messages.h"
#include "tests/gui_views/view_fixture.h"

namespace murena {
namespace {

using ui::SideViewCanvas;
using ui::TDlgSideView;

class SideViewWindowTest : public testing_support::ViewWindowTest {
 protected:
  TDlgSideView* openSideView(const std::string& example) {
    open(example);
    host->modelViews().showSideView();
    settle();
    return qobject_cast<TDlgSideView*>(host->modelViews().sideView());
  }
  // The canvas pixel of a point of the drawing plane.
  QPoint pixelOf(SideViewCanvas* canvas, double x, double y) {
    TProject& p = host->project();
    const auto window = views::correctToShape(views::drawingWindow(views::sideOutline(p.data(), p.tables())),
                                              canvas->width(), canvas->height());
    const draw::Point at = views::SideMapping(window, {0, 0, double(canvas->width()), double(canvas->height())})
                               .toDevice(x, y);
    return QPoint(int(at.x), int(at.y));
  }
};

TEST_F(SideViewWindowTest, OpensAsAChildWindowWithItsLabelAndPrintButton) {
  TDlgSideView* view = openSideView("cantilever_sand_english");
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->windowTitle(), "Side View");
  ASSERT_NE(frameOf(view), nullptr);
  EXPECT_EQ(frameOf(view)->size(), QSize(580, 431));
  const auto labels = view->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0]->text(), "Wall Profile");
  QStringList buttons;
  for (QPushButton* b : view->findChildren<QPushButton*>()) buttons << b->text().remove('&');
  EXPECT_TRUE(buttons.contains("Print"));
  // A second request brings up the same window.
  host->modelViews().showSideView();
  EXPECT_EQ(host->modelViews().sideView(), view);
  EXPECT_EQ(host->subWindowList().size(), 1);
}

TEST_F(SideViewWindowTest, DrawsTheWallInTheMiddleAndTheSoilLabels) {
  TDlgSideView* view = openSideView("cantilever_sand_water_triangular_english");
  SideViewCanvas* canvas = view->canvas();
  const QImage image = canvas->grab().toImage();
  const TProgramData& d = host->project().data();
  const double y0 = 0.1 * d.NodeCount * d.IncrementLength;
  const QPoint wall = pixelOf(canvas, 0, y0 + d.NodeCount * d.IncrementLength / 2);
  EXPECT_EQ(wall.x(), canvas->width() / 2);
  const QRgb wallFill = canvas->palette().color(QPalette::Dark).rgb();
  EXPECT_EQ(image.pixel(wall), wallFill);
  // Away from the wall only the background and lines.
  EXPECT_NE(image.pixel(wall + QPoint(60, 0)), wallFill);
  // The label texts are dark pixels near the left edge below the ground.
  int dark = 0;
  const int ground = pixelOf(canvas, 0, y0).y();
  for (int y = ground; y < ground + 30 && y < image.height(); ++y)
    for (int x = 0; x < 120; ++x) dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
  EXPECT_GT(dark, 30);
}

TEST_F(SideViewWindowTest, MovingTheMouseShowsTheDepthInTheTitle) {
  TDlgSideView* view = openSideView("cantilever_sand_english");
  SideViewCanvas* canvas = view->canvas();
  const TProgramData& d = host->project().data();
  const double y0 = 0.1 * d.NodeCount * d.IncrementLength;
  const QPointF at(pixelOf(canvas, 0, y0 + d.FreeHeight));
  QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
  const QString title = view->windowTitle();
  ASSERT_TRUE(title.startsWith("  Depth: ")) << title.toStdString();
  EXPECT_NEAR(title.mid(9).toDouble(), d.FreeHeight, 1.5);
  EXPECT_EQ(frameOf(view)->windowTitle(), title);
}

TEST_F(SideViewWindowTest, PrintsAndSavesThroughTheSamePainter) {
  TDlgSideView* view = openSideView("soldier_pile_silt_si");
  const auto& folder = example->folder();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString printed = QString::fromStdString((folder / "printed.pdf").string());
  printer.setOutputFileName(printed);
  view->printTo(printer);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(printer.docName(), "Soil-Pile Profile");
  QFile pdf(printed);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  const QString png = QString::fromStdString((folder / "side.png").string());
  ASSERT_TRUE(view->saveTo(png));
  EXPECT_EQ(QImage(png).size(), view->canvas()->size());
  const QString svg = QString::fromStdString((folder / "side.svg").string());
  ASSERT_TRUE(view->saveTo(svg));
  EXPECT_TRUE(QSvgRenderer(svg).isValid());
  const QString pdfFile = QString::fromStdString((folder / "side.pdf").string());
  ASSERT_TRUE(view->saveTo(pdfFile));

  // The Save button asks for the file; a name without extension gets the
  // chosen type's.
  saveAs = (folder / "chosen").string();
  saveFilter = 2;
  for (QPushButton* b : view->findChildren<QPushButton*>())
    if (b->text().remove('&').startsWith("Save")) b->click();
  EXPECT_TRUE(QSvgRenderer(QString::fromStdString((folder / "chosen.svg").string())).isValid());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SideViewWindowTest, EmptyWallTableShowsAnEmptyWindowAndClosingFreesIt) {
  TDlgSideView* view = openSideView("cantilever_sand_english");
  host->project().tables().PileSect.setRowCount(0);
  view->canvas()->update();
  settle();
  const QImage image = view->canvas()->grab().toImage();
  const QColor background = view->canvas()->palette().color(QPalette::Window);
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7) ASSERT_EQ(image.pixel(x, y), background.rgb()) << x << "," << y;
  frameOf(view)->close();
  settle();
  EXPECT_EQ(host->modelViews().sideView(), nullptr);
  host->modelViews().showSideView();
  EXPECT_NE(host->modelViews().sideView(), nullptr);
}

}  // namespace
}  // namespace murena
