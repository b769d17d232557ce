// Edit boxes: hover colours from the poller, focus colours and the focus
// tag, the change variable, and the mouse.

#include "host/object_events/event_variables.h"
#include "host/object_events/object_events.h"

#include "host/application.h"
#include "objects/vx_edit.h"

namespace vx {

namespace {

// One pixel to the right and back: the edit paints itself again in its new
// colours.
void RepaintNudge(TVXControl& control) {
  platform::Rect bounds = control.BoundsRect();
  const int left = bounds.left;
  bounds.left = left + 1;
  control.SetBounds(bounds);
  bounds.left = left;
  control.SetBounds(bounds);
}

void SetColors(TVXEdit& edit, platform::Color background, platform::Color font) {
  edit.SetColor(background);
  edit.SetFontColor(font);
  RepaintNudge(edit);
}

constexpr int kFocusTag = 2;

}  // namespace

void ObjectEvents::VEXORELLE_NEW_EDITMouseEnter(TVXEdit& sender) {
  if (!PageIsActive(sender)) return;
  if (sender.ColorEvents) SetColors(sender, sender.ColorHover, sender.ColorHoverF);
  RunScript("VEXORELLE_NEW_EDITMouseEnter", sender, sender.evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_EDITMouseLeave(TVXEdit& sender) {
  if (!PageIsActive(sender)) return;
  if (sender.ColorEvents) SetColors(sender, sender.ColorNormal, sender.ColorNormalF);
  RunScript("VEXORELLE_NEW_EDITMouseLeave", sender, sender.evntMLeave);
}

void ObjectEvents::VEXORELLE_NEW_EDITMouseDown(TVXEdit& sender, platform::MouseButton button, platform::Point at) {
  SetMousePosition(app_.values, at);
  SetButtonFromEvent(app_.values, button);
  RunScript("VEXORELLE_NEW_EDITMouseDown", sender, sender.evntMDown);
}

void ObjectEvents::VEXORELLE_NEW_EDITClick(TVXEdit& sender) {
  SetMousePosition(app_.values, PageCursor(sender));
  SetButtonFromKeyState(app_.values, app_.platform.input);
  RunScript("VEXORELLE_NEW_EDITClick", sender, sender.evntMUp);
}

void ObjectEvents::VEXORELLE_NEW_EDITChange(TVXEdit& sender) {
  app_.values.SetStrVar(EditChangeVariable(sender.Name), sender.Text());
  RunScript("VEXORELLE_NEW_EDITChange", sender, sender.evntCH);
}

// While it has the focus the poller leaves the edit alone.
void ObjectEvents::VEXORELLE_NEW_EDITEnter(TVXEdit& sender) {
  if (sender.ColorEvents) SetColors(sender, sender.ColorEnter, sender.ColorEnterF);
  sender.Tag = kFocusTag;
  RunScript("VEXORELLE_NEW_EDITEnter", sender, sender.evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_EDITExit(TVXEdit& sender) {
  SetColors(sender, sender.ColorNormal, sender.ColorNormalF);
  sender.Tag = 0;
}

}  // namespace vx
