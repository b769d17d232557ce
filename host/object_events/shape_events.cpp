// Shapes and hot areas: the component hands on only what falls in its hot
// area; the release looks for the shape whose hot area is under the cursor.

#include "host/object_events/event_variables.h"
#include "host/object_events/object_events.h"

#include "host/application.h"
#include "objects/vx_shape.h"

namespace vx {

namespace {
platform::MouseButton ButtonOf(ShapeMouseButton button) {
  switch (button) {
    case ShapeMouseButton::Left: return platform::MouseButton::Left;
    case ShapeMouseButton::Right: return platform::MouseButton::Right;
    case ShapeMouseButton::Middle: return platform::MouseButton::Middle;
  }
  return platform::MouseButton::Left;
}
}  // namespace

void ObjectEvents::VEXORELLE_NEW_SHAPEMouseEnter(VxShapeObject& sender) {
  RunScript("VEXORELLE_NEW_SHAPEMouseEnter", sender, sender.Shape.evntMEnter);
}

void ObjectEvents::VEXORELLE_NEW_SHAPEMouseLeave(VxShapeObject& sender) {
  RunScript("VEXORELLE_NEW_SHAPEMouseLeave", sender, sender.Shape.evntMLeave);
}

void ObjectEvents::VEXORELLE_NEW_SHAPEMouseDown(VxShapeObject& sender, ShapeMouseButton button, int x, int y) {
  ClearActiveControl(sender);
  SetMousePosition(app_.values, {x, y});
  SetButtonFromEvent(app_.values, ButtonOf(button));
  RunScript("VEXORELLE_NEW_SHAPEMouseDown", sender, sender.Shape.evntMDown);
}

void ObjectEvents::VEXORELLE_NEW_SHAPEMouseUp(VxShapeObject& sender, ShapeMouseButton button, int x, int y) {
  if (button != ShapeMouseButton::Left) return;
  auto* under = dynamic_cast<VxShapeObject*>(ReleaseTarget(sender));
  if (under == nullptr) return;
  const platform::Point cursor = PageCursor(sender);
  const platform::Rect bounds = under->BoundsRect();
  if (!under->Shape.HotAreaTest(cursor.x - bounds.left, cursor.y - bounds.top)) return;
  const bool same = under == &sender;
  const ObjectRef ref = RefOf(sender);
  VEXORELLE_NEW_SHAPEMouseEnter(*under);
  if (!same) return;
  auto* shape = dynamic_cast<VxShapeObject*>(Find(ref));
  if (shape == nullptr) return;
  SetMousePosition(app_.values, {x, y});
  app_.values.SetNumVar("_btn", 1);
  RunScript("VEXORELLE_NEW_SHAPEMouseUp", *shape, shape->Shape.evntMUp);
}

}  // namespace vx
