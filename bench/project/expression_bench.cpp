// Evaluating long numeric entries: a sum of ones, and the same with every
// operand in parentheses.  Time must grow in proportion to the length.
#include <benchmark/benchmark.h>

#include <string>

#include "frontend/entry/expression_evaluator.h"

namespace {

// An entry of state.range(0) characters: `first`, then `next` repeated.
void evaluateLongEntry(benchmark::State& state, const std::string& first, const std::string& next) {
  std::string entry = first;
  while (entry.size() < static_cast<size_t>(state.range(0))) entry += next;
  for (auto _ : state) benchmark::DoNotOptimize(murena::evaluateExpression(entry));
  state.SetComplexityN(static_cast<int64_t>(entry.size()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * entry.size()));
}

void BM_EvaluateLongSum(benchmark::State& state) { evaluateLongEntry(state, "1", "+1"); }
void BM_EvaluateLongParenthesisedSum(benchmark::State& state) { evaluateLongEntry(state, "(1)", "+(1)"); }

BENCHMARK(BM_EvaluateLongSum)->RangeMultiplier(4)->Range(1 << 10, 200000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_EvaluateLongParenthesisedSum)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
