// The page's own input events: the wheel, the drag of a frameless page,
// the print-screen suppressor and the hover poller's timer. The windowless
// objects take their share of the mouse first (host/object_events/), and
// the toolkit's idle pass follows every mouse event.

#include <cstdlib>

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/vx_form.h"
#include "platform/input.h"
#include "script/runner.h"

namespace vx {

namespace {

// The cursor has to leave the press point by more than this on either axis.
constexpr int kDragThreshold = 5;

}  // namespace

void TVXForm::RunPageScript(const char* handler, const LineList& script) {
  if (script.empty()) return;
  if (app_.onEventScript) app_.onEventScript(handler, Name());
  DoActions(app_, this, script);
}

void TVXForm::NoSnapTimer() {
  if (app_.platform.input.IsKeyDown(platform::vk::Snapshot)) app_.platform.clipboard.Clear();
}

void TVXForm::OnMouseWheel(bool up) {
  if (up) FormMouseWheelUp();
  else FormMouseWheelDown();
}

void TVXForm::FormMouseWheelUp() {
  app_.values.SetStrVar("_dir", "UP");
  RunPageScript("FormMouseWheelUp", PageWheelScript);
}

void TVXForm::FormMouseWheelDown() {
  app_.values.SetStrVar("_dir", "DOWN");
  RunPageScript("FormMouseWheelDown", PageWheelScript);
}

void TVXForm::EnterLeaveTimer() { Events().EnterLeaveTimer(*this); }

void TVXForm::OnMouseDown(platform::MouseButton button, platform::Point at) {
  if (!Events().PageMouseDown(*this, button, at)) FormMouseDown(button, at);
  Events().MouseIdle();
}

void TVXForm::OnMouseMove(platform::Point at) {
  if (!Events().PageMouseMove(*this, at)) FormMouseMove(at);
  Events().MouseIdle();
}

void TVXForm::OnMouseUp(platform::MouseButton button, platform::Point at) {
  if (!Events().PageMouseUp(*this, button, at)) FormMouseUp();
  Events().MouseIdle();
}

void TVXForm::FormMouseDown(platform::MouseButton button, platform::Point at) {
  window_->ClearFocus();
  if (app_.PageDragging && button == platform::MouseButton::Left &&
      window_->GetFrameStyle() == platform::FrameStyle::None) {
    app_.DragPressed = true;
    app_.DragStarted = false;
    app_.DragAnchor = at;
  }
}

void TVXForm::FormMouseMove(platform::Point at) {
  try {
    const platform::Point cursor = app_.platform.input.CursorPos();
    if (!app_.DragStarted) {
      const platform::Point origin = window_->ClientOrigin();
      const platform::Point anchor{origin.x + app_.DragAnchor.x, origin.y + app_.DragAnchor.y};
      if (std::abs(cursor.x - anchor.x) > kDragThreshold || std::abs(cursor.y - anchor.y) > kDragThreshold) {
        app_.DragStarted = true;
        app_.DragAnchor = at;
      }
    }
    if (app_.DragPressed && app_.DragStarted) {
      platform::Rect bounds = window_->Bounds();
      bounds.left = cursor.x - app_.DragAnchor.x;
      bounds.top = cursor.y - app_.DragAnchor.y;
      window_->SetBounds(bounds);
    }
  } catch (const std::exception&) {
    // A failing move must not stop the drag.
  }
}

void TVXForm::FormMouseUp() {
  app_.DragPressed = false;
  app_.DragStarted = false;
}

}  // namespace vx
