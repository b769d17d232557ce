// Push buttons: the press with the event's data, the click with the
// cursor and the buttons held; enter and leave come from the poller.

#include "host/object_events/event_variables.h"
#include "host/object_events/object_events.h"

#include "host/application.h"
#include "objects/vx_button.h"

namespace vx {

void ObjectEvents::VEXORELLE_NEW_BUTTONMouseEnter(TVXButton& sender) {
  RunScript("VEXORELLE_NEW_BUTTONMouseEnter", sender, sender.evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_BUTTONMouseLeave(TVXButton& sender) {
  RunScript("VEXORELLE_NEW_BUTTONMouseLeave", sender, sender.evntMLeave);
}

void ObjectEvents::VEXORELLE_NEW_BUTTONMouseDown(TVXButton& sender, platform::MouseButton button,
                                                 platform::Point at) {
  SetMousePosition(app_.values, at);
  SetButtonFromEvent(app_.values, button);
  RunScript("VEXORELLE_NEW_BUTTONMouseDown", sender, sender.evntMDown);
}

void ObjectEvents::VEXORELLE_NEW_BUTTONClick(TVXButton& sender) {
  SetMousePosition(app_.values, PageCursor(sender));
  SetButtonFromKeyState(app_.values, app_.platform.input);
  RunScript("VEXORELLE_NEW_BUTTONClick", sender, sender.evntMUp);
}

// The click has run the up script already.
void ObjectEvents::VEXORELLE_NEW_BUTTONMouseUp(TVXButton& /*sender*/, platform::MouseButton /*button*/,
                                               platform::Point /*at*/) {}

}  // namespace vx
