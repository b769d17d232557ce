#include "platform/win32/win32_metafiles.h"

#include "platform/win32/win32_common.h"
#include "util/imaging/metafile_frame.h"

#include <cstring>
#include <functional>

namespace vx::win32 {

namespace {

// Plays onto a white w x h picture; nothing when GDI has no bitmap for it.
std::optional<platform::Picture> PlayOnWhite(int w, int h, const std::function<void(HDC)>& play) {
  if (w <= 0 || h <= 0 || !RgbaImage::SizeAllowed(w, h)) return std::nullopt;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return std::nullopt;
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::optional<platform::Picture> result;
  if (bitmap != nullptr && bits != nullptr) {
    const HGDIOBJ old = SelectObject(dc, bitmap);
    std::memset(bits, 0xFF, static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    play(dc);
    GdiFlush();
    RgbaImage image(w, h);
    const auto* in = static_cast<const std::uint8_t*>(bits);
    for (Rgba& p : image.Pixels()) {
      p = {in[2], in[1], in[0], 255};
      in += 4;
    }
    SelectObject(dc, old);
    result = platform::Picture{};
    result->frames.push_back({std::move(image), 0});
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteDC(dc);
  return result;
}

std::optional<platform::Picture> DecodeEnhancedMetafile(const std::string& bytes) {
  HENHMETAFILE emf = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), reinterpret_cast<const BYTE*>(bytes.data()));
  if (emf == nullptr) return std::nullopt;
  ENHMETAHEADER header{};
  std::optional<platform::Picture> result;
  if (GetEnhMetaFileHeader(emf, sizeof header, &header) != 0) {
    const int w = header.rclBounds.right - header.rclBounds.left + 1;
    const int h = header.rclBounds.bottom - header.rclBounds.top + 1;
    result = PlayOnWhite(w, h, [&](HDC dc) {
      const RECT r{0, 0, w, h};
      PlayEnhMetaFile(dc, emf, &r);
    });
  }
  DeleteEnhMetaFile(emf);
  return result;
}

// The records are played as the placeable header (or the file's own window
// records) say: the logical window mapped onto the whole picture.
std::optional<platform::Picture> DecodeWindowsMetafile(const std::string& bytes) {
  int dpiX = 96, dpiY = 96;
  if (const HDC screen = GetDC(nullptr)) {
    dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  const std::optional<imaging::MetafileFrame> frame = imaging::ReadMetafileFrame(bytes, dpiX, dpiY);
  if (!frame || !RgbaImage::SizeAllowed(frame->pixelWidth, frame->pixelHeight)) return std::nullopt;
  const HMETAFILE wmf = SetMetaFileBitsEx(static_cast<UINT>(bytes.size() - frame->recordsAt),
                                          reinterpret_cast<const BYTE*>(bytes.data() + frame->recordsAt));
  if (wmf == nullptr) return std::nullopt;
  std::optional<platform::Picture> result = PlayOnWhite(frame->pixelWidth, frame->pixelHeight, [&](HDC dc) {
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, frame->left, frame->top, nullptr);
    SetWindowExtEx(dc, frame->width, frame->height, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetViewportExtEx(dc, frame->pixelWidth, frame->pixelHeight, nullptr);
    PlayMetaFile(dc, wmf);
  });
  DeleteMetaFile(wmf);
  return result;
}

}  // namespace

std::optional<platform::Picture> DecodeMetafile(const std::string& bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF) return std::nullopt;
  if (auto picture = DecodeEnhancedMetafile(bytes)) return picture;
  return DecodeWindowsMetafile(bytes);
}

}  // namespace vx::win32
