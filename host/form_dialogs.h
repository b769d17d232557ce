#pragma once
// The five standard dialogs of a page, as the page template sets them up.
// The dialog commands change and show them; their settings last from one
// call to the next.

#include "platform/dialogs.h"

namespace vx {

struct FormDialogs {
  FormDialogs() {
    open.readOnlyBox = true;
    save.overwritePrompt = true;
  }
  platform::FileDialogState open;   // opendlg
  platform::FileDialogState save;   // savedlg
  platform::FolderDialogState folder;  // opendirdlg
  platform::ColorDialogState color;    // coldlg
  platform::FontDialogState font;      // fontdlg
};

}  // namespace vx
