// The scenario "message-box"; tests/wine/message-box/project.yaml asks its
// question from the page's show script.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

struct Ink {
  int dark = 0;  // text
  int face = 0;  // the dialog's own colour
};

// What a rectangle of the box's client area holds: text is dark on the
// face colour, an unpainted box is one flat colour (black under Wine).
Ink InkIn(const Shot& shot, RECT r, Rgb faceColour) {
  Ink ink;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const Rgb c = shot.At(x, y);
      if (c.r < 0) continue;
      if (c.r + c.g + c.b < 3 * 100) ++ink.dark;
      if (std::abs(c.r - faceColour.r) <= 8 && std::abs(c.g - faceColour.g) <= 8 && std::abs(c.b - faceColour.b) <= 8)
        ++ink.face;
    }
  return ink;
}

RECT PlaceInBox(HWND box, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The box's static text that says text, or null.
HWND StaticSaying(HWND box, const char* text) {
  for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(box, c, "Static", nullptr)) {
    char got[128] = {};
    GetWindowTextA(c, got, sizeof got);
    if (std::string(got) == text) return c;
  }
  return nullptr;
}

}  // namespace

void MessageBoxLook(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  HWND box = nullptr;
  Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }),
        "no message box appeared; trace:\n" + Joined(TraceLines(p)));
  char caption[64] = {};
  GetWindowTextA(box, caption, sizeof caption);
  Check(std::string(caption) == "Probe", std::string("the box is captioned \"") + caption + "\", not \"Probe\"");
  HWND text = StaticSaying(box, "Is this painted?");
  HWND yes = GetDlgItem(box, IDYES), no = GetDlgItem(box, IDNO);
  Check(text != nullptr && yes != nullptr && no != nullptr, "the box has no question, Yes or No");

  const DWORD face = GetSysColor(COLOR_BTNFACE);
  const Rgb faceColour{GetRValue(face), GetGValue(face), GetBValue(face)};
  const RECT textPlace = PlaceInBox(box, text), yesPlace = PlaceInBox(box, yes), noPlace = PlaceInBox(box, no);
  Shot shot;
  Ink question, yesInk, noInk;
  auto painted = [&] {
    shot = Shot::OfClientArea(box);
    question = InkIn(shot, textPlace, faceColour);
    yesInk = InkIn(shot, yesPlace, faceColour);
    noInk = InkIn(shot, noPlace, faceColour);
    return question.dark > 20 && question.face > 20 && yesInk.dark > 5 && yesInk.face > 20 && noInk.dark > 5 &&
           noInk.face > 20;
  };
  const bool looksRight = WaitFor(p, painted, 20000);
  const std::string file = workdir + "\\message-box.bmp";
  Check(shot.Save(file), "cannot write " + file);
  std::printf("screenshot of the message box: %s\n", HostPath(file).c_str());
  auto report = [](const char* what, const Ink& ink) {
    return std::string(what) + ": " + std::to_string(ink.dark) + " dark pixels, " + std::to_string(ink.face) +
           " of the face colour\n";
  };
  Check(looksRight, "the message box is not painted:\n" + report("question", question) + report("Yes", yesInk) +
                        report("No", noInk));

  // Enter answers with the default button, Yes (6).
  SetForegroundWindow(box);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(yes));
  Check(WaitFor(p, [&] { return TraceHas(p, "msgbox [Probe] Is this painted? -> 6"); }, 10000),
        "the answer did not reach the script; trace:\n" + Joined(TraceLines(p)));
  HWND page = PageCalled(p, "Message box");
  Check(page != nullptr, "the page is gone after the answer");
  HWND quit = FindWindowExA(page, nullptr, "Button", nullptr);
  auto captionOf = [](HWND w) {
    char t[64] = {};
    GetWindowTextA(w, t, sizeof t);
    return std::string(t);
  };
  Check(WaitFor(p, [&] { return quit != nullptr && captionOf(quit) == "Answered yes"; }, 10000),
        "the script did not go on with the answer Yes; trace:\n" + Joined(TraceLines(p)));
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
