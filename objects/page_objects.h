#pragma once
// The objects of one page in z-order, bottom first: they own the objects,
// find them by component name and draw the windowless ones.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "objects/shape_component.h"
#include "objects/vx_object.h"
#include "platform/forms.h"

namespace vx {

class PageObjects : public ShapeParent {
 public:
  // pageCursor tells the page's own cursor number.
  PageObjects(platform::Window& window, std::function<int()> pageCursor);
  ~PageObjects() override;
  PageObjects(const PageObjects&) = delete;
  PageObjects& operator=(const PageObjects&) = delete;

  platform::Window& Window() const { return window_; }

  // On top of the others, as a new component is.
  TVXObject& Add(std::unique_ptr<TVXObject> object);
  // By component name, without regard to case (A to Z only); null when
  // none has it; of two with one name, the one lower in the z-order. In
  // constant time: the list keeps an index of the names it holds, which
  // follows every change (ComponentName tells it of a rename).
  TVXObject* Find(std::string_view componentName) const;
  void BringToFront(TVXObject& object);
  void SendToBack(TVXObject& object);
  // Scripts can take objects off the list while a caller walks it (object
  // methods 0 and 11): walk a copy of it and skip the objects whose
  // Holder() is no longer this list. Objects that leave the list stay alive
  // (retired, or on another page) until FreeRetired, which runs only while
  // no script does.
  const std::vector<std::unique_ptr<TVXObject>>& InZOrder() const { return objects_; }

  // Off the list, to another page: the object is taken off this page and
  // handed over; null when the list does not hold it.
  std::unique_ptr<TVXObject> Take(TVXObject& object);
  // Deleted: off the list and off the page at once, but kept alive until
  // FreeRetired, since the event handler or script that deleted it may
  // still be running on it.
  void Retire(TVXObject& object);
  bool HasRetired() const { return !retired_.empty(); }
  // Frees the retired objects; only where nothing can be using them (no
  // script runs on the main thread).
  void FreeRetired();
  // Expires when this list goes; for calls posted to the message loop.
  std::weak_ptr<const int> Alive() const { return alive_; }

  // The topmost visible windowless object whose bounds hold the point (page
  // client coordinates), as the toolkit finds the control that gets the
  // page's mouse; disabled ones count only with allowDisabled. Null: none.
  TVXObject* WindowlessAt(platform::Point at, bool allowDisabled) const;
  // The topmost visible, enabled native control whose bounds hold the
  // point: the mouse is its own there, not the page's. Null: none.
  TVXObject* NativeAt(platform::Point at) const;

  // The visible windowless objects that are placed and meet the canvas's
  // paint area, bottom first.
  void Paint(platform::Canvas& canvas) const;

  // ShapeParent: marks the area for the window's next paint; now repaints
  // the whole page at once (when it is shown).
  void InvalidateArea(platform::Rect rect, bool now) override;
  int PageCursor() const override { return pageCursor_ ? pageCursor_() : 0; }

 private:
  friend class ComponentName;
  // The index follows the names: a rename takes the object out under its
  // old name and back in under the new one.
  void Index(TVXObject& object);
  void Unindex(TVXObject& object);

  struct FoldedHash {
    std::size_t operator()(std::string_view name) const noexcept;
  };
  struct SameFolded {
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };

  platform::Window& window_;
  std::function<int()> pageCursor_;
  std::vector<std::unique_ptr<TVXObject>> objects_;
  std::vector<std::unique_ptr<TVXObject>> retired_;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
  // Keys are views of the objects' own names, valid while they are indexed.
  std::unordered_multimap<std::string_view, TVXObject*, FoldedHash, SameFolded> byName_;
  // The z-order keys at the ends: Add and BringToFront take one above the
  // top, SendToBack one below the bottom.
  std::int64_t topKey_ = 0;
  std::int64_t bottomKey_ = 0;
};

}  // namespace vx
