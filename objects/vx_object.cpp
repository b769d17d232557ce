#include "objects/vx_object.h"

#include "objects/page_objects.h"

namespace vx {

void TVXObject::Invalidate() const {
  if (page_ != nullptr && Windowless()) page_->InvalidateArea(BoundsRect(), false);
}

void TVXControl::SetBounds(platform::Rect bounds) {
  if (bounds == bounds_) return;
  Invalidate();
  bounds_ = bounds;
  Invalidate();
  BoundsChanged();
}

void TVXControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
  VisibilityChanged();
}

void TVXControl::SetCursor(int cursor) {
  Cursor = cursor;
  CursorChanged();
}

void TVXControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
  EnabledChanged();
}

}  // namespace vx
