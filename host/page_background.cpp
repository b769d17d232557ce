#include "host/page_background.h"

#include <algorithm>

namespace vx {

platform::Rect BackgroundPlacement(BackgroundDrawMode mode, platform::Size picture, platform::Size client) {
  const int pw = picture.width, ph = picture.height;
  switch (mode) {
    case BackgroundDrawMode::Normal:
    case BackgroundDrawMode::Tiled: return {0, 0, pw, ph};
    case BackgroundDrawMode::Centred: return {(client.width - pw) / 2, (client.height - ph) / 2, pw, ph};
    case BackgroundDrawMode::Stretched: return {0, 0, client.width, client.height};
    case BackgroundDrawMode::Proportional:
    case BackgroundDrawMode::ProportionalCentred: {
      if (pw <= 0 || ph <= 0) return {0, 0, 0, 0};
      // Only shrinks: a small picture keeps its size, as the imager does.
      const double scale = std::min({1.0, static_cast<double>(client.width) / pw, static_cast<double>(client.height) / ph});
      const int w = static_cast<int>(pw * scale), h = static_cast<int>(ph * scale);
      if (mode == BackgroundDrawMode::Proportional) return {0, 0, w, h};
      return {(client.width - w) / 2, (client.height - h) / 2, w, h};
    }
  }
  return {0, 0, pw, ph};
}

imaging::FilterSettings FiltersOf(const BackgroundSettings& bg) {
  imaging::FilterSettings f;
  f.lightness = bg.lightness;
  f.blur = bg.blur;
  f.contrast = bg.contrast;
  f.saturation = bg.saturation;
  f.sharpen = bg.sharpen;
  f.sponge = bg.sponge;
  f.greyScale = bg.greyScale;
  f.flipHorizontal = bg.flipHorizontal;
  f.flipVertical = bg.flipVertical;
  f.emboss = bg.emboss;
  f.invert = bg.invert;
  return f;
}

const RgbaImage* BackgroundCache::Get(const BackgroundSettings& bg) {
  if (!bg.picture || bg.picture->frames.empty()) {
    valid_ = false;
    source_ = {};
    result_ = {};
    return nullptr;
  }
  const RgbaImage& source = bg.picture->frames.front().image;
  const imaging::FilterSettings filters = FiltersOf(bg);
  if (valid_ && filters == filters_ && bg.transparent == transparent_ &&
      (!bg.transparent || bg.transparentColor == transparentColor_) && source == source_)
    return &result_;
  source_ = source;
  filters_ = filters;
  transparent_ = bg.transparent;
  transparentColor_ = bg.transparentColor;
  // The key picks colours of the picture as authored, so it is applied
  // before the filters change them; the flips carry the cleared alpha along.
  RgbaImage keyed = source;
  if (bg.transparent) {
    for (Rgba& p : keyed.Pixels())
      if (ColorOf(p) == bg.transparentColor) p.a = 0;
  }
  result_ = filters.Identity() ? std::move(keyed) : imaging::ApplyFilters(keyed, filters);
  valid_ = true;
  ++computations_;
  return &result_;
}

void PaintPageBackground(platform::Canvas& canvas, const PageSettings& page, platform::Size client,
                         BackgroundCache& cache) {
  const BackgroundSettings& bg = page.background;
  if (const RgbaImage* picture = cache.Get(bg)) {
    const RgbaImage& image = *picture;
    const platform::Rect first = BackgroundPlacement(bg.drawMode, {image.Width(), image.Height()}, client);
    if (bg.drawMode == BackgroundDrawMode::Tiled && first.width > 0 && first.height > 0) {
      for (int y = 0; y < client.height; y += first.height)
        for (int x = 0; x < client.width; x += first.width)
          canvas.DrawImage(image, {x, y, first.width, first.height}, false);
    } else {
      canvas.DrawImage(image, first, bg.smoothStretch);
    }
  }
  if (page.frameShape.visible && page.frameShape.outlined) {
    platform::Pen pen;
    canvas.SetPen(pen);
    platform::Brush brush;
    brush.style = platform::BrushStyle::Clear;
    canvas.SetBrush(brush);
    canvas.Rectangle(0, 0, client.width, client.height);
  }
}

}  // namespace vx
