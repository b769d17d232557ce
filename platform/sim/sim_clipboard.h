#pragma once
// The simulated clipboard: a Unicode text tests set and inspect.

#include <string>

#include "platform/clipboard.h"
#include "platform/sim/sim_code_pages.h"

namespace vx::sim {

class SimClipboard : public platform::Clipboard {
 public:
  explicit SimClipboard(const SimCodePages& codePages) : codePages_(codePages) {}

  // As other programs see it, UTF-8.
  const std::string& SystemText() const { return text_; }
  void SetSystemText(std::string text) { text_ = std::move(text); }

  std::string Text() override { return codePages_.FromSystem(text_); }
  void SetText(const std::string& text) override { text_ = codePages_.ToSystem(text); }
  void Clear() override { text_.clear(); }

 private:
  const SimCodePages& codePages_;
  std::string text_;
};

}  // namespace vx::sim
