#include "platform/win32/win32_canvas.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/win32_text.h"
#include "util/imaging/scale.h"

namespace vx::win32 {

namespace {

struct PenStyleCode {
  platform::PenStyle style;
  int code;
};
constexpr PenStyleCode kPenStyles[] = {
    {platform::PenStyle::Solid, PS_SOLID}, {platform::PenStyle::Dash, PS_DASH},
    {platform::PenStyle::Dot, PS_DOT},     {platform::PenStyle::DashDot, PS_DASHDOT},
    {platform::PenStyle::DashDotDot, PS_DASHDOTDOT}, {platform::PenStyle::Clear, PS_NULL},
};

struct HatchCode {
  platform::BrushStyle style;
  int code;
};
constexpr HatchCode kHatches[] = {
    {platform::BrushStyle::Horizontal, HS_HORIZONTAL},     {platform::BrushStyle::Vertical, HS_VERTICAL},
    {platform::BrushStyle::ForwardDiagonal, HS_FDIAGONAL}, {platform::BrushStyle::BackwardDiagonal, HS_BDIAGONAL},
    {platform::BrushStyle::Cross, HS_CROSS},               {platform::BrushStyle::DiagonalCross, HS_DIAGCROSS},
};

std::vector<POINT> ToPoints(const std::vector<platform::Point>& points) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (const platform::Point& p : points) out.push_back({p.x, p.y});
  return out;
}

}  // namespace

// Selects the pen, brush, origin and clip for one call and restores the DC.
class Win32Canvas::Scope {
 public:
  Scope(Win32Canvas& c, bool useBrush) : dc_(c.dc_), saved_(SaveDC(c.dc_)) {
    SetViewportOrgEx(dc_, c.origin_.x, c.origin_.y, nullptr);
    if (c.clip_) IntersectClipRect(dc_, c.clip_->left, c.clip_->top, c.clip_->Right(), c.clip_->Bottom());
    int style = PS_SOLID;
    for (const PenStyleCode& s : kPenStyles)
      if (s.style == c.pen_.style) style = s.code;
    pen_ = CreatePen(style, std::max(0, c.pen_.width), c.pen_.color);
    SelectObject(dc_, pen_);
    SetROP2(dc_, c.pen_.mode == platform::PenMode::Invert ? R2_NOT : R2_COPYPEN);
    if (!useBrush || c.brush_.style == platform::BrushStyle::Clear) {
      SelectObject(dc_, GetStockObject(NULL_BRUSH));
    } else if (c.brush_.style == platform::BrushStyle::Solid) {
      brush_ = CreateSolidBrush(c.brush_.color);
    } else {
      for (const HatchCode& h : kHatches)
        if (h.style == c.brush_.style) brush_ = CreateHatchBrush(h.code, c.brush_.color);
      SetBkMode(dc_, TRANSPARENT);
    }
    if (brush_ != nullptr) SelectObject(dc_, brush_);
  }
  ~Scope() {
    RestoreDC(dc_, saved_);
    if (pen_ != nullptr) DeleteObject(pen_);
    if (brush_ != nullptr) DeleteObject(brush_);
  }
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  HDC dc_;
  int saved_;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
};

Win32Canvas::Win32Canvas(HDC dc, platform::Size size, std::optional<platform::Rect> area)
    : dc_(dc), size_(size), area_(area) {}
Win32Canvas::~Win32Canvas() = default;

void Win32Canvas::Rectangle(int x1, int y1, int x2, int y2) {
  Scope s(*this, true);
  ::Rectangle(dc_, x1, y1, x2, y2);
}

void Win32Canvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  Scope s(*this, true);
  ::RoundRect(dc_, x1, y1, x2, y2, w, h);
}

void Win32Canvas::Ellipse(int x1, int y1, int x2, int y2) {
  Scope s(*this, true);
  ::Ellipse(dc_, x1, y1, x2, y2);
}

void Win32Canvas::Polygon(const std::vector<platform::Point>& points) {
  if (points.empty()) return;
  Scope s(*this, true);
  const auto pts = ToPoints(points);
  SetPolyFillMode(dc_, ALTERNATE);
  ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void Win32Canvas::Polyline(const std::vector<platform::Point>& points) {
  if (points.size() < 2) return;
  Scope s(*this, false);
  const auto pts = ToPoints(points);
  ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
}

void Win32Canvas::PolyBezier(const std::vector<platform::Point>& points) {
  if (points.size() < 4) return;
  Scope s(*this, false);
  auto pts = ToPoints(points);
  pts.resize(1 + (pts.size() - 1) / 3 * 3);
  ::PolyBezier(dc_, pts.data(), static_cast<DWORD>(pts.size()));
}

void Win32Canvas::Line(platform::Point from, platform::Point to) {
  Scope s(*this, false);
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void Win32Canvas::FillRect(platform::Rect rect, platform::Color color) {
  Scope s(*this, false);
  const HBRUSH brush = CreateSolidBrush(color);
  const RECT r{rect.left, rect.top, rect.Right(), rect.Bottom()};
  ::FillRect(dc_, &r, brush);
  DeleteObject(brush);
}

HFONT CreateFontFor(HDC dc, const platform::FontSpec& font) {
  const int height = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, font.strikeOut,
                     font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Widen(font.name).c_str());
}

void Win32Canvas::WriteText(platform::Rect box, const std::string& text, const platform::TextStyle& style) {
  if (text.empty()) return;
  Scope s(*this, false);
  const HFONT font = CreateFontFor(dc_, style.font);
  SelectObject(dc_, font);
  SetTextColor(dc_, style.color);
  SetBkMode(dc_, TRANSPARENT);
  UINT flags = DT_NOPREFIX;
  flags |= style.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (style.alignment == platform::TextAlignment::Center) flags |= DT_CENTER;
  // Right to left mirrors the alignment, as the sim does: left-aligned
  // text starts at the right edge.
  else if ((style.alignment == platform::TextAlignment::Right) != style.rightToLeft) flags |= DT_RIGHT;
  if (style.rightToLeft) flags |= DT_RTLREADING;
  if (!style.wordWrap && style.layout == platform::TextLayout::Center) flags |= DT_VCENTER;
  if (!style.wordWrap && style.layout == platform::TextLayout::Bottom) flags |= DT_BOTTOM;
  RECT r{box.left, box.top, box.Right(), box.Bottom()};
  const std::wstring wide = WidenForCharset(text, style.font.charset);
  ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &r, flags);
  DeleteObject(font);
}

platform::Size Win32Canvas::MeasureText(const std::string& text, const platform::FontSpec& fontSpec) {
  const HFONT font = CreateFontFor(dc_, fontSpec);
  const HGDIOBJ old = SelectObject(dc_, font);
  SIZE size{};
  const std::wstring wide = WidenForCharset(text, fontSpec.charset);
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc_, old);
  DeleteObject(font);
  return {size.cx, size.cy};
}

void Win32Canvas::DrawImage(const RgbaImage& image, platform::Rect dest, bool smooth) {
  if (image.Empty() || dest.width <= 0 || dest.height <= 0) return;
  if (!RgbaImage::SizeAllowed(dest.width, dest.height)) return;
  const RgbaImage scaled = imaging::Scale(image, dest.width, dest.height, smooth);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = scaled.Width();
  info.bmiHeader.biHeight = -scaled.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return;
  auto* out = static_cast<std::uint8_t*>(bits);
  for (const Rgba& p : scaled.Pixels()) {
    out[0] = static_cast<std::uint8_t>(p.b * p.a / 255);
    out[1] = static_cast<std::uint8_t>(p.g * p.a / 255);
    out[2] = static_cast<std::uint8_t>(p.r * p.a / 255);
    out[3] = p.a;
    out += 4;
  }
  const HDC source = CreateCompatibleDC(dc_);
  const HGDIOBJ old = SelectObject(source, bitmap);
  Scope s(*this, false);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc_, dest.left, dest.top, dest.width, dest.height, source, 0, 0, dest.width, dest.height, blend);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(bitmap);
}

// Win32ImageCanvas

std::unique_ptr<Win32ImageCanvas> Win32ImageCanvas::Create(RgbaImage& target) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = std::max(1, target.Width());
  info.bmiHeader.biHeight = -std::max(1, target.Height());
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    DeleteDC(dc);
    ThrowLastError("Cannot create a bitmap");
  }
  auto* out = static_cast<std::uint8_t*>(bits);
  for (const Rgba& p : target.Pixels()) {
    out[0] = p.b, out[1] = p.g, out[2] = p.r, out[3] = 0;
    out += 4;
  }
  const HGDIOBJ old = SelectObject(dc, bitmap);
  return std::unique_ptr<Win32ImageCanvas>(new Win32ImageCanvas(target, dc, bitmap, old, bits));
}

Win32ImageCanvas::Win32ImageCanvas(RgbaImage& target, HDC dc, HBITMAP bitmap, HGDIOBJ old, void* bits)
    : Win32Canvas(dc, {target.Width(), target.Height()}),
      target_(target), dc_(dc), bitmap_(bitmap), old_(old), bits_(bits) {}

Win32ImageCanvas::~Win32ImageCanvas() {
  GdiFlush();
  const auto* in = static_cast<const std::uint8_t*>(bits_);
  for (Rgba& p : target_.Pixels()) {
    const Rgba drawn{in[2], in[1], in[0], p.a};
    if (drawn.r != p.r || drawn.g != p.g || drawn.b != p.b) p = {drawn.r, drawn.g, drawn.b, 255};
    in += 4;
  }
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

}  // namespace vx::win32
