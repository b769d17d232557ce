#include "platform/live/live_dialogs.h"

#include <iostream>

#include "platform/live/message_dialog.h"
#include "util/codepage.h"

namespace vx::live {

int LiveDialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  // An error box may be the last thing the presentation says ("Executable
  // file is corrupted."): standard error keeps it for the person who started
  // it from a terminal.
  if ((flags & 0xF0u) == platform::mb::IconError)
    std::cerr << "vxplay: [" << Cp1256ToUtf8(caption) << "] " << Cp1256ToUtf8(text) << '\n';
  const int answer = AskWithMessageDialog(parent_ ? parent_() : nullptr, text, caption, flags);
  log_.Add("msgbox [" + caption + "] " + text + " -> " + std::to_string(answer));
  return answer;
}

}  // namespace vx::live
