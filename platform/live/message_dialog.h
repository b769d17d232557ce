#pragma once
// A message box of the presentation as a dialog of the desktop, with the
// Win32 button set its flags ask for; the answer in the Win32 numbers.

#include <gtk/gtk.h>

#include <string>

namespace vx::live {

// text and caption in the system's UTF-8. Shown on the main
// thread: a script thread's box is handed to it and waited for.
int AskWithMessageDialog(GtkWindow* parent, const std::string& text, const std::string& caption, unsigned flags);

}  // namespace vx::live
