// The scenario "browser"; tests/wine/browser/project.yaml. The tests'
// prefix has no HTML engine (wine-env.sh turns mshtml off), so the browser
// control exists but never loads a document.

#include <cstdio>
#include <string>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

// The button whose top-left corner is at (left, top) of the page: the
// scripts change the captions.
HWND ButtonAt(HWND page, int left, int top) {
  for (HWND c = FindWindowExA(page, nullptr, "Button", nullptr); c != nullptr;
       c = FindWindowExA(page, c, "Button", nullptr)) {
    const RECT r = PlaceInParent(c);
    if (r.left == left && r.top == top) return c;
  }
  return nullptr;
}

// A click that lands before the page takes its activation is lost and runs
// nothing, so clicking again is safe.
void ClickButton(const Player& p, HWND button, const std::string& caption, const std::string& object) {
  Check(button != nullptr, "no button " + caption + " on the page");
  RECT r{};
  GetWindowRect(button, &r);
  const std::string ran = "script VEXORELLE_NEW_BUTTONClick OBJ" + object + " on VX_APPLICATION_FORM1";
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (WaitFor(p, [&] { return TraceHas(p, ran); }, 3000)) return;
    std::printf("the click on %s ran nothing; clicking again\n", caption.c_str());
  }
  Check(false, "the clicks on " + caption + " ran nothing; trace:\n" + Joined(TraceLines(p)));
}

std::string BoxText(HWND box) {
  std::string text;
  for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(box, c, "Static", nullptr))
    text += TextOf(c);
  return text;
}

}  // namespace

void Browser(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Browser page")) != nullptr; }, 30000),
        "the page is not shown; trace:\n" + Joined(TraceLines(p)));
  Check(TraceHas(p, "browser created"), "the browser control was not made; trace:\n" + Joined(TraceLines(p)));
  HWND host = FindWindowExA(page, nullptr, "VXHostWindow", nullptr);
  Check(host != nullptr, "the page has no host window for the browser");

  // The start page goes through the before-navigate script once "NAV" ticks.
  Check(WaitFor(p, [&] { return TraceHas(p, "script showeventTimer on VX_APPLICATION_FORM1"); }, 10000),
        "the page's show script never ran; trace:\n" + Joined(TraceLines(p)));
  HWND status = ButtonAt(page, 10, 180);
  std::string said;
  auto startPageAsked = [&] {
    said = TextOf(status);
    return said.rfind("before ", 0) == 0 && said.size() > 9 && said.substr(said.size() - 9) == "index.htm";
  };
  Check(status != nullptr && WaitFor(p, startPageAsked, 20000),
        "the start page never reached the before-navigate script (status \"" + said + "\"); trace:\n" +
            Joined(TraceLines(p)));
  // "NAV" gave the pane its place before navigating.
  const RECT place = PlaceInParent(host);
  Check(place.left == 10 && place.top == 10 && place.right == 250 && place.bottom == 170,
        "the browser's host window is at (" + std::to_string(place.left) + ", " + std::to_string(place.top) + ")-(" +
            std::to_string(place.right) + ", " + std::to_string(place.bottom) + "), not (10, 10) 240 x 160");
  Check(FindWindowExA(host, nullptr, nullptr, nullptr) != nullptr, "the browser control has no window in its host");
  // Nothing offers to download an HTML engine.
  Check(WindowOf(p, "#32770") == nullptr, "a dialog appeared while the start page loaded");

  // A "vx:" link in capitals runs the link script and never navigates.
  ClickButton(p, ButtonAt(page, 140, 210), "Go", "go");
  Check(WaitFor(p, [&] { return TextOf(status) == "vx next"; }, 10000),
        "the vx: link did not reach its script (status \"" + TextOf(status) + "\"); trace:\n" +
            Joined(TraceLines(p)));

  // Printing waits for a document that never comes only as long as the
  // browser is busy: the failure is reported at once.
  const DWORD asked = GetTickCount();
  ClickButton(p, ButtonAt(page, 270, 210), "Print", "print");
  HWND box = nullptr;
  Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }, 20000),
        "printing without a page reported nothing; trace:\n" + Joined(TraceLines(p)));
  const DWORD waited = GetTickCount() - asked;
  const std::string text = BoxText(box);
  Check(TextOf(box) == "Vexorelle Exception" && text.find("Print: no page is loaded") != std::string::npos,
        "the box after Print is \"" + TextOf(box) + "\": \"" + text + "\"");
  Check(waited < 20000, "printing waited " + std::to_string(waited) + " ms for the page");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  Check(WaitFor(p, [&] { return WindowOf(p, "#32770") == nullptr; }, 10000), "the error box did not close");

  // The rest of the page works.
  HWND poke = ButtonAt(page, 10, 240);
  ClickButton(p, poke, "Poke", "poke");
  Check(WaitFor(p, [&] { return TextOf(poke) == "Poked"; }, 10000),
        "the page no longer runs scripts; trace:\n" + Joined(TraceLines(p)));
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
