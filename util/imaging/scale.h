#pragma once
// Resizing pictures: nearest pixel, or bilinear for smooth stretching.

#include "util/rgba_image.h"

namespace vx::imaging {

// Throws vx::Error when the new size is beyond the picture limits.
RgbaImage Scale(const RgbaImage& image, int width, int height, bool smooth);

}  // namespace vx::imaging
