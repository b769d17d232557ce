// Statements per second of the action runner.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "script/runner.h"

namespace {

struct Bench {
  Bench() {
    app.forms.push_back(std::make_unique<vx::TVXForm>(app));
    app.project.functions.push_back(vx::TFunc{"add", "", 0, {"#s=#s+1", "$t=$1"}});
  }
  vx::sim::SimDesktop desktop;
  vx::Application app{desktop.Platform()};
};

// 1,000 iterations of one assignment and one if with its assignment and end.
void BM_LoopOfAssignmentsAndIfs(benchmark::State& state) {
  Bench b;
  const std::string script = "2(#i=1,1000)\r\n#n=#n+#i\r\n0(#n>10)\r\n#m=#m+1\r\n1\r\n1\r\n";
  for (auto _ : state) vx::DoActions(b.app, b.app.MainForm(), script);
  state.counters["statements/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 4000, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LoopOfAssignmentsAndIfs)->Unit(benchmark::kMillisecond);

// The counting loop users write in timer scripts: one assignment a turn.
void BM_CountingLoop(benchmark::State& state) {
  Bench b;
  const std::string script = "#n=0\r\n2(#i=1,200000)\r\n#n=#n+#i\r\n1\r\n";
  for (auto _ : state) vx::DoActions(b.app, b.app.MainForm(), script);
  state.counters["turns/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 200000, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CountingLoop)->Unit(benchmark::kMillisecond);

void BM_FunctionCall(benchmark::State& state) {
  Bench b;
  const std::string script = "108(\"x\")\r\n";
  for (auto _ : state) vx::DoActions(b.app, b.app.MainForm(), script);
  state.counters["calls/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FunctionCall);

void BM_ThousandLineScript(benchmark::State& state) {
  Bench b;
  std::string script;
  for (int i = 0; i < 1000; ++i) {
    switch (i % 4) {
      case 0: script += "#a=#a+" + std::to_string(i) + "\r\n"; break;
      case 1: script += "$b=\"line " + std::to_string(i) + "\"\r\n"; break;
      case 2: script += "0(#a>5)\r\n"; break;
      default: script += "1\r\n"; break;
    }
  }
  for (auto _ : state) vx::DoActions(b.app, b.app.MainForm(), script);
  state.counters["statements/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 1000, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ThousandLineScript)->Unit(benchmark::kMillisecond);

}  // namespace
