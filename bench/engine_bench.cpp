// Whole in-process engine runs: the data file and "NAMES.dat" are written
// once into a scratch folder, then runAnalysis() is called in the loop, so a
// figure covers reading, solving and writing the report and plot data.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "bench_run_folder.h"
#include "engine/run_analysis.h"

namespace fs = std::filesystem;

namespace {

using murena::bench::RunFolder;
using murena::bench::reportRun;

// The soil and load of a benchmark wall.
struct WallCase {
  double pressure = 50.0;        // lbs/in at and below the excavation level
  double maxDeflection = 20.0;   // in
  bool softening = false;        // p-y curves that lose resistance past their peak
};

// A wall of 480 in (English units) cut into `increments` increments, with a
// user earth pressure rising to `pressure` at the excavation level and staying
// constant below it, and a user p-y curve of seven points at every station:
// soft above the excavation, stiffer with depth below it.
std::string wallBlock(const std::string& title, int increments, double freeHeight, int stages, int marker,
                      const WallCase& wall = {}) {
  const double length = 480.0;
  const double h = length / increments;
  std::ostringstream f;
  f << title << "\r\n";
  f << "1 0\t1\t0\t1\t1 " << increments + 1 << " " << stages << " 0 0\r\n";
  f << increments << " " << h << "\t" << wall.maxDeflection << "\t1E-5\t" << freeHeight << "\t12\r\n";
  f << "0\t" << increments << "\t1\t5.3E9\r\n";
  f << "0\r\n0\r\n";
  f << "3\r\n0\t0\r\n" << freeHeight << "\t" << wall.pressure << "\r\n" << length << "\t" << wall.pressure << "\r\n";
  const double ys[] = {-2, -0.5, -0.1, 0, 0.1, 0.5, 2};
  const double hardening[] = {1, 0.8, 0.4, 0, -0.4, -0.8, -1};
  const double softening[] = {0.2, 0.6, 1, 0, -1, -0.6, -0.2};
  const double* shape = wall.softening ? softening : hardening;
  for (int node = 0; node <= increments; ++node) {
    double below = std::max(0.0, node * h - freeHeight);
    double scale = 50.0 + 3000.0 * below / 240.0;
    f << node << "\t7\t1\t1\r\n";
    for (int i = 0; i < 7; ++i) f << ys[i] << "\t" << scale * shape[i] << "\r\n";
  }
  f << marker << "\r\n";
  return f.str();
}

std::string singleBlockFile(int increments) {
  return wallBlock("Benchmark wall, user p-y curves at every station", increments, 240.0, 1, 0);
}

// Softening curves under a heavy pressure: the segments keep changing and the
// block runs the full 100 iterations without closing.
std::string hundredIterationFile(int increments) {
  return wallBlock("Benchmark wall, softening p-y curves", increments, 240.0, 1, 0, {150.0, 1.0E6, true});
}

// Five construction stages, each digging 48 in deeper; markers 1 to 5.
std::string fiveStageFile(int increments) {
  std::string file;
  for (int stage = 1; stage <= 5; ++stage) {
    std::string title = stage == 1 ? std::string("Benchmark wall, five stages") : " Stage No : " + std::to_string(stage);
    file += wallBlock(title, increments, 48.0 + 48.0 * stage, 5, stage);
  }
  return file;
}

void BM_SingleBlock(benchmark::State& state) {
  const int increments = static_cast<int>(state.range(0));
  RunFolder folder(singleBlockFile(increments));
  for (auto _ : state) benchmark::DoNotOptimize(murena::runAnalysis());
  reportRun(state, folder, increments + 1);
  state.SetComplexityN(increments);
}
BENCHMARK(BM_SingleBlock)->Arg(80)->Arg(300)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_HundredIterations(benchmark::State& state) {
  const int increments = static_cast<int>(state.range(0));
  RunFolder folder(hundredIterationFile(increments));
  for (auto _ : state) benchmark::DoNotOptimize(murena::runAnalysis());
  reportRun(state, folder, increments + 1);
}
BENCHMARK(BM_HundredIterations)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_FiveStages(benchmark::State& state) {
  const int increments = static_cast<int>(state.range(0));
  RunFolder folder(fiveStageFile(increments));
  for (auto _ : state) benchmark::DoNotOptimize(murena::runAnalysis());
  reportRun(state, folder, increments + 1);
}
BENCHMARK(BM_FiveStages)->Arg(80)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
