#pragma once
// The system clipboard, as text in the system code page.

#include <string>

namespace vx::platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // "" when the clipboard holds no text.
  virtual std::string Text() = 0;
  virtual void SetText(const std::string& text) = 0;
  // Nothing of any format is left on it.
  virtual void Clear() = 0;
};

}  // namespace vx::platform
