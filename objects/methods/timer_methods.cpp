// Method 69: a script timer's interval.

#include "objects/methods/families.h"
#include "objects/vx_timer.h"

namespace vx::methods {

namespace {

void Interval(MethodCall& m);  // 69

constexpr MethodRow kRows[] = {
    {69, Interval},
};

// As the record loads it: no interval above 0 stops the timer.
void Interval(MethodCall& m) {
  auto* timer = As<TVXTimer>(m.object);
  if (timer == nullptr) return;
  const int ms = m.Int(1);
  if (ms <= 0) timer->SetEnabled(false);
  timer->SetInterval(ms > 0 ? static_cast<unsigned>(ms) : 0U);
}

}  // namespace

std::span<const MethodRow> TimerMethods() { return kRows; }

}  // namespace vx::methods
