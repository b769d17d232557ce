// The scenarios "flash-missing" and "flash-ignored": a Flash movie on a
// system without the Flash player (Wine has none), tests/wine/flash-missing
// and tests/wine/flash-ignored.

#include <string>
#include <vector>

#include "tests/wine/e2e_input.h"
#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

namespace {

// The box's text: its static controls, joined.
std::string BoxText(HWND box) {
  std::string text;
  for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c != nullptr;
       c = FindWindowExA(box, c, "Static", nullptr))
    text += TextOf(c);
  return text;
}

bool AnyBoxLine(const std::vector<std::string>& lines) {
  for (const auto& l : lines)
    if (l.rfind("msgbox", 0) == 0) return true;
  return false;
}

}  // namespace

void FlashMissing(const std::string& exe, const std::string& workdir) {
  Player p = Start(exe, workdir);
  HWND box = nullptr;
  Check(WaitFor(p, [&] { return (box = WindowOf(p, "#32770")) != nullptr; }, 30000),
        "no message box appeared; trace:\n" + Joined(TraceLines(p)));
  const std::string caption = TextOf(box);
  Check(caption == "Flash ActiveX", "the box is captioned \"" + caption + "\", not \"Flash ActiveX\"");
  const std::string text = BoxText(box);
  Check(text.find("Running this application requiers Flash ActiveX to be installed.") != std::string::npos &&
            text.find("Application will now terminate.") != std::string::npos,
        "the box does not say the Flash player is missing: \"" + text + "\"");
  Check(text.find("hosted-controls") != std::string::npos,
        "the box does not send the user to the project's page on hosted controls: \"" + text + "\"");
  Check(PageCalled(p, "Flash page") == nullptr, "the page shows behind the missing-player box");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  ExpectTheEnd(p);
  const auto lines = TraceLines(p);
  Check(IndexOf(lines, "show VX_APPLICATION_FORM1") < 0, "the page was shown:\n" + Joined(lines));
}

void FlashIgnored(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Flash page")) != nullptr; }, 30000),
        "the page is not shown; trace:\n" + Joined(TraceLines(p)));
  Check(WaitFor(p, [&] { return TraceHas(p, "script showeventTimer on VX_APPLICATION_FORM1"); }, 10000),
        "the page's show script never ran; trace:\n" + Joined(TraceLines(p)));
  Check(WindowOf(p, "#32770") == nullptr && !AnyBoxLine(TraceLines(p)),
        "a message box was shown; trace:\n" + Joined(TraceLines(p)));
  Check(FindWindowExA(page, nullptr, "VXHostWindow", nullptr) == nullptr, "the page hosts a control for the movie");
  // The object after the movie has its own settings: the movie's fields
  // were skipped with it.
  HWND after = FindWindowExA(page, nullptr, "Button", nullptr);
  Check(after != nullptr && TextOf(after) == "After", "the button after the movie is missing or misnamed");
  const RECT place = PlaceInParent(after);
  Check(place.left == 200 && place.top == 150 && place.right == 300 && place.bottom == 180,
        "the button after the movie is at (" + std::to_string(place.left) + ", " + std::to_string(place.top) + ")-(" +
            std::to_string(place.right) + ", " + std::to_string(place.bottom) + "), not (200, 150) 100 x 30");
  const Rgb white{255, 255, 255};
  ExpectLook(p, page, {{"where the movie would be", 100, 80, white}, {"the movie's corner", 22, 22, white}},
             workdir + "\\flash-ignored.bmp", "the page without its movie", "the page without its movie");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
