#pragma once
// Real pixels for the simulated desktop: a Cairo surface per window or
// picture, figures drawn without anti-aliasing as the GDI draws them, text
// set by Pango in the fonts the desktop knows, Windows-1256 converted here.

#include <memory>
#include <optional>
#include <string>

#include "platform/drawing.h"
#include "util/rgba_image.h"

using cairo_surface_t = struct _cairo_surface;
using cairo_t = struct _cairo;

namespace vx::sim {

class TextLayouts;

// An ARGB surface that keeps its pixels between paints, and the text
// layouts drawn on it.
class SimSurface {
 public:
  explicit SimSurface(platform::Size size);
  ~SimSurface();
  SimSurface(const SimSurface&) = delete;
  SimSurface& operator=(const SimSurface&) = delete;

  platform::Size GetSize() const { return size_; }
  cairo_surface_t* Surface() const { return surface_; }
  void Clear(platform::Color color);

  RgbaImage ToImage() const;
  void FromImage(const RgbaImage& image);
  Rgba PixelAt(int x, int y) const;
  TextLayouts& Layouts() { return *layouts_; }

 private:
  platform::Size size_;
  cairo_surface_t* surface_ = nullptr;
  std::unique_ptr<TextLayouts> layouts_;
};

class SimCanvas : public platform::Canvas {
 public:
  explicit SimCanvas(SimSurface& surface);
  // Draws only inside area (a window painting what changed).
  SimCanvas(SimSurface& surface, platform::Rect area);
  ~SimCanvas() override;
  SimCanvas(const SimCanvas&) = delete;
  SimCanvas& operator=(const SimCanvas&) = delete;

  platform::Size CanvasSize() const override { return surface_.GetSize(); }
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  const platform::Pen& GetPen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  const platform::Brush& GetBrush() const override { return brush_; }
  void SetOrigin(platform::Point origin) override { origin_ = origin; }
  platform::Point Origin() const override { return origin_; }
  void SetClip(platform::Rect clip) override;
  void ResetClip() override { clip_.reset(); }
  platform::Rect PaintArea() const override;

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
  template <typename BuildPath>
  void FillAndStroke(BuildPath&& build, bool fill);
  void UseBrush();
  void UsePen();

  SimSurface& surface_;
  cairo_t* cr_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Point origin_;
  std::optional<platform::Rect> clip_;
  std::optional<platform::Rect> area_;
};

// A canvas on a picture in memory: the picture is copied in at the start and
// back when the canvas goes.
class SimImageCanvas : public platform::Canvas {
 public:
  explicit SimImageCanvas(RgbaImage& target);
  ~SimImageCanvas() override;

  platform::Size CanvasSize() const override { return canvas_->CanvasSize(); }
  void SetPen(const platform::Pen& pen) override { canvas_->SetPen(pen); }
  const platform::Pen& GetPen() const override { return canvas_->GetPen(); }
  void SetBrush(const platform::Brush& brush) override { canvas_->SetBrush(brush); }
  const platform::Brush& GetBrush() const override { return canvas_->GetBrush(); }
  void SetOrigin(platform::Point origin) override { canvas_->SetOrigin(origin); }
  platform::Point Origin() const override { return canvas_->Origin(); }
  void SetClip(platform::Rect clip) override { canvas_->SetClip(clip); }
  void ResetClip() override { canvas_->ResetClip(); }
  void Rectangle(int x1, int y1, int x2, int y2) override { canvas_->Rectangle(x1, y1, x2, y2); }
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h) override { canvas_->RoundRect(x1, y1, x2, y2, w, h); }
  void Ellipse(int x1, int y1, int x2, int y2) override { canvas_->Ellipse(x1, y1, x2, y2); }
  void Polygon(const std::vector<platform::Point>& points) override { canvas_->Polygon(points); }
  void Polyline(const std::vector<platform::Point>& points) override { canvas_->Polyline(points); }
  void PolyBezier(const std::vector<platform::Point>& points) override { canvas_->PolyBezier(points); }
  void Line(platform::Point from, platform::Point to) override { canvas_->Line(from, to); }
  void FillRect(platform::Rect rect, platform::Color color) override { canvas_->FillRect(rect, color); }
  void WriteText(platform::Rect box, const std::string& text, const platform::TextStyle& style) override {
    canvas_->WriteText(box, text, style);
  }
  platform::Size MeasureText(const std::string& text, const platform::FontSpec& font) override {
    return canvas_->MeasureText(text, font);
  }
  void DrawImage(const RgbaImage& image, platform::Rect dest, bool smooth) override {
    canvas_->DrawImage(image, dest, smooth);
  }

 private:
  RgbaImage& target_;
  SimSurface surface_;
  std::unique_ptr<SimCanvas> canvas_;
};

}  // namespace vx::sim
