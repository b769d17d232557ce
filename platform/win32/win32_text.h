#pragma once
// Where the presentation's 8-bit text meets the system's UTF-16: every text
// the backend hands to Windows or takes from it goes through these two, in
// the presentation's code page (decided at start-up, docs/code-page.md),
// never through the system's ANSI code page.

#include <string>
#include <string_view>

#include "platform/win32/win32_common.h"

namespace vx::win32 {

std::wstring Widen(std::string_view text);
// A character the code page lacks comes out as the code page's best fit,
// else '?', as the system's own conversion does.
std::string Narrow(std::wstring_view text);

// A window's text, and one character (a password character) for a window.
std::string WindowText(HWND hwnd);
void SetWindowTextOf(HWND hwnd, std::string_view text);
wchar_t WidenChar(char c);

// The code page of both; the system's ANSI code page until the process
// decides. False for one the system does not have.
bool UseTextCodePage(UINT codePage);
UINT TextCodePage();

// Text drawn in a font of this charset: GDI reads a font's 8-bit text in the
// charset's code page (Windows-1256 for 178), so drawn text keeps that;
// DEFAULT_CHARSET text is in the presentation's code page.
std::wstring WidenForCharset(std::string_view text, BYTE charset);

// The trace's and the other tools' text: UTF-8.
std::string ToUtf8(std::wstring_view text);

}  // namespace vx::win32
