// Opening table editors on the offscreen platform: the window built, laid
// out and painted once, for a 300-row table (long-term distributed loads)
// and a 100-row moment-EI curve with its chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiSubWindow>

#include "frontend/entry/ui/table_editors.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/bare_host.h"

namespace murena {
namespace {

void settle() {
  for (int i = 0; i < 2; ++i) QApplication::processEvents();
}

// A shown host area with a new project.
struct ShownHost {
  ShownHost() {
    host.resize(1200, 900);
    host.show();
    settle();
  }
  BareHost host;
};

// Fills two real columns of a table with `rows` rows along straight lines.
void fillLines(GridTable& table, int rows, double x0, double dx, double y0, double dy) {
  table.setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    table.setReal(0, r, x0 + r * dx);
    table.setReal(1, r, y0 + r * dy);
  }
}

// Opens the table's editor, lets it lay out and paint, and closes it again
// (the closing is not timed).
void openEditor(benchmark::State& state, BareHost& host, GridTable& table) {
  for (auto _ : state) {
    host.showTableEditor(table);
    QWidget* editor = host.tableEditors().editorOf(table);
    if (editor == nullptr) {
      state.SkipWithError("no editor");
      break;
    }
    editor->window()->repaint();
    settle();
    state.PauseTiming();
    host.tableEditors().closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    settle();
    state.ResumeTiming();
  }
}

void BM_OpenTableEditor300Rows(benchmark::State& state) {
  ShownHost shown;
  GridTable& table = shown.host.project().tables().LongDist;
  fillLines(table, 300, 0, 0.5, 100, 1.25);
  openEditor(state, shown.host, table);
}
BENCHMARK(BM_OpenTableEditor300Rows)->Unit(benchmark::kMillisecond);

void BM_OpenChartEditor100Rows(benchmark::State& state) {
  ShownHost shown;
  GridTable& sets = shown.host.project().tables().MEICurves2;
  sets.setRowCount(1);
  GridTable* rows = sets.subTable(2, 0);
  if (rows == nullptr) {
    state.SkipWithError("no moment-EI table");
    return;
  }
  fillLines(*rows, 100, 0, 100, 150000, -900);
  openEditor(state, shown.host, *rows);
}
BENCHMARK(BM_OpenChartEditor100Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murena

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
