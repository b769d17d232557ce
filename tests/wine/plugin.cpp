// The scenario "plugin"; tests/wine/plugin/project.yaml with testplugin.dll
// (tests/wine/test_plugin.cpp), which records its calls in
// plugin-calls.txt beside itself.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

std::vector<std::string> LinesOf(const std::string& path) {
  std::vector<std::string> lines;
  const std::string text = ReadText(path);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) { return IndexOf(lines, line) >= 0; }

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string ClassOf(HWND w) {
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

}  // namespace

void Plugin(const std::string& exe, const std::string& workdir) {
  // The presentation loads "[src]testplugin.dll": the plug-in goes beside a
  // copy of it, and records its calls there.
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string library = workdir + "\\testplugin.dll";
  Check(CopyFileA((FolderOf(self) + "\\testplugin.dll").c_str(), library.c_str(), FALSE) != FALSE,
        "cannot copy testplugin.dll beside the driver to " + library);
  const std::string calls = workdir + "\\plugin-calls.txt";
  DeleteFileA(calls.c_str());
  const std::string copy = CopyOfPlayer(exe, workdir, "plugin.exe");

  SetCursorPos(0, 0);
  Player p = Start(copy, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Plugin host")) != nullptr; }, 20000),
        "the page is not shown; trace:\n" + Joined(TraceLines(p)));
  Check(WaitFor(p, [&] { return Has(LinesOf(calls), "Show"); }, 20000),
        "the plug-in was not started; its calls:\n" + Joined(LinesOf(calls)) + "trace:\n" + Joined(TraceLines(p)));

  // The start sequence, in its order, with the host's window handle.
  std::vector<std::string> lines = LinesOf(calls);
  Check(lines.size() == 4 && lines[0].rfind("SetParentWindow ", 0) == 0 && lines[1] == "Draw dc 0 0 120 80" &&
            lines[2].rfind("SetPath ", 0) == 0 && lines[3] == "Show",
        "the plug-in was not started in the order SetParentWindow, Draw, SetPath, Show:\n" + Joined(lines));
  HWND host = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(lines[0].c_str() + 16, nullptr, 16)));
  Check(IsWindow(host) && GetParent(host) == page, "SetParentWindow got " + lines[0].substr(16) +
                                                        ", not a child window of the page");
  const RECT place = PlaceInParent(host);
  Check(ClassOf(host) == "VXHostWindow" && place.left == 20 && place.top == 20 && place.right == 140 &&
            place.bottom == 100,
        "SetParentWindow's window is a " + ClassOf(host) + " at (" + std::to_string(place.left) + ", " +
            std::to_string(place.top) + ")-(" + std::to_string(place.right) + ", " + std::to_string(place.bottom) +
            "), not the plug-in's host at (20, 20) 120 x 80");
  Check(SameText(lines[2], "SetPath " + FolderOf(copy)),
        "SetPath did not get the program's folder " + FolderOf(copy) + ": " + lines[2]);

  // What the plug-in draws fills its host and nothing beyond it.
  const Rgb orange{255, 128, 0};
  const Rgb white{255, 255, 255};
  ExpectLook(p, page,
             {{"the host's centre", 80, 60, orange},
              {"the host's top-left corner", 21, 21, orange},
              {"the host's bottom-right corner", 138, 98, orange},
              {"the page right of the host", 150, 60, white},
              {"the page below the host", 80, 110, white}},
             workdir + "\\plugin-start.bmp", "the plug-in at its start", "the plug-in's drawing");

  // The button's script: 65 twice, 66, 67 twice and 8.
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
  const std::string expectedCaption = "level=-42 file=lesson-7.dat";
  Check(WaitFor(p, [&] { return TextOf(go) == expectedCaption; }, 10000),
        "the button says \"" + TextOf(go) + "\", not \"" + expectedCaption + "\"; calls:\n" +
            Joined(LinesOf(calls)) + "trace:\n" + Joined(TraceLines(p)));
  lines = LinesOf(calls);
  const std::vector<std::string> methods = {"SetFile song.mp3", "SetData 13", "Rewind", "GetData", "GetFile",
                                            "Draw null 0 0 160 110"};
  Check(lines.size() == 4 + methods.size() && std::equal(methods.begin(), methods.end(), lines.begin() + 4),
        "the script's methods did not reach the exports in order (SetFile, SetData, Rewind, GetData, GetFile, "
        "Draw):\n" + Joined(lines));
  // Code 8 made the host 160 x 110 and the plug-in follows it.
  ExpectLook(p, page,
             {{"the grown host's bottom-right corner", 178, 128, orange},
              {"the grown host right of its old edge", 150, 60, orange},
              {"the grown host below its old edge", 80, 110, orange},
              {"the page right of the grown host", 190, 60, white},
              {"the page below the grown host", 80, 140, white}},
             workdir + "\\plugin.bmp", "the plug-in after code 8", "the resized plug-in");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
