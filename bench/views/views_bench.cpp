// The model views: building the 3D scene of a large project, repainting the
// side view, and the 3D view's frame rate at 870 x 640 while it turns.  The
// frame rate needs an X display with OpenGL (Xvfb with Mesa's software
// renderer: xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/views_bench);
// without one it skips itself.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QOpenGLWidget>
#include <QPainter>
#include <QSurfaceFormat>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "common/soil_types.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/project/ui/bare_host.h"
#include "frontend/results/graph_plot.h"
#include "frontend/views/scene_builder.h"
#include "frontend/views/scene_mesh.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/model_views.h"
#include "frontend/views/ui/side_view_window.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace murena;

// 300 increments of 1.6 in (a 40 ft wall), ten soil layers, three tieback
// rows, a point, a line and a strip surcharge, and a deflection curve.
struct LargeProject {
  TProjectTables tables;
  TProgramData data;
  TLine deflection;

  LargeProject() {
    tables.resetToDefaults();
    data.UnitSystem = kEnglishUnits;
    data.NodeCount = 300;
    data.IncrementLength = 1.6;
    data.FreeHeight = 180;
    data.ActiveWidth = 48;
    data.PYWidth = 24;
    data.WaterDepthBackfill = 120;
    data.WaterDepthExcavation = 180;
    data.ApplyTiebacks = data.ApplySurcharge = true;
    GridTable& soil = tables.NewSoil;
    soil.setRowCount(10);
    for (int k = 0; k < 10; ++k) {
      soil.setInteger(col::kSoilType, k, k % 2 ? kSand : kSoftClay);
      soil.setReal(col::kSoilDepth, k, 6.0 * (k + 1));
    }
    GridTable& t = tables.TiebackTable1;
    t.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
      t.setReal(col::kTiebackDepth, r, 4 + 5 * r);
      t.setReal(col::kTiebackArea, r, 2);
      t.setReal(col::kTiebackUnbonded, r, 20);
      t.setReal(col::kTiebackAngle, r, 15);
      t.setReal(col::kTiebackSpacing, r, 8);
    }
    GridTable& s = tables.SurchargeTable;
    s.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
      s.setInteger(col::kSurchargeType, r, r + 1);
      s.setReal(col::kSurchargeMagnitude, r, 1000);
      s.setReal(col::kSurchargeDistance, r, 240.0 * (r + 1));
      s.setReal(col::kSurchargeWidth, r, 96);
    }
    for (int j = 0; j <= 301; ++j) deflection.Points.push_back({0.1 - j * 0.0005, j * 1.6 / 12});
  }
  views::SceneInput input(bool deformed) const {
    views::SceneInput in{data, tables, &deflection, {}, {}};
    in.deformed.show = deformed;
    in.deformed.factor = 50;
    return in;
  }
};

void BM_BuildScene(benchmark::State& state) {
  const LargeProject project;
  const bool deformed = state.range(0) != 0;
  size_t items = 0;
  for (auto _ : state) {
    views::Scene scene = views::buildScene(project.input(deformed));
    items = scene.wall.items.size() + scene.soil.items.size();
    benchmark::DoNotOptimize(scene);
  }
  state.counters["items"] = double(items);
}
BENCHMARK(BM_BuildScene)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The scene and the triangles and lines the display lists are compiled from.
void BM_BuildSceneAndMesh(benchmark::State& state) {
  const LargeProject project;
  const bool deformed = state.range(0) != 0;
  size_t triangles = 0;
  for (auto _ : state) {
    const views::Scene scene = views::buildScene(project.input(deformed));
    const views::Mesh wall = views::buildMesh(scene.wall), soil = views::buildMesh(scene.soil);
    triangles = wall.triangleCount() + soil.triangleCount();
    benchmark::DoNotOptimize(triangles);
  }
  state.counters["triangles"] = double(triangles);
}
BENCHMARK(BM_BuildSceneAndMesh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A host with an example open (with its stored results).
struct ExampleHost {
  testing_support::ScratchFolder folder{"murena_bench"};
  BareHost host;
  explicit ExampleHost(const std::string& name) {
    const std::filesystem::path source = MURENA_SOURCE_DIR;
    const auto data = folder.path() / (name + ".mr5d");
    std::filesystem::copy_file(source / "examples" / (name + ".mr5d"), data);
    std::filesystem::copy_file(source / "tests/integration/golden" / (name + ".mr5p"),
                               folder.path() / (name + ".mr5p"));
    host.resize(1100, 860);
    host.show();
    host.openProject(data.string());
  }
};

void settle() {
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
}

// Building the drawing and painting it at the window's size, as a paint event does.
void BM_SideViewRepaint(benchmark::State& state) {
  ExampleHost example("anchored_soft_over_stiff_clay_english");
  example.host.modelViews().showSideView();
  settle();
  auto* view = qobject_cast<ui::TDlgSideView*>(example.host.modelViews().sideView());
  ui::SideViewCanvas* canvas = view->canvas();
  QImage image(canvas->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    canvas->render(painter, &image);
  }
  state.counters["width"] = canvas->width();
  state.counters["height"] = canvas->height();
}
BENCHMARK(BM_SideViewRepaint)->Unit(benchmark::kMillisecond);

// Frames of the 3D view while it turns by a degree a frame; each frame is
// drawn and composed into the window, and OpenGL finishes before the next.
void BM_Frame3DRotating(benchmark::State& state) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    state.SkipWithError("needs an X display with OpenGL (run under xvfb-run)");
    return;
  }
  ExampleHost example("anchored_soft_over_stiff_clay_english");
  if (state.range(0) != 0) {
    // The large project's tiebacks and surcharges on the example.
    TProject& p = example.host.project();
    const LargeProject large;
    p.data().ApplySurcharge = true;
    GridTable& s = p.tables().SurchargeTable;
    s.setRowCount(3);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < s.columnCount(); ++c)
        if (c == col::kSurchargeType)
          s.setInteger(c, r, large.tables.SurchargeTable.integer(c, r));
        else
          s.setReal(c, r, large.tables.SurchargeTable.real(c, r));
  }
  example.host.modelViews().show3DView();
  settle();
  auto* view = qobject_cast<ui::TDlgBlock*>(example.host.modelViews().view3D());
  if (view == nullptr) {
    state.SkipWithError("no OpenGL context");
    return;
  }
  // The drawing area itself 870 x 640.
  QWidget* frame = view->parentWidget();
  frame->resize(frame->size() + QSize(870, 640) - view->glWindow()->size());
  settle();
  if (state.range(0) != 0) {
    view->deformedShape().show = true;
    view->deformedShape().factor = 50;
  }
  view->RedrawComplete();
  settle();
  ui::TglWindow* gl = view->glWindow();
  const bool composed = state.range(1) != 0;
  const int before = gl->framesPainted();
  for (auto _ : state) {
    view->viewState().view.rotZ += 1;
    view->viewState().view.rotX = 20;
    if (composed) {
      // Drawn and composed into the window: until the frame is swapped.
      QEventLoop loop;
      QObject::connect(gl, &QOpenGLWidget::frameSwapped, &loop, &QEventLoop::quit);
      QTimer::singleShot(1000, &loop, &QEventLoop::quit);
      gl->update();
      loop.exec();
    } else {
      // Drawn into the control's frame buffer and read back.
      benchmark::DoNotOptimize(gl->grabFramebuffer());
    }
  }
  state.counters["fps"] = benchmark::Counter(double(gl->framesPainted() - before), benchmark::Counter::kIsRate);
  state.counters["width"] = gl->width();
  state.counters["height"] = gl->height();
}
// Args: the example as it is (0) or with surcharges and the deformed shape (1);
// read back from the frame buffer (0) or composed into the window (1).
BENCHMARK(BM_Frame3DRotating)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// For comparison: the same composition with an OpenGL control that only
// clears, in a sub-window of the same host: what Qt's compositing of the
// window costs by itself on this display.
class ClearingControl : public QOpenGLWidget {
 protected:
  void paintGL() override {
    auto* gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
    if (gl == nullptr || !gl->initializeOpenGLFunctions()) return;
    gl->glClearColor(1, 1, 1, 1);
    gl->glClear(GL_COLOR_BUFFER_BIT);
    ++frames;
  }

 public:
  int frames = 0;
};

void BM_FrameComposeOnly(benchmark::State& state) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    state.SkipWithError("needs an X display with OpenGL (run under xvfb-run)");
    return;
  }
  BareHost host;
  host.resize(1100, 860);
  auto* control = new ClearingControl;
  QMdiSubWindow* frame = host.addChildWindow(control);
  host.show();
  settle();
  frame->resize(frame->size() + QSize(870, 640) - control->size());
  settle();
  const int before = control->frames;
  for (auto _ : state) {
    QEventLoop loop;
    QObject::connect(control, &QOpenGLWidget::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    control->update();
    loop.exec();
  }
  state.counters["fps"] = benchmark::Counter(double(control->frames - before), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FrameComposeOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
  // Frames as fast as they are drawn, not held to the display's refresh.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setSwapInterval(0);
  QSurfaceFormat::setDefaultFormat(format);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
