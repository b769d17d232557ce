#pragma once
// The real player's platform: every area on the Win32 API.

#include "platform/platform.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_media.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_hosted.h"
#include "platform/win32/win32_system.h"

namespace vx::win32 {

class Win32Platform {
 public:
  Win32Platform();
  ~Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  platform::Platform& Platform() { return platform_; }

 private:
  bool oleStarted_;
  Win32Loop loop_;
  Win32Forms forms_{loop_};
  Win32Dialogs dialogs_;
  Win32Files files_;
  Win32Display display_;
  Win32Fonts fonts_;
  Win32Pictures pictures_;
  Win32Input input_;
  Win32Process process_;
  Win32Hosted hosted_{loop_};
  Win32Clipboard clipboard_;
  Win32Registry registry_;
  Win32Media media_{loop_};
  platform::Platform platform_;
};

}  // namespace vx::win32
