#pragma once
// The virtual screen scaled into the host window with its aspect kept: bars
// fill the rest. Used both ways: to draw, and to map a real pointer back to
// a point of the virtual screen.

#include <optional>

#include "platform/types.h"

namespace vx::live {

struct Letterbox {
  double scale = 1.0;  // window pixels per virtual pixel
  double left = 0.0;   // where the virtual screen begins in the window
  double top = 0.0;
  platform::Size screen;  // the virtual screen
};

// Empty sizes give a scale of 0: nothing is drawn and no point maps.
Letterbox FitKeepingAspect(platform::Size screen, platform::Size window);

// The virtual-screen point under a window point, or nothing in the bars.
std::optional<platform::Point> ToScreen(const Letterbox& box, double windowX, double windowY);
// The same, pulled to the nearest edge pixel from the bars: a drag that
// leaves the picture still moves the cursor along its edge.
platform::Point ToScreenClamped(const Letterbox& box, double windowX, double windowY);

// The window pixels a rectangle of the virtual screen covers, its edges
// rounded outwards so that neighbours never leave a gap; empty when nothing
// is drawn.
platform::Rect ToWindowRect(const Letterbox& box, platform::Rect screen);

}  // namespace vx::live
