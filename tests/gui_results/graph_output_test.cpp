// Saving, printing and copying graph pictures: each file format with its
// size, the Save To Disk command with its dialogs, the memory message, the
// printed PDF when no printer is installed, and the clipboard.
#include <algorithm>

#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QXmlStreamReader>

#include "frontend/results/ui/drawing_painter.h"
#include "frontend/results/ui/plot_canvas.h"
#include "frontend/results/ui/save_attributes_dialog.h"
#include "tests/gui_results/result_window_fixture.h"

namespace murena {
namespace {

using testing_support::ResultWindowTest;

struct SvgFile {
  bool wellFormed = false;
  QString viewBox;
  QSet<QString> texts;
};

SvgFile readSvg(const QString& path) {
  QFile file(path);
  SvgFile svg;
  if (!file.open(QIODevice::ReadOnly)) return svg;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (!xml.readNext()) break;
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("svg")) svg.viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
    if (xml.name() == QStringLiteral("text")) svg.texts.insert(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
  }
  svg.wellFormed = !xml.hasError();
  return svg;
}

QByteArray head(const QString& path, int n) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

// The longest run of black pixels along row `y`.
int longestBlackRun(const QImage& image, int y) {
  int longest = 0, run = 0;
  for (int x = 0; x < image.width(); ++x) {
    run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

// The clay pattern (diagonal lines one pattern pixel wide) painted on a
// printer of 300 and of 1200 dots per inch: on the denser one its lines are
// four dots wide, so the printed soil column shows lines, not grey.
TEST(SoilPatternPaintTest, PrintedPatternsKeepTheirSizeOnPaper) {
  for (const auto& [dpi, width] : {std::pair{300, 1}, std::pair{1200, 4}}) {
    draw::Drawing d(400, 400, dpi, dpi);
    d.rect({0, 0, 400, 400}, draw::Pen{draw::kBlack, 0, draw::PenStyle::None}, draw::Brush{draw::kBlack, 1, true});
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::paintDrawing(painter, d);
    painter.end();
    EXPECT_EQ(longestBlackRun(image, 200), width) << dpi;
  }
}

class GraphOutputTest : public ResultWindowTest {
 protected:
  void SetUp() override {
    ResultWindowTest::SetUp();
    open("anchored_sand_clay_trapezoid_si");
    form = show(host->graphs().pltDef);
    ASSERT_NE(form, nullptr);
  }
  QString path(const QString& name) const { return QString::fromStdString((project->folder() / name.toStdString()).string()); }
  ui::TPlotForm* form = nullptr;
};

TEST_F(GraphOutputTest, EachFormatWithTheRequestedSize) {
  // 6 by 4 inches at 72 pixels per inch: 432 by 288.
  ASSERT_EQ(form->saveTo(path("a.bmp"), GraphFileFormat::Bmp, SaveAttributes{}), QString());
  EXPECT_EQ(QImage(path("a.bmp")).size(), QSize(432, 288));
  EXPECT_EQ(head(path("a.bmp"), 2), QByteArray("BM"));
  // The default colour depth, 16 colours, holds every curve colour.
  EXPECT_LE(QImage(path("a.bmp")).colorCount(), 16);

  ASSERT_EQ(form->saveTo(path("a.png"), GraphFileFormat::Png, {3, 5, 100}), QString());
  EXPECT_EQ(QImage(path("a.png")).size(), QSize(500, 300));

  ASSERT_EQ(form->saveTo(path("a.svg"), GraphFileFormat::Svg, {4, 6, 100}), QString());
  const SvgFile svg = readSvg(path("a.svg"));
  EXPECT_TRUE(svg.wellFormed);
  EXPECT_EQ(svg.viewBox, QStringLiteral("0 0 600 400"));
  for (const char* text : {"Deflection (m)", "Depth (m)", "Load #1", "0.01", "4"})
    EXPECT_TRUE(svg.texts.contains(QString::fromUtf8(text))) << text;

  ASSERT_EQ(form->saveTo(path("a.pdf"), GraphFileFormat::Pdf, SaveAttributes{}), QString());
  const QByteArray pdf = head(path("a.pdf"), 1 << 20);
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_TRUE(QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 432(\\.0+)? 288(\\.0+)?\\]"))))
      << "a 6 by 4 inch page";
}

TEST_F(GraphOutputTest, ZoomedGraphIsSavedZoomed) {
  ASSERT_EQ(form->saveTo(path("full.svg"), GraphFileFormat::Svg, SaveAttributes{}), QString());
  const GraphLayout layout = form->canvas()->screenLayout();
  const PanelMapping m = form->view().mapping(layout, 0);
  ASSERT_TRUE(form->view().zoom(layout, m.map({0.003, 3}), m.map({0.008, 6.5})));
  ASSERT_EQ(form->saveTo(path("zoomed.svg"), GraphFileFormat::Svg, SaveAttributes{}), QString());
  EXPECT_TRUE(readSvg(path("full.svg")).texts.contains(QStringLiteral("10")));
  const QSet<QString> zoomed = readSvg(path("zoomed.svg")).texts;
  EXPECT_FALSE(zoomed.contains(QStringLiteral("10")));
  EXPECT_TRUE(zoomed.contains(QStringLiteral("0.004")) || zoomed.contains(QStringLiteral("0.005")));
}

TEST_F(GraphOutputTest, SaveToDiskAsksForTheFileAndTheAttributes) {
  // No extension typed, the PNG filter chosen: a PNG file.
  files = {{path("chosen"), 2}};
  onNextDialog<ui::TdlgFormat>([](ui::TdlgFormat& d) {
    d.heightBox()->setValue(3);
    d.widthBox()->setValue(5);
    d.pixelsPerInchBox()->setValue(50);
  });
  form->runCommand(PlotCommand::SaveToDisk);
  EXPECT_EQ(QImage(path("chosen.png")).size(), QSize(250, 150));
  EXPECT_EQ(form->saveAttributes().pixelsPerInch, 50);
  EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
  // Cancelling the attributes writes nothing.
  files = {{path("cancelled.bmp"), 1}};
  onNextDialog<ui::TdlgFormat>([](ui::TdlgFormat&) {}, false);
  form->runCommand(PlotCommand::SaveToDisk);
  EXPECT_FALSE(QFile::exists(path("cancelled.bmp")));
}

TEST_F(GraphOutputTest, BitmapTooLargeForMemoryIsRefusedWithAMessage) {
  files = {{path("huge.bmp"), 1}};
  onNextDialog<ui::TdlgFormat>([](ui::TdlgFormat& d) {
    d.heightBox()->setValue(900);
    d.widthBox()->setValue(900);
    d.pixelsPerInchBox()->setValue(600);
  });
  form->runCommand(PlotCommand::SaveToDisk);
  EXPECT_EQ(messages(), QStringList{QStringLiteral("There is not enough memory to complete this task.")});
  EXPECT_FALSE(QFile::exists(path("huge.bmp")));
}

TEST_F(GraphOutputTest, PrintWithoutAPrinterWritesAPdfPage) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  form->refreshMenu();
  EXPECT_TRUE(action(form->plotMenu(), QStringLiteral("&Print..."))->isEnabled());
  files = {{path("printed.pdf"), 1}};
  form->runCommand(PlotCommand::Print);
  const QByteArray pdf = head(path("printed.pdf"), 1 << 22);
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type /Page[^s]"))), 1);
}

TEST_F(GraphOutputTest, PrintPreviewAndPageSetupOpenAndKeepTheMargins) {
  bool previewed = false;
  onNextDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog&) { previewed = true; });
  form->runCommand(PlotCommand::PrintPreview);
  EXPECT_TRUE(previewed);
  onNextDialog<QPageSetupDialog>([](QPageSetupDialog&) {});
  form->runCommand(PlotCommand::PageSetup);
  EXPECT_EQ(form->view().margins(), PageMargins{});
}

TEST_F(GraphOutputTest, CopyPutsTheWindowsPictureOnTheClipboard) {
  QApplication::clipboard()->clear();
  form->runCommand(PlotCommand::CopyToClipboard);
  const QImage image = QApplication::clipboard()->image();
  EXPECT_EQ(image.size(), form->canvas()->size());
}

}  // namespace
}  // namespace murena
