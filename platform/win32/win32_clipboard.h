#pragma once
// The Windows clipboard: Unicode text, in the presentation's code page on
// this side.

#include "platform/clipboard.h"

namespace vx::win32 {

class Win32Clipboard : public platform::Clipboard {
 public:
  std::string Text() override;
  void SetText(const std::string& text) override;
  void Clear() override;
};

}  // namespace vx::win32
