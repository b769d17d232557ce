#include "platform/live/letterbox.h"

#include <algorithm>
#include <cmath>

namespace vx::live {

Letterbox FitKeepingAspect(platform::Size screen, platform::Size window) {
  Letterbox box;
  box.screen = screen;
  if (screen.width <= 0 || screen.height <= 0 || window.width <= 0 || window.height <= 0) {
    box.scale = 0.0;
    return box;
  }
  box.scale = std::min(static_cast<double>(window.width) / screen.width,
                       static_cast<double>(window.height) / screen.height);
  box.left = (window.width - screen.width * box.scale) / 2.0;
  box.top = (window.height - screen.height * box.scale) / 2.0;
  return box;
}

namespace {

platform::Point Unscaled(const Letterbox& box, double windowX, double windowY) {
  return {static_cast<int>(std::floor((windowX - box.left) / box.scale)),
          static_cast<int>(std::floor((windowY - box.top) / box.scale))};
}

}  // namespace

std::optional<platform::Point> ToScreen(const Letterbox& box, double windowX, double windowY) {
  if (box.scale <= 0.0) return std::nullopt;
  const platform::Point p = Unscaled(box, windowX, windowY);
  if (p.x < 0 || p.y < 0 || p.x >= box.screen.width || p.y >= box.screen.height) return std::nullopt;
  return p;
}

platform::Point ToScreenClamped(const Letterbox& box, double windowX, double windowY) {
  if (box.scale <= 0.0) return {0, 0};
  const platform::Point p = Unscaled(box, windowX, windowY);
  return {std::clamp(p.x, 0, std::max(0, box.screen.width - 1)), std::clamp(p.y, 0, std::max(0, box.screen.height - 1))};
}

platform::Rect ToWindowRect(const Letterbox& box, platform::Rect screen) {
  if (box.scale <= 0.0 || screen.width <= 0 || screen.height <= 0) return {};
  const int left = static_cast<int>(std::floor(box.left + screen.left * box.scale));
  const int top = static_cast<int>(std::floor(box.top + screen.top * box.scale));
  const int right = static_cast<int>(std::ceil(box.left + (screen.left + screen.width) * box.scale));
  const int bottom = static_cast<int>(std::ceil(box.top + (screen.top + screen.height) * box.scale));
  return {left, top, right - left, bottom - top};
}

}  // namespace vx::live
