#include "objects/vx_shape.h"

#include "objects/page_objects.h"

namespace vx {

void VxShapeObject::SetVisible(bool visible) {
  if (visible == Shape.Visible) return;
  Shape.Visible = visible;
  Invalidate();
}

void VxShapeObject::Place(PageObjects& page) {
  TVXObject::Place(page);
  Shape.SetParent(&page);
  Shape.Invalidate();
}

}  // namespace vx
