#pragma once
// Screen geometry, display modes and the system settings a presentation may
// change for its run (and must put back at exit).

#include <optional>

#include "platform/types.h"

namespace vx::platform {

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  int refreshHz = 0;
  bool operator==(const DisplayMode&) const = default;
};

enum class SystemSetting {
  CursorShadow,
  ScreenSaver,
  MenuFade,
  FontSmoothing,
  SwapMouseButtons,
};

class Display {
 public:
  virtual ~Display() = default;

  virtual Size ScreenSize() = 0;
  // The screen less the task bar and other docked bars.
  virtual Rect WorkArea() = 0;

  // Mode number index of the adapter's list, nothing past its end.
  virtual std::optional<DisplayMode> EnumDisplayMode(int index) = 0;
  // The desktop's mode now.
  virtual DisplayMode CurrentDisplayMode() = 0;
  // Switches to the list's mode number index and tells every top-level
  // window; false when the adapter refuses.
  virtual bool ChangeDisplayMode(int index) = 0;

  virtual bool GetSystemSetting(SystemSetting setting) = 0;
  virtual void SetSystemSetting(SystemSetting setting, bool on) = 0;
};

}  // namespace vx::platform
