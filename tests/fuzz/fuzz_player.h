#pragma once
// What the script and player fuzzers share: a simulated desktop that keeps
// off the real disk, a presentation installed as its own executable, the
// player started with a statement budget, and a short fixed tour of a
// person's clicks, keys and waits.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/application.h"
#include "platform/sim/sim_desktop.h"
#include "util/pe_resources.h"

namespace vx::fuzz {

// Statements (and for-loop rounds) per input, over every script thread: an
// endless loop or a timer that runs for ever ends the input, not the fuzzer.
inline constexpr std::uint64_t kStatementBudget = 2000;

// Installed fonts stay on the simulated disk.
void KeepOffRealDisk(sim::SimDesktop& desktop);

// The resources as the own executable's, behind a file that ends with a
// trailer ("1": the splash shows).
void InstallPresentation(sim::SimDesktop& desktop, const std::vector<PeResource>& resources,
                         bool showSplash);

// StartPlayer, the statement budget, errors reported as the message loop
// reports them, and modal pages that get a click and a key before they close.
// May end the simulated process (sim::ProcessExited).
std::unique_ptr<Application> StartBounded(sim::SimDesktop& desktop);

// Shows page 1 and tours it: clicks over the page, keys, typing, the wheel,
// waits (at most a few virtual seconds in all), then closes the active page.
// May end the simulated process.
void RunTour(sim::SimDesktop& desktop, Application& app);

}  // namespace vx::fuzz
