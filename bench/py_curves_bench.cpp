// A 300-increment anchored wall in ten soil layers with generated trapezoidal
// earth pressure, generated p-y curves (fifty curves, five per layer) and two
// tieback rows: a whole in-process run.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "bench_run_folder.h"
#include "engine/run_analysis.h"

namespace {

constexpr int kIncrements = 300;
constexpr double kLength = 600.0;  // in
constexpr double kFreeHeight = 240.0;
constexpr int kLayers = 10;

// Ten layers of sand, soft clay and stiff clay in turn: the first reaches
// 36 in below the excavation level, the others are 36 in thick down to the tip,
// so every layer makes five curves.
void layerLines(std::ostringstream& f, int i) {
  static constexpr const char* kRows[] = {
      "0.0694 0.0  32 0.0  60 0 \r\n",     // sand: unit weight, phi, k
      "0.0637 3.5 0.0  0.02 30 0 \r\n",    // soft clay: unit weight, c, eps50, k
      "0.0723 14 0.0  0.005 500 0 \r\n",   // stiff clay without free water
  };
  static constexpr int kTypes[] = {4, 1, 3};
  f << kTypes[i % 3] << " " << kFreeHeight + 36.0 * (i + 1) << " \r\n";
  f << kRows[i % 3] << kRows[i % 3];
}

std::string generatedCurvesFile() {
  const double h = kLength / kIncrements;
  std::ostringstream f;
  f << "Benchmark wall, ten layers, generated pressure and p-y curves, two tiebacks\r\n";
  f << "1 0\t1\t0\t3\t2 0 1 0 2\r\n";
  f << kIncrements << " " << h << "\t20\t1E-5\t" << kFreeHeight << "\t12\r\n";
  f << "0\t" << kIncrements << "\t1\t5.3E9\r\n";
  f << "0\r\n0\r\n";
  f << "6\t0.0003\t29000000\t25\t15\t8\t20000\r\n";
  f << "14\t0.0003\t29000000\t20\t15\t8\t20000\r\n";
  f << kFreeHeight << "\t12\t12\t120\t360\t1\t1\t0\r\n";
  f << "0.5\t0\t0\t0\t0\t0\r\n";
  f << "0\r\n";
  f << kLayers << "\r\n";
  for (int i = 0; i < kLayers; ++i) layerLines(f, i);
  f << "0\r\n";
  return f.str();
}

void BM_GeneratedCurvesRun(benchmark::State& state) {
  murena::bench::RunFolder folder(generatedCurvesFile());
  for (auto _ : state) benchmark::DoNotOptimize(murena::runAnalysis());
  murena::bench::reportRun(state, folder, kIncrements + 1);
}
BENCHMARK(BM_GeneratedCurvesRun)->Unit(benchmark::kMillisecond);

}  // namespace
