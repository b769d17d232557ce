#pragma once
// What a person sees of a window: its client area read back from the
// screen, pixel checks on it, and the picture kept as a BMP file.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_common.h"
#include "tests/wine/e2e_player.h"

namespace vxe2e {

struct Rgb {
  int r = 0, g = 0, b = 0;
};

// The client area of a window as the screen shows it now.
class Shot {
 public:
  static Shot OfClientArea(HWND window);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;
  // As a 24-bit BMP file; false when it cannot be written.
  bool Save(const std::string& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bgra_;  // top row first
};

// One point of the client area that must show a colour (each channel
// within tolerance).
struct PixelCheck {
  const char* what;
  int x, y;
  Rgb expected;
  int tolerance = 4;
};

// The checks that fail on the shot, one line each; empty when all hold.
std::vector<std::string> FailedChecks(const Shot& shot, const std::vector<PixelCheck>& checks);

std::string Describe(Rgb c);

// Painting follows a show by a moment: waits until the window's client area
// passes every check, keeps that shot as file (printing "screenshot of "
// shotName and where), and fails with what + " does not look right" and the
// checks that never held. Returns the shot.
Shot ExpectLook(const Player& p, HWND window, const std::vector<PixelCheck>& checks, const std::string& file,
                const std::string& shotName, const std::string& what);

}  // namespace vxe2e
