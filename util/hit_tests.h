#pragma once
// Hot-spot hit tests on integer coordinates.

#include <vector>

#include "platform/types.h"

namespace vx {

// Even-odd rule over points[0..lastIndex]; false when lastIndex < 0. A
// lastIndex past the end is taken as the last point.
bool PointInPolygon(const std::vector<platform::Point>& points, int lastIndex, int x, int y);
// The circle of the box with corners p1 and p2, centred as the stored
// projects expect (see hit_tests.cpp).
bool PointInCircle(platform::Point p1, platform::Point p2, int x, int y);
// The ellipse of the box; a box of zero half-width or half-height holds no point.
bool PointInEllipse(platform::Point p1, platform::Point p2, int x, int y);

}  // namespace vx
