// The quote-aware searches run on every statement; lines of 100 and 10,000
// characters show whether they stay linear.

#include <benchmark/benchmark.h>

#include <string>

#include "script/text_primitives.h"
#include "util/text_search.h"

namespace {

// A statement-like line: quoted texts holding commas and brackets, nested
// calls and operators, cut to the length asked for.
std::string MakeLine(std::size_t length) {
  static const std::string piece = "f(x,\"a, (b)\",[y+z]),Count*2-\"q\"+";
  std::string line;
  while (line.size() < length) line += piece;
  line.resize(length);
  return line;
}

const std::string& Line(std::int64_t length) {
  static const std::string shortLine = MakeLine(100);
  static const std::string longLine = MakeLine(10000);
  return length <= 100 ? shortLine : longLine;
}

void BM_CountOutsideQuotes(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::CountOutsideQuotes(",", line));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PosOfNthOutsideQuotes(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  // Never found: the whole line is scanned.
  for (auto _ : state) benchmark::DoNotOptimize(vx::PosOfNthOutsideQuotes("\"", ",", line, 1 << 30));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PosOfNthAtTopLevel(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(vx::PosOfNthAtTopLevel("\"", "(", ")", 1 << 30, line, ","));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_FirstOfAnyOutsideBrackets(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::FirstOfAnyOutsideBrackets(line, "<>=#"));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_PosOfNthClosing(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::PosOfNthClosing("(", ")", line, 1 << 30));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_CountOccurrences(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::CountOccurrences("Count", line));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// "count" occurs outside quotes once per 33 characters, so the long line
// takes some 300 splices.
void BM_ReplaceOutsideQuotes(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::ReplaceOutsideQuotes(line, "count", "17", "\""));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The replacement holds the token: the one-pass form.
void BM_ReplaceOutsideQuotesSelf(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(vx::ReplaceOutsideQuotes(line, "count", "(count+1)", "\""));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ReplaceOutsideQuotesAbsent(benchmark::State& state) {
  const std::string& line = Line(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(vx::ReplaceOutsideQuotes(line, "total", "17", "\""));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Every character is a splice.
void BM_ReplaceOutsideQuotesDense(benchmark::State& state) {
  const std::string line(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state) benchmark::DoNotOptimize(vx::ReplaceOutsideQuotes(line, "x", "y", "\""));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Arguments with quoted commas and brackets, asked for one past the last.
void BM_GetArgument(benchmark::State& state) {
  std::string line = "10(";
  while (line.size() < static_cast<std::size_t>(state.range(0))) line += "ab,\"c)d\",";
  line += "z)";
  for (auto _ : state) benchmark::DoNotOptimize(vx::GetArgument(line, 1 << 30));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_CountOutsideQuotes)->Arg(100)->Arg(10000);
BENCHMARK(BM_PosOfNthOutsideQuotes)->Arg(100)->Arg(10000);
BENCHMARK(BM_PosOfNthAtTopLevel)->Arg(100)->Arg(10000);
BENCHMARK(BM_FirstOfAnyOutsideBrackets)->Arg(100)->Arg(10000);
BENCHMARK(BM_PosOfNthClosing)->Arg(100)->Arg(10000);
BENCHMARK(BM_CountOccurrences)->Arg(100)->Arg(10000);
BENCHMARK(BM_ReplaceOutsideQuotes)->Arg(100)->Arg(10000);
BENCHMARK(BM_ReplaceOutsideQuotesSelf)->Arg(100)->Arg(10000);
BENCHMARK(BM_ReplaceOutsideQuotesAbsent)->Arg(100)->Arg(10000);
BENCHMARK(BM_ReplaceOutsideQuotesDense)->Arg(100)->Arg(10000);
BENCHMARK(BM_GetArgument)->Arg(100)->Arg(10000);
