// Texts: hover and click colours of the label, its enter and leave, and the
// release that looks for the text under the cursor.

#include "host/object_events/event_variables.h"
#include "host/object_events/object_events.h"

#include "host/application.h"
#include "objects/vx_text.h"

namespace vx {

namespace {
void SetFontColor(TVXText& text, platform::Color color) {
  text.FontColor = color;
  text.Changed();
}
}  // namespace

void ObjectEvents::VEXORELLE_NEW_TEXTMouseEnter(TVXText& sender) {
  if (!PageIsActive(sender)) return;
  TVXText* text = &sender;
  if (text->ColorEvents) {
    if (app_.platform.input.IsKeyDown(platform::vk::LButton)) {
      // Entered with the button held: as if pressed here.
      const ObjectRef ref = RefOf(sender);
      const platform::Point cursor = PageCursor(sender);
      const platform::Rect bounds = sender.BoundsRect();
      VEXORELLE_NEW_TEXTMouseDown(sender, platform::MouseButton::Left,
                                  {cursor.x - bounds.left, cursor.y - bounds.top});
      text = dynamic_cast<TVXText*>(Find(ref));
      if (text == nullptr) return;
    } else {
      SetFontColor(*text, text->ColorHover);
    }
  }
  RunScript("VEXORELLE_NEW_TEXTMouseEnter", *text, text->evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_TEXTMouseLeave(TVXText& sender) {
  if (sender.ColorEvents) SetFontColor(sender, sender.ColorNormal);
  RunScript("VEXORELLE_NEW_TEXTMouseLeave", sender, sender.evntMLeave);
}

void ObjectEvents::VEXORELLE_NEW_TEXTMouseDown(TVXText& sender, platform::MouseButton button, platform::Point at) {
  ClearActiveControl(sender);
  if (button == platform::MouseButton::Left && sender.ColorEvents) SetFontColor(sender, sender.ColorClick);
  SetMousePosition(app_.values, at);
  SetButtonFromEvent(app_.values, button);
  RunScript("VEXORELLE_NEW_TEXTMouseDown", sender, sender.evntMDown);
}

void ObjectEvents::VEXORELLE_NEW_TEXTMouseUp(TVXText& sender, platform::MouseButton button, platform::Point at) {
  if (button != platform::MouseButton::Left) return;
  auto* under = dynamic_cast<TVXText*>(ReleaseTarget(sender));
  if (under == nullptr) return;
  const bool same = under == &sender;
  const ObjectRef ref = RefOf(sender);
  // The label lost its enter while the press held the mouse.
  VEXORELLE_NEW_TEXTMouseEnter(*under);
  if (!same) return;
  TVXText* text = dynamic_cast<TVXText*>(Find(ref));
  if (text == nullptr) return;
  SetMousePosition(app_.values, at);
  app_.values.SetNumVar("_btn", 1);
  RunScript("VEXORELLE_NEW_TEXTMouseUp", *text, text->evntMUp);
}

}  // namespace vx
