#pragma once
// The simulated clipboard: a text tests set and inspect.

#include <string>

#include "platform/clipboard.h"

namespace vx::sim {

class SimClipboard : public platform::Clipboard {
 public:
  std::string Text() override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  void Clear() override { text_.clear(); }

 private:
  std::string text_;
};

}  // namespace vx::sim
