#pragma once
// Where an old Windows metafile (WMF) draws and how large it is, read from
// its placeable header or, without one, from its window records. The
// records themselves are played by the platform (GDI on win32).

#include <cstddef>
#include <optional>
#include <string_view>

namespace vx::imaging {

struct MetafileFrame {
  std::size_t recordsAt = 0;  // the standard header: 22 behind a placeable header, else 0
  // The logical window: origin and extent (negative when an axis runs the
  // other way).
  int left = 0, top = 0;
  int width = 0, height = 0;
  // The picture's size in pixels.
  int pixelWidth = 0, pixelHeight = 0;
};

// The frame of the metafile in bytes. With a placeable header its bounds
// in its units per inch, at dpiX x dpiY pixels per inch; without one the
// first window origin and extent records, one logical unit a pixel. Nothing
// when the bytes are no metafile or tell no size.
std::optional<MetafileFrame> ReadMetafileFrame(std::string_view bytes, int dpiX, int dpiY);

}  // namespace vx::imaging
