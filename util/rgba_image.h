#pragma once
// A picture in memory: 8-bit red, green, blue and alpha per pixel, rows top
// to bottom, not premultiplied. The common currency of decoders, filters,
// transitions and the canvases.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace vx {

// Larger pictures are refused before any memory is taken for them.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::size_t kMaxPicturePixels = std::size_t{64} * 1024 * 1024;

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};

static_assert(sizeof(Rgba) == 4, "decoders write the pixels as plain bytes");

inline Rgba RgbaOf(platform::Color c, std::uint8_t alpha = 255) {
  return {platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c), alpha};
}
inline platform::Color ColorOf(Rgba p) { return platform::MakeColor(p.r, p.g, p.b); }

class RgbaImage {
 public:
  RgbaImage() = default;
  // Throws vx::Error when the size is beyond the limits above.
  RgbaImage(int width, int height, Rgba fill = {0, 0, 0, 0});

  static bool SizeAllowed(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgba& At(int x, int y) { return pixels_[Index(x, y)]; }
  const Rgba& At(int x, int y) const { return pixels_[Index(x, y)]; }
  Rgba* Row(int y) { return pixels_.data() + Index(0, y); }
  const Rgba* Row(int y) const { return pixels_.data() + Index(0, y); }
  std::vector<Rgba>& Pixels() { return pixels_; }
  const std::vector<Rgba>& Pixels() const { return pixels_; }

  void Fill(Rgba colour);
  bool operator==(const RgbaImage&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

}  // namespace vx
