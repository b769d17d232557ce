// vxplay: plays a presentation executable natively, in one window of the
// desktop (docs/native-player.md).
//   vxplay [--trace FILE] FILE.exe

#include <gtk/gtk.h>

#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "platform/live/live_session.h"
#include "platform/sim/sim_desktop.h"
#include "tools/vxrun/presentation_file.h"
#include "tools/vxrun/trace_hooks.h"
#include "util/services.h"

namespace {

int Usage() {
  std::cerr << "usage: vxplay [--trace FILE] FILE.exe\n"
               "Plays the presentation in a window; Alt+Enter or F11 toggles full screen.\n"
               "--trace FILE writes what happens (pages shown, scripts run, errors, the end) to FILE.\n";
  return 2;
}

vx::platform::LocalDateTime WallClockNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 0};
}

int Play(const std::string& executable, const std::string& traceFile) {
  std::string bytes;
  if (!vx::tools::ReadWholeFile(executable, bytes)) {
    std::cerr << "vxplay: cannot read " << executable << '\n';
    return 2;
  }
  std::ofstream traceOut;
  if (!traceFile.empty()) {
    traceOut.open(traceFile, std::ios::binary | std::ios::trunc);
    if (!traceOut) {
      std::cerr << "vxplay: cannot write " << traceFile << '\n';
      return 2;
    }
  }
  vx::tools::TraceLines trace(traceOut);
  vx::sim::SimDesktop desktop;
  desktop.loop.SetStartTime(WallClockNow());
  vx::tools::PlaceOwnExecutable(desktop, std::move(bytes), vx::tools::FileNameOf(executable));
  auto flush = [&] {
    if (traceOut.is_open()) trace.Flush(desktop.log);
  };

  std::unique_ptr<vx::Application> app;
  vx::live::SessionOptions options;
  options.title = vx::tools::FileNameOf(executable);
  options.afterWork = flush;
  options.onClose = [&app, &desktop] {
    if (!app) desktop.process.Terminate(1);
    // As closing page 1 does.
    vx::TerminateApp(*app);
    vx::TVXForm* main = app->MainForm();
    vx::KillWindowProcess(app->platform, main != nullptr ? &main->Window() : nullptr);
    desktop.process.Terminate(1);
  };
  int exitCode = 0;
  try {
    app = vx::StartPlayer(desktop.Platform());
    if (traceOut.is_open()) vx::tools::AttachTraceHooks(*app, desktop);
    flush();
    vx::live::LiveSession session(desktop, options);
    app->MainForm()->Window().Show();
    flush();
    exitCode = session.Run();
  } catch (const vx::sim::ProcessExited& exited) {
    exitCode = exited.exitCode;
  }
  flush();
  if (traceOut.is_open()) traceOut << "presentation ended with exit code " << exitCode << '\n';
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  std::string traceFile;
  std::string executable;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--trace" && i + 1 < argc) traceFile = argv[++i];
    else if (executable.empty() && !arg.starts_with("--")) executable = arg;
    else return Usage();
  }
  if (executable.empty()) return Usage();
  if (!gtk_init_check(&argc, &argv)) {
    std::cerr << "vxplay: no display to show the presentation on (vxrun --headless plays it without one)\n";
    return 2;
  }
  try {
    return Play(executable, traceFile);
  } catch (const std::exception& e) {
    std::cerr << "vxplay: " << e.what() << '\n';
    return 2;
  }
}
