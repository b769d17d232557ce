// Pages with many objects: the hover poller's tick with the cursor resting,
// and a script that moves one text, on a page shown on the simulated desktop.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tools/common/container_writer.h"

namespace {

// Page 1, 1024 x 768, with n texts "t0" … on a grid of 64 x 20 cells; past
// 608 texts the grid starts again over the first ones.
struct ShownPage {
  explicit ShownPage(int n) {
    vx::tools::ProjectModel project;
    auto& page = project.AddPage("Main");
    page.width = 1024;
    page.height = 768;
    for (int t = 0; t < n; ++t) {
      auto& text = page.AddText("t" + std::to_string(t));
      text.caption = "Text " + std::to_string(t);
      text.bounds = {(t % 16) * 64, ((t / 16) % 38) * 20, 60, 18};
    }
    std::string image = "MZ" + std::string(254, '\x90') + "0\r\n";
    const auto count = static_cast<std::uint32_t>(3 + 4);
    for (int i = 0; i < 4; ++i) image.push_back(static_cast<char>((count >> (8 * i)) & 0xFF));
    desktop.files.SetOwnExecutable("C:\\Shows\\big.exe", image);
    for (const vx::PeResource& resource : vx::tools::WriteResources(project))
      desktop.files.SetOwnResource(resource.name, resource.bytes);
    app = vx::StartPlayer(desktop.Platform());
    Page().Window().Show();
    desktop.loop.Advance(100);  // the show script and the first paints
  }
  vx::TVXForm& Page() { return *app->MainForm(); }
  void RestCursorAt(int x, int y) {
    const vx::platform::Point o = Page().Window().ClientOrigin();
    desktop.input.SetCursorPos({o.x + x, o.y + y});
  }

  vx::sim::SimDesktop desktop;
  std::unique_ptr<vx::Application> app;
};

// One tick of the page's EnterLeave timer with the cursor resting on a text
// it has already entered: nothing to enter or leave.
void BM_PollerTick(benchmark::State& state) {
  ShownPage shown(static_cast<int>(state.range(0)));
  shown.RestCursorAt(100, 30);
  vx::TVXForm& page = shown.Page();
  vx::ObjectEvents& events = page.Events();
  events.EnterLeaveTimer(page);
  for (auto _ : state) events.EnterLeaveTimer(page);
}
BENCHMARK(BM_PollerTick)->Arg(10)->Arg(500)->Arg(5000)->Unit(benchmark::kMicrosecond);

// 200 moves of the last text in one script, run as one turn of the message
// loop (the loop paints when the turn ends); the time given is one move's.
void BM_MoveStatement(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  constexpr int kMoves = 200;
  ShownPage shown(n);
  const std::string script = "2(#i=1," + std::to_string(kMoves) + ")\r\n10(\"t" + std::to_string(n - 1) +
                             "\",\"\").7(#i,5)\r\n1\r\n";
  vx::Application& app = *shown.app;
  for (auto _ : state) shown.desktop.loop.Dispatch([&] { vx::DoActions(app, app.MainForm(), script); });
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kMoves);
  state.counters["per move"] = benchmark::Counter(static_cast<double>(state.iterations()) * kMoves,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MoveStatement)->Arg(1)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
