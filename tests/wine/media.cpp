// The scenario "media"; tests/wine/media/project.yaml with the tone and the
// clip that tests/wine/make_media.py wrote.

#include <cstdio>
#include <string>

#include "tests/wine/e2e_player.h"
#include "tests/wine/e2e_screen.h"
#include "tests/wine/scenarios.h"

namespace vxe2e {

void Media(const std::string& exe, const std::string& workdir) {
  SetCursorPos(0, 0);
  Player p = Start(exe, workdir);
  // DirectShow renders the tone, runs it and reports its end; the finish
  // script changes the page.
  Check(WaitFor(p, [&] { return TraceHas(p, "script VEXORELLE_NEW_SOUNDGraphComplete OBJtone"); }, 30000),
        "the tone did not play to its end; trace:\n" + Joined(TraceLines(p)));
  Check(WaitFor(p, [&] { return TraceHas(p, "show VX_APPLICATION_FORM2"); }, 10000),
        "the finish script did not show page 2; trace:\n" + Joined(TraceLines(p)));
  HWND page = nullptr;
  Check(WaitFor(p, [&] { return (page = PageCalled(p, "Media video")) != nullptr; }, 10000),
        "page 2 is not shown; trace:\n" + Joined(TraceLines(p)));
  // The renderer's window: a child of the page at the video's bounds, shown.
  HWND video = nullptr;
  RECT place{};
  auto placed = [&] {
    video = FindWindowExA(page, nullptr, nullptr, nullptr);
    if (video == nullptr || !IsWindowVisible(video)) return false;
    GetWindowRect(video, &place);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&place), 2);
    return place.left == 40 && place.top == 30 && place.right - place.left == 160 && place.bottom - place.top == 120;
  };
  Check(WaitFor(p, placed, 10000),
        "no video window at (40, 30) 160 x 120 on page 2: " +
            (video == nullptr ? std::string("none")
                              : std::to_string(place.left) + "," + std::to_string(place.top) + " " +
                                    std::to_string(place.right - place.left) + "x" +
                                    std::to_string(place.bottom - place.top)) +
            "; trace:\n" + Joined(TraceLines(p)));
  // It keeps playing: the loop restarts the clip at its end.
  Check(WaitFor(p, [&] { return TraceLines(p).size() > 0 && TraceHas(p, "media run C:") && TraceHas(p, "media stop C:"); },
                15000),
        "the clip did not loop; trace:\n" + Joined(TraceLines(p)));
  // Every frame of the clip is magenta; it fills the video's bounds.
  const Rgb magenta{255, 0, 255};
  const Rgb white{255, 255, 255};
  ExpectLook(p, page,
             {{"the video's centre", 120, 90, magenta, 24},
              {"the video's top-left corner", 44, 34, magenta, 24},
              {"the video's bottom-right corner", 195, 145, magenta, 24},
              {"the page left of the video", 20, 90, white},
              {"the page right of the video", 260, 90, white}},
             workdir + "\\media.bmp", "the video page", "the playing video");
  CloseAndExpectTheEnd(p, page);
}

}  // namespace vxe2e
