// vxplay: plays a presentation executable natively, in one window of the
// desktop (docs/native-player.md).
//   vxplay [--trace FILE] [--codepage=N] FILE.exe

#include <gtk/gtk.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "platform/live/desktop_state.h"
#include "platform/live/live_dialogs.h"
#include "platform/live/live_hosted.h"
#ifdef VX_HAVE_GSTREAMER
#include "platform/live/gst_media.h"
#endif
#include "platform/live/live_process.h"
#ifdef VX_HAVE_WEBKIT
#include "platform/live/web_panes.h"
#endif
#include "platform/live/live_session.h"
#include "platform/live/message_dialog.h"
#include "platform/live/sandbox.h"
#include "platform/live/sandbox_paths.h"
#include "platform/live/sandboxed_files.h"
#include "platform/live/system_code_page.h"
#include "platform/sim/sim_desktop.h"
#include "tools/vxrun/presentation_file.h"
#include "tools/vxrun/trace_hooks.h"
#include "util/presentation_code_page.h"
#include "util/services.h"

namespace {

int Usage() {
  std::cerr << "usage: vxplay [--trace FILE] [--codepage=N] FILE.exe\n"
               "Plays the presentation in a window; Alt+Enter or F11 toggles full screen.\n"
               "--trace FILE writes what happens (pages shown, scripts run, errors, the end) to FILE.\n"
               "--codepage=N reads the presentation's text in code page N (1252, 1256, 65001).\n"
               "What the presentation writes stays in $XDG_DATA_HOME/vexorelle/NAME/.\n";
  return 2;
}

// The player's own failures: on standard error and in a dialog.
int Fail(const std::string& message) {
  std::cerr << "vxplay: " << message << '\n';
  vx::live::AskWithMessageDialog(nullptr, message, "vxplay", vx::platform::mb::Ok | vx::platform::mb::IconError);
  return 2;
}

vx::platform::LocalDateTime WallClockNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, 0};
}

std::string RealFolderOf(const std::string& file) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(file, error);
  return error ? std::string(".") : absolute.parent_path().string();
}

#ifdef VX_HAVE_WEBKIT
// Where the Ruffle web player is: VX_RUFFLE_DIR, else where the installation
// put it.
std::string FlashPlayerFolder() {
  const char* chosen = std::getenv("VX_RUFFLE_DIR");
  return chosen != nullptr && *chosen != '\0' ? std::string(chosen) : std::string(VX_RUFFLE_DIR);
}
#endif

int Play(const std::string& executable, const std::string& traceFile, std::optional<unsigned> codePage) {
  std::optional<vx::sim::FileBytes> bytes = vx::tools::ReadExecutableFile(executable);
  if (!bytes) return Fail("cannot read " + executable);
  std::ofstream traceOut;
  if (!traceFile.empty()) {
    traceOut.open(traceFile, std::ios::binary | std::ios::trunc);
    if (!traceOut) return Fail("cannot write " + traceFile);
  }
  const std::string name = vx::tools::FileNameOf(executable);
  vx::tools::TraceLines trace(traceOut);
  vx::sim::SimDesktop desktop;
  desktop.loop.SetStartTime(WallClockNow());
  desktop.codePages.SetSystem(vx::live::AnsiCodePageOfLocale(
      vx::live::LocaleOfEnvironment(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"))));
  vx::tools::PlaceOwnExecutable(desktop, std::move(*bytes), name);
  desktop.process.SetCommandLine(vx::tools::PlayerCommandLine(name, codePage));
  vx::live::SandboxedFiles files(desktop.files, RealFolderOf(executable));
  const vx::live::Sandbox sandbox(vx::live::DataFolderFor(name, std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  sandbox.Load(files, desktop.registry);

  std::unique_ptr<vx::live::LiveSession> session;
  vx::live::LiveDialogs dialogs(desktop.log, desktop.codePages, desktop.files,
                                {sandbox.DataFolder(), RealFolderOf(executable), std::string(vx::tools::kOwnFolder)},
                                [&session] { return session ? session->Window().Native() : nullptr; });
  vx::live::LiveProcess process(desktop.process, desktop.log, desktop.codePages, files, sandbox.DataFolder() + "/opened",
                                [&session] { return session ? session->Window().Native() : nullptr; });
#ifdef VX_HAVE_WEBKIT
  // Pages come from the extraction folder and the executable's folder only.
  vx::live::WebPanes panes(desktop.log, desktop.loop, files,
                           {sandbox.DataFolder(), RealFolderOf(executable), std::string(vx::tools::kOwnFolder)},
                           {files.TempFolder(), std::string(vx::tools::kOwnFolder)}, FlashPlayerFolder());
  vx::live::LiveHosted hosted(desktop.hosted, desktop.log, &panes, &files);
#else
  vx::live::LiveHosted hosted(desktop.hosted, desktop.log);
#endif
#ifdef VX_HAVE_GSTREAMER
  vx::live::GstMedia media(desktop.log, desktop.loop, files);
#else
  vx::platform::Media& media = desktop.media;
#endif
  vx::platform::Platform platform{desktop.forms,   desktop.loop,      dialogs,          files,
                                  desktop.display, desktop.fonts,     desktop.pictures, desktop.input,
                                  process,         hosted,            desktop.clipboard, desktop.registry,
                                  media};
  auto flush = [&] {
    if (traceOut.is_open()) trace.Flush(desktop.log);
  };

  std::unique_ptr<vx::Application> app;
  vx::live::SessionOptions options;
  options.title = name;
  options.afterWork = flush;
#ifdef VX_HAVE_WEBKIT
  options.onFrame = [&panes](vx::live::HostWindow& window) { panes.Place(window.Box()); };
#endif
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
    // Where no Flash player can be had, a movie is left out rather than
    // ending the presentation over a control it cannot have.
    vx::PlayerOptions playerOptions;
    playerOptions.leaveOutMissingFlash = true;
    playerOptions.note = [&desktop](const std::string& line) { desktop.log.Add(line); };
    app = vx::StartPlayer(platform, std::move(playerOptions));
    if (traceOut.is_open()) vx::tools::AttachTraceHooks(*app, desktop);
    flush();
    session = std::make_unique<vx::live::LiveSession>(desktop, options);
#ifdef VX_HAVE_WEBKIT
    panes.Attach(session->Window().Overlay(), session->Window().Native());
#endif
    app->MainForm()->Window().Show();
    flush();
    exitCode = session->Run();
  } catch (const vx::sim::ProcessExited& exited) {
    exitCode = exited.exitCode;
  }
  session.reset();
  flush();
  if (traceOut.is_open()) traceOut << "presentation ended with exit code " << exitCode << '\n';
  try {
    sandbox.Save(files, desktop.registry);
  } catch (const std::exception& e) {
    std::cerr << "vxplay: what the presentation wrote was not kept: " << e.what() << '\n';
  }
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  std::string traceFile;
  std::string executable;
  std::optional<unsigned> codePage;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--trace" && i + 1 < argc) traceFile = argv[++i];
    else if (arg.starts_with(vx::kCodePageSwitch)) {
      // As the player's own switch reads it.
      codePage = vx::CodePageSwitchOf("vxplay " + arg);
      if (!codePage) return Usage();
    }
    else if (executable.empty() && !arg.starts_with("--")) executable = arg;
    else return Usage();
  }
  if (executable.empty()) return Usage();
  vx::live::KeepSettingsInMemory();
  try {
    const std::string data = vx::live::DataFolderFor(vx::tools::FileNameOf(executable), std::getenv("XDG_DATA_HOME"),
                                                     std::getenv("HOME"));
    vx::live::KeepToolkitFoldersIn(data + "/toolkit");
    vx::live::KeepShaderCachesIn(data + "/toolkit");
  } catch (const std::exception&) {
    // No data folder at all: Play says so once the dialogs can.
  }
  if (!gtk_init_check(&argc, &argv)) {
    std::cerr << "vxplay: no display to show the presentation on (vxrun --headless plays it without one)\n";
    return 2;
  }
  vx::live::TurnOffRecentFiles();
  try {
    return Play(executable, traceFile, codePage);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
