#pragma once
// Message boxes answered from a queue that the test fills. Every box is
// recorded; with the queue empty a box is answered with its first button.

#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

struct ShownMessageBox {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  int answer = 0;
};

class SimDialogs : public platform::Dialogs {
 public:
  explicit SimDialogs(SimLog& log) : log_(log) {}

  // Script threads show boxes too, so the queue and the record are locked.
  void QueueAnswer(int button) {
    std::lock_guard lock(mutex_);
    answers_.push_back(button);
  }
  // Read after the threads that show boxes are done.
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }

  int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;

  // The button a box with these flags offers first.
  static int FirstButton(unsigned flags);

 private:
  SimLog& log_;
  std::mutex mutex_;
  std::deque<int> answers_;
  std::vector<ShownMessageBox> shown_;
};

}  // namespace vx::sim
