#pragma once
// The trace a player on the simulated desktop writes: the desktop's log
// lines (UTF-8), with a line for each event script that runs and for each
// error before the application's handler sees it.

#include <cstddef>
#include <ostream>

#include "host/application.h"
#include "platform/sim/sim_desktop.h"

namespace vx::tools {

void AttachTraceHooks(Application& app, sim::SimDesktop& desktop);

// Prints the log lines not printed yet.
class TraceLines {
 public:
  explicit TraceLines(std::ostream& out) : out_(out) {}
  void Flush(const sim::SimLog& log);

 private:
  std::ostream& out_;
  std::size_t printed_ = 0;
};

}  // namespace vx::tools
