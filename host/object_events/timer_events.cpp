// Script timers: each tick counts; the tick that reaches NumberOfLoops
// (0: never) stops the timer and still runs the script.

#include "host/object_events/object_events.h"

#include "objects/vx_timer.h"

namespace vx {

void ObjectEvents::VEXORELLE_NEW_TIMERTimer(TVXTimer& sender) {
  ++sender.TickCount;
  if (sender.TickCount == sender.NumberOfLoops) {
    sender.TickCount = 0;
    sender.SetEnabled(false);
  }
  RunScript("VEXORELLE_NEW_TIMERTimer", sender, sender.evntTimer);
}

}  // namespace vx
