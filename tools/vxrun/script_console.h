#pragma once
// The script console: one action script run on a fresh simulated desktop,
// without a presentation, and a report of what it did.

#include <ostream>
#include <string>
#include <vector>

namespace vx::tools {

struct ConsoleOptions {
  std::vector<int> answers;  // buttons for the message boxes, in order
  bool utf8Script = false;   // the file is UTF-8, not Windows-1256
};

// Prints one event a line (UTF-8): what reached the platform, then every
// variable that changed, then "error: " and the message of the error that
// ended the run. 0 when the script ran to its end, stopped or exited; 1 when
// an error ended it.
int RunScriptConsole(const std::string& scriptBytes, const ConsoleOptions& options, std::ostream& out);

}  // namespace vx::tools
