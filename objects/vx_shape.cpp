#include "objects/vx_shape.h"

#include "objects/page_objects.h"

namespace vx {

void VxShapeObject::SetVisible(bool visible) {
  if (visible == Shape.Visible) return;
  Shape.Visible = visible;
  Invalidate();
}

namespace {
ShapeMouseButton ShapeButton(platform::MouseButton button) {
  switch (button) {
    case platform::MouseButton::Left: return ShapeMouseButton::Left;
    case platform::MouseButton::Right: return ShapeMouseButton::Right;
    case platform::MouseButton::Middle: return ShapeMouseButton::Middle;
  }
  return ShapeMouseButton::Left;
}
}  // namespace

void VxShapeObject::MouseDown(platform::MouseButton button, platform::Point at) {
  Shape.MouseDown(ShapeButton(button), at.x, at.y);
}

void VxShapeObject::MouseUp(platform::MouseButton button, platform::Point at) {
  Shape.MouseUp(ShapeButton(button), at.x, at.y);
}

void VxShapeObject::Place(PageObjects& page) {
  TVXObject::Place(page);
  Shape.SetParent(&page);
  Shape.Invalidate();
}

void VxShapeObject::Unplace() {
  TVXObject::Unplace();
  Shape.SetParent(nullptr);
}

}  // namespace vx
