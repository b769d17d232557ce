#include "tests/wine/e2e_screen.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace vxe2e {

Shot Shot::OfClientArea(HWND window) {
  Shot shot;
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  shot.width_ = client.right - client.left;
  shot.height_ = client.bottom - client.top;
  if (shot.width_ <= 0 || shot.height_ <= 0) return Shot{};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = shot.width_;
  info.bmiHeader.biHeight = -shot.height_;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib != nullptr && bits != nullptr) {
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, shot.width_, shot.height_, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint8_t*>(bits);
    shot.bgra_.assign(p, p + static_cast<std::size_t>(shot.width_) * static_cast<std::size_t>(shot.height_) * 4);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (dib != nullptr) DeleteObject(dib);
  ReleaseDC(nullptr, screen);
  if (shot.bgra_.empty()) return Shot{};
  return shot;
}

Rgb Shot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1};
  const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 4;
  return {bgra_[i + 2], bgra_[i + 1], bgra_[i]};
}

bool Shot::Save(const std::string& path) const {
  const std::uint32_t stride = (static_cast<std::uint32_t>(width_) * 3 + 3) & ~3u;
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height_), '\0');
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const Rgb c = At(x, y);
      // BMP rows go bottom up.
      const std::size_t at = static_cast<std::size_t>(height_ - 1 - y) * stride + static_cast<std::size_t>(x) * 3;
      pixels[at] = static_cast<char>(c.b);
      pixels[at + 1] = static_cast<char>(c.g);
      pixels[at + 2] = static_cast<char>(c.r);
    }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width_;
  info.biHeight = height_;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return out.good();
}

std::string Describe(Rgb c) {
  char text[48];
  std::snprintf(text, sizeof text, "(%d, %d, %d)", c.r, c.g, c.b);
  return text;
}

namespace {

std::string Where(int x, int y) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d, %d)", x, y);
  return text;
}

}  // namespace

std::vector<std::string> FailedChecks(const Shot& shot, const std::vector<PixelCheck>& checks) {
  std::vector<std::string> failed;
  for (const PixelCheck& c : checks) {
    const Rgb got = shot.At(c.x, c.y);
    const bool close = std::abs(got.r - c.expected.r) <= c.tolerance && std::abs(got.g - c.expected.g) <= c.tolerance &&
                      std::abs(got.b - c.expected.b) <= c.tolerance;
    if (!close)
      failed.push_back(std::string(c.what) + " at " + Where(c.x, c.y) + ": " +
                       Describe(got) + ", expected " + Describe(c.expected));
  }
  return failed;
}


Shot ExpectLook(const Player& p, HWND window, const std::vector<PixelCheck>& checks, const std::string& file,
                const std::string& shotName, const std::string& what) {
  Shot shot;
  std::vector<std::string> failed;
  WaitFor(p, [&] {
    shot = Shot::OfClientArea(window);
    failed = FailedChecks(shot, checks);
    return failed.empty();
  }, 20000);
  Check(shot.Save(file), "cannot write " + file);
  std::printf("screenshot of %s: %s\n", shotName.c_str(), HostPath(file).c_str());
  Check(failed.empty(), what + " does not look right:\n" + Joined(failed));
  return shot;
}

}  // namespace vxe2e
