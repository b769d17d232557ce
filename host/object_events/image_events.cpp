// Pictures: the press takes the cursor and the buttons held, the release
// looks for the picture under the cursor; enter and leave come from the
// poller.

#include "host/object_events/event_variables.h"
#include "host/object_events/object_events.h"

#include "host/application.h"
#include "objects/vx_image.h"

namespace vx {

void ObjectEvents::VEXORELLE_NEW_IMAGEMouseEnter(TVXImage& sender) {
  RunScript("VEXORELLE_NEW_IMAGEMouseEnter", sender, sender.evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_IMAGEMouseLeave(TVXImage& sender) {
  RunScript("VEXORELLE_NEW_IMAGEMouseLeave", sender, sender.evntMLeave);
}

void ObjectEvents::VEXORELLE_NEW_IMAGEMouseDown(TVXImage& sender, platform::MouseButton /*button*/,
                                                platform::Point /*at*/) {
  ClearActiveControl(sender);
  SetMousePosition(app_.values, PageCursor(sender));
  SetButtonFromKeyState(app_.values, app_.platform.input);
  RunScript("VEXORELLE_NEW_IMAGEMouseDown", sender, sender.evntMDown);
}

void ObjectEvents::VEXORELLE_NEW_IMAGEMouseUp(TVXImage& sender, platform::MouseButton button, platform::Point at) {
  if (button != platform::MouseButton::Left) return;
  auto* under = dynamic_cast<TVXImage*>(ReleaseTarget(sender));
  if (under == nullptr) return;
  const bool same = under == &sender;
  const ObjectRef ref = RefOf(sender);
  VEXORELLE_NEW_IMAGEMouseEnter(*under);
  if (!same) return;
  TVXImage* image = dynamic_cast<TVXImage*>(Find(ref));
  if (image == nullptr) return;
  SetMousePosition(app_.values, at);
  app_.values.SetNumVar("_btn", 1);
  RunScript("VEXORELLE_NEW_IMAGEMouseUp", *image, image->evntMUp);
}

}  // namespace vx
