// What every handler shares: finding objects again, the page that holds an
// object, and running an object's script on the main form.

#include "host/object_events/object_events.h"

#include "host/application.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "script/runner.h"

namespace vx {

ObjectEvents::ObjectEvents(Application& app) : app_(app), hints_(app) {}

ObjectEvents::~ObjectEvents() = default;

TVXForm* ObjectEvents::PageOf(const TVXObject& object) const {
  const PageObjects* objects = object.Page();
  return objects == nullptr ? nullptr : app_.FormOf(&objects->Window());
}

ObjectEvents::ObjectRef ObjectEvents::RefOf(const TVXObject& object) const {
  return {PageOf(object), object.Name};
}

TVXObject* ObjectEvents::Find(const ObjectRef& ref) const {
  if (ref.page == nullptr || ref.name.empty()) return nullptr;
  return ref.page->Components().Find(ref.name);
}

bool ObjectEvents::PageIsActive(const TVXObject& object) const {
  const TVXForm* page = PageOf(object);
  return page != nullptr && app_.platform.forms.ActiveWindow() == &page->Window();
}

void ObjectEvents::ClearActiveControl(const TVXObject& object) {
  if (TVXForm* page = PageOf(object)) page->Window().ClearFocus();
}

platform::Point ObjectEvents::PageCursor(const TVXObject& object) const {
  const platform::Point cursor = app_.platform.input.CursorPos();
  const TVXForm* page = PageOf(object);
  if (page == nullptr) return cursor;
  const platform::Point origin = page->Window().ClientOrigin();
  return {cursor.x - origin.x, cursor.y - origin.y};
}

TVXObject* ObjectEvents::ReleaseTarget(const TVXObject& sender) const {
  TVXForm* page = PageOf(sender);
  if (page == nullptr) return nullptr;
  return page->Components().WindowlessAt(PageCursor(sender), false);
}

void ObjectEvents::RunScript(const char* handler, const TVXObject& sender, const LineList& script) {
  if (script.empty()) return;
  // A copy: the script may replace the one it came from or delete its object.
  const LineList lines = script;
  TVXForm* main = app_.MainForm();
  if (app_.onEventScript) app_.onEventScript(std::string(handler) + " " + sender.Name, main ? main->Name() : "");
  DoActions(app_, main, lines);
}

}  // namespace vx
