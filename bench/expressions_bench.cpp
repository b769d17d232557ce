// Evaluations per second of typical expressions, and how the cost grows
// with the length of the expression.

#include <benchmark/benchmark.h>

#include <random>

#include "platform/sim/sim_desktop.h"
#include "values/expressions.h"

namespace {

struct Bench {
  vx::sim::SimDesktop desktop;
  vx::TValues values;
  vx::RandomSource random{1};
  vx::Folders folders{"C:\\Shows\\", "C:\\TEMP\\", "C:\\WINDOWS\\"};
  vx::ScriptRegistry registry;
  vx::ScriptIniFile ini;
  vx::EvalContext ctx{values, desktop.Platform(), random, folders, registry, ini, nullptr};
  Bench() {
    values.SetNumVar("x", 12);
    values.SetNumVar("y", 3.5);
    values.SetStrVar("name", "visitor");
  }
};

void BM_NumArithmeticWithVariables(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(vx::EvalNumExpr("(#x+2)*#y-#x/4", b.ctx));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumArithmeticWithVariables);

void BM_StrConcatenation(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(vx::EvalStrExpr("\"Hello, \"+$name+\" no. \"+#x", b.ctx));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrConcatenation);

void BM_NumTokenCall(benchmark::State& state) {
  Bench b;
  for (auto _ : state) benchmark::DoNotOptimize(vx::EvalNumExpr("@1%($name)+@42%(2.5)", b.ctx));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumTokenCall);

// "1+2*3-4+..." of about range(0) characters.
void BM_NumLength(benchmark::State& state) {
  Bench b;
  std::string text = "1";
  const char ops[] = "+*-+";
  for (int i = 0; static_cast<long>(text.size()) + 2 <= state.range(0); ++i) {
    text += ops[i % 4];
    text += static_cast<char>('1' + i % 9);
  }
  for (auto _ : state) benchmark::DoNotOptimize(vx::EvalNumExpr(text, b.ctx));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumLength)->Arg(10)->Arg(100)->Arg(1000);

void BM_StrLength(benchmark::State& state) {
  Bench b;
  std::string text = "\"ab\"";
  while (static_cast<long>(text.size()) + 6 <= state.range(0)) text += "+$name";
  for (auto _ : state) benchmark::DoNotOptimize(vx::EvalStrExpr(text, b.ctx));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrLength)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace
