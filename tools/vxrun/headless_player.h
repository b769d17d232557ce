#pragma once
// The headless player: a presentation executable played on the simulated
// desktop, driven by a tour of timed user actions (docs/tour-format.md),
// with a trace of what happened.

#include <optional>
#include <ostream>
#include <string>

#include "platform/loop.h"
#include "platform/sim/sim_file_bytes.h"

namespace vx::tools {

struct HeadlessOptions {
  std::string executableName = "presentation.exe";  // how the player sees its own file
  std::string screenshotFolder;                     // where relative screenshot names go
  // The wall-clock time at the start of the virtual clock; without it the
  // simulated desktop's fixed start, so that a run repeats exactly.
  std::optional<platform::LocalDateTime> startTime;
  // The presentation's code page as the user chooses it (the player's
  // --codepage switch); without it the player decides.
  std::optional<unsigned> codePage;
};

// Prints the trace (UTF-8 from the presentation's code page, one event a
// line). 0 when the tour ran through,
// also when the presentation ended itself; 1 on a tour error (the trace
// ends with "tour error: line N: ...").
int RunHeadless(sim::FileBytes executable, const std::string& tourText, const HeadlessOptions& options,
                std::ostream& out);

}  // namespace vx::tools
