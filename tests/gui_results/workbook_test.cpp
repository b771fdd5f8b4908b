// The workbook of the result graphs read back by an independent reader
// (openpyxl and the zip's XML parts, through check_workbook.py): sheet names
// and order, the Legend sheet with its links, the data against the loaded
// plot data, and the charts' type, series and axes.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

#include "frontend/results/export_selection.h"
#include "frontend/results/ui/workbook_writer.h"
#include "frontend/results/workbook_plan.h"
#include "tests/gui_results/result_window_fixture.h"

namespace murena {
namespace {

using testing_support::ResultWindowTest;

// Debian's interpreter carries python3-openpyxl; another python3 on the PATH
// may not.
QString python() {
  return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                           : QStringLiteral("python3");
}

QJsonObject readBack(const QString& workbook) {
  QProcess p;
  p.start(python(), {QStringLiteral(MURENA_SOURCE_DIR "/tests/gui_results/check_workbook.py"), workbook});
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    ADD_FAILURE() << "check_workbook.py: " << p.readAllStandardError().toStdString();
    return {};
  }
  return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

void expectSameNumber(const QJsonValue& read, double written, const std::string& where) {
  ASSERT_TRUE(read.isDouble()) << where;
  const double tolerance = std::abs(written) * 1e-14 + 1e-300;
  EXPECT_NEAR(read.toDouble(), written, tolerance) << where;
}

class WorkbookTest : public ResultWindowTest {};

TEST_F(WorkbookTest, StagedExampleReadBackByAnIndependentReader) {
  open("staged_anchored_sand_clay_rock_english");
  const TResultGraphs& graphs = host->graphs();
  const std::vector<const TGraphPlot*> chosen = ExportSelection(graphs, true).chosen();
  ASSERT_EQ(chosen.size(), 7u);
  const QString file = QString::fromStdString((project->folder() / "results.xlsx").string());
  ASSERT_EQ(writeWorkbookFile(planWorkbook(chosen), file.toStdString()), "");
  const QJsonObject book = readBack(file);
  ASSERT_FALSE(book.isEmpty());

  QStringList names, kinds;
  for (const QJsonValue& s : book[QStringLiteral("sheets")].toArray()) {
    names << s[QStringLiteral("name")].toString();
    kinds << s[QStringLiteral("kind")].toString();
  }
  QStringList expected{QStringLiteral("Legend")};
  for (int k = 1; k <= 7; ++k) expected << QStringLiteral("Page_%1").arg(k) << QStringLiteral("Plot_%1").arg(k);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(kinds.count(QStringLiteral("Chartsheet")), 7);
  EXPECT_EQ(kinds[2], QStringLiteral("Chartsheet"));

  const QJsonObject legend = book[QStringLiteral("legend")].toObject();
  const char* columns = "BCDEF";
  for (int i = 0; i < 5; ++i) {
    const QJsonObject header = legend[QString(QLatin1Char(columns[i])) + QStringLiteral("2")].toObject();
    EXPECT_EQ(header[QStringLiteral("value")].toString(), QString::fromUtf8(kWorkbookLegendHeaders[i]));
    EXPECT_TRUE(header[QStringLiteral("bold")].toBool());
    EXPECT_GE(book[QStringLiteral("widths")][QString(QLatin1Char(columns[i]))].toDouble(),
              double(std::strlen(kWorkbookLegendHeaders[i])));
  }
  for (int k = 1; k <= 7; ++k) {
    const TGraphPlot& g = *chosen[static_cast<size_t>(k - 1)];
    const auto at = [&](char col) { return legend[QStringLiteral("%1%2").arg(col).arg(k + 2)].toObject(); };
    EXPECT_EQ(at('B')[QStringLiteral("value")].toInt(), k);
    EXPECT_EQ(at('C')[QStringLiteral("value")].toString(), qs(g.Caption));
    EXPECT_EQ(at('D')[QStringLiteral("value")].toString(), QStringLiteral("Page_%1").arg(k));
    EXPECT_EQ(at('D')[QStringLiteral("link")].toString(), QStringLiteral("Page_%1!A1").arg(k));
    EXPECT_EQ(at('E')[QStringLiteral("value")].toString(), QStringLiteral("Plot_%1").arg(k));
    EXPECT_EQ(at('F')[QStringLiteral("value")].toString(), QStringLiteral("Complete"));

    const QString pageName = QStringLiteral("Page_%1").arg(k);
    const QJsonObject page = book[QStringLiteral("pages")][pageName].toObject();
    const std::string xTitle = g.axisTitle(g.XCaption, g.XUnits), yTitle = g.axisTitle(g.YCaption, g.YUnits);
    EXPECT_EQ(page[QStringLiteral("A1")][QStringLiteral("value")].toString(), qs(g.Caption));
    EXPECT_EQ(page[QStringLiteral("B2")][QStringLiteral("value")].toString(), qs(xTitle));
    EXPECT_EQ(page[QStringLiteral("B3")][QStringLiteral("value")].toString(), qs(yTitle));
    EXPECT_EQ(page[QStringLiteral("G1")][QStringLiteral("value")].toString(), QStringLiteral("Go to Legend Page"));
    EXPECT_EQ(page[QStringLiteral("G1")][QStringLiteral("link")].toString(), QStringLiteral("Legend!A1"));
    const QJsonArray curveNames = page[QStringLiteral("names")].toArray();
    const QJsonArray data = page[QStringLiteral("columns")].toArray();
    ASSERT_EQ(curveNames.size(), static_cast<qsizetype>(g.Curves.size())) << k;
    const int n = TGraphPlot::PointCount(g.Curves);
    for (size_t c = 0; c < g.Curves.size(); ++c) {
      EXPECT_EQ(curveNames[qsizetype(c)].toString(), qs(g.displayedName(g.Curves[c])));
      const QJsonArray xs = data[qsizetype(2 * c)].toArray(), ys = data[qsizetype(2 * c + 1)].toArray();
      ASSERT_EQ(xs.size(), n) << k << " " << c;
      ASSERT_EQ(ys.size(), n);
      for (int j = 0; j < n; ++j) {
        expectSameNumber(xs[j], g.Curves[c].Points[size_t(j)].X, pageName.toStdString());
        expectSameNumber(ys[j], g.Curves[c].Points[size_t(j)].Y, pageName.toStdString());
      }
    }

    const QJsonObject chart = book[QStringLiteral("charts")][QStringLiteral("Plot_%1").arg(k)].toObject();
    EXPECT_TRUE(chart[QStringLiteral("scatter")].toBool());
    EXPECT_EQ(chart[QStringLiteral("style")].toString(), QStringLiteral("lineMarker"));
    EXPECT_TRUE(chart[QStringLiteral("titleOff")].toBool());
    EXPECT_TRUE(chart[QStringLiteral("legend")].toBool());
    const QJsonArray series = chart[QStringLiteral("series")].toArray();
    ASSERT_EQ(series.size(), static_cast<qsizetype>(g.Curves.size()));
    for (size_t c = 0; c < g.Curves.size(); ++c) {
      const QJsonObject s = series[qsizetype(c)].toObject();
      const QString x = qs(columnLetters(int(2 * c + 1))), y = qs(columnLetters(int(2 * c + 2)));
      EXPECT_EQ(s[QStringLiteral("name")].toString(), qs(g.displayedName(g.Curves[c])));
      EXPECT_EQ(s[QStringLiteral("x")].toString(), QStringLiteral("%1!$%2$6:$%2$%3").arg(pageName, x).arg(5 + n));
      EXPECT_EQ(s[QStringLiteral("y")].toString(), QStringLiteral("%1!$%2$6:$%2$%3").arg(pageName, y).arg(5 + n));
    }
    for (const QJsonValue& axis : chart[QStringLiteral("axes")].toArray()) {
      EXPECT_TRUE(axis[QStringLiteral("gridlines")].toBool());
      const bool vertical = axis[QStringLiteral("position")].toString() == QStringLiteral("l");
      EXPECT_EQ(axis[QStringLiteral("title")].toString(), qs(vertical ? yTitle : xTitle));
      // Depth graphs have the value axis reversed; the p-y graph does not.
      const bool reversed = axis[QStringLiteral("orientation")].toString() == QStringLiteral("maxMin");
      EXPECT_EQ(reversed, vertical && g.XOnTop) << pageName.toStdString();
    }
  }
  EXPECT_FALSE(chosen[0]->XOnTop) << "the p-y graph comes first";
}

TEST_F(WorkbookTest, UnwritableFileGivesAMessage) {
  const std::string error = writeWorkbookFile(planWorkbook({}), "/nonexistent-folder/book.xlsx");
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace murena
