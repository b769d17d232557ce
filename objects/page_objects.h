#pragma once
// The objects of one page in z-order, bottom first: they own the objects,
// find them by component name and draw the windowless ones.

#include <functional>
#include <memory>
#include <string_view>
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
  // By component name, without regard to case; null when none has it.
  TVXObject* Find(std::string_view componentName) const;
  void BringToFront(TVXObject& object);
  const std::vector<std::unique_ptr<TVXObject>>& InZOrder() const { return objects_; }

  // The visible windowless objects that are placed, bottom first.
  void Paint(platform::Canvas& canvas) const;

  // ShapeParent
  void InvalidateArea(platform::Rect rect, bool now) override;
  int PageCursor() const override { return pageCursor_ ? pageCursor_() : 0; }

 private:
  platform::Window& window_;
  std::function<int()> pageCursor_;
  std::vector<std::unique_ptr<TVXObject>> objects_;
};

}  // namespace vx
