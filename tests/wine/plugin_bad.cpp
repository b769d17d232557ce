// The scenario "plugin-bad"; tests/wine/plugin-bad: a missing plug-in, a
// file that is no library and a library without the plug-in's exports
// (emptyplugin.dll, tests/wine/empty_plugin.cpp).

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

bool AnyStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const auto& l : lines)
    if (l.rfind(prefix, 0) == 0) return true;
  return false;
}

int HostsOf(HWND page) {
  int n = 0;
  for (HWND c = FindWindowExA(page, nullptr, "VXHostWindow", nullptr); c != nullptr;
       c = FindWindowExA(page, c, "VXHostWindow", nullptr))
    ++n;
  return n;
}

}  // namespace

void PluginBad(const std::string& exe, const std::string& workdir) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string driverFolder = self;
  driverFolder.erase(driverFolder.find_last_of('\\'));
  const std::string empty = workdir + "\\emptyplugin.dll";
  Check(CopyFileA((driverFolder + "\\emptyplugin.dll").c_str(), empty.c_str(), FALSE) != FALSE,
        "cannot copy emptyplugin.dll beside the driver to " + empty);
  const std::string foreign = workdir + "\\notalib.dll";
  HANDLE f = CreateFileA(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(f != INVALID_HANDLE_VALUE, "cannot write " + foreign);
  const char text[] = "MZ but no library at all\r\n";
  DWORD written = 0;
  WriteFile(f, text, sizeof text - 1, &written, nullptr);
  CloseHandle(f);
  DeleteFileA((workdir + "\\missing.dll").c_str());
  const std::string copy = CopyOfPlayer(exe, workdir, "plugin-bad.exe");

  SetCursorPos(0, 0);
  Player p = Start(copy, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Bad plugins")) != nullptr; }, 20000),
        "the page is not shown; trace:\n" + Joined(TraceLines(p)));
  const std::string missingFailed = "plugin load " + workdir + "\\missing.dll failed";
  const std::string foreignFailed = "plugin load " + workdir + "\\notalib.dll failed";
  const std::string emptyLoaded = "plugin load " + workdir + "\\emptyplugin.dll";
  Check(WaitFor(p, [&] {
          return TraceHas(p, missingFailed) && TraceHas(p, foreignFailed) && IndexOf(TraceLines(p), emptyLoaded) >= 0;
        }, 20000),
        "the three plug-ins were not tried (the missing and the foreign one failing, the empty one loading); "
        "trace:\n" + Joined(TraceLines(p)));
  Check(HostsOf(page) == 3, "the page has " + std::to_string(HostsOf(page)) + " plug-in hosts, not 3");

  Check(WaitFor(p, [&] { return TraceHas(p, "script showeventTimer on VX_APPLICATION_FORM1"); }, 10000),
        "the page's show script never ran; trace:\n" + Joined(TraceLines(p)));
  HWND go = FindWindowExA(page, nullptr, "Button", nullptr);
  Check(go != nullptr, "no button Go on the page");
  RECT r{};
  GetWindowRect(go, &r);
  WaitFor(p, [&] { return GetForegroundWindow() == page; }, 5000);
  const std::string goRan = "script VEXORELLE_NEW_BUTTONClick OBJgo on VX_APPLICATION_FORM1";
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (WaitFor(p, [&] { return TraceHas(p, goRan); }, 3000)) break;
    std::printf("the click on Go ran nothing; clicking again\n");
  }
  // Every method on the three had no effect, and the script went on.
  const std::string expectedCaption = "level=7 file=kept";
  Check(WaitFor(p, [&] { return TextOf(go) == expectedCaption; }, 10000),
        "the button says \"" + TextOf(go) + "\", not \"" + expectedCaption + "\"; trace:\n" +
            Joined(TraceLines(p)));
  const auto lines = TraceLines(p);
  Check(!AnyStarting(lines, "msgbox") && !AnyStarting(lines, "plugin fault") && !AnyStarting(lines, "plugin unloaded"),
        "a box, a fault or an unloading on the way:\n" + Joined(lines));
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
