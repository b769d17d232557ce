#include "objects/shape_component.h"

#include <algorithm>

#include "util/hit_tests.h"

namespace vx {

TVexorelleShape::TVexorelleShape() = default;

void TVexorelleShape::Invalidate() {
  if (parent_ != nullptr) parent_->InvalidateArea(bounds_, false);
}

void TVexorelleShape::SetReverse(bool reverse) {
  if (reverse == reverse_) return;
  Invalidate();
  reverse_ = reverse;
  if (parent_ != nullptr) parent_->InvalidateArea(bounds_, true);
}

void TVexorelleShape::SetShape(TShapeType shape) {
  if (shape == shape_) return;
  Invalidate();
  shape_ = shape;
  if (parent_ != nullptr) parent_->InvalidateArea(bounds_, true);
}

// The copy's change notification invalidates once more: a page that paints
// at once must see the new pen, not the old one.
void TVexorelleShape::SetPen(const platform::Pen& pen) {
  Invalidate();
  pen_ = pen;
  StyleChanged();
}

void TVexorelleShape::SetBrush(const platform::Brush& brush) {
  Invalidate();
  brush_ = brush;
  StyleChanged();
}

void TVexorelleShape::SetBounds(platform::Rect bounds) {
  if (bounds == bounds_) return;
  Invalidate();
  bounds_ = bounds;
  Invalidate();
}

void TVexorelleShape::Paint(platform::Canvas& canvas) {
  if (parent_ == nullptr) return;
  canvas.SetPen(pen_);
  canvas.SetBrush(brush_);
  switch (shape_) {
    case stLine:
      if (reverse_) canvas.Line({Width() - 1, 0}, {0, Height() - 1});
      else canvas.Line({0, 0}, {Width() - 1, Height() - 1});
      return;
    case stPolygon:
      if (!Points.empty()) canvas.Polygon(Points);
      return;
    case stPolyline:
      if (!Points.empty()) canvas.Polyline(Points);
      return;
    case stPolyBezier: {
      if (Points.empty()) return;
      std::vector<platform::Point> curve = Points;
      while ((curve.size() - 1) % 3 != 0) curve.push_back(curve.back());
      canvas.PolyBezier(curve);
      return;
    }
    case stPolyHotSpot:
      // Kept on the shape: the outline inverts whatever lies under it.
      brush_.style = platform::BrushStyle::Clear;
      pen_.mode = platform::PenMode::Invert;
      pen_.style = platform::PenStyle::Dash;
      canvas.SetPen(pen_);
      canvas.SetBrush(brush_);
      if (!Points.empty()) canvas.Polygon(Points);
      return;
    default:
      PaintBox(canvas);
      return;
  }
}

void TVexorelleShape::PaintBox(platform::Canvas& canvas) {
  if (shape_ == stHotSpot) {
    platform::Brush brush = canvas.GetBrush();
    brush.style = platform::BrushStyle::Clear;
    canvas.SetBrush(brush);
    platform::Pen pen = canvas.GetPen();
    pen.style = platform::PenStyle::Dash;
    canvas.SetPen(pen);
  }
  const int p = pen_.width;
  int x = p / 2;
  int y = x;
  int w = Width() - p + 1;
  int h = Height() - p + 1;
  if (p == 0) {
    w = Width();
    h = Height();
  }
  const int s = std::min(w, h);
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = s;
    h = s;
  }
  switch (shape_) {
    case stRoundRect:
    case stRoundSquare: canvas.RoundRect(x, y, x + w, y + h, s / 4, s / 4); break;
    case stEllipse:
    case stCircle: canvas.Ellipse(x, y, x + w, y + h); break;
    default: canvas.Rectangle(x, y, x + w, y + h); break;
  }
}

bool TVXShape::HotAreaTest(int x, int y) {
  bool inside = true;
  switch (Shape()) {
    case stPolygon: inside = PointInPolygon(Points, static_cast<int>(Points.size()) - 1, x, y); break;
    case stCircle: inside = PointInCircle({0, 0}, {Width(), Height()}, x, y); break;
    case stEllipse: inside = PointInEllipse({0, 0}, {Width(), Height()}, x, y); break;
    default: break;
  }
  ShowHint = inside;
  return inside;
}

void TVXShape::ShowParentCursor() {
  if (Parent() != nullptr) shownCursor_ = Parent()->PageCursor();
}

void TVXShape::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(x, y);
  if (captured_) return;
  if (HotAreaTest(x, y)) {
    shownCursor_ = Cursor;
    if (!hotEntered_) {
      hotEntered_ = true;
      if (OnMouseEnter) OnMouseEnter();
    }
  } else {
    if (hotEntered_) {
      hotEntered_ = false;
      if (OnMouseLeave) OnMouseLeave();
    }
    ShowParentCursor();
  }
}

void TVXShape::MouseDown(ShapeMouseButton button, int x, int y) {
  if (!HotAreaTest(x, y)) {
    ShowParentCursor();
    return;
  }
  // As the toolkit does it, only the left button holds the mouse; a right
  // press released elsewhere would otherwise leave the shape captured.
  if (button == ShapeMouseButton::Left) captured_ = true;
  if (OnMouseDown) OnMouseDown(button, x, y);
}

void TVXShape::MouseUp(ShapeMouseButton button, int x, int y) {
  // The left release ends the capture wherever it happens; only inside does
  // the toolkit see it.
  if (button == ShapeMouseButton::Left) captured_ = false;
  if (!HotAreaTest(x, y)) return;
  if (OnMouseUp) OnMouseUp(button, x, y);
}

}  // namespace vx
