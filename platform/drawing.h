#pragma once
// Drawing on a window's client area or on a picture in memory. Coordinates
// are pixels with the origin at the top-left corner; figures follow the
// rules of the Windows GDI, which stored projects were authored against: a
// box from (x1, y1) to (x2, y2) covers x1 ... x2 - 1 and y1 ... y2 - 1 with a
// 1-pixel pen, a wider pen is centred on that outline, and a line leaves out
// its last pixel.

#include <string>
#include <vector>

#include "platform/fonts.h"
#include "platform/types.h"
#include "platform/widget_settings.h"

namespace vx {
class RgbaImage;
}

namespace vx::platform {

// How the pen meets what is already there: painted, or the pixels under it
// inverted (the dashed outline of a hot spot that shows on any background).
enum class PenMode { Copy, Invert };

struct Pen {
  Color color = 0;  // black
  int width = 1;    // 0 draws like 1
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  bool operator==(const Pen&) const = default;
};

struct Brush {
  Color color = 0xFFFFFF;  // white
  BrushStyle style = BrushStyle::Solid;
  bool operator==(const Brush&) const = default;
};

struct TextStyle {
  FontSpec font;
  Color color = 0;
  TextAlignment alignment = TextAlignment::Left;
  TextLayout layout = TextLayout::Top;
  bool rightToLeft = false;  // reading order; mirrors left and right alignment
  bool wordWrap = false;
  bool operator==(const TextStyle&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual Size CanvasSize() const = 0;

  virtual void SetPen(const Pen& pen) = 0;
  virtual const Pen& GetPen() const = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual const Brush& GetBrush() const = 0;

  // Every later coordinate is moved by origin; drawing is kept inside clip
  // (given in the moved coordinates) until the clip is reset.
  virtual void SetOrigin(Point origin) = 0;
  virtual Point Origin() const = 0;
  virtual void SetClip(Rect clip) = 0;
  virtual void ResetClip() = 0;
  // The part of the canvas this paint has to draw, in canvas coordinates
  // without the origin; pixels outside it keep what they had, whatever is
  // drawn there. The whole canvas unless a window paints only what changed.
  virtual Rect PaintArea() const { return {0, 0, CanvasSize().width, CanvasSize().height}; }

  // The figures below are outlined with the pen and filled with the brush.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // Corners are quarters of an ellipse cornerWidth x cornerHeight.
  virtual void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Closed, filled with the even-odd rule.
  virtual void Polygon(const std::vector<Point>& points) = 0;
  // Outlined only.
  virtual void Polyline(const std::vector<Point>& points) = 0;
  // A start point and then three points per cubic curve; left-over points
  // that do not make a full curve are not drawn.
  virtual void PolyBezier(const std::vector<Point>& points) = 0;
  virtual void Line(Point from, Point to) = 0;

  // Without pen or brush.
  virtual void FillRect(Rect rect, Color color) = 0;

  virtual void WriteText(Rect box, const std::string& text, const TextStyle& style) = 0;
  virtual Size MeasureText(const std::string& text, const FontSpec& font) = 0;

  // The picture scaled to dest and laid over what is there by its alpha;
  // smooth filters when scaling, otherwise the nearest pixel is taken.
  virtual void DrawImage(const RgbaImage& image, Rect dest, bool smooth) = 0;
};

}  // namespace vx::platform
