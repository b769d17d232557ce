#pragma once
// Authored shapes and hot spots: a windowless control that paints one of
// twelve kinds from its pen, brush and points, and the hot-area logic the
// page's event routing relies on.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/types.h"
#include "util/lines.h"

namespace vx {

enum TShapeType : std::uint8_t {
  stRectangle = 0,
  stSquare = 1,
  stRoundRect = 2,
  stRoundSquare = 3,
  stEllipse = 4,
  stCircle = 5,
  stLine = 6,
  stPolygon = 7,
  stPolyline = 8,
  stPolyBezier = 9,
  stHotSpot = 10,
  stPolyHotSpot = 11,
};

// What a windowless control needs from the page it sits on.
class ShapeParent {
 public:
  virtual ~ShapeParent() = default;
  // The part of the page under rect (page client coordinates) needs
  // painting; now asks for it before returning.
  virtual void InvalidateArea(platform::Rect rect, bool now) = 0;
  // The page's own cursor number.
  virtual int PageCursor() const = 0;
};

enum class ShapeMouseButton { Left, Right, Middle };

class TVexorelleShape {
 public:
  TVexorelleShape();
  virtual ~TVexorelleShape() = default;
  TVexorelleShape(const TVexorelleShape&) = delete;
  TVexorelleShape& operator=(const TVexorelleShape&) = delete;

  // Stored for the scripts; only Reverse has behaviour.
  std::string RealHint;
  std::string RealName;
  int RealLeft = 0;
  int RealTop = 0;
  bool LockPosition = false;
  bool RealEnabled = true;
  bool RealVisible = true;
  std::int8_t RealCursor = 0;

  bool Reverse() const { return reverse_; }
  void SetReverse(bool reverse);
  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType shape);
  const platform::Pen& Pen() const { return pen_; }
  void SetPen(const platform::Pen& pen);
  const platform::Brush& Brush() const { return brush_; }
  void SetBrush(const platform::Brush& brush);
  // The change notification of pen and brush.
  void StyleChanged() { Invalidate(); }

  // Relative to the shape's top-left corner.
  std::vector<platform::Point> Points;

  // The control: bounds in page client coordinates.
  ShapeParent* Parent() const { return parent_; }
  void SetParent(ShapeParent* parent) { parent_ = parent; }
  platform::Rect BoundsRect() const { return bounds_; }
  void SetBounds(platform::Rect bounds);
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  bool Visible = true;
  bool Enabled = true;
  bool ShowHint = false;
  int Cursor = 0;  // the shape's own cursor number

  void Invalidate();
  // Draws with the canvas origin at the shape's top-left corner; nothing
  // without a parent.
  virtual void Paint(platform::Canvas& canvas);

  static constexpr int kNewSize = 65;

 protected:
  platform::Pen pen_;
  platform::Brush brush_;

 private:
  void PaintBox(platform::Canvas& canvas);

  ShapeParent* parent_ = nullptr;
  platform::Rect bounds_{0, 0, kNewSize, kNewSize};
  TShapeType shape_ = stRectangle;
  bool reverse_ = false;
};

class TVXShape : public TVexorelleShape {
 public:
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  LineList evntMDown;
  LineList evntMUp;
  LineList evntMEnter;
  LineList evntMLeave;

  // The toolkit's own mouse events, which the page's handlers take.
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(ShapeMouseButton button, int x, int y)> OnMouseDown;
  std::function<void(ShapeMouseButton button, int x, int y)> OnMouseUp;

  // Inside the hot area, at client coordinates of the shape; the hint shows
  // only there.
  bool HotAreaTest(int x, int y);

  // Mouse input at client coordinates of the shape.
  void MouseMove(int x, int y);
  void MouseDown(ShapeMouseButton button, int x, int y);
  void MouseUp(ShapeMouseButton button, int x, int y);

  bool HotEntered() const { return hotEntered_; }
  // The hover poller enters and leaves too.
  void SetHotEntered(bool entered) { hotEntered_ = entered; }
  // A press on the shape holds the mouse until its release.
  bool MouseCaptured() const { return captured_; }
  // The cursor shown over the shape now.
  int ShownCursor() const { return shownCursor_; }

 private:
  void ShowParentCursor();

  bool hotEntered_ = false;
  bool captured_ = false;
  int shownCursor_ = 0;
};

}  // namespace vx
