#include "util/rgba_image.h"

#include <algorithm>
#include <string>

#include "util/error.h"

namespace vx {

bool RgbaImage::SizeAllowed(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxPictureSide || height > kMaxPictureSide) return false;
  return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) <= kMaxPicturePixels;
}

RgbaImage::RgbaImage(int width, int height, Rgba fill) {
  if (!SizeAllowed(width, height))
    throw Error("picture size " + std::to_string(width) + "x" + std::to_string(height) + " is too large");
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

void RgbaImage::Fill(Rgba colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

}  // namespace vx
