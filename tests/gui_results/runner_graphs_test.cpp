// murena-run --graphs and --xlsx: the pictures and the workbook of a run
// written from the command line.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include "tests/gui_support/example_project.h"
#include "tests/gui_results/result_window_fixture.h"

namespace murena {
namespace {

struct RunResult {
  int exitCode = -1;
  QString errors;
};

RunResult runner(const QStringList& arguments) {
  QProcess p;
  p.start(QStringLiteral(MURENA_BIN_DIR "/murena-run"), arguments);
  if (!p.waitForFinished(120000)) return {};
  return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
}

TEST(RunnerGraphsTest, PicturesAndWorkbookOfAStagedRun) {
  testing_support::ExampleProject example("staged_anchored_sand_clay_rock_english", false);
  const QString folder = QString::fromStdString(example.folder().string());
  const QString pictures = folder + QStringLiteral("/pictures");
  const QString workbook = folder + QStringLiteral("/results.xlsx");
  const RunResult run = runner({QStringLiteral("--graphs"), pictures, QStringLiteral("--xlsx"), workbook,
                                QString::fromStdString(example.dataFile())});
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QStringList written = QDir(pictures).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(written.size(), 8) << written.join(QLatin1Char(' ')).toStdString();
  const QImage dms(pictures + QStringLiteral("/staged_anchored_sand_clay_rock_english-deflection_moment_shear.png"));
  EXPECT_EQ(dms.size(), QSize(960, 720));
  EXPECT_TRUE(QFile::exists(workbook));
  // The project was read from a copy: no stage files beside the data file.
  EXPECT_TRUE(QDir(folder).entryList({QStringLiteral("*.st1")}).isEmpty());
}

TEST(RunnerGraphsTest, SvgAndPdfAndBadOptions) {
  testing_support::ExampleProject example("cantilever_sand_english", false);
  const QString folder = QString::fromStdString(example.folder().string());
  for (const char* format : {"svg", "pdf"}) {
    const QString dir = folder + QLatin1Char('/') + QLatin1String(format);
    const RunResult run = runner({QStringLiteral("--graphs=") + dir, QStringLiteral("--graph-format"),
                                  QLatin1String(format), QString::fromStdString(example.dataFile())});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QFile deflection(dir + QStringLiteral("/cantilever_sand_english-deflection.") + QLatin1String(format));
    ASSERT_TRUE(deflection.open(QIODevice::ReadOnly)) << format;
    const QByteArray start = deflection.read(400);
    EXPECT_TRUE(start.contains(format == std::string("svg") ? "<svg" : "%PDF")) << format;
  }
  EXPECT_EQ(runner({QStringLiteral("--graph-format"), QStringLiteral("gif"), QStringLiteral("x.mr5d")}).exitCode, 2);
  EXPECT_EQ(runner({QStringLiteral("x.mr5d"), QStringLiteral("--graphs")}).exitCode, 2);
}

}  // namespace
}  // namespace murena
