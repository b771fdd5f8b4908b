// Generated earth pressure on a 300-increment wall in ten layers of sand and
// clay with a surcharge load: the earth-pressure phase on its own (module,
// profile file and read-back) and a whole in-process run with it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench_run_folder.h"
#include "engine/run_analysis.h"
#include "engine/run_context.h"
#include "engine/soil/earth_pressure_api.h"
#include "engine/unit_labels.h"

namespace fs = std::filesystem;

namespace {

constexpr int kIncrements = 300;
constexpr double kLength = 600.0;  // in
constexpr double kFreeHeight = 240.0;
constexpr int kLayers = 10;

// Layer i: sand or clay alternately, 72 in thick, the last reaching below the tip.
void layerLine(std::ostringstream& f, int i) {
  bool sand = i % 2 == 0;
  f << (sand ? 4 : 3) << " " << 72.0 * (i + 1) << " \r\n";
  for (int row = 0; row < 2; ++row)
    f << (sand ? "0.0694 0.0  32 0.0  60 0 \r\n" : "0.0660 12 0.0  0.007 500 0 \r\n");
}

std::string generatedPressureFile() {
  const double h = kLength / kIncrements;
  std::ostringstream f;
  f << "Benchmark wall, generated trapezoidal pressure in ten layers\r\n";
  f << "1 0\t1\t0\t3\t1 " << kIncrements + 1 << " 1 0 1\r\n";
  f << kIncrements << " " << h << "\t20\t1E-5\t" << kFreeHeight << "\t12\r\n";
  f << "0\t" << kIncrements << "\t1\t5.3E9\r\n";
  f << "0\r\n0\r\n";
  f << "10\t0.0003\t29000000\t25\t15\t8\t20000\r\n";  // one tieback row at 10 ft
  f << kFreeHeight << "\t12\t12\t120\t360\t1\t1\t0\r\n";
  f << "0.5\t0\t0\t0\t0\t0\r\n";
  f << "2\r\n2\t100\t60\t0\r\n3\t2\t120\t48\r\n";
  f << kLayers << "\r\n";
  for (int i = 0; i < kLayers; ++i) layerLine(f, i);
  const double ys[] = {-2, -0.5, -0.1, 0, 0.1, 0.5, 2};
  const double shape[] = {1, 0.8, 0.4, 0, -0.4, -0.8, -1};
  for (int node = 0; node <= kIncrements; ++node) {
    double below = std::max(0.0, node * h - kFreeHeight);
    double scale = 50.0 + 3000.0 * below / 240.0;
    f << node << "\t7\t1\t1\r\n";
    for (int i = 0; i < 7; ++i) f << ys[i] << "\t" << scale * shape[i] << "\r\n";
  }
  f << "0\r\n";
  return f.str();
}

// The block data the reader leaves before the earth-pressure phase.
void prepareBlock(murena::RunContext& ctx) {
  using namespace murena;
  BlockData& b = ctx.block;
  b.control.units = 1;
  b.control.earthPressureCode = 3;
  b.wall.NN = kIncrements;
  b.wall.h = kLength / kIncrements;
  b.wall.freeHeight = kFreeHeight;
  b.wall.wallLength = kLength;
  b.supportCount = 1;
  b.firstSupportDepth = b.lastSupportDepth = 120.0;
  ctx.unitSign = 1;
  setUnitLabels(ctx.labels, 1);
  SoilRecord& s = b.soil;
  s = SoilRecord{};
  s.present = true;
  s.freeHeight = kFreeHeight;
  s.activeWidth = s.pyWidth = 12.0;
  s.waterDepthBackfill = 120.0;
  s.waterDepthExcavation = 360.0;
  s.surfaceSurcharge = 0.5;
  s.surchargeCount = 2;
  s.surcharges[0] = {2, 100.0, 60.0, 0.0};
  s.surcharges[1] = {3, 2.0, 120.0, 48.0};
  s.layerCount = kLayers;
  for (int i = 0; i < kLayers; ++i) {
    SoilLayerRecord& l = s.layers[i];
    bool sand = i % 2 == 0;
    l.type = sand ? 4 : 3;
    l.bottomDepth = 72.0 * (i + 1);
    l.thickness = 72.0;
    l.top = sand ? std::array<double, 6>{0.0694, 0, 32, 0, 60, 0} : std::array<double, 6>{0.0660, 12, 0, 0.007, 500, 0};
    l.bottom = l.top;
  }
}

void BM_GeneratedPressurePhase(benchmark::State& state) {
  murena::bench::RunFolder folder("");
  auto ctx = std::make_unique<murena::RunContext>();
  prepareBlock(*ctx);
  for (auto _ : state) {
    ctx->report.open("report.txt");
    ctx->notes.open("notes.txt");
    murena::buildGeneratedPressureProfile(*ctx);
    benchmark::DoNotOptimize(ctx->block.profile.deepestPressure);
  }
  state.counters["points"] = ctx->block.profile.count;
}
BENCHMARK(BM_GeneratedPressurePhase)->Unit(benchmark::kMicrosecond);

void BM_GeneratedPressureRun(benchmark::State& state) {
  murena::bench::RunFolder folder(generatedPressureFile());
  for (auto _ : state) benchmark::DoNotOptimize(murena::runAnalysis());
  murena::bench::reportRun(state, folder, kIncrements + 1);
}
BENCHMARK(BM_GeneratedPressureRun)->Unit(benchmark::kMillisecond);

}  // namespace
