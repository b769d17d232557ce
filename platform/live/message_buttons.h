#pragma once
// The Win32 button sets of a message box as a desktop dialog shows them:
// labels with mnemonics, the answer each gives, and the answer when the
// person closes the box without a button (Escape, the close button).

#include <string>
#include <vector>

namespace vx::live {

struct MessageButton {
  std::string label;
  int answer;
};

struct MessageButtons {
  std::vector<MessageButton> buttons;
  // Where Windows lets a box close without a button: its Cancel, or the OK
  // of an OK-only box; else closing is not an answer (0): the box stays.
  int closeAnswer = 0;
};

// An unknown set is the OK-only box, as the system shows it.
MessageButtons ButtonsOf(unsigned flags);

}  // namespace vx::live
