// The scenario "page-look"; the numbers are those of
// tests/wine/page-look/project.yaml.

#include <cstdio>
#include <cstdlib>

#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

constexpr int kClientWidth = 400, kClientHeight = 300;
constexpr Rgb kPageColour{0x33, 0x66, 0xCC};
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 192, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0};
// The 120 x 80 picture, centred.
constexpr int kLeft = (kClientWidth - 120) / 2, kTop = (kClientHeight - 80) / 2;

const std::vector<PixelCheck> kChecks = {
    {"red quarter", kLeft + 30, kTop + 20, kRed},
    {"green quarter", kLeft + 90, kTop + 20, kGreen},
    {"blue quarter", kLeft + 30, kTop + 60, kBlue},
    {"yellow quarter", kLeft + 90, kTop + 60, kYellow},
    {"picture's first pixel", kLeft, kTop, kRed},
    {"picture's last pixel", kLeft + 119, kTop + 79, kYellow},
    {"page left of the picture", kLeft - 1, kTop, kPageColour},
    {"page above the picture", kLeft, kTop - 1, kPageColour},
    {"page right of the picture", kLeft + 120, kTop + 79, kPageColour},
    {"page below the picture", kLeft + 119, kTop + 80, kPageColour},
    {"page's top-left corner", 0, 0, kPageColour},
    {"page's bottom-right corner", kClientWidth - 1, kClientHeight - 1, kPageColour},
};

// Frame 1 without the resizable flag is a tool window: a small caption and
// a fixed border.
void CheckFrame(HWND page) {
  RECT client{};
  GetClientRect(page, &client);
  Check(client.right == kClientWidth && client.bottom == kClientHeight,
        "client area " + std::to_string(client.right) + " x " + std::to_string(client.bottom) + ", expected 400 x 300");
  const auto style = static_cast<DWORD>(GetWindowLongA(page, GWL_STYLE));
  const auto ex = static_cast<DWORD>(GetWindowLongA(page, GWL_EXSTYLE));
  Check((ex & WS_EX_TOOLWINDOW) != 0, "the page is no tool window");
  Check((style & WS_CAPTION) == WS_CAPTION, "the page has no caption");
  Check((style & WS_THICKFRAME) == 0, "the page can be resized");
  RECT window{};
  GetWindowRect(page, &window);
  POINT origin{0, 0};
  ClientToScreen(page, &origin);
  const int left = origin.x - window.left, top = origin.y - window.top;
  const int right = window.right - origin.x - kClientWidth, bottom = window.bottom - origin.y - kClientHeight;
  RECT expected{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&expected, WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW);
  const std::string insets = std::to_string(left) + ", " + std::to_string(top) + ", " + std::to_string(right) +
                             ", " + std::to_string(bottom);
  Check(left == -expected.left && top == -expected.top && right == expected.right - kClientWidth &&
            bottom == expected.bottom - kClientHeight,
        "the frame around the client area is " + insets + " (left, top, right, bottom), not a tool window's");
  Check(top - bottom == GetSystemMetrics(SM_CYSMCAPTION),
        "the caption is " + std::to_string(top - bottom) + " pixels high, not a tool window's " +
            std::to_string(GetSystemMetrics(SM_CYSMCAPTION)));
  // Centred in the work area.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int dx = (window.left + window.right) - (work.left + work.right);
  const int dy = (window.top + window.bottom) - (work.top + work.bottom);
  Check(std::abs(dx) <= 1 && std::abs(dy) <= 1, "the page is not centred in the work area");
}

}  // namespace

void PageLook(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);  // away from the page: no hover, no hint
  Player p = Start(exe, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Page look")) != nullptr; }),
        "page 1 was never shown; trace:\n" + Joined(TraceLines(p)));
  CheckFrame(page);
  Check(PageCalled(p, "Second page") == nullptr, "page 2 is shown too");
  ExpectLook(p, page, kChecks, workdir + "\\page1.bmp", "page 1", "page 1");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
