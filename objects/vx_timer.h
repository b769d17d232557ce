#pragma once
// A script timer: its tick counts up to NumberOfLoops (0: for ever) and
// would run evntTimer; event routing attaches what a tick does.

#include <functional>
#include <memory>

#include "objects/vx_object.h"
#include "platform/loop.h"

namespace vx {

class TVXTimer : public TVXObject {
 public:
  explicit TVXTimer(platform::EventLoop& loop);
  ~TVXTimer() override;

  int NumberOfLoops = 0;
  LineList evntTimer;
  int TickCount = 0;
  // Attached by event routing; called on every tick.
  std::function<void()> OnTimer;

  bool Enabled() const override { return timer_->Enabled(); }
  void SetEnabled(bool enabled) override { timer_->SetEnabled(enabled); }
  unsigned Interval() const { return timer_->Interval(); }
  void SetInterval(unsigned ms) { timer_->SetInterval(ms); }
  bool InZOrderPasses() const override { return false; }

 private:
  std::unique_ptr<platform::Timer> timer_;
};

}  // namespace vx
