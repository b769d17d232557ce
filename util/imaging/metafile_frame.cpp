#include "util/imaging/metafile_frame.h"

#include <cstdint>
#include <cstdlib>

namespace vx::imaging {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;  // the standard header, 9 words
constexpr unsigned kEof = 0x0000, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C;

std::uint32_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (std::uint32_t{static_cast<std::uint8_t>(b[at + 1])} << 8);
}
std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
int S16(std::string_view b, std::size_t at) { return static_cast<std::int16_t>(U16(b, at)); }

bool StandardHeaderAt(std::string_view b, std::size_t at) {
  if (b.size() < at + kHeaderSize) return false;
  const std::uint32_t type = U16(b, at), words = U16(b, at + 2), version = U16(b, at + 4);
  // The file's size in words: a file cut short of it is not read.
  const std::uint64_t fileWords = U32(b, at + 6);
  return (type == 1 || type == 2) && words == kHeaderSize / 2 && (version == 0x0100 || version == 0x0300) &&
         fileWords * 2 <= b.size() - at;
}

// Logical units to pixels, rounded, at least one.
int Pixels(int units, int perInch, int dpi) {
  const std::int64_t n = (std::int64_t{std::abs(units)} * dpi + perInch / 2) / perInch;
  return static_cast<int>(n < 1 ? 1 : n > (1 << 30) ? (1 << 30) : n);
}

}  // namespace

std::optional<MetafileFrame> ReadMetafileFrame(std::string_view b, int dpiX, int dpiY) {
  if (dpiX <= 0 || dpiY <= 0) return std::nullopt;
  MetafileFrame frame;
  if (b.size() >= kPlaceableSize && U32(b, 0) == kPlaceableKey) {
    // Key, handle, left, top, right, bottom, units per inch, reserved,
    // checksum (which many writers get wrong, so it is not checked).
    if (!StandardHeaderAt(b, kPlaceableSize)) return std::nullopt;
    const int left = S16(b, 6), top = S16(b, 8), right = S16(b, 10), bottom = S16(b, 12);
    const int inch = static_cast<int>(U16(b, 14));
    if (inch == 0 || right == left || bottom == top) return std::nullopt;
    frame.recordsAt = kPlaceableSize;
    frame.left = left, frame.top = top, frame.width = right - left, frame.height = bottom - top;
    frame.pixelWidth = Pixels(frame.width, inch, dpiX);
    frame.pixelHeight = Pixels(frame.height, inch, dpiY);
    return frame;
  }
  if (!StandardHeaderAt(b, 0)) return std::nullopt;
  bool haveOrigin = false, haveExtent = false;
  std::uint64_t at = kHeaderSize;
  // Records: size in words (with these three), function, parameters in
  // reverse order (y before x).
  while (at + 6 <= b.size() && !(haveExtent && haveOrigin)) {
    const auto pos = static_cast<std::size_t>(at);
    const std::uint64_t words = U32(b, pos);
    const unsigned function = U16(b, pos + 4);
    if (function == kEof || words < 3 || at + words * 2 > b.size()) break;
    if ((function == kSetWindowOrg || function == kSetWindowExt) && words >= 5) {
      const int y = S16(b, pos + 6), x = S16(b, pos + 8);
      if (function == kSetWindowOrg && !haveOrigin) {
        frame.left = x, frame.top = y, haveOrigin = true;
      } else if (function == kSetWindowExt && !haveExtent && x != 0 && y != 0) {
        frame.width = x, frame.height = y, haveExtent = true;
      }
    }
    at += words * 2;
  }
  if (!haveExtent) return std::nullopt;
  frame.pixelWidth = std::abs(frame.width);
  frame.pixelHeight = std::abs(frame.height);
  return frame;
}

}  // namespace vx::imaging
