#pragma once
// A configurable screen: size, work area, the adapter's mode list and the
// system settings a presentation may change.

#include <map>
#include <vector>

#include "platform/display.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

class SimDisplay : public platform::Display {
 public:
  explicit SimDisplay(SimLog& log);

  // Test set-up.
  void SetScreen(platform::Size size, platform::Rect workArea);
  void SetModes(std::vector<platform::DisplayMode> modes, int current);
  // Mode numbers the adapter refuses to switch to.
  void RefuseMode(int index) { refused_.push_back(index); }

  int CurrentModeIndex() const { return current_; }

  platform::Size ScreenSize() override { return screen_; }
  platform::Rect WorkArea() override { return workArea_; }
  std::optional<platform::DisplayMode> EnumDisplayMode(int index) override;
  platform::DisplayMode CurrentDisplayMode() override;
  bool ChangeDisplayMode(int index) override;
  bool GetSystemSetting(platform::SystemSetting setting) override;
  void SetSystemSetting(platform::SystemSetting setting, bool on) override;

 private:
  SimLog& log_;
  platform::Size screen_{1024, 768};
  platform::Rect workArea_{0, 0, 1024, 738};
  std::vector<platform::DisplayMode> modes_;
  int current_ = 0;
  std::vector<int> refused_;
  std::map<platform::SystemSetting, bool> settings_;
};

}  // namespace vx::sim
