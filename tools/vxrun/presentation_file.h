#pragma once
// How the players on the simulated desktop take in a presentation
// executable: the whole file read once, placed on the simulated disk as the
// player's own file, its resources read by the PE reader. The program part
// of the file is never run.

#include <optional>
#include <string>
#include <string_view>

#include "platform/sim/sim_desktop.h"

namespace vx::tools {

// One read into a buffer of the file's size.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// A presentation executable, read once into a buffer that is never zeroed
// first: presentations carry their media, and every pass over them is paid
// for at start-up. The simulated disk shares the buffer.
std::optional<sim::FileBytes> ReadExecutableFile(const std::string& path);

// The last part of a Unix path.
std::string FileNameOf(const std::string& path);

// The Windows folder the player's own file is placed in.
inline constexpr std::string_view kOwnFolder = "C:\\Presentation";

// The simulated disk keeps the only copy of the bytes.
void PlaceOwnExecutable(sim::SimDesktop& desktop, sim::FileBytes executable, const std::string& fileName);

// The player's command line as the presentation's process sees it: its own
// file, and the user's code-page switch when there is one (the runtime reads
// the switch there, as on Windows).
std::string PlayerCommandLine(const std::string& fileName, std::optional<unsigned> codePage);

}  // namespace vx::tools
