#pragma once
// Shared bits of the Windows backend. Text crosses the Win32 API through the
// wide entry points, converted in win32_text.h.

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

// The system's message for a COM result, with its code.
std::string HresultText(HRESULT hr);

// One line of the diagnostic trace (UTF-8), when VEXORELLE_TRACE names a file.
void Trace(const std::string& line);

inline HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

}  // namespace vx::win32
