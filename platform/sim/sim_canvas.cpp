#include "platform/sim/sim_canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <unordered_map>

#include "util/codepage.h"
#include "util/error.h"

namespace vx::sim {

namespace {

// Windows lays text out at 96 pixels per inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

void SetSourceColor(cairo_t* cr, platform::Color c) {
  cairo_set_source_rgb(cr, platform::RedOf(c) / 255.0, platform::GreenOf(c) / 255.0, platform::BlueOf(c) / 255.0);
}

std::uint8_t Premultiply(std::uint8_t c, std::uint8_t a) { return static_cast<std::uint8_t>((c * a + 127) / 255); }
std::uint8_t Unpremultiply(std::uint8_t c, std::uint8_t a) {
  return a == 0 ? 0 : static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

std::uint32_t PackArgb(Rgba p) {
  return (std::uint32_t{p.a} << 24) | (std::uint32_t{Premultiply(p.r, p.a)} << 16) |
         (std::uint32_t{Premultiply(p.g, p.a)} << 8) | Premultiply(p.b, p.a);
}

Rgba UnpackArgb(std::uint32_t v) {
  const auto a = static_cast<std::uint8_t>(v >> 24);
  return {Unpremultiply(static_cast<std::uint8_t>(v >> 16), a), Unpremultiply(static_cast<std::uint8_t>(v >> 8), a),
          Unpremultiply(static_cast<std::uint8_t>(v), a), a};
}

cairo_surface_t* SurfaceFromImage(const RgbaImage& image) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.Width(), image.Height());
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < image.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const Rgba* src = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) row[x] = PackArgb(src[x]);
  }
  cairo_surface_mark_dirty(s);
  return s;
}

// The GDI's dash patterns; they apply to 1-pixel pens only.
struct DashPattern {
  platform::PenStyle style;
  std::vector<double> lengths;
};
const std::vector<DashPattern>& DashPatterns() {
  static const std::vector<DashPattern> patterns = {
      {platform::PenStyle::Dash, {18, 6}},
      {platform::PenStyle::Dot, {3, 3}},
      {platform::PenStyle::DashDot, {9, 6, 3, 6}},
      {platform::PenStyle::DashDotDot, {9, 3, 3, 3, 3, 3}},
  };
  return patterns;
}

// The 8 x 8 hatch of a brush style: which pixels of a cell are painted.
bool HatchPixel(platform::BrushStyle style, int x, int y) {
  using platform::BrushStyle;
  switch (style) {
    case BrushStyle::Horizontal: return y == 7;
    case BrushStyle::Vertical: return x == 7;
    case BrushStyle::ForwardDiagonal: return x == y;
    case BrushStyle::BackwardDiagonal: return x == 7 - y;
    case BrushStyle::Cross: return x == 7 || y == 7;
    case BrushStyle::DiagonalCross: return x == y || x == 7 - y;
    case BrushStyle::Solid: return true;
    case BrushStyle::Clear: return false;
  }
  return false;
}

}  // namespace

// SimSurface

// Setting a caption's glyphs is most of the cost of drawing it: a window
// draws the same captions paint after paint, so their layouts are kept,
// each made once for everything that decides how it is set.
class TextLayouts {
 public:
  TextLayouts() = default;
  ~TextLayouts() { Drop(); }
  TextLayouts(const TextLayouts&) = delete;
  TextLayouts& operator=(const TextLayouts&) = delete;

  PangoLayout* Find(const std::string& key) const {
    const auto at = layouts_.find(key);
    return at == layouts_.end() ? nullptr : at->second;
  }
  // Takes the reference; a window that shows ever new captions starts over
  // now and then instead of growing without end.
  void Keep(const std::string& key, PangoLayout* layout) {
    if (layouts_.size() >= kMostKept) Drop();
    layouts_.emplace(key, layout);
  }

 private:
  static constexpr std::size_t kMostKept = 1024;
  void Drop() {
    for (auto& [key, layout] : layouts_) g_object_unref(layout);
    layouts_.clear();
  }
  std::unordered_map<std::string, PangoLayout*> layouts_;
};

SimSurface::SimSurface(platform::Size size)
    : size_{std::max(0, size.width), std::max(0, size.height)}, layouts_(std::make_unique<TextLayouts>()) {
  if (!RgbaImage::SizeAllowed(size_.width, size_.height)) throw Error("surface too large");
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size_.width, size_.height);
}

SimSurface::~SimSurface() { cairo_surface_destroy(surface_); }

void SimSurface::Clear(platform::Color color) {
  cairo_t* cr = cairo_create(surface_);
  SetSourceColor(cr, color);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
}

RgbaImage SimSurface::ToImage() const {
  RgbaImage image(size_.width, size_.height);
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < size_.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    Rgba* out = image.Row(y);
    for (int x = 0; x < size_.width; ++x) out[x] = UnpackArgb(row[x]);
  }
  return image;
}

void SimSurface::FromImage(const RgbaImage& image) {
  if (image.Width() != size_.width || image.Height() != size_.height) throw Error("surface size mismatch");
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < size_.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const Rgba* src = image.Row(y);
    for (int x = 0; x < size_.width; ++x) row[x] = PackArgb(src[x]);
  }
  cairo_surface_mark_dirty(surface_);
}

Rgba SimSurface::PixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return {0, 0, 0, 0};
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  return UnpackArgb(reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x]);
}

// SimCanvas

// Every call draws in its own save/restore with the origin and clip applied.
class SimCanvas::Scope {
 public:
  explicit Scope(SimCanvas& c) : cr_(c.cr_) {
    cairo_save(cr_);
    cairo_translate(cr_, c.origin_.x, c.origin_.y);
    if (c.clip_) {
      cairo_rectangle(cr_, c.clip_->left, c.clip_->top, c.clip_->width, c.clip_->height);
      cairo_clip(cr_);
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  }
  ~Scope() { cairo_restore(cr_); }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  cairo_t* cr_;
};

SimCanvas::SimCanvas(SimSurface& surface) : surface_(surface), cr_(cairo_create(surface.Surface())) {}

SimCanvas::SimCanvas(SimSurface& surface, platform::Rect area) : SimCanvas(surface) {
  area_ = area;
  // Under every call's own save and restore: it stays for the canvas's life.
  cairo_rectangle(cr_, area.left, area.top, area.width, area.height);
  cairo_clip(cr_);
}

platform::Rect SimCanvas::PaintArea() const {
  if (area_) return *area_;
  return {0, 0, surface_.GetSize().width, surface_.GetSize().height};
}

SimCanvas::~SimCanvas() {
  cairo_destroy(cr_);
  cairo_surface_flush(surface_.Surface());
}

void SimCanvas::SetClip(platform::Rect clip) { clip_ = clip; }

void SimCanvas::UseBrush() {
  if (brush_.style == platform::BrushStyle::Solid) {
    SetSourceColor(cr_, brush_.color);
    return;
  }
  RgbaImage cell(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (HatchPixel(brush_.style, x, y)) cell.At(x, y) = RgbaOf(brush_.color);
  cairo_surface_t* s = SurfaceFromImage(cell);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(s);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  // Hatches line up with the canvas, not with the figure.
  cairo_matrix_t m;
  cairo_matrix_init_translate(&m, origin_.x, origin_.y);
  cairo_pattern_set_matrix(pattern, &m);
  cairo_set_source(cr_, pattern);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(s);
}

void SimCanvas::UsePen() {
  const int width = std::max(1, pen_.width);
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, width > 1 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
  cairo_set_line_join(cr_, width > 1 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
  cairo_set_dash(cr_, nullptr, 0, 0);
  if (width == 1) {
    for (const DashPattern& d : DashPatterns())
      if (d.style == pen_.style) cairo_set_dash(cr_, d.lengths.data(), static_cast<int>(d.lengths.size()), 0);
  }
  if (pen_.mode == platform::PenMode::Invert) {
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
  } else {
    SetSourceColor(cr_, pen_.color);
  }
}

template <typename BuildPath>
void SimCanvas::FillAndStroke(BuildPath&& build, bool fill) {
  Scope scope(*this);
  if (fill && brush_.style != platform::BrushStyle::Clear) {
    cairo_new_path(cr_);
    build();
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    UseBrush();
    cairo_fill(cr_);
  }
  if (pen_.style != platform::PenStyle::Clear) {
    cairo_new_path(cr_);
    build();
    UsePen();
    cairo_stroke(cr_);
  }
}

// Outlines run through pixel centres: a 1-pixel pen then covers exactly the
// pixels x1 ... x2 - 1, and a fill of the same path the pixels inside.
void SimCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  FillAndStroke([&] { cairo_rectangle(cr_, x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1); }, true);
}

void SimCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  if (x2 <= x1 || y2 <= y1) return;
  const double l = x1 + 0.5, t = y1 + 0.5, r = x2 - 0.5, b = y2 - 0.5;
  const double rx = std::min(std::max(0, cornerWidth) / 2.0, (r - l) / 2);
  const double ry = std::min(std::max(0, cornerHeight) / 2.0, (b - t) / 2);
  FillAndStroke(
      [&] {
        if (rx <= 0 || ry <= 0) {
          cairo_rectangle(cr_, l, t, r - l, b - t);
          return;
        }
        const struct {
          double cx, cy, from;
        } corners[] = {{r - rx, t + ry, -M_PI / 2}, {r - rx, b - ry, 0}, {l + rx, b - ry, M_PI / 2},
                       {l + rx, t + ry, M_PI}};
        for (const auto& c : corners) {
          cairo_save(cr_);
          cairo_translate(cr_, c.cx, c.cy);
          cairo_scale(cr_, rx, ry);
          cairo_arc(cr_, 0, 0, 1, c.from, c.from + M_PI / 2);
          cairo_restore(cr_);
        }
        cairo_close_path(cr_);
      },
      true);
}

void SimCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const double rx = (x2 - x1 - 1) / 2.0, ry = (y2 - y1 - 1) / 2.0;
  FillAndStroke(
      [&] {
        cairo_save(cr_);
        cairo_translate(cr_, (x1 + x2) / 2.0, (y1 + y2) / 2.0);
        cairo_scale(cr_, std::max(rx, 0.01), std::max(ry, 0.01));
        cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr_);
        cairo_close_path(cr_);
      },
      true);
}

void SimCanvas::Polygon(const std::vector<platform::Point>& points) {
  if (points.empty()) return;
  FillAndStroke(
      [&] {
        for (const platform::Point& p : points) cairo_line_to(cr_, p.x + 0.5, p.y + 0.5);
        cairo_close_path(cr_);
      },
      true);
}

void SimCanvas::Polyline(const std::vector<platform::Point>& points) {
  if (points.size() < 2) return;
  FillAndStroke(
      [&] {
        for (const platform::Point& p : points) cairo_line_to(cr_, p.x + 0.5, p.y + 0.5);
      },
      false);
}

void SimCanvas::PolyBezier(const std::vector<platform::Point>& points) {
  if (points.size() < 4) return;
  FillAndStroke(
      [&] {
        cairo_move_to(cr_, points[0].x + 0.5, points[0].y + 0.5);
        for (std::size_t i = 1; i + 2 < points.size(); i += 3)
          cairo_curve_to(cr_, points[i].x + 0.5, points[i].y + 0.5, points[i + 1].x + 0.5, points[i + 1].y + 0.5,
                         points[i + 2].x + 0.5, points[i + 2].y + 0.5);
      },
      false);
}

void SimCanvas::Line(platform::Point from, platform::Point to) {
  if (from == to) return;
  // Moved back by half a pixel along the line: the first pixel is drawn, the
  // last one is not, as LineTo does.
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double len = std::hypot(dx, dy);
  const double bx = 0.5 * dx / len, by = 0.5 * dy / len;
  FillAndStroke(
      [&] {
        cairo_move_to(cr_, from.x + 0.5 - bx, from.y + 0.5 - by);
        cairo_line_to(cr_, to.x + 0.5 - bx, to.y + 0.5 - by);
      },
      false);
}

void SimCanvas::FillRect(platform::Rect rect, platform::Color color) {
  if (rect.width <= 0 || rect.height <= 0) return;
  Scope scope(*this);
  cairo_rectangle(cr_, rect.left, rect.top, rect.width, rect.height);
  SetSourceColor(cr_, color);
  cairo_fill(cr_);
}

namespace {

PangoFontDescription* DescriptionOf(const platform::FontSpec& font) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, font.name.c_str());
  pango_font_description_set_absolute_size(d, std::max(1, font.size) * kPixelsPerPoint * PANGO_SCALE);
  pango_font_description_set_weight(d, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return d;
}

PangoLayout* LayoutOf(cairo_t* cr, const std::string& text, const platform::FontSpec& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* d = DescriptionOf(font);
  pango_layout_set_font_description(layout, d);
  pango_font_description_free(d);
  const std::string utf8 = Cp1256ToUtf8(text);
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  if (font.underline || font.strikeOut) {
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
  }
  return layout;
}

}  // namespace

namespace {

// Everything that decides how WriteText sets a text.
std::string LayoutKey(const std::string& text, const platform::TextStyle& style, int wrapWidth) {
  const platform::FontSpec& f = style.font;
  std::string key = f.name;
  key.push_back('\0');
  for (const int n : {f.size, static_cast<int>(f.charset), static_cast<int>(f.bold), static_cast<int>(f.italic),
                      static_cast<int>(f.underline), static_cast<int>(f.strikeOut),
                      static_cast<int>(style.rightToLeft), static_cast<int>(style.alignment), wrapWidth})
    key += std::to_string(n) + ',';
  key.push_back('\0');
  key += text;
  return key;
}

}  // namespace

void SimCanvas::WriteText(platform::Rect box, const std::string& text, const platform::TextStyle& style) {
  if (text.empty() || box.width <= 0 || box.height <= 0) return;
  Scope scope(*this);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
  cairo_rectangle(cr_, box.left, box.top, box.width, box.height);
  cairo_clip(cr_);
  PangoAlignment align = PANGO_ALIGN_LEFT;
  if (style.alignment == platform::TextAlignment::Center) align = PANGO_ALIGN_CENTER;
  else if ((style.alignment == platform::TextAlignment::Right) != style.rightToLeft) align = PANGO_ALIGN_RIGHT;
  const std::string key = LayoutKey(text, style, style.wordWrap ? box.width : -1);
  // Kept as made: every canvas on this surface has its font options, and
  // the origin moves only whole pixels, which does not change the glyphs.
  PangoLayout* layout = surface_.Layouts().Find(key);
  if (layout == nullptr) {
    layout = LayoutOf(cr_, text, style.font);
    pango_layout_set_auto_dir(layout, FALSE);
    pango_context_set_base_dir(pango_layout_get_context(layout),
                               style.rightToLeft ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR);
    pango_layout_context_changed(layout);
    // A layout with a width breaks its lines at that width, so only a
    // wrapping text gets one; the other keeps its lines whole and is cut at
    // the box by the clip.
    if (style.wordWrap) {
      pango_layout_set_width(layout, box.width * PANGO_SCALE);
      pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    }
    // Without auto direction Pango takes the alignment as it is: the
    // paragraph's direction is the base direction, so nothing is mirrored.
    pango_layout_set_alignment(layout, align);
    surface_.Layouts().Keep(key, layout);
  }
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  int top = box.top;
  if (style.layout == platform::TextLayout::Center) top += (box.height - h) / 2;
  else if (style.layout == platform::TextLayout::Bottom) top += box.height - h;
  // Without a width Pango aligns the lines among themselves; the box
  // aligns the whole, so a line wider than the box overhangs on the side
  // away from the alignment.
  int left = box.left;
  if (!style.wordWrap) {
    if (align == PANGO_ALIGN_CENTER) left += (box.width - w) / 2;
    else if (align == PANGO_ALIGN_RIGHT) left += box.width - w;
  }
  SetSourceColor(cr_, style.color);
  cairo_move_to(cr_, left, top);
  pango_cairo_show_layout(cr_, layout);
}

platform::Size SimCanvas::MeasureText(const std::string& text, const platform::FontSpec& font) {
  PangoLayout* layout = LayoutOf(cr_, text, font);
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  g_object_unref(layout);
  return {w, h};
}

void SimCanvas::DrawImage(const RgbaImage& image, platform::Rect dest, bool smooth) {
  if (image.Empty() || dest.width <= 0 || dest.height <= 0) return;
  Scope scope(*this);
  cairo_surface_t* s = SurfaceFromImage(image);
  cairo_rectangle(cr_, dest.left, dest.top, dest.width, dest.height);
  cairo_clip(cr_);
  cairo_translate(cr_, dest.left, dest.top);
  cairo_scale(cr_, static_cast<double>(dest.width) / image.Width(), static_cast<double>(dest.height) / image.Height());
  cairo_set_source_surface(cr_, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
  cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
  cairo_paint(cr_);
  cairo_surface_destroy(s);
}

// SimImageCanvas

SimImageCanvas::SimImageCanvas(RgbaImage& target)
    : target_(target), surface_({target.Width(), target.Height()}) {
  surface_.FromImage(target);
  canvas_ = std::make_unique<SimCanvas>(surface_);
}

SimImageCanvas::~SimImageCanvas() {
  canvas_.reset();
  target_ = surface_.ToImage();
}

}  // namespace vx::sim
