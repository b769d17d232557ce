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
  // The script file as a Windows path (ScriptPathOnDesktop). The simulated
  // disk holds it there, and its folder is the program folder ("[src]"),
  // as the player's own executable's folder is; empty: the simulator's
  // own executable in "C:\Program Files\Presentation\".
  std::string scriptPath;
};

// A path of this machine as the simulated desktop names it: a path with a
// drive letter keeps it, a Unix path is on drive Z: as Wine shows the
// root; "/" becomes "\". The path is made absolute first.
std::string ScriptPathOnDesktop(const std::string& hostPath);

// The folders are set as the player sets them (program, temp, Windows), so
// "[src]", "[temp]" and "[win]" expand as they would there.
// Prints one event a line (UTF-8): what reached the platform, then every
// variable that changed, then "error: " and the message of the error that
// ended the run. 0 when the script ran to its end, stopped or exited; 1 when
// an error ended it.
int RunScriptConsole(const std::string& scriptBytes, const ConsoleOptions& options, std::ostream& out);

}  // namespace vx::tools
