#pragma once
// A person's mouse and keyboard, through the system's input queue
// (SendInput), so the player gets its input as from real devices.

#include <string>

#include "platform/win32/win32_common.h"
#include "tests/wine/e2e_player.h"

namespace vxe2e {

// Moves the cursor to the screen point and clicks the left button there.
void ClickAt(POINT screen);
// Presses and releases a key, with Shift held when told.
void PressKey(WORD virtualKey, bool withShift = false);
// Types printable ASCII text key by key on the current keyboard layout.
void TypeText(const std::string& text);

// The window with the keyboard focus in the player's main thread, or null.
HWND FocusOf(const Player& p);
// The text of a control of the player, asked of the control itself
// (WM_GETTEXT), never waiting long on a hung player.
std::string TextOf(HWND control);

// The control's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND control);

}  // namespace vxe2e
