#include "platform/win32/win32_platform.h"

#include <ole2.h>

namespace vx::win32 {

Win32Platform::Win32Platform()
    : oleStarted_(SUCCEEDED(OleInitialize(nullptr))),
      platform_{forms_, loop_, dialogs_, files_, display_, fonts_, pictures_, input_, process_, hosted_,
                clipboard_, registry_, media_} {
  forms_.SetCustomCursors([this](int cursorNumber) { return fonts_.CustomCursor(cursorNumber); });
}

Win32Platform::~Win32Platform() {
  if (oleStarted_) OleUninitialize();
}

}  // namespace vx::win32
