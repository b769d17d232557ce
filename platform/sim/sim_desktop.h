#pragma once
// The simulated desktop: every platform area in one deterministic object that
// tests create fresh, set up, drive and inspect.

#include "platform/platform.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_code_pages.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_hosted.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_loop.h"
#include "platform/sim/sim_media.h"
#include "platform/sim/sim_pictures.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/sim_user.h"

namespace vx::sim {

class SimDesktop {
 public:
  SimDesktop();
  SimDesktop(const SimDesktop&) = delete;
  SimDesktop& operator=(const SimDesktop&) = delete;

  platform::Platform& Platform() { return platform_; }

  // The simulated system's code page and the presentation's (set by the
  // process at start-up).
  SimCodePages codePages;
  SimLog log;
  SimLoop loop{log};
  SimForms forms{log, loop};
  SimDialogs dialogs{log, codePages};
  SimFiles files{log, codePages};
  SimDisplay display{log};
  SimFonts fonts{log, files};
  SimPictures pictures;
  SimInput input;
  SimProcess process{log, loop, codePages};
  SimHosted hosted{log, loop, files};
  SimClipboard clipboard{codePages};
  SimRegistry registry{codePages};
  SimMedia media{log, loop, files};
  // The person at the desktop: mouse and keyboard.
  SimUser user{forms, input};

 private:
  platform::Platform platform_;
};

}  // namespace vx::sim
