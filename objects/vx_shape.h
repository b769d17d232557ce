#pragma once
// A shape or hot area as a page object: the shape component itself, with
// the bounds, visibility and hint of the object list.

#include "objects/shape_component.h"
#include "objects/vx_object.h"

namespace vx {

class VxShapeObject : public TVXObject {
 public:
  VxShapeObject() : TVXObject(ObjectKind::Shape) {}

  TVXShape Shape;

  platform::Rect BoundsRect() const override { return Shape.BoundsRect(); }
  void SetBounds(platform::Rect bounds) override { Shape.SetBounds(bounds); }
  bool Visible() const override { return Shape.Visible; }
  void SetVisible(bool visible) override;
  bool Enabled() const override { return Shape.Enabled; }
  void SetEnabled(bool enabled) override { Shape.Enabled = enabled; }
  void Place(PageObjects& page) override;
  void Unplace() override;
  void Paint(platform::Canvas& canvas) override { Shape.Paint(canvas); }
  // To the component, which keeps to its hot area.
  void MouseDown(platform::MouseButton button, platform::Point at) override;
  void MouseUp(platform::MouseButton button, platform::Point at) override;
  void MouseMove(platform::Point at) override { Shape.MouseMove(at.x, at.y); }

  std::string Hint;
};

}  // namespace vx
