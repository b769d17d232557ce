#include "util/imaging/filters.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vx::imaging {

namespace {

std::uint8_t Clamp8(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }
std::uint8_t Clamp8(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

int Grey(Rgba p) { return (299 * p.r + 587 * p.g + 114 * p.b + 500) / 1000; }

template <typename PerChannel>
void EachChannel(RgbaImage& image, PerChannel&& f) {
  for (Rgba& p : image.Pixels()) {
    p.r = f(p.r);
    p.g = f(p.g);
    p.b = f(p.b);
  }
}

const Rgba& Clamped(const RgbaImage& image, int x, int y) {
  return image.At(std::clamp(x, 0, image.Width() - 1), std::clamp(y, 0, image.Height() - 1));
}

// Stateless, so a picture always gets the same texture.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y) {
  std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

}  // namespace

void Lightness(RgbaImage& image, int amount) {
  amount = std::clamp(amount, -kMaxLightness, kMaxLightness);
  if (amount == 0) return;
  EachChannel(image, [amount](std::uint8_t v) { return Clamp8(v + amount); });
}

void Contrast(RgbaImage& image, int amount) {
  amount = std::clamp(amount, -kMaxContrast, kMaxContrast);
  if (amount == 0) return;
  const double factor = (100.0 + amount) / 100.0;
  EachChannel(image, [factor](std::uint8_t v) { return Clamp8(128.0 + (v - 128.0) * factor); });
}

void Saturation(RgbaImage& image, int amount) {
  amount = std::clamp(amount, -kMaxSaturation, kMaxSaturation);
  if (amount == 0) return;
  const double factor = (100.0 + amount) / 100.0;
  for (Rgba& p : image.Pixels()) {
    const double g = Grey(p);
    p.r = Clamp8(g + (p.r - g) * factor);
    p.g = Clamp8(g + (p.g - g) * factor);
    p.b = Clamp8(g + (p.b - g) * factor);
  }
}

void GaussianBlur(RgbaImage& image, int radius) {
  radius = std::clamp(radius, 0, kMaxBlur);
  if (radius == 0 || image.Empty()) return;
  const double sigma = radius / 2.0;
  std::vector<double> kernel(static_cast<std::size_t>(2 * radius + 1));
  double sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    const double k = std::exp(-(i * i) / (2 * sigma * sigma));
    kernel[static_cast<std::size_t>(i + radius)] = k;
    sum += k;
  }
  for (double& k : kernel) k /= sum;

  const int w = image.Width(), h = image.Height();
  struct Acc {
    double r, g, b;
  };
  std::vector<Acc> rows(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  auto at = [w](std::vector<Acc>& v, int x, int y) -> Acc& {
    return v[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Acc a{0, 0, 0};
      for (int i = -radius; i <= radius; ++i) {
        const Rgba& p = Clamped(image, x + i, y);
        const double k = kernel[static_cast<std::size_t>(i + radius)];
        a.r += p.r * k;
        a.g += p.g * k;
        a.b += p.b * k;
      }
      at(rows, x, y) = a;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Acc a{0, 0, 0};
      for (int i = -radius; i <= radius; ++i) {
        const Acc& p = at(rows, x, std::clamp(y + i, 0, h - 1));
        const double k = kernel[static_cast<std::size_t>(i + radius)];
        a.r += p.r * k;
        a.g += p.g * k;
        a.b += p.b * k;
      }
      Rgba& out = image.At(x, y);
      out.r = Clamp8(a.r);
      out.g = Clamp8(a.g);
      out.b = Clamp8(a.b);
    }
}

void Sharpen(RgbaImage& image, int amount) {
  amount = std::clamp(amount, 0, kMaxSharpen);
  if (amount == 0 || image.Empty()) return;
  const RgbaImage source = image;
  const double gain = amount / 50.0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const Rgba& p = Clamped(source, x + dx, y + dy);
          r += p.r;
          g += p.g;
          b += p.b;
        }
      const Rgba& c = source.At(x, y);
      Rgba& out = image.At(x, y);
      out.r = Clamp8(c.r + (c.r - r / 9.0) * gain);
      out.g = Clamp8(c.g + (c.g - g / 9.0) * gain);
      out.b = Clamp8(c.b + (c.b - b / 9.0) * gain);
    }
}

void Sponge(RgbaImage& image, int radius) {
  radius = std::clamp(radius, 0, kMaxSponge);
  if (radius == 0 || image.Empty()) return;
  const RgbaImage source = image;
  const std::uint32_t span = static_cast<std::uint32_t>(2 * radius + 1);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint32_t h = Hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
      const int dx = static_cast<int>(h % span) - radius;
      const int dy = static_cast<int>((h / span) % span) - radius;
      const Rgba& p = Clamped(source, x + dx, y + dy);
      Rgba& out = image.At(x, y);
      out.r = p.r;
      out.g = p.g;
      out.b = p.b;
    }
}

void GreyScale(RgbaImage& image) {
  for (Rgba& p : image.Pixels()) {
    const auto g = static_cast<std::uint8_t>(Grey(p));
    p.r = p.g = p.b = g;
  }
}

void FlipHorizontal(RgbaImage& image) {
  for (int y = 0; y < image.Height(); ++y) std::reverse(image.Row(y), image.Row(y) + image.Width());
}

void FlipVertical(RgbaImage& image) {
  for (int top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(image.Row(top), image.Row(top) + image.Width(), image.Row(bottom));
}

void Emboss(RgbaImage& image) {
  if (image.Empty()) return;
  const RgbaImage source = image;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const auto v = Clamp8(128 + Grey(Clamped(source, x + 1, y + 1)) - Grey(Clamped(source, x - 1, y - 1)));
      Rgba& out = image.At(x, y);
      out.r = out.g = out.b = v;
    }
}

void Invert(RgbaImage& image) {
  EachChannel(image, [](std::uint8_t v) { return static_cast<std::uint8_t>(255 - v); });
}

RgbaImage ApplyFilters(const RgbaImage& source, const FilterSettings& s) {
  RgbaImage image = source;
  if (s.flipHorizontal) FlipHorizontal(image);
  if (s.flipVertical) FlipVertical(image);
  Lightness(image, s.lightness);
  Contrast(image, s.contrast);
  Saturation(image, s.saturation);
  if (s.greyScale) GreyScale(image);
  GaussianBlur(image, s.blur);
  Sharpen(image, s.sharpen);
  Sponge(image, s.sponge);
  if (s.emboss) Emboss(image);
  if (s.invert) Invert(image);
  return image;
}

}  // namespace vx::imaging
