#include <algorithm>
#include <cstdint>

#include "platform/sim/sim_dib.h"

namespace vx::sim {

namespace {

// The escapes that follow a zero count.
constexpr unsigned kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2;

unsigned ByteAt(std::string_view s, std::size_t at) { return static_cast<std::uint8_t>(s[at]); }

// Pixel i of a run or an absolute group: 4-bit pixels take the high nibble
// first.
unsigned Index(unsigned packed, unsigned i, int bitsPerPixel) {
  if (bitsPerPixel == 8) return packed;
  return i % 2 == 0 ? packed >> 4 : packed & 0x0F;
}

}  // namespace

void ExpandRle(std::string_view stream, int bitsPerPixel, const std::vector<Rgba>& palette, RgbaImage& image) {
  const int w = image.Width(), h = image.Height();
  // x stops at the row's end and y at the top, so nothing runs away however
  // long the stream is.
  int x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](unsigned index) {
    if (x >= w) return;
    image.At(x, h - 1 - y) = index < palette.size() ? palette[index] : Rgba{0, 0, 0, 255};
    ++x;
  };
  std::size_t at = 0;
  while (y < h && at + 2 <= stream.size()) {
    const unsigned count = ByteAt(stream, at), value = ByteAt(stream, at + 1);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count && x < w; ++i) put(Index(value, i, bitsPerPixel));
      continue;
    }
    if (value == kEndOfLine) {
      x = 0;
      ++y;
    } else if (value == kEndOfBitmap) {
      return;
    } else if (value == kDelta) {
      if (at + 2 > stream.size()) return;
      x = std::min(w, x + static_cast<int>(ByteAt(stream, at)));
      y = std::min(h, y + static_cast<int>(ByteAt(stream, at + 1)));
      at += 2;
    } else {
      // Absolute: value pixels as they are, padded to a 16-bit boundary.
      const std::size_t bytes = bitsPerPixel == 8 ? value : (value + 1) / 2;
      for (unsigned i = 0; i < value; ++i) {
        const std::size_t byte = at + (bitsPerPixel == 8 ? i : i / 2);
        if (byte >= stream.size()) return;
        put(Index(ByteAt(stream, byte), i, bitsPerPixel));
      }
      at += bytes + bytes % 2;
    }
  }
}

}  // namespace vx::sim
