#pragma once
// Keyboard and mouse state, as the system reports it right now.

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace vx::platform {

// Win32 virtual-key codes the runtime names.
namespace vk {
constexpr int LButton = 0x01;
constexpr int RButton = 0x02;
constexpr int MButton = 0x04;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;
constexpr int Capital = 0x14;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int Snapshot = 0x2C;
}  // namespace vk

class Input {
 public:
  virtual ~Input() = default;
  // The key is held down now; a key that is only toggled on is not.
  virtual bool IsKeyDown(int virtualKey) = 0;
  // The key's state as the thread's message queue last saw it: negative
  // while down, bit 0 set while a toggle key is on.
  virtual std::int16_t KeyState(int virtualKey) = 0;
  // The mouse cursor in screen coordinates.
  virtual Point CursorPos() = 0;
  // Loads the keyboard layout of that eight-character name ("00000409")
  // and makes it the active one; false when the system has no such layout.
  virtual bool SwitchKeyboardLayout(const std::string& name) = 0;
};

}  // namespace vx::platform
