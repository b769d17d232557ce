#include "platform/sim/sim_display.h"

#include <algorithm>
#include <string>

namespace vx::sim {

namespace {
const char* SettingName(platform::SystemSetting setting) {
  using platform::SystemSetting;
  switch (setting) {
    case SystemSetting::CursorShadow: return "CursorShadow";
    case SystemSetting::ScreenSaver: return "ScreenSaver";
    case SystemSetting::MenuFade: return "MenuFade";
    case SystemSetting::FontSmoothing: return "FontSmoothing";
    case SystemSetting::SwapMouseButtons: return "SwapMouseButtons";
  }
  return "?";
}
}  // namespace

SimDisplay::SimDisplay(SimLog& log) : log_(log) {
  modes_ = {{640, 480, 32, 60}, {800, 600, 32, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 60}, {1024, 768, 32, 75}};
  current_ = 3;
  using platform::SystemSetting;
  settings_ = {{SystemSetting::CursorShadow, true},
               {SystemSetting::ScreenSaver, true},
               {SystemSetting::MenuFade, true},
               {SystemSetting::FontSmoothing, true},
               {SystemSetting::SwapMouseButtons, false}};
}

void SimDisplay::SetScreen(platform::Size size, platform::Rect workArea) {
  screen_ = size;
  workArea_ = workArea;
}

void SimDisplay::SetModes(std::vector<platform::DisplayMode> modes, int current) {
  modes_ = std::move(modes);
  current_ = current;
}

std::optional<platform::DisplayMode> SimDisplay::EnumDisplayMode(int index) {
  if (index < 0 || index >= static_cast<int>(modes_.size())) return std::nullopt;
  return modes_[static_cast<std::size_t>(index)];
}

platform::DisplayMode SimDisplay::CurrentDisplayMode() {
  if (current_ >= 0 && current_ < static_cast<int>(modes_.size())) return modes_[static_cast<std::size_t>(current_)];
  return {screen_.width, screen_.height, 32, 60};
}

bool SimDisplay::ChangeDisplayMode(int index) {
  if (index < 0 || index >= static_cast<int>(modes_.size())) return false;
  if (std::find(refused_.begin(), refused_.end(), index) != refused_.end()) return false;
  current_ = index;
  const auto& m = modes_[static_cast<std::size_t>(index)];
  screen_ = {m.width, m.height};
  workArea_ = {0, 0, m.width, m.height - 30};
  log_.Add("display mode " + std::to_string(index));
  return true;
}

bool SimDisplay::GetSystemSetting(platform::SystemSetting setting) { return settings_[setting]; }

void SimDisplay::SetSystemSetting(platform::SystemSetting setting, bool on) {
  if (settings_[setting] == on) return;
  settings_[setting] = on;
  log_.Add(std::string("setting ") + SettingName(setting) + "=" + (on ? "1" : "0"));
}

}  // namespace vx::sim
