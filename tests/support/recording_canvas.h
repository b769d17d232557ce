#pragma once
// A canvas that draws nothing and writes down every figure with the pen and
// brush it was drawn with, for geometry tests.

#include <string>
#include <vector>

#include "platform/drawing.h"

namespace vx::test {

struct DrawCall {
  std::string figure;  // "Rectangle(1,1,19,9)", "PolyBezier(7)", ...
  std::vector<platform::Point> points;
  platform::Pen pen;
  platform::Brush brush;
};

class RecordingCanvas : public platform::Canvas {
 public:
  std::vector<DrawCall> calls;
  std::vector<std::string> Figures() const;

  platform::Size CanvasSize() const override { return {1000, 1000}; }
  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  const platform::Pen& GetPen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  const platform::Brush& GetBrush() const override { return brush_; }
  void SetOrigin(platform::Point origin) override { origin_ = origin; }
  platform::Point Origin() const override { return origin_; }
  void SetClip(platform::Rect) override {}
  void ResetClip() override {}
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(const std::vector<platform::Point>& points) override;
  void Polyline(const std::vector<platform::Point>& points) override;
  void PolyBezier(const std::vector<platform::Point>& points) override;
  void Line(platform::Point from, platform::Point to) override;
  void FillRect(platform::Rect rect, platform::Color color) override;
  void WriteText(platform::Rect box, const std::string& text, const platform::TextStyle& style) override;
  platform::Size MeasureText(const std::string& text, const platform::FontSpec&) override {
    return {static_cast<int>(text.size()) * 6, 13};
  }
  void DrawImage(const RgbaImage& image, platform::Rect dest, bool smooth) override;

 private:
  void Add(std::string figure, std::vector<platform::Point> points = {});
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Point origin_;
};

}  // namespace vx::test
