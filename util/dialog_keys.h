#pragma once
// What Tab, Shift+Tab and Enter do among the native controls of a window, as
// in a dialog. Both backends ask here, so they agree on every case.

#include <vector>

namespace vx {

// One native control of the window, listed in creation order.
struct DialogControl {
  int tabOrder = 0;
  bool canFocus = false;  // visible and enabled
  bool tabStop = true;
  bool button = false;
  bool isDefault = false;  // a default button
};

struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

struct DialogKeyAction {
  enum class Kind { None, Focus, Click };
  Kind kind = Kind::None;
  int control = -1;  // index into the list
  bool operator==(const DialogKeyAction&) const = default;
};

// focused: the index of the control with the focus, -1 when none has it.
// Tab without Ctrl and Alt moves the focus to the next tab stop that can
// take it, in tab order (Shift: the one before), going round; controls of
// equal tab order follow their creation order. Enter without modifiers
// clicks the focused button, or else the first default button that can take
// the focus. Kind::None leaves the key to the window and the control as
// usual (no control to move to, nothing to click, any other key).
DialogKeyAction DialogKey(const std::vector<DialogControl>& controls, int focused, int virtualKey,
                          KeyModifiers held);

// The indices of the controls in the order Tab visits them: by tab order,
// equal tab orders in made order.
std::vector<int> TabSequence(const std::vector<DialogControl>& controls);

// The tab orders after the control at index moved took the given place in
// the window's tab sequence (clamped to the first and the last place): the
// controls from that place on move one place back, and every control is
// numbered by its place, so no two share a number afterwards.
std::vector<int> TabOrdersAfterMove(const std::vector<DialogControl>& controls, int moved, int place);

}  // namespace vx
