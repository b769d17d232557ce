#include "util/imaging/scale.h"

#include <algorithm>
#include <cmath>

namespace vx::imaging {

namespace {

Rgba Lerp(Rgba a, Rgba b, double t) {
  auto mix = [t](std::uint8_t x, std::uint8_t y) {
    return static_cast<std::uint8_t>(std::lround(x + (y - x) * t));
  };
  return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), mix(a.a, b.a)};
}

}  // namespace

RgbaImage Scale(const RgbaImage& image, int width, int height, bool smooth) {
  RgbaImage out(std::max(0, width), std::max(0, height));
  if (image.Empty() || out.Empty()) return out;
  const double sx = static_cast<double>(image.Width()) / out.Width();
  const double sy = static_cast<double>(image.Height()) / out.Height();
  for (int y = 0; y < out.Height(); ++y) {
    Rgba* row = out.Row(y);
    for (int x = 0; x < out.Width(); ++x) {
      if (!smooth) {
        const int ix = std::min(image.Width() - 1, static_cast<int>(x * sx));
        const int iy = std::min(image.Height() - 1, static_cast<int>(y * sy));
        row[x] = image.At(ix, iy);
        continue;
      }
      const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, image.Width() - 1.0);
      const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, image.Height() - 1.0);
      const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
      const int x1 = std::min(x0 + 1, image.Width() - 1), y1 = std::min(y0 + 1, image.Height() - 1);
      const Rgba top = Lerp(image.At(x0, y0), image.At(x1, y0), fx - x0);
      const Rgba bottom = Lerp(image.At(x0, y1), image.At(x1, y1), fx - x0);
      row[x] = Lerp(top, bottom, fy - y0);
    }
  }
  return out;
}

}  // namespace vx::imaging
