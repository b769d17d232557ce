// The local date and time, and the input state that goes with the user's
// session: cursor position and queued key state.

#include <iterator>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_text.h"

namespace vx::win32 {

platform::LocalDateTime Win32Loop::LocalNow() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::string Win32Loop::TimeDesignator(bool afterNoon) {
  wchar_t buffer[16] = {};
  const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT, afterNoon ? LOCALE_S2359 : LOCALE_S1159, buffer,
                                 static_cast<int>(std::size(buffer)));
  return got > 0 ? Narrow(buffer) : std::string();
}

std::int16_t Win32Input::KeyState(int virtualKey) { return GetKeyState(virtualKey); }

platform::Point Win32Input::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

}  // namespace vx::win32
