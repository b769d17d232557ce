// Variable store lookups: the cost of a read or write must not grow with the
// number of variables a presentation has created.

#include "values/variables.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Names as scripts write them: mixed case and spaces, normalised on every call.
std::vector<std::string> MakeNames(std::size_t count) {
  std::vector<std::string> names;
  names.reserve(count);
  for (std::size_t i = 0; i < count; ++i) names.push_back("Var " + std::to_string(i));
  return names;
}

void Fill(vx::TValues& values, const std::vector<std::string>& names) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    values.SetNumVar(names[i], static_cast<double>(i));
    values.SetStrVar(names[i], names[i]);
  }
}

// Spreads the touched names over the whole table.
std::size_t Next(std::size_t i, std::size_t count) { return (i + 7919) % count; }

void BM_GetNumVar(benchmark::State& state) {
  const auto names = MakeNames(static_cast<std::size_t>(state.range(0)));
  vx::TValues values;
  Fill(values, names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(values.GetNumVar(names[i]));
    i = Next(i, names.size());
  }
}

void BM_SetNumVar(benchmark::State& state) {
  const auto names = MakeNames(static_cast<std::size_t>(state.range(0)));
  vx::TValues values;
  Fill(values, names);
  std::size_t i = 0;
  for (auto _ : state) {
    values.SetNumVar(names[i], 1.5);
    i = Next(i, names.size());
  }
}

void BM_GetStrVar(benchmark::State& state) {
  const auto names = MakeNames(static_cast<std::size_t>(state.range(0)));
  vx::TValues values;
  Fill(values, names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(values.GetStrVar(names[i]));
    i = Next(i, names.size());
  }
}

void BM_SetStrVar(benchmark::State& state) {
  const auto names = MakeNames(static_cast<std::size_t>(state.range(0)));
  vx::TValues values;
  Fill(values, names);
  std::size_t i = 0;
  for (auto _ : state) {
    values.SetStrVar(names[i], "value");
    i = Next(i, names.size());
  }
}

// What a running script mostly does: a few variables read again and again,
// however many others the presentation holds.
void BM_GetNumVarHot(benchmark::State& state) {
  const auto names = MakeNames(static_cast<std::size_t>(state.range(0)));
  vx::TValues values;
  Fill(values, names);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(values.GetNumVar(names[i * 97 % names.size()]));
    i = (i + 1) % 10;
  }
}

BENCHMARK(BM_GetNumVar)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(BM_SetNumVar)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(BM_GetStrVar)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(BM_SetStrVar)->Arg(10)->Arg(1000)->Arg(100000);
BENCHMARK(BM_GetNumVarHot)->Arg(10)->Arg(1000)->Arg(100000);

}  // namespace
