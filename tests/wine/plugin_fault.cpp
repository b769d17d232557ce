// The scenarios "plugin-fault" and "plugin-fault-later"; testplugin.dll
// (tests/wine/test_plugin.cpp) with a marker beside it that makes the
// library's SetParentWindow (plugin-fault.txt, tests/wine/plugin-fault) or
// GetData (plugin-fault-getdata.txt, tests/wine/plugin) write through a
// null pointer.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

std::ptrdiff_t FirstStarting(const std::vector<std::string>& lines, const std::string& prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].rfind(prefix, 0) == 0) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The plug-in and its marker in the work folder, no calls recorded yet.
void PrepareWorkFolder(const std::string& workdir, const std::string& marker) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string driverFolder = self;
  driverFolder.erase(driverFolder.find_last_of('\\'));
  const std::string library = workdir + "\\testplugin.dll";
  Check(CopyFileA((driverFolder + "\\testplugin.dll").c_str(), library.c_str(), FALSE) != FALSE,
        "cannot copy testplugin.dll beside the driver to " + library);
  for (const char* name : {"plugin-fault.txt", "plugin-fault-getdata.txt", "plugin-calls.txt"})
    DeleteFileA((workdir + "\\" + name).c_str());
  const std::string path = workdir + "\\" + marker;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  Check(f != INVALID_HANDLE_VALUE, "cannot write " + path);
  CloseHandle(f);
}

}  // namespace

void PluginFault(const std::string& exe, const std::string& workdir) {
  PrepareWorkFolder(workdir, "plugin-fault.txt");
  const std::string calls = workdir + "\\plugin-calls.txt";
  const std::string copy = CopyOfPlayer(exe, workdir, "plugin-fault.exe");

  // A crash would end with the fault's own code (or hang in a crash
  // dialog until the wait gives up and fails).
  Player p = Start(copy, workdir);
  ExpectTheEnd(p);

  const std::string text = ReadText(calls);
  Check(text.rfind("SetParentWindow ", 0) == 0 && text.find("\r\n") == text.size() - 2,
        "the plug-in's calls are not SetParentWindow alone:\n" + text);
  // The fault, the library unloaded, then what the presentation changed is
  // put back before the end.
  const auto lines = TraceLines(p);
  const auto changed = IndexOf(lines, "system setting screen-saver off");
  const auto fault = FirstStarting(lines, "plugin fault: access violation in SetParentWindow at +");
  const auto unloaded = IndexOf(lines, "plugin unloaded");
  std::ptrdiff_t restored = -1;
  for (auto i = unloaded + 1; unloaded >= 0 && i < static_cast<std::ptrdiff_t>(lines.size()); ++i)
    if (lines[static_cast<std::size_t>(i)].rfind("system setting screen-saver ", 0) == 0) restored = i;
  Check(changed >= 0 && fault > changed && unloaded > fault && restored > unloaded &&
            restored < static_cast<std::ptrdiff_t>(lines.size()) - 1,
        "the trace does not show the screen saver turned off, the fault in SetParentWindow, the library unloaded "
        "and the setting put back, in that order, before the end:\n" + Joined(lines));
  Check(FirstStarting(lines, "msgbox") < 0, "a message box was shown:\n" + Joined(lines));
}

void PluginFaultLater(const std::string& exe, const std::string& workdir) {
  PrepareWorkFolder(workdir, "plugin-fault-getdata.txt");
  const std::string calls = workdir + "\\plugin-calls.txt";
  const std::string copy = CopyOfPlayer(exe, workdir, "plugin.exe");
  SetCursorPos(0, 0);
  Player p = Start(copy, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Plugin host")) != nullptr; }, 20000),
        "the page is not shown; trace:\n" + Joined(TraceLines(p)));
  Check(WaitFor(p, [&] { return TraceHas(p, "script showeventTimer on VX_APPLICATION_FORM1"); }, 10000) &&
            WaitFor(p, [&] { return ReadText(calls).find("Show\r\n") != std::string::npos; }, 10000),
        "the page's show script or the plug-in's start never ran; trace:\n" + Joined(TraceLines(p)));
  HWND go = FindWindowExA(page, nullptr, "Button", nullptr);
  Check(go != nullptr, "no button Go on the page");
  RECT r{};
  GetWindowRect(go, &r);
  WaitFor(p, [&] { return GetForegroundWindow() == page; }, 5000);
  // Go's script reaches GetData with 67(#level), which faults.
  HWND box = nullptr;
  for (int attempt = 0; attempt < 3 && box == nullptr; ++attempt) {
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }, 5000);
  }
  Check(box != nullptr, "no box after the fault in GetData; calls:\n" + ReadText(calls) + "trace:\n" +
                            Joined(TraceLines(p)));
  std::string text;
  for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(box, c, "Static", nullptr))
    text += TextOf(c);
  Check(TextOf(box) == "Vexorelle Exception" && text.find("access violation in GetData") != std::string::npos,
        "the box \"" + TextOf(box) + "\" says \"" + text + "\", not the fault in GetData");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  Check(WaitFor(p, [&] { return WindowOf(p, "#32770") == nullptr; }, 10000), "the box stays");

  const auto made = LinesOf(ReadText(calls));
  Check(made.size() >= 8 && made[4] == "SetFile song.mp3" && made[7] == "GetData",
        "the calls up to the fault are not SetParentWindow, Draw, SetPath, Show, SetFile, SetData, Rewind, "
        "GetData:\n" + ReadText(calls));
  const auto lines = TraceLines(p);
  Check(FirstStarting(lines, "plugin fault: access violation in GetData at +") >= 0 &&
            IndexOf(lines, "plugin unloaded") < 0,
        "the trace does not show the fault in GetData alone:\n" + Joined(lines));
  // The player goes on: the page still answers and closes to the usual end.
  Check(PageCalled(p, "Plugin host") == page, "the page is gone after the fault");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
