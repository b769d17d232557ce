// Methods 0-11: deleting, z-order, enabled, visible, repaint, reading order,
// position, size, cursor, hint and moving to another page.

#include <cstdint>

#include "host/application.h"
#include "host/media_playback.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/methods/families.h"
#include "objects/vx_hosted.h"
#include "objects/page_objects.h"
#include "objects/vx_media.h"
#include "objects/vx_native.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "script/app_thread.h"
#include "util/error.h"

namespace vx::methods {

namespace {

void Delete(MethodCall& m);          // 0
void BringToFront(MethodCall& m);    // 1
void SendToBack(MethodCall& m);      // 2
void Enabled(MethodCall& m);         // 3
void Visible(MethodCall& m);         // 4
void Repaint(MethodCall& m);         // 5
void ReadingOrder(MethodCall& m);    // 6
void Position(MethodCall& m);        // 7
void Size(MethodCall& m);            // 8
void Cursor(MethodCall& m);          // 9
void Hint(MethodCall& m);            // 10
void MoveToPage(MethodCall& m);      // 11

constexpr MethodRow kRows[] = {
    {0, Delete},  {1, BringToFront}, {2, SendToBack}, {3, Enabled}, {4, Visible},  {5, Repaint},
    {6, ReadingOrder}, {7, Position}, {8, Size},     {9, Cursor},  {10, Hint},    {11, MoveToPage},
};

// Wraps to 32 bits, as the toolkit's integer properties take a value.
int Wrap(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

// The object goes at once; it is freed from the message loop once no script
// runs, since the handler or script that deleted it may still be using it
// (a script deleting its own object from its own event).
void Retire(Application& app, PageObjects& page, TVXObject& object) {
  object.SetVisible(false);
  object.SetEnabled(false);  // a timer stops, a control takes no more input
  page.Retire(object);
  app.platform.loop.PostToMainThread([&app, &page, alive = page.Alive()] {
    if (alive.expired()) return;
    // Inside a nested loop of a running script (a message box, a modal
    // page) the objects wait for the next deletion or the page's end.
    if (app.scripts->main.state.runs > 0) return;
    page.FreeRetired();
  });
}

void Delete(MethodCall& m) {
  PageObjects& page = m.page.Components();
  for (const char* companion : {"FIL", "SND", "TRK"}) {
    try {
      if (TVXObject* c = page.Find(companion + m.objectName)) Retire(m.app, page, *c);
    } catch (const Error&) {
      // A companion that cannot go keeps no other part from going.
    }
  }
  Retire(m.app, page, m.object);
}

void BringToFront(MethodCall& m) {
  if (IsVisual(m.object)) m.page.Components().BringToFront(m.object);
}

void SendToBack(MethodCall& m) {
  if (IsVisual(m.object)) m.page.Components().SendToBack(m.object);
}

void Enabled(MethodCall& m) {
  const bool on = m.Flag(1);
  if (auto* timer = As<TVXTimer>(m.object)) {
    // Only a real change restarts the loop count.
    if (on == timer->Enabled()) return;
    timer->SetEnabled(on);
    timer->TickCount = 0;
    return;
  }
  if (IsVisual(m.object)) m.object.SetEnabled(on);
}

void Visible(MethodCall& m) {
  if (IsVisual(m.object)) m.object.SetVisible(m.Flag(1));
}

void Repaint(MethodCall& m) {
  if (IsVisual(m.object)) m.page.Components().InvalidateArea(m.object.BoundsRect(), true);
}

void ReadingOrder(MethodCall& m) {
  const bool rightToLeft = m.Flag(1);
  if (auto* text = As<TVXText>(m.object)) {
    text->RightToLeft = rightToLeft;
    text->Changed();
  } else if (auto* native = As<TVXNativeControl>(m.object)) {
    native->SetRightToLeft(rightToLeft);
  }
  // Pictures and shapes have no text to read.
}

void Position(MethodCall& m) {
  if (!IsVisual(m.object)) return;
  platform::Rect r = m.object.BoundsRect();
  r.left = Wrap(std::int64_t{m.Int(1)} - 1);
  r.top = Wrap(std::int64_t{m.Int(2)} - 1);
  m.object.SetBounds(r);
  if (auto* video = As<TVXVideo>(m.object)) VideoMoved(m.page, *video);
}

void Size(MethodCall& m) {
  if (!IsVisual(m.object)) return;
  platform::Rect r = m.object.BoundsRect();
  r.width = m.Int(1);
  r.height = m.Int(2);
  m.object.SetBounds(r);
  if (auto* plugin = As<TVXMPlugin>(m.object)) DrawPlugin(m.app, *plugin);
}

void Cursor(MethodCall& m) {
  const int cursor = GetCursorByNum(m.Int(1));
  if (auto* control = As<TVXControl>(m.object)) control->SetCursor(cursor);
  else if (auto* shape = As<VxShapeObject>(m.object)) shape->Shape.Cursor = cursor;
}

void Hint(MethodCall& m) {
  const std::string hint = m.Text(1);
  if (auto* control = As<TVXControl>(m.object)) {
    control->Hint = hint;
    control->ShowHint = true;
  } else if (auto* shape = As<VxShapeObject>(m.object)) {
    shape->Hint = hint;
    shape->Shape.ShowHint = true;
  }
}

void MoveToPage(MethodCall& m) {
  if (!IsVisual(m.object)) return;
  const int n = PageNumberByName(m.app, m.Text(1));
  if (n < 1) return;
  TVXForm* target = m.app.FormOf(GetFormByNum(m.app, n));
  if (target == nullptr || target == &m.page) return;
  PageObjects& to = target->Components();
  // A second object of the name could never be reached there.
  if (to.Find(m.object.Name) != nullptr) return;
  std::unique_ptr<TVXObject> owned = m.page.Components().Take(m.object);
  if (!owned) return;
  TVXObject& moved = to.Add(std::move(owned));
  moved.Place(to);
  to.BringToFront(moved);
}

}  // namespace

std::span<const MethodRow> ArrangementMethods() { return kRows; }

}  // namespace vx::methods
