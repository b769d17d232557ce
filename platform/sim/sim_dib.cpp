#include "platform/sim/sim_dib.h"

#include <algorithm>
#include <cstdint>

#include "platform/sim/sim_pictures.h"

namespace vx::sim {

namespace {

// biCompression values.
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (std::uint32_t{static_cast<std::uint8_t>(b[at + 1])} << 8);
}
std::uint32_t U32(const std::string& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

int BitsOfMask(std::uint32_t mask, int& shift) {
  shift = 0;
  if (mask == 0) return 0;
  while ((mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  int bits = 0;
  while (mask & 1) {
    mask >>= 1;
    ++bits;
  }
  return bits;
}

std::uint8_t Channel(std::uint32_t value, std::uint32_t mask) {
  int shift = 0;
  const int bits = BitsOfMask(mask, shift);
  if (bits == 0) return 0;
  const std::uint32_t max = (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
  // A mask with gaps counts only its lowest run of bits.
  const std::uint32_t v = std::min((value & mask) >> shift, max);
  return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max / 2) / max);
}

}  // namespace

std::optional<RgbaImage> DecodeDib(const std::string& b, std::size_t dib, std::size_t pixelsAt, bool icon) {
  if (dib + 12 > b.size()) return std::nullopt;
  const std::uint32_t headerSize = U32(b, dib);
  std::int64_t width = 0, height = 0;
  std::uint32_t bpp = 0, compression = kRgb, colours = 0;
  std::size_t paletteEntry = 4;
  if (headerSize == 12) {
    width = U16(b, dib + 4);
    height = static_cast<std::int16_t>(U16(b, dib + 6));
    bpp = U16(b, dib + 10);
    paletteEntry = 3;
  } else if (headerSize >= 40 && dib + headerSize <= b.size() && headerSize <= 1024) {
    width = static_cast<std::int32_t>(U32(b, dib + 4));
    height = static_cast<std::int32_t>(U32(b, dib + 8));
    bpp = U16(b, dib + 14);
    compression = U32(b, dib + 16);
    colours = U32(b, dib + 32);
  } else {
    return std::nullopt;
  }
  const bool bottomUp = height > 0;
  if (height < 0) height = -height;
  if (icon) height /= 2;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return std::nullopt;
  if (!RgbaImage::SizeAllowed(static_cast<int>(width), static_cast<int>(height))) return std::nullopt;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;
  const bool rle = compression == kRle8 || compression == kRle4;
  if (compression != kRgb && compression != kBitFields && !rle) return std::nullopt;
  // Run-length pixels come 8 or 4 to a byte as the name says, only in
  // bottom-up bitmaps (as Windows has them), never in icons.
  if (rle && (bpp != (compression == kRle8 ? 8u : 4u) || !bottomUp || icon)) return std::nullopt;

  std::uint32_t rMask = 0x7C00, gMask = 0x3E0, bMask = 0x1F, aMask = 0;
  if (bpp == 32) rMask = 0xFF0000, gMask = 0xFF00, bMask = 0xFF;
  std::size_t after = dib + headerSize;
  if (compression == kBitFields) {
    if (headerSize >= 52) {
      rMask = U32(b, dib + 40), gMask = U32(b, dib + 44), bMask = U32(b, dib + 48);
      if (headerSize >= 56) aMask = U32(b, dib + 52);
    } else {
      if (after + 12 > b.size()) return std::nullopt;
      rMask = U32(b, after), gMask = U32(b, after + 4), bMask = U32(b, after + 8);
      after += 12;
    }
  }
  std::vector<Rgba> palette;
  if (bpp <= 8) {
    std::size_t count = colours == 0 || colours > (1u << bpp) ? (1u << bpp) : colours;
    if (after + count * paletteEntry > b.size()) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = after + i * paletteEntry;
      palette.push_back({static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                         static_cast<std::uint8_t>(b[at]), 255});
    }
    after += count * paletteEntry;
  }
  const std::size_t start = pixelsAt != 0 ? pixelsAt : after;
  if (start > b.size()) return std::nullopt;
  if (rle) {
    // What the stream skips (deltas, early line ends) stays transparent.
    RgbaImage image(static_cast<int>(width), static_cast<int>(height));
    ExpandRle(std::string_view(b).substr(start), static_cast<int>(bpp), palette, image);
    return image;
  }
  const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  const std::size_t maskStride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
  const std::size_t need = stride * static_cast<std::size_t>(height);
  if (b.size() - start < need) return std::nullopt;
  const bool haveMask = icon && b.size() - start - need >= maskStride * static_cast<std::size_t>(height);

  RgbaImage image(static_cast<int>(width), static_cast<int>(height));
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const std::size_t row = start + stride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
    Rgba* out = image.Row(y);
    for (int x = 0; x < width; ++x) {
      Rgba p;
      const auto ux = static_cast<std::size_t>(x);
      if (bpp <= 8) {
        const std::size_t bit = ux * bpp;
        const auto byte = static_cast<std::uint8_t>(b[row + bit / 8]);
        const unsigned index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        p = index < palette.size() ? palette[index] : Rgba{0, 0, 0, 255};
      } else if (bpp == 24) {
        const std::size_t at = row + ux * 3;
        p = {static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
             static_cast<std::uint8_t>(b[at]), 255};
      } else {
        const std::uint32_t v = bpp == 16 ? U16(b, row + ux * 2) : U32(b, row + ux * 4);
        p = {Channel(v, rMask), Channel(v, gMask), Channel(v, bMask), 255};
        if (bpp == 32 && (aMask != 0 || icon)) {
          p.a = aMask != 0 ? Channel(v, aMask) : static_cast<std::uint8_t>(v >> 24);
          anyAlpha = anyAlpha || p.a != 0;
        }
      }
      out[x] = p;
    }
  }
  // A 32-bit icon without any alpha is opaque and uses its mask instead.
  if (bpp == 32 && icon && !anyAlpha)
    for (Rgba& p : image.Pixels()) p.a = 255;
  if (haveMask && !(bpp == 32 && anyAlpha)) {
    const std::size_t maskStart = start + need;
    for (int y = 0; y < height; ++y) {
      const std::size_t row = maskStart + maskStride * static_cast<std::size_t>(bottomUp ? height - 1 - y : y);
      for (int x = 0; x < width; ++x) {
        const auto byte = static_cast<std::uint8_t>(b[row + static_cast<std::size_t>(x) / 8]);
        if ((byte >> (7 - x % 8)) & 1) image.At(x, y).a = 0;
      }
    }
  }
  return image;
}

std::optional<platform::Picture> DecodeBitmap(const std::string& bytes) {
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t pixels = U32(bytes, 10);
  if (pixels < 26 || pixels >= bytes.size()) return std::nullopt;
  auto image = DecodeDib(bytes, 14, pixels, false);
  if (!image) return std::nullopt;
  return StillPicture(std::move(*image));
}

std::optional<platform::Picture> DecodeIcon(const std::string& bytes) {
  if (bytes.size() < 6 || U16(bytes, 0) != 0 || (U16(bytes, 2) != 1 && U16(bytes, 2) != 2)) return std::nullopt;
  const std::uint32_t count = U16(bytes, 4);
  if (count == 0 || 6 + count * 16 > bytes.size()) return std::nullopt;
  // The largest entry, the deepest of equal size.
  std::size_t best = 0;
  std::uint64_t bestScore = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t e = 6 + i * 16;
    const std::uint32_t w = static_cast<std::uint8_t>(bytes[e]) == 0 ? 256 : static_cast<std::uint8_t>(bytes[e]);
    const std::uint32_t h = static_cast<std::uint8_t>(bytes[e + 1]) == 0 ? 256 : static_cast<std::uint8_t>(bytes[e + 1]);
    const std::uint64_t score = std::uint64_t{w} * h * 64 + U16(bytes, e + 6);
    if (score > bestScore) bestScore = score, best = e;
  }
  const std::uint32_t size = U32(bytes, best + 8), offset = U32(bytes, best + 12);
  if (offset >= bytes.size() || size > bytes.size() - offset) return std::nullopt;
  const std::string entry = bytes.substr(offset, size);
  if (entry.size() >= 8 && entry.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) return DecodePng(entry);
  auto image = DecodeDib(entry, 0, 0, true);
  if (!image) return std::nullopt;
  return StillPicture(std::move(*image));
}

}  // namespace vx::sim
