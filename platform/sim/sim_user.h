#pragma once
// A person at the simulated desktop: a mouse and a keyboard. Presses go to
// the window under the cursor (which then keeps the mouse until the
// release), the wheel and keys to the active window, typing to its focused
// edit box; disabled windows take nothing. A key press is heard by the
// window first, then Tab, Enter and Space work among its controls as in a
// dialog (PressDialogKey).

#include <string>

#include "platform/forms.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_system.h"

namespace vx::sim {

class SimUser {
 public:
  SimUser(SimForms& forms, SimInput& input) : forms_(forms), input_(input) {}

  // Screen coordinates.
  void MoveTo(platform::Point screen);
  void Press(platform::MouseButton button);
  void Release(platform::MouseButton button);
  void Click(platform::Point screen, platform::MouseButton button = platform::MouseButton::Left);
  void Wheel(bool up);
  // True when the window used the key, or it worked among the controls.
  bool KeyDown(int virtualKey);
  void KeyUp(int virtualKey);
  // Down and up.
  void Key(int virtualKey);
  // False when the active window has no focused edit box to type into.
  bool Type(const std::string& bytes);

  // The topmost visible window whose outer bounds hold the point, or null.
  SimWindow* WindowAt(platform::Point screen);

 private:
  platform::Point ClientPoint(const SimWindow& window) const;
  // The cursor in the control's own coordinates.
  platform::Point ControlPoint(const SimControl& control) const;

  SimForms& forms_;
  SimInput& input_;
  SimWindow* captured_ = nullptr;  // the window that got the press
  SimControl* pressedControl_ = nullptr;  // the control that got the press
};

// The virtual-key code of a mouse button.
int VirtualKeyOf(platform::MouseButton button);

}  // namespace vx::sim
