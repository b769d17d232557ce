#include "tests/support/recording_canvas.h"

namespace vx::test {

namespace {
std::string Args(std::initializer_list<int> values) {
  std::string out = "(";
  for (int v : values) {
    if (out.size() > 1) out += ",";
    out += std::to_string(v);
  }
  return out + ")";
}
}  // namespace

std::vector<std::string> RecordingCanvas::Figures() const {
  std::vector<std::string> out;
  for (const DrawCall& c : calls) out.push_back(c.figure);
  return out;
}

void RecordingCanvas::Add(std::string figure, std::vector<platform::Point> points) {
  calls.push_back({std::move(figure), std::move(points), pen_, brush_});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) { Add("Rectangle" + Args({x1, y1, x2, y2})); }
void RecordingCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  Add("RoundRect" + Args({x1, y1, x2, y2, w, h}));
}
void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) { Add("Ellipse" + Args({x1, y1, x2, y2})); }
void RecordingCanvas::Polygon(const std::vector<platform::Point>& points) {
  Add("Polygon" + Args({static_cast<int>(points.size())}), points);
}
void RecordingCanvas::Polyline(const std::vector<platform::Point>& points) {
  Add("Polyline" + Args({static_cast<int>(points.size())}), points);
}
void RecordingCanvas::PolyBezier(const std::vector<platform::Point>& points) {
  Add("PolyBezier" + Args({static_cast<int>(points.size())}), points);
}
void RecordingCanvas::Line(platform::Point from, platform::Point to) {
  Add("Line" + Args({from.x, from.y, to.x, to.y}), {from, to});
}
void RecordingCanvas::FillRect(platform::Rect r, platform::Color) {
  Add("FillRect" + Args({r.left, r.top, r.width, r.height}));
}
void RecordingCanvas::WriteText(platform::Rect, const std::string& text, const platform::TextStyle&) {
  Add("Text(" + text + ")");
}
void RecordingCanvas::DrawImage(const RgbaImage&, platform::Rect d, bool) {
  Add("Image" + Args({d.left, d.top, d.width, d.height}));
}

}  // namespace vx::test
