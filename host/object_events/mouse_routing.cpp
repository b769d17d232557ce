// The windowless objects' share of a page's mouse, as the toolkit hands it
// on: a press goes to the topmost visible enabled windowless object under
// it, and a left press captures: the moves and the release that follow go
// to that object, in its coordinates, wherever the cursor is. Then the
// idle pass: texts hear when the control under the cursor changes, and the
// application's hint follows it.

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_object.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"

namespace vx {

namespace {

platform::Point Inside(const TVXObject& object, platform::Point at) {
  const platform::Rect bounds = object.BoundsRect();
  return {at.x - bounds.left, at.y - bounds.top};
}

// A shape holds the mouse only for a press in its hot area.
bool Captures(TVXObject& object, platform::MouseButton button, platform::Point inside) {
  if (button != platform::MouseButton::Left) return false;
  auto* shape = dynamic_cast<VxShapeObject*>(&object);
  return shape == nullptr || shape->Shape.HotAreaTest(inside.x, inside.y);
}

std::string HintOf(const TVXObject* object) {
  if (auto* shape = dynamic_cast<const VxShapeObject*>(object)) return shape->Hint;
  if (auto* control = dynamic_cast<const TVXControl*>(object)) return control->Hint;
  return {};
}

bool ShowsHint(const TVXObject* object) {
  if (auto* shape = dynamic_cast<const VxShapeObject*>(object)) return shape->Shape.ShowHint;
  if (auto* control = dynamic_cast<const TVXControl*>(object)) return control->ShowHint;
  return false;
}

}  // namespace

bool ObjectEvents::PageMouseDown(TVXForm& page, platform::MouseButton button, platform::Point at) {
  TVXObject* object = page.Components().WindowlessAt(at, false);
  if (object == nullptr) {
    if (button == platform::MouseButton::Left) capture_ = {&page, {}};
    return false;
  }
  const platform::Point inside = Inside(*object, at);
  if (Captures(*object, button, inside)) capture_ = {&page, object->Name};
  object->MouseDown(button, inside);
  return true;
}

bool ObjectEvents::PageMouseMove(TVXForm& page, platform::Point at) {
  if (capture_.page == &page) {
    // A captured object that its script deleted leaves the mouse to the page.
    TVXObject* held = Find(capture_);
    if (held != nullptr) held->MouseMove(Inside(*held, at));
    return held != nullptr;
  }
  if (page.Components().NativeAt(at) != nullptr) return false;
  TVXObject* object = page.Components().WindowlessAt(at, false);
  if (object == nullptr) return false;
  object->MouseMove(Inside(*object, at));
  return true;
}

bool ObjectEvents::PageMouseUp(TVXForm& page, platform::MouseButton button, platform::Point at) {
  if (capture_.page == &page) {
    const ObjectRef held = capture_;
    if (button == platform::MouseButton::Left) capture_ = {};
    TVXObject* object = Find(held);
    if (object != nullptr) object->MouseUp(button, Inside(*object, at));
    return object != nullptr;
  }
  TVXObject* object = page.Components().WindowlessAt(at, false);
  if (object == nullptr) return false;
  object->MouseUp(button, Inside(*object, at));
  return true;
}

void ObjectEvents::MouseIdle() {
  // A release the page never heard (it was hidden or disabled meanwhile)
  // must not hold the mouse for ever.
  if (capture_.page != nullptr && app_.platform.input.KeyState(platform::vk::LButton) >= 0) capture_ = {};
  const platform::Point cursor = app_.platform.input.CursorPos();
  ObjectRef now;
  TVXObject* control = nullptr;
  if (TVXForm* page = app_.FormOf(app_.platform.forms.WindowAt(cursor))) {
    const platform::Point origin = page->Window().ClientOrigin();
    const platform::Point at{cursor.x - origin.x, cursor.y - origin.y};
    control = page->Components().NativeAt(at);
    if (control == nullptr) control = page->Components().WindowlessAt(at, true);
    now = {page, control != nullptr ? control->Name : std::string()};
  }
  const std::string key = now.page == nullptr ? std::string() : now.page->Name() + "." + now.name;
  hints_.MouseOver(key, HintOf(control), ShowsHint(control));
  if (now == mouseControl_) return;
  const ObjectRef old = mouseControl_;
  mouseControl_ = now;
  const bool held = capture_.page != nullptr;
  if (!held || old == capture_)
    if (auto* text = dynamic_cast<TVXText*>(Find(old)); text != nullptr && text->OnMouseLeave) text->OnMouseLeave();
  if (!held || now == capture_)
    if (auto* text = dynamic_cast<TVXText*>(Find(now)); text != nullptr && text->OnMouseEnter) text->OnMouseEnter();
}

}  // namespace vx
