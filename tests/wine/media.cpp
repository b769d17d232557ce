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
