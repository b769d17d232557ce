#pragma once
// Shared test helpers: a fresh simulated desktop with an own executable, and
// a way to run code that may end the simulated process.

#include <functional>
#include <optional>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "tools/common/project_model.h"

namespace vx::test {

// The bytes of an executable image followed by a trailer holding block.
std::string ExecutableWithTrailer(const std::string& block);

// The delivered trailer block: "0" CR LF.
inline const std::string kDeliveredTrailer = "0\r\n";

inline const std::string kOwnExecutable = "C:\\Shows\\demo.exe";

// A presentation of one empty page called "Main".
tools::ProjectModel OnePageProject();

// Makes the project the own executable of the desktop: its resources, and a
// file ending with a trailer holding block.
void InstallPresentation(sim::SimDesktop& desktop, const tools::ProjectModel& project,
                         const std::string& trailerBlock = kDeliveredTrailer);

// Runs call; the exit code when it ended the process, nothing otherwise.
std::optional<int> ExitCodeOf(const std::function<void()>& call);

}  // namespace vx::test
