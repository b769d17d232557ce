#include "platform/win32/win32_display.h"

#include <string>

#include "platform/win32/win32_common.h"

namespace vx::win32 {

namespace {
platform::DisplayMode ModeOf(const DEVMODEW& dm) {
  return {static_cast<int>(dm.dmPelsWidth), static_cast<int>(dm.dmPelsHeight), static_cast<int>(dm.dmBitsPerPel),
          static_cast<int>(dm.dmDisplayFrequency)};
}

bool Enum(DWORD index, DEVMODEW& dm) {
  dm = DEVMODEW{};
  dm.dmSize = sizeof dm;
  return EnumDisplaySettingsW(nullptr, index, &dm) != FALSE;
}

// Changes last for this session only: nothing is written to the user's
// profile, so even a crashed run leaves the next logon as it was.
constexpr UINT kTemporary = SPIF_SENDCHANGE;

void* AsParam(bool on) { return reinterpret_cast<void*>(static_cast<ULONG_PTR>(on ? TRUE : FALSE)); }
}  // namespace

platform::Size Win32Display::ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

platform::Rect Win32Display::WorkArea() {
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) {
    const platform::Size s = ScreenSize();
    return {0, 0, s.width, s.height};
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::optional<platform::DisplayMode> Win32Display::EnumDisplayMode(int index) {
  DEVMODEW dm;
  if (index < 0 || !Enum(static_cast<DWORD>(index), dm)) return std::nullopt;
  return ModeOf(dm);
}

platform::DisplayMode Win32Display::CurrentDisplayMode() {
  DEVMODEW dm;
  if (!Enum(ENUM_CURRENT_SETTINGS, dm)) {
    const platform::Size s = ScreenSize();
    return {s.width, s.height, 32, 60};
  }
  return ModeOf(dm);
}

bool Win32Display::ChangeDisplayMode(int index) {
  DEVMODEW dm;
  if (index < 0 || !Enum(static_cast<DWORD>(index), dm)) return false;
  dm.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
  if (ChangeDisplaySettingsW(&dm, 0) != DISP_CHANGE_SUCCESSFUL) return false;
  PostMessageW(HWND_BROADCAST, WM_DISPLAYCHANGE, dm.dmBitsPerPel,
               static_cast<LPARAM>(MAKELONG(dm.dmPelsWidth, dm.dmPelsHeight)));
  Trace("display mode " + std::to_string(index));
  return true;
}

bool Win32Display::GetSystemSetting(platform::SystemSetting setting) {
  using platform::SystemSetting;
  BOOL on = FALSE;
  switch (setting) {
    case SystemSetting::CursorShadow: SystemParametersInfoW(SPI_GETCURSORSHADOW, 0, &on, 0); break;
    case SystemSetting::ScreenSaver: SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &on, 0); break;
    case SystemSetting::MenuFade: SystemParametersInfoW(SPI_GETMENUFADE, 0, &on, 0); break;
    case SystemSetting::FontSmoothing: SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &on, 0); break;
    case SystemSetting::SwapMouseButtons: on = GetSystemMetrics(SM_SWAPBUTTON) != 0; break;
  }
  return on != FALSE;
}

void Win32Display::SetSystemSetting(platform::SystemSetting setting, bool on) {
  using platform::SystemSetting;
  switch (setting) {
    case SystemSetting::CursorShadow: SystemParametersInfoW(SPI_SETCURSORSHADOW, 0, AsParam(on), kTemporary); break;
    case SystemSetting::ScreenSaver: SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, on, nullptr, kTemporary); break;
    case SystemSetting::MenuFade: SystemParametersInfoW(SPI_SETMENUFADE, 0, AsParam(on), kTemporary); break;
    case SystemSetting::FontSmoothing: SystemParametersInfoW(SPI_SETFONTSMOOTHING, on, nullptr, kTemporary); break;
    case SystemSetting::SwapMouseButtons: SwapMouseButton(on); break;
  }
  // Indexed by the setting: the trace shows what was changed and put back.
  static const char* const kNames[] = {"cursor-shadow", "screen-saver", "menu-fade", "font-smoothing",
                                       "swap-mouse-buttons"};
  Trace(std::string("system setting ") + kNames[static_cast<int>(setting)] + (on ? " on" : " off"));
}

}  // namespace vx::win32
