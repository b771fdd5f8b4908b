// Opening a data file whose control line asks for as many p-y curve sets as
// the file has lines, followed by blank lines: every set makes a sub-table
// (registered in the chart tables' registry), and the next New removes them
// all.  Time must grow in proportion to the number of lines.
#include <benchmark/benchmark.h>

#include <string>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/project.h"

namespace {

using namespace murena;

std::string manyCurveSetsText(int lines) {
  std::string text = "Blank lines\r\n1 0\t1\t0\t0\t1 " + std::to_string(lines) + " 1 0 0\r\n";
  for (int i = 0; i < lines; ++i) text += " \r\n";
  return text;
}

// Reading the file into a fresh project, then New.
void BM_OpenFileOfManyCurveSets(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  const std::string text = manyCurveSetsText(lines);
  TProjectTables tables;
  TProject project(tables);
  for (auto _ : state) {
    project.newProject();
    benchmark::DoNotOptimize(readProjectText(text, project.data(), tables, kLayoutCurrent));
    if (tables.PYCurves2.rowCount() != lines) state.SkipWithError("the curve sets were not all read");
  }
  project.newProject();
  state.SetComplexityN(lines);
}
BENCHMARK(BM_OpenFileOfManyCurveSets)->RangeMultiplier(4)->Range(1 << 12, 100000)->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
