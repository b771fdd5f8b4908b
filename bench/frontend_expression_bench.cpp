// Evaluating long numeric entries: a sum of ones, and the same with every
// operand in parentheses.  Time must grow in proportion to the length.
#include <benchmark/benchmark.h>

#include <string>

#include "frontend/entry/expression_evaluator.h"

namespace {

void BM_EvaluateLongSum(benchmark::State& state) {
  std::string entry = "1";
  while (entry.size() < static_cast<size_t>(state.range(0))) entry += "+1";
  for (auto _ : state) benchmark::DoNotOptimize(murena::evaluateExpression(entry));
  state.SetComplexityN(static_cast<int64_t>(entry.size()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * entry.size()));
}
BENCHMARK(BM_EvaluateLongSum)->RangeMultiplier(4)->Range(1 << 10, 200000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_EvaluateLongParenthesisedSum(benchmark::State& state) {
  std::string entry = "(1)";
  while (entry.size() < static_cast<size_t>(state.range(0))) entry += "+(1)";
  for (auto _ : state) benchmark::DoNotOptimize(murena::evaluateExpression(entry));
  state.SetComplexityN(static_cast<int64_t>(entry.size()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * entry.size()));
}
BENCHMARK(BM_EvaluateLongParenthesisedSum)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace
