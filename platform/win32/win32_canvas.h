#pragma once
// The drawing contract on GDI: a canvas on a device context (a window's paint
// or a bitmap in memory), and one on a picture in memory.

#include <memory>
#include <optional>

#include "platform/drawing.h"
#include "platform/win32/win32_common.h"
#include "util/rgba_image.h"

namespace vx::win32 {

class Win32Canvas : public platform::Canvas {
 public:
  // area: the part a window's paint has to draw (the whole canvas if none).
  Win32Canvas(HDC dc, platform::Size size, std::optional<platform::Rect> area = std::nullopt);
  ~Win32Canvas() override;
  Win32Canvas(const Win32Canvas&) = delete;
  Win32Canvas& operator=(const Win32Canvas&) = delete;

  platform::Size CanvasSize() const override { return size_; }
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  const platform::Pen& GetPen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  const platform::Brush& GetBrush() const override { return brush_; }
  void SetOrigin(platform::Point origin) override { origin_ = origin; }
  platform::Point Origin() const override { return origin_; }
  void SetClip(platform::Rect clip) override { clip_ = clip; }
  void ResetClip() override { clip_.reset(); }
  platform::Rect PaintArea() const override {
    return area_ ? *area_ : platform::Rect{0, 0, size_.width, size_.height};
  }

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<platform::Point>& points) override;
  void Polyline(const std::vector<platform::Point>& points) override;
  void PolyBezier(const std::vector<platform::Point>& points) override;
  void Line(platform::Point from, platform::Point to) override;
  void FillRect(platform::Rect rect, platform::Color color) override;
  void WriteText(platform::Rect box, const std::string& text, const platform::TextStyle& style) override;
  platform::Size MeasureText(const std::string& text, const platform::FontSpec& font) override;
  void DrawImage(const RgbaImage& image, platform::Rect dest, bool smooth) override;

 private:
  class Scope;
  HDC dc_;
  platform::Size size_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Point origin_;
  std::optional<platform::Rect> clip_;
  std::optional<platform::Rect> area_;
};

// Draws into a picture through a DIB section; pixels the drawing changed
// become opaque, the others keep their alpha.
class Win32ImageCanvas : public Win32Canvas {
 public:
  static std::unique_ptr<Win32ImageCanvas> Create(RgbaImage& target);
  ~Win32ImageCanvas() override;

 private:
  Win32ImageCanvas(RgbaImage& target, HDC dc, HBITMAP bitmap, HGDIOBJ old, void* bits);
  RgbaImage& target_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  void* bits_;
};

// The font a FontSpec describes, created at the screen's resolution.
HFONT CreateFontFor(HDC dc, const platform::FontSpec& font);

}  // namespace vx::win32
