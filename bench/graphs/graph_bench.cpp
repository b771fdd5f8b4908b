// Repainting graph windows and writing the workbook, as the window and the
// export do them: the layout, the drawing and the one painter on an image of
// a maximised window; the workbook of all seven graphs of a staged example.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/project.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/export_selection.h"
#include "frontend/results/graph_drawing.h"
#include "frontend/results/plot_data_loader.h"
#include "frontend/results/plot_view.h"
#include "frontend/results/result_graphs.h"
#include "frontend/results/ui/drawing_painter.h"
#include "frontend/results/ui/workbook_writer.h"
#include "frontend/results/workbook_plan.h"

namespace murena {
namespace {

namespace fs = std::filesystem;

constexpr int kResultSets = 11;
constexpr int kPoints = 302;

// Deflection-like curves: one per result set, 302 stations each.
TCurveList resultCurves(double scale) {
  TCurveList list;
  TGraphPlot::SetCurveCount(list, kResultSets);
  for (int c = 0; c < kResultSets; ++c) {
    list[size_t(c)].Points.resize(kPoints);
    for (int j = 0; j < kPoints; ++j)
      list[size_t(c)].Points[size_t(j)] = {scale * (1 + 0.1 * c) * std::sin(j * 0.02) * std::exp(-j * 0.008),
                                           j * 0.25};
  }
  return list;
}

void repaint(benchmark::State& state, TGraphPlot& graph) {
  PlotView view(graph);
  if (!view.open()) state.SkipWithError("the graph did not open");
  QImage window(1100, 700, QImage::Format_ARGB32_Premultiplied);
  const ui::QtTextMetrics metrics(&window);
  for (auto _ : state) {
    QPainter painter(&window);
    const GraphLayout layout = layoutGraph(graph, OutputMode::Screen, {0, 0, 1100, 700}, 96, 96);
    ui::paintDrawing(painter, drawGraph(graph, layout, view.picture({}), metrics));
    painter.end();
    benchmark::DoNotOptimize(window.constBits());
  }
}

void BM_RepaintElevenResultSetsWithMarkers(benchmark::State& state) {
  TGraphPlot graph = TResultGraphs().pltDef;
  graph.Curves = resultCurves(0.4);
  graph.Markers = 1;
  repaint(state, graph);
}
BENCHMARK(BM_RepaintElevenResultSetsWithMarkers)->Unit(benchmark::kMillisecond);

void BM_RepaintThreePanelsWithSoilColumn(benchmark::State& state) {
  TGraphPlot graph = TResultGraphs().pltDMS;
  graph.Curves = resultCurves(0.4);
  graph.Curves2 = resultCurves(300);
  graph.Curves3 = resultCurves(20);
  const auto mark = [](const char* name, double code, double depth) {
    TLine m;
    m.Name = name;
    m.Points = {{code, depth}};
    return m;
  };
  graph.Layers = {mark(" SAND ", 7, 12), mark(" CLAY ", 1, 28), mark(" SILT ", 8, 40), mark("WEAK ROCK", 10, 90),
                  mark("PILE", 0, 75), mark("PILE", 0, 20)};
  graph.WallLineCount = 4;
  graph.ShowLayers = true;
  graph.Markers = 1;
  repaint(state, graph);
}
BENCHMARK(BM_RepaintThreePanelsWithSoilColumn)->Unit(benchmark::kMillisecond);

void BM_WorkbookOfAStagedExample(benchmark::State& state) {
  const std::string data = MURENA_SOURCE_DIR "/examples/staged_anchored_sand_clay_rock_english.mr5d";
  TProjectTables tables;
  TProject project(tables);
  // Read as a data file of the current layout without splitting it into
  // stage files beside the example.
  const fs::path copy = fs::temp_directory_path() / "murena-bench-staged.mr5d";
  fs::copy_file(data, copy, fs::copy_options::overwrite_existing);
  project.open(copy.string(), layoutForExtension(copy.string()));
  TResultGraphs graphs;
  if (!LoadPlotData(MURENA_SOURCE_DIR "/tests/integration/golden/staged_anchored_sand_clay_rock_english.mr5p", graphs,
                    project.data(), tables.NewSoil)
           .ok)
    state.SkipWithError("the stored results did not load");
  const std::vector<const TGraphPlot*> chosen = ExportSelection(graphs, true).chosen();
  const fs::path out = (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
                       "murena-bench-workbook.xlsx";
  for (auto _ : state) {
    const std::string error = writeWorkbookFile(planWorkbook(chosen), out.string());
    if (!error.empty()) state.SkipWithError(error.c_str());
  }
  state.counters["graphs"] = double(chosen.size());
  std::error_code ignored;
  fs::remove(out, ignored);
  for (int k = 1; k <= 5; ++k) fs::remove(fs::path(copy).replace_extension(".st" + std::to_string(k)), ignored);
  fs::remove(copy, ignored);
}
BENCHMARK(BM_WorkbookOfAStagedExample)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murena

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
