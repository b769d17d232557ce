// Methods 43-48 and 70: a shape's fill and outline, pen mode, round
// rectangle, and placing a line between two points.

#include <algorithm>
#include <cstdint>

#include "objects/methods/families.h"
#include "objects/vx_shape.h"
#include "util/code_tables.h"

namespace vx::methods {

namespace {

void FillStyle(MethodCall& m);     // 43
void OutlineColour(MethodCall& m); // 44
void FillColour(MethodCall& m);    // 45
void PenMode(MethodCall& m);       // 47
void RoundRect(MethodCall& m);     // 48
void PlaceLine(MethodCall& m);     // 70

constexpr MethodRow kRows[] = {
    {43, FillStyle}, {44, OutlineColour}, {45, FillColour},
    {47, PenMode},   {48, RoundRect},     {70, PlaceLine},
};

void FillStyle(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Brush brush = shape->Shape.Brush();
    brush.style = BrushStyleFromCode(m.Int(1), brush.style);
    shape->Shape.SetBrush(brush);
  }
}

void OutlineColour(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Pen pen = shape->Shape.Pen();
    pen.color = m.Colour(1);
    shape->Shape.SetPen(pen);
  }
}

void FillColour(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Brush brush = shape->Shape.Brush();
    brush.color = m.Colour(1);
    shape->Shape.SetBrush(brush);
  }
}

void PenMode(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) {
    platform::Pen pen = shape->Shape.Pen();
    pen.mode = m.Flag(1) ? platform::PenMode::Invert : platform::PenMode::Copy;
    shape->Shape.SetPen(pen);
  }
}

void RoundRect(MethodCall& m) {
  if (auto* shape = As<VxShapeObject>(m.object)) shape->Shape.SetShape(m.Flag(1) ? stRoundRect : stRectangle);
}

int Wrap(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

// Left, Top, Width and Height take the points as they are (no "minus one"
// as method 7 has). A line along an axis gets a box one pixel thick: a box
// of no width shows nothing.
void PlaceLine(MethodCall& m) {
  auto* shape = As<VxShapeObject>(m.object);
  if (shape == nullptr || shape->Shape.Shape() != stLine) return;
  const std::int64_t x1 = m.Int(1);
  const std::int64_t y1 = m.Int(2);
  const std::int64_t x2 = m.Int(3);
  const std::int64_t y2 = m.Int(4);
  const bool falling = (x1 < x2 && y1 < y2) || (x2 < x1 && y2 < y1);
  shape->Shape.SetReverse(!falling);
  const platform::Rect box{Wrap(std::min(x1, x2)), Wrap(std::min(y1, y2)),
                           Wrap(std::max<std::int64_t>(std::max(x1, x2) - std::min(x1, x2), 1)),
                           Wrap(std::max<std::int64_t>(std::max(y1, y2) - std::min(y1, y2), 1))};
  m.object.SetBounds(box);
}

}  // namespace

std::span<const MethodRow> ShapeMethods() { return kRows; }

}  // namespace vx::methods
