#pragma once
// The download of an address to a file for the native player: a web
// address is fetched (one GET, with a time limit), a local page's address
// is read through the presentation's file system; the bytes are written
// through it, so they land on the virtual disk and, when the presentation
// ends, in its data folder: never anywhere else on the real disk.

#include <string>

#include "platform/files.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

// Seconds a download may take before it counts as failed.
inline constexpr unsigned kDownloadTimeoutSeconds = 30;

// False, with a log line, when the address cannot be fetched or the file
// cannot be written.
bool DownloadToFile(platform::Files& files, sim::SimLog& log, const std::string& address, const std::string& file);

}  // namespace vx::live
