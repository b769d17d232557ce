#pragma once
// Device-independent bitmaps as the bitmap and icon readers of the sim see
// them: the info header, the palette and the pixels, read by hand.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/rgba_image.h"

namespace vx::sim {

// The DIB whose info header starts at dib and whose pixels start at pixelsAt
// (straight after the palette when 0). An icon's DIB is twice as high, its
// AND mask below the colours.
std::optional<RgbaImage> DecodeDib(const std::string& bytes, std::size_t dib, std::size_t pixelsAt, bool icon);

// Expands a run-length stream (BI_RLE8 with 8 bits per pixel, BI_RLE4 with
// 4) into image, whose rows it counts from the bottom. Pixels the stream
// never reaches keep what image holds; runs and deltas that go past a row's
// end or the top of the image are cut off there.
void ExpandRle(std::string_view stream, int bitsPerPixel, const std::vector<Rgba>& palette, RgbaImage& image);

}  // namespace vx::sim
