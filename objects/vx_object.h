#pragma once
// What every authored object has: its component name, its kind, its hover
// tag and the page it is placed on; and the common ground of the visual
// kinds (bounds, visibility, hint, cursor, the four mouse scripts).

#include <cstdint>
#include <functional>
#include <string>

#include "host/object_kinds.h"
#include "objects/component_name.h"
#include "platform/drawing.h"
#include "platform/forms.h"
#include "platform/types.h"
#include "util/lines.h"

namespace vx {

class PageObjects;

class TVXObject {
 public:
  explicit TVXObject(ObjectKind kind) : kind_(kind) {}
  virtual ~TVXObject() = default;
  TVXObject(const TVXObject&) = delete;
  TVXObject& operator=(const TVXObject&) = delete;

  ObjectKind Kind() const { return kind_; }
  // The component name: a temporary one from the factory, then "OBJ" + name.
  ComponentName Name{*this};
  // The hover state of event routing: 0 out, 1 hovered, 2 a focused edit.
  int Tag = 0;

  virtual platform::Rect BoundsRect() const { return {}; }
  virtual void SetBounds(platform::Rect /*bounds*/) {}
  virtual bool Visible() const { return false; }
  virtual void SetVisible(bool /*visible*/) {}
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  // The list that holds it, from PageObjects::Add until it is taken off
  // (deleted or on its way to another page); null meanwhile.
  PageObjects* Holder() const { return holder_; }

  // Given its parent by the kind's last field; not shown before.
  bool Placed() const { return page_ != nullptr; }
  PageObjects* Page() const { return page_; }
  virtual void Place(PageObjects& page) { page_ = &page; }
  // Taken off its page (deleted, or on its way to another page): it is no
  // longer drawn there and no longer asks that page to paint.
  virtual void Unplace() { page_ = nullptr; }

  // Windowless objects are drawn by their page, bottom first; the others
  // are native controls above all of them.
  virtual bool Windowless() const { return true; }
  // With the canvas origin at the object's top-left corner.
  virtual void Paint(platform::Canvas& /*canvas*/) {}
  // Takes the bounds its paint would give it (an auto-sized text), so the
  // page can tell what a paint covers before it draws.
  virtual void Settle(platform::Canvas& /*canvas*/) {}
  // Its paint fills every pixel of its bounds: what lies wholly under it
  // need not be drawn.
  virtual bool Opaque() const { return false; }
  // The page moved it to the top of the z-order.
  virtual void Raised() {}
  // The page moved it to the bottom of the z-order.
  virtual void Lowered() {}
  // Sounds and timers take no part in the z-order passes after loading.
  virtual bool InZOrderPasses() const { return true; }
  // The page's mouse, handed to the windowless object under it (or the one
  // a press captured), in the object's client coordinates.
  virtual void MouseDown(platform::MouseButton /*button*/, platform::Point /*at*/) {}
  virtual void MouseUp(platform::MouseButton /*button*/, platform::Point /*at*/) {}
  virtual void MouseMove(platform::Point /*at*/) {}

 protected:
  // Asks the page to draw the object's area again.
  void Invalidate() const;

 private:
  friend class PageObjects;
  ObjectKind kind_;
  PageObjects* page_ = nullptr;
  PageObjects* holder_ = nullptr;
  // Its place in the holder's z-order: higher is nearer the top.
  std::int64_t zKey_ = 0;
};

// Text, edit box, button and picture.
class TVXControl : public TVXObject {
 public:
  using TVXObject::TVXObject;

  platform::Rect BoundsRect() const override { return bounds_; }
  void SetBounds(platform::Rect bounds) override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  std::string Hint;
  bool ShowHint = false;
  // The number the record gave; Cursor is what shows over the object.
  std::int8_t RealCursor = 0;
  int Cursor = 0;
  // Cursor as a script changes it: a native control shows it at once.
  void SetCursor(int cursor);

  LineList evntMDown;
  LineList evntMUp;
  LineList evntMEnter;
  LineList evntMLeave;
  // The page host's enter and leave handlers, which event routing attaches.
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;

 protected:
  // A native control follows these.
  virtual void BoundsChanged() {}
  virtual void VisibilityChanged() {}
  virtual void EnabledChanged() {}
  virtual void CursorChanged() {}

  platform::Rect bounds_{0, 0, 0, 0};
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace vx
