// The hover poller: on every tick of a page's EnterLeave timer the controls
// of the page are visited in the toolkit's control order (the windowless
// ones bottom first, then the native ones) and entered or left by their
// Tag. Under the cursor means strictly inside: a cursor on the left or top
// edge is outside. A hidden page has nothing under the cursor, so what it
// hovered is left and nothing on it is entered.

#include <vector>

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_object.h"
#include "objects/vx_shape.h"

namespace vx {

namespace {

constexpr int kHovered = 1;

bool IsControl(ObjectKind kind) {
  return kind != ObjectKind::Timer && kind != ObjectKind::Sound && kind != ObjectKind::Companion;
}

// The poller calls the enter and leave handlers of these.
bool HasHoverHandlers(ObjectKind kind) {
  return kind == ObjectKind::Edit || kind == ObjectKind::Button || kind == ObjectKind::Picture ||
         kind == ObjectKind::Shape;
}

bool StrictlyInside(platform::Rect r, platform::Point p) {
  return r.left < p.x && p.x < r.left + r.width && r.top < p.y && p.y < r.top + r.height;
}

// The order as the tick starts. The scripts that run on the way may delete
// objects or move them to another page: those stay alive until no script
// runs (PageObjects::FreeRetired), so the pointers can still be asked
// whether the page holds them.
std::vector<TVXObject*> ControlOrder(const PageObjects& objects) {
  std::vector<TVXObject*> order;
  order.reserve(objects.InZOrder().size());
  for (const bool windowless : {true, false})
    for (const auto& object : objects.InZOrder())
      if (IsControl(object->Kind()) && object->Windowless() == windowless) order.push_back(object.get());
  return order;
}

VxShapeObject* AsShape(TVXObject& object) {
  return object.Kind() == ObjectKind::Shape ? dynamic_cast<VxShapeObject*>(&object) : nullptr;
}

const std::function<void()>* EnterHook(TVXObject& object) {
  if (auto* shape = dynamic_cast<VxShapeObject*>(&object)) return &shape->Shape.OnMouseEnter;
  if (auto* control = dynamic_cast<TVXControl*>(&object)) return &control->OnMouseEnter;
  return nullptr;
}

const std::function<void()>* LeaveHook(TVXObject& object) {
  if (auto* shape = dynamic_cast<VxShapeObject*>(&object)) return &shape->Shape.OnMouseLeave;
  if (auto* control = dynamic_cast<TVXControl*>(&object)) return &control->OnMouseLeave;
  return nullptr;
}

}  // namespace

void ObjectEvents::EnterLeaveTimer(TVXForm& page) {
  MouseIdle();
  const platform::Point cursor = app_.platform.input.CursorPos();
  if (app_.project.HintFollowsMouse && !hints_.Text().empty() && hints_.ShowHint) hints_.ActivateHint(cursor);
  const platform::Point origin = page.Window().ClientOrigin();
  const platform::Point p{cursor.x - origin.x, cursor.y - origin.y};
  const bool pageShown = page.Window().IsVisible();
  PageObjects& objects = page.Components();
  for (TVXObject* listed : ControlOrder(objects)) {
    TVXObject* object = listed;
    // Off the page since the tick began: one of its name made meanwhile
    // takes its turn, as a lookup by name would have found it.
    if (object->Holder() != &objects) object = objects.Find(listed->Name);
    if (object == nullptr) continue;
    const platform::Rect bounds = object->BoundsRect();
    const bool under = pageShown && StrictlyInside(bounds, p);
    if (!under) {
      if (VxShapeObject* shape = AsShape(*object)) {
        if (shape->Shape.HotEntered()) {
          shape->Shape.SetHotEntered(false);
          ExecuteOnLeave(*object);
        }
      } else if (object->Tag == kHovered) {
        ExecuteOnLeave(*object);
      }
      continue;
    }
    if (object->Tag != 0 || !object->Visible()) continue;
    object->Tag = kHovered;
    if (VxShapeObject* shape = AsShape(*object)) {
      if (shape->Shape.HotEntered() || !shape->Shape.HotAreaTest(p.x - bounds.left, p.y - bounds.top)) continue;
      shape->Shape.SetHotEntered(true);
    } else if (!HasHoverHandlers(object->Kind())) {
      continue;
    }
    const std::function<void()>* enter = EnterHook(*object);
    if (enter != nullptr && *enter) (*enter)();
  }
}

void ObjectEvents::ExecuteOnLeave(TVXObject& object) {
  object.Tag = 0;
  if (!HasHoverHandlers(object.Kind())) return;
  const std::function<void()>* leave = LeaveHook(object);
  if (leave != nullptr && *leave) (*leave)();
}

}  // namespace vx
