#include "host/object_events/event_variables.h"

#include <array>

#include "values/variables.h"

namespace vx {

namespace {

struct ButtonKey {
  int virtualKey;
  int number;
};

// In the order they are tried.
constexpr std::array<ButtonKey, 3> kButtonKeys = {{
    {platform::vk::LButton, 1},
    {platform::vk::MButton, 2},
    {platform::vk::RButton, 3},
}};

constexpr std::size_t kChangeNameStart = 3;
constexpr std::size_t kChangeNameLength = 64;

}  // namespace

int ButtonNumber(platform::MouseButton button) {
  switch (button) {
    case platform::MouseButton::Left: return 1;
    case platform::MouseButton::Middle: return 2;
    case platform::MouseButton::Right: return 3;
  }
  return 1;
}

void SetMousePosition(TValues& values, platform::Point at) {
  values.SetNumVar("_mx", at.x);
  values.SetNumVar("_my", at.y);
}

void SetButtonFromEvent(TValues& values, platform::MouseButton button) {
  values.SetNumVar("_btn", ButtonNumber(button));
}

void SetButtonFromKeyState(TValues& values, platform::Input& input) {
  for (const ButtonKey& key : kButtonKeys)
    if (input.IsKeyDown(key.virtualKey)) values.SetNumVar("_btn", key.number);
}

std::string EditChangeVariable(std::string_view componentName) {
  if (componentName.size() <= kChangeNameStart) return {};
  std::string name(componentName.substr(kChangeNameStart, kChangeNameLength));
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

}  // namespace vx
