#include "objects/vx_timer.h"

namespace vx {

TVXTimer::TVXTimer(platform::EventLoop& loop) : TVXObject(ObjectKind::Timer) {
  timer_ = loop.CreateTimer(1000, [this] {
    if (OnTimer) OnTimer();
  });
  // A new timer of the toolkit runs at once.
  timer_->SetEnabled(true);
}

TVXTimer::~TVXTimer() = default;

}  // namespace vx
