#pragma once
// Shared bits of the Windows backend. Text crosses the Win32 API through the
// ANSI entry points, so it stays in the system code page as the core has it.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

namespace vx::win32 {

// The system's message for the calling thread's last error.
std::string LastErrorText();

// Throws vx::OsError with what and the last error's message.
[[noreturn]] void ThrowLastError(const std::string& what);

// One line of the diagnostic trace, when VEXORELLE_TRACE names a file.
void Trace(const std::string& line);

inline HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

}  // namespace vx::win32
