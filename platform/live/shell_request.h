#pragma once
// What a presentation asks the shell to open (command 21 hands the system's
// RunDLL32 "shell32.dll,ShellExec_RunDLL "FILE" "PARAMETERS""), and whether
// the native player may hand it to the desktop.

#include <optional>
#include <string>

namespace vx::live {

struct ShellRequest {
  std::string document;    // a Windows path or an address
  std::string parameters;
};

// The document of a RunDLL32 call through ShellExec_RunDLL, or of a direct
// open of a file; nothing when the call names neither.
std::optional<ShellRequest> ShellRequestOf(const std::string& file, const std::string& parameters);

// Programs and scripts Windows would run (".exe", ".bat", ".lnk", ...): the
// native player never starts them.
bool IsWindowsProgram(const std::string& document);

// An address the desktop opens as it is (http, https, mailto, ftp).
bool IsAddress(const std::string& document);

}  // namespace vx::live
