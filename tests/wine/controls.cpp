// The scenario "controls"; the numbers are those of
// tests/wine/controls/project.yaml.

#include <algorithm>
#include <cstdio>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

const std::vector<PixelCheck> kChecks = {
    {"shape's fill", 140, 135, {0, 160, 160}},
    {"shape's left outline", 100, 135, {0, 0, 0}},
    {"shape's right outline", 179, 135, {0, 0, 0}},
    {"picture's left half", 30, 120, {255, 128, 0}},
    {"picture's right half", 50, 120, {128, 0, 255}},
    {"text's background", 215, 90, {255, 255, 192}},
    {"page colour", 345, 100, {224, 224, 224}},
};

// The Persian text's box: 320 x 32 at (20, 190).
constexpr RECT kSalam{20, 190, 340, 222};

std::string Where(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld)", r.left, r.top, r.right, r.bottom);
  return text;
}

HWND ButtonCalled(HWND page, const std::string& caption) {
  for (HWND b = FindWindowExA(page, nullptr, "Button", nullptr); b != nullptr;
       b = FindWindowExA(page, b, "Button", nullptr)) {
    char text[64] = {};
    GetWindowTextA(b, text, sizeof text);
    if (caption == text) return b;
  }
  return nullptr;
}

void CheckPlace(HWND control, const char* what, RECT expected) {
  Check(control != nullptr, std::string("no native ") + what);
  Check(IsWindowVisible(control) != FALSE, std::string("the ") + what + " is hidden");
  const RECT got = PlaceInParent(control);
  Check(EqualRect(&got, &expected) != FALSE,
        std::string("the ") + what + " is at " + Where(got) + ", expected " + Where(expected));
}

// Right-to-left text is drawn from the right: every dark pixel of the box
// lies in its right half, and there are some.
void CheckRightToLeftInk(const Shot& shot) {
  int inkLeft = kSalam.right, dark = 0;
  for (int y = kSalam.top; y < kSalam.bottom; ++y)
    for (int x = kSalam.left; x < kSalam.right; ++x) {
      const Rgb c = shot.At(x, y);
      if (c.r + c.g + c.b < 3 * 128) {
        ++dark;
        inkLeft = std::min(inkLeft, x);
      }
    }
  Check(dark > 20, "the Persian text left no ink in its box " + Where(kSalam));
  const int middle = (kSalam.left + kSalam.right) / 2;
  Check(inkLeft >= middle, "the Persian text starts at x = " + std::to_string(inkLeft) +
                               ", left of the middle of its box (" + std::to_string(middle) + ")");
}

std::string Named(HWND h) {
  if (h == nullptr) return "nothing";
  char cls[64] = {}, text[64] = {};
  GetClassNameA(h, cls, sizeof cls);
  GetWindowTextA(h, text, sizeof text);
  return std::string(cls) + " \"" + text + "\"";
}

void ExpectFocus(const Player& p, HWND expected, const std::string& after) {
  Check(WaitFor(p, [&] { return FocusOf(p) == expected; }, 5000),
        "after " + after + " the focus is on " + Named(FocusOf(p)) + ", not on " + Named(expected) +
            " (foreground: " + Named(GetForegroundWindow()) + "); trace:\n" + Joined(TraceLines(p)));
}

}  // namespace

void Controls(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);  // away from the page: no hover, no hint
  Player p = Start(exe, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Controls")) != nullptr; }),
        "the page was never shown; trace:\n" + Joined(TraceLines(p)));

  // The native controls, where the record put them.
  HWND edit = FindWindowExA(page, nullptr, "Edit", nullptr);
  HWND ok = ButtonCalled(page, "OK");
  HWND later = ButtonCalled(page, "Later");
  CheckPlace(edit, "edit box", {20, 20, 140, 44});
  CheckPlace(ok, "button OK", {150, 20, 240, 48});
  CheckPlace(later, "button Later", {250, 20, 340, 48});
  Check((GetWindowLongA(ok, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON, "OK is not drawn as the default button");

  // What the page draws itself.
  const Shot shot = ExpectLook(p, page, kChecks, workdir + "\\controls.bmp", "the controls", "the page");
  CheckRightToLeftInk(shot);

  // The page-show handler takes the focus from every control; only click
  // once it has run.
  Check(WaitFor(p, [&] { return TraceHas(p, "script showeventTimer on VX_APPLICATION_FORM1"); }, 10000),
        "the page's show script never ran; trace:\n" + Joined(TraceLines(p)));

  // Typing, with real key presses into the focused edit box.
  POINT inEdit{80, 32};
  ClientToScreen(page, &inEdit);
  ClickAt(inEdit);
  ExpectFocus(p, edit, "a click on the edit box");
  const std::string typed = "Rostam 42";
  TypeText(typed);
  Check(WaitFor(p, [&] { return TextOf(edit) == typed; }, 5000),
        "the edit box holds \"" + TextOf(edit) + "\" after typing \"" + typed + "\"");

  // Tab order: edit 0, OK 1, Later 2, though they were made Later, edit, OK.
  PressKey(VK_TAB);
  ExpectFocus(p, ok, "Tab in the edit box");
  PressKey(VK_TAB);
  ExpectFocus(p, later, "Tab on OK");
  PressKey(VK_TAB);
  ExpectFocus(p, edit, "Tab on Later");
  PressKey(VK_TAB, true);
  ExpectFocus(p, later, "Shift+Tab in the edit box");

  // A key press reaches the page's shortcuts while a button has the focus:
  // F5 runs the function that maximises the page.
  PressKey(VK_F5);
  Check(WaitFor(p, [&] { return IsZoomed(page) != FALSE; }, 5000),
        "F5 on the button Later did not run the shortcut; trace:\n" + Joined(TraceLines(p)));
  Check(FocusOf(p) == later, "the shortcut moved the focus");

  // F6 runs a script that gives Later the tab order 1: edit, Later, OK from
  // then on, so Tab on Later no longer goes round to the edit box.
  const std::string shortcutRan = "script FormShortCut on VX_APPLICATION_FORM1";
  const auto shortcuts = [&] {
    const auto lines = TraceLines(p);
    return std::count(lines.begin(), lines.end(), shortcutRan);
  };
  const auto before = shortcuts();
  PressKey(VK_F6);
  Check(WaitFor(p, [&] { return shortcuts() > before; }, 5000),
        "F6 did not run the function that reorders; trace:\n" + Joined(TraceLines(p)));
  PressKey(VK_TAB);
  ExpectFocus(p, ok, "Tab on Later after the script gave it the tab order 1");
  PressKey(VK_TAB, true);
  ExpectFocus(p, later, "Shift+Tab on OK after the reordering");

  // Enter in the edit box clicks the default button, whose script goes to
  // the next page; the edit box takes no character from it.
  PressKey(VK_TAB, true);
  ExpectFocus(p, edit, "Shift+Tab on Later after the reordering");
  PressKey(VK_RETURN);
  HWND done = nullptr;
  Check(WaitFor(p, [&] { return (done = PageCalled(p, "Done")) != nullptr; }, 5000),
        "Enter did not click OK into showing the next page; trace:\n" + Joined(TraceLines(p)));
  // The trace line follows the window by a moment.
  Check(WaitFor(p, [&] { return IndexOf(TraceLines(p), "show VX_APPLICATION_FORM2") >= 0; }, 5000),
        "no 'show VX_APPLICATION_FORM2' in the trace:\n" + Joined(TraceLines(p)));
  Check(TextOf(edit) == typed, "Enter changed the edit box to \"" + TextOf(edit) + "\"");

  // A mouse click on Quit ends the presentation.
  HWND quit = ButtonCalled(done, "Quit");
  Check(quit != nullptr, "no button Quit on the next page");
  RECT r{};
  GetWindowRect(quit, &r);
  // The new page may take its activation a moment after it shows, and a
  // click that lands before it is lost; a lost click ran nothing, so it is
  // safe to click again.
  WaitFor(p, [&] { return GetForegroundWindow() == done; }, 5000);
  const std::string quitRan = "script VEXORELLE_NEW_BUTTONClick OBJquit on VX_APPLICATION_FORM1";
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (WaitFor(p, [&] { return TraceHas(p, quitRan); }, 3000)) break;
    if (WaitForSingleObject(p.process.hProcess, 0) == WAIT_OBJECT_0) break;
    std::printf("the click on Quit ran nothing; clicking again\n");
  }
  ExpectTheEnd(p);
}

}  // namespace vxe2e
