// The scenario "window-look"; the numbers are those of
// tests/wine/window-look/project.yaml.

#include <cstdio>

#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

constexpr BYTE kLevel = 200;
constexpr COLORREF kKey = RGB(0, 255, 0);
// The keyed rectangle.
constexpr RECT kKeyed{150, 120, 250, 180};

// Blue at level 200 over whatever is beneath: blue stays the strongest part
// whether the system blends or not, so the tolerance is wide.
const std::vector<PixelCheck> kChecks = {
    {"page at its top-left corner", 2, 2, {0, 0, 255}, 60},
    {"page left of the keyed rectangle", kKeyed.left - 5, 150, {0, 0, 255}, 60},
    {"page below the keyed rectangle", 200, kKeyed.bottom + 5, {0, 0, 255}, 60},
    {"page at its bottom-right corner", 397, 297, {0, 0, 255}, 60},
};

void CheckLayered(HWND page) {
  const auto ex = static_cast<DWORD>(GetWindowLongPtrA(page, GWL_EXSTYLE));
  Check((ex & WS_EX_LAYERED) != 0, "the page is no layered window");
  COLORREF key = 0;
  BYTE level = 0;
  DWORD flags = 0;
  Check(GetLayeredWindowAttributes(page, &key, &level, &flags) != FALSE, "the page has no layered attributes");
  Check(flags == (LWA_ALPHA | LWA_COLORKEY),
        "layered flags " + std::to_string(flags) + ", expected alpha and colour key");
  Check(level == kLevel, "translucency level " + std::to_string(level) + ", expected 200");
  char text[16];
  std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(key));
  Check(key == kKey, std::string("key colour ") + text + " (BGR), expected 00FF00");
}

// The keyed rectangle lets through what lies beneath, which is not the key.
void CheckKeyedThrough(const Shot& shot) {
  int green = 0;
  for (int y = kKeyed.top + 5; y < kKeyed.bottom - 5; y += 5)
    for (int x = kKeyed.left + 5; x < kKeyed.right - 5; x += 5) {
      const Rgb c = shot.At(x, y);
      if (c.g > 200 && c.r < 60 && c.b < 60) ++green;
    }
  Check(green == 0, std::to_string(green) + " points of the keyed rectangle still show the key colour");
}

}  // namespace

void WindowLook(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Window look by script")) != nullptr; }),
        "no page captioned by its show script; trace:\n" + Joined(TraceLines(p)));
  // The caption is the script's first line; the rest follows at once.
  WaitFor(p, [&] {
    DWORD flags = 0;
    return GetLayeredWindowAttributes(page, nullptr, nullptr, &flags) != FALSE && flags == (LWA_ALPHA | LWA_COLORKEY);
  }, 20000);
  CheckLayered(page);
  const Shot shot = ExpectLook(p, page, kChecks, workdir + "\\window.bmp", "the window page", "the window page");
  CheckKeyedThrough(shot);
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
