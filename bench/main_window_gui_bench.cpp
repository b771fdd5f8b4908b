// The main window's figures: start-up to a usable window with an example
// open and its results loaded, and Run Analysis of each example (save, run
// the engine, load the plot data, enable the result commands).  Runs on the
// offscreen platform with its own settings; message boxes are answered
// without windows.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/command_state.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/ui/main_window.h"

namespace fs = std::filesystem;

namespace {

const char* const kExamples[] = {
    "anchored_sand_clay_trapezoid_si",  "anchored_soft_over_stiff_clay_english", "anchored_user_curves_si",
    "cantilever_sand_english",          "cantilever_sand_water_triangular_english", "cantilever_user_curves_english",
    "soldier_pile_silt_si",             "soldier_pile_weak_rock_english",
};

QTemporaryDir* workFolder = nullptr;

// A copy of the example with its stored plot data file; the path of the copy.
std::string exampleCopy(const std::string& name) {
  const fs::path folder = fs::path(workFolder->path().toStdString()) / name;
  fs::create_directories(folder);
  const fs::path data = folder / (name + ".mr5d");
  const fs::path source = MURENA_SOURCE_DIR;
  fs::copy_file(source / "examples" / (name + ".mr5d"), data, fs::copy_options::overwrite_existing);
  fs::copy_file(source / "tests/integration/golden" / (name + ".mr5p"), folder / (name + ".mr5p"),
                fs::copy_options::overwrite_existing);
  return data.string();
}

QString engineLibrary() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Murena2015_DLL.so"); }

void BM_StartupWithExampleAndResults(benchmark::State& state) {
  const std::string file = exampleCopy("anchored_sand_clay_trapezoid_si");
  for (auto _ : state) {
    auto window = std::make_unique<murena::MainWindow>();
    window->show();
    window->openAtStartup(QString::fromStdString(file));
    QApplication::processEvents();
    if (!window->resultsLoaded() || !window->action(murena::Command::ToolDMS)->isEnabled())
      state.SkipWithError("results not loaded");
    state.PauseTiming();
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupWithExampleAndResults)->Unit(benchmark::kMillisecond);

void BM_RunAnalysis(benchmark::State& state) {
  const std::string name = kExamples[state.range(0)];
  state.SetLabel(name);
  murena::MainWindow window;
  window.setEngineLibrary(engineLibrary());
  window.show();
  window.commands().openFile(exampleCopy(name), murena::kLayoutCurrent, false);
  for (auto _ : state) {
    window.execute(murena::Command::CompRun);
    if (!window.resultsLoaded() || !window.action(murena::Command::GraphDeflection)->isEnabled())
      state.SkipWithError("the run left no results");
  }
}
BENCHMARK(BM_RunAnalysis)->DenseRange(0, static_cast<int>(std::size(kExamples)) - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir folder;
  workFolder = &folder;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
  murena::ui::setPromptHandler([](const murena::ui::PromptRequest&) { return murena::ui::PromptReply{}; });
  const QString startFolder = QDir::currentPath();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  QDir::setCurrent(startFolder);
  return 0;
}
