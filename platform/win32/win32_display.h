#pragma once

#include "platform/display.h"

namespace vx::win32 {

class Win32Display : public platform::Display {
 public:
  platform::Size ScreenSize() override;
  platform::Rect WorkArea() override;
  std::optional<platform::DisplayMode> EnumDisplayMode(int index) override;
  platform::DisplayMode CurrentDisplayMode() override;
  bool ChangeDisplayMode(int index) override;
  bool GetSystemSetting(platform::SystemSetting setting) override;
  void SetSystemSetting(platform::SystemSetting setting, bool on) override;
};

}  // namespace vx::win32
