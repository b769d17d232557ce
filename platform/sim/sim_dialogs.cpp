#include "platform/sim/sim_dialogs.h"

namespace vx::sim {

namespace mb = platform::mb;

int SimDialogs::FirstButton(unsigned flags) {
  static constexpr int kFirst[] = {
      mb::IdOk,     // Ok
      mb::IdOk,     // OkCancel
      mb::IdAbort,  // AbortRetryIgnore
      mb::IdYes,    // YesNoCancel
      mb::IdYes,    // YesNo
      mb::IdRetry,  // RetryCancel
      mb::IdCancel, // CancelTryContinue
  };
  const unsigned buttons = flags & 0xF;
  return buttons < std::size(kFirst) ? kFirst[buttons] : mb::IdOk;
}

int SimDialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  std::lock_guard lock(mutex_);
  int answer = FirstButton(flags);
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  shown_.push_back({text, caption, flags, answer});
  log_.Add("msgbox [" + caption + "] " + text + " -> " + std::to_string(answer));
  return answer;
}

}  // namespace vx::sim
