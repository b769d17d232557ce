// End-to-end checks of the Windows player, run under Wine: each scenario
// prepares a copy of a presentation executable, starts it, watches its
// windows as a person would, closes it, and compares its trace with what
// should have happened.
//
//   vxe2e SCENARIO PRESENTATION.exe WORKDIR
//
// Exit code 0 when the scenario held, 1 with a message otherwise.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "platform/win32/win32_files.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"
#include "util/trailer.h"

namespace {

using namespace vxe2e;

// Page 1 shows, then closing it ends the player with exit code 1.
void ShowPage1ThenClose(const std::string& exe, const std::string& workdir, bool splashExpected) {
  Player p = Start(exe, workdir);
  const bool shown = WaitFor(p, [&] { return WindowOf(p, "TVXForm") != nullptr; });
  Check(shown, "page 1 was never shown; trace:\n" + Joined(TraceLines(p)));
  // Pages may show while loading goes on; start-up ends with the splash gone.
  Check(WaitFor(p, [&] { return WindowOf(p, "TVXLoad", false) == nullptr; }, 20000),
        "the splash window still exists after start-up");
  Check(WaitFor(p, [&] { return IndexOf(TraceLines(p), "destroy VXLoad") >= 0; }, 20000),
        "start-up did not end; trace:\n" + Joined(TraceLines(p)));
  // The trace line follows the window by a moment.
  WaitFor(p, [&] { return IndexOf(TraceLines(p), "show VX_APPLICATION_FORM1") >= 0; }, 20000);
  auto lines = TraceLines(p);
  const auto page1 = IndexOf(lines, "show VX_APPLICATION_FORM1");
  Check(page1 >= 0, "no 'show VX_APPLICATION_FORM1' in the trace:\n" + Joined(lines));
  const auto splashShown = IndexOf(lines, "show VXLoad");
  if (splashExpected) {
    Check(splashShown >= 0, "the splash was not shown:\n" + Joined(lines));
    const auto splashGone = IndexOf(lines, "destroy VXLoad");
    Check(splashShown < page1 && splashShown < splashGone, "the splash did not show during start-up:\n" + Joined(lines));
  } else {
    Check(splashShown < 0, "the splash was shown:\n" + Joined(lines));
  }
  const bool boxShown = std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("msgbox", 0) == 0; });
  Check(!boxShown, "a message box was shown:\n" + Joined(lines));

  CloseAndExpectTheEnd(p, WindowOf(p, "TVXForm"));
}

// A damaged presentation shows the start-up failure box with the detailed
// error; once the box is closed the player ends with exit code 1.
void StartupFailure(const std::string& exe, const std::string& workdir) {
  Player p = Start(exe, workdir);
  HWND box = nullptr;
  const bool shown = WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; });
  Check(shown, "no message box appeared; trace:\n" + Joined(TraceLines(p)));
  Check(WindowOf(p, "TVXForm") == nullptr, "a page is visible behind the failure box");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  const DWORD code = WaitForExit(p);
  Check(code == 1, "exit code " + std::to_string(code) + ", expected 1");
  Check(TraceHas(p, "Application could not be intialized, run the application again or recompile your Corvantis"),
        "the failure box did not say the start-up failed:\n" + ReadText(p.trace));
  Check(TraceHas(p, "project.\r\n\r\nDetailed Error:\r\n"), "no detailed error:\n" + ReadText(p.trace));
  Check(TraceHas(p, "Project container"), "the detail does not name the container:\n" + ReadText(p.trace));
  const auto lines = TraceLines(p);
  Check(IndexOf(lines, "show VX_APPLICATION_FORM1") < 0, "page 1 was shown:\n" + Joined(lines));
  Check(!lines.empty() && lines.back() == "exit 1", "the trace does not end with 'exit 1':\n" + Joined(lines));
}

using Scenario = std::function<void(const std::string& player, const std::string& workdir)>;

const std::map<std::string, Scenario>& Scenarios() {
  static const std::map<std::string, Scenario> table = {
      {"delivered",
       [](const std::string& player, const std::string& workdir) {
         ShowPage1ThenClose(CopyOfPlayer(player, workdir, "delivered.exe"), workdir, false);
       }},
      {"splash",
       [](const std::string& player, const std::string& workdir) {
         const std::string exe = CopyOfPlayer(player, workdir, "splash.exe");
         vx::win32::Win32Files files;
         Check(vx::AppendTrailer(files, exe, "1\r\n"), "cannot append a trailer");
         ShowPage1ThenClose(exe, workdir, true);
       }},
      {"count-beyond-file",
       [](const std::string& player, const std::string& workdir) {
         const std::string exe = CopyOfPlayer(player, workdir, "bigcount.exe");
         std::ofstream out(exe, std::ios::binary | std::ios::app);
         out.write("\xFF\xFF\xFF\x7F", 4);
         out.close();
         ShowPage1ThenClose(exe, workdir, false);
       }},
      {"page-look", PageLook},
      {"controls", Controls},
      {"message-box", MessageBoxLook},
      {"window-look", WindowLook},
      {"system-services", SystemServices},
      {"persian", Persian},
      {"persian-demo", PersianDemo},
      {"media", Media},
      {"plugin", Plugin},
      {"plugin-fault", PluginFault},
      {"plugin-fault-later", PluginFaultLater},
      {"plugin-bad", PluginBad},
      {"flash-missing", FlashMissing},
      {"flash-ignored", FlashIgnored},
      {"browser", Browser},
      {"startup-failure",
       [](const std::string& player, const std::string& workdir) {
         StartupFailure(CopyOfPlayer(player, workdir, "damaged.exe"), workdir);
       }},
  };
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || !Scenarios().count(argv[1])) {
    std::fprintf(stderr, "usage: vxe2e SCENARIO PLAYER.exe WORKDIR\nscenarios:");
    for (const auto& [name, run] : Scenarios()) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  const std::string name = argv[1];
  CreateDirectoryA(argv[3], nullptr);
  try {
    Scenarios().at(name)(argv[2], argv[3]);
  } catch (const Failure& f) {
    std::printf("FAIL %s: %s\n", name.c_str(), f.message.c_str());
    return 1;
  } catch (const std::exception& e) {
    std::printf("FAIL %s: %s\n", name.c_str(), e.what());
    return 1;
  }
  std::printf("PASS %s\n", name.c_str());
  return 0;
}
