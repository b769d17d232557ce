#include "util/hit_tests.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx {

using platform::Point;

namespace {

// Halves go to the even neighbour, as the stored projects were rounded.
long double RoundHalfEven(long double v) {
  const long double below = std::floor(v);
  const long double diff = v - below;
  if (diff < 0.5L) return below;
  if (diff > 0.5L) return below + 1;
  return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

// The box's left edge is taken from the upper corner, not the smaller x:
// mirrored boxes are placed the way the authoring tool placed them.
int UpperCornerX(Point p1, Point p2) { return p1.y < p2.y ? p1.x : p2.x; }

}  // namespace

bool PointInPolygon(const std::vector<Point>& points, int lastIndex, int x, int y) {
  if (lastIndex < 0 || points.empty()) return false;
  const std::size_t last = std::min(static_cast<std::size_t>(lastIndex), points.size() - 1);
  bool inside = false;
  Point previous = points[last];
  for (std::size_t i = 0; i <= last; ++i) {
    const Point p = points[i];
    const bool spans = (p.y <= y && y < previous.y) || (previous.y <= y && y < p.y);
    if (spans) {
      const long double crossX =
          p.x + static_cast<long double>(previous.x - p.x) * (y - p.y) / (previous.y - p.y);
      if (x < crossX) inside = !inside;
    }
    previous = p;
  }
  return inside;
}

bool PointInCircle(Point p1, Point p2, int x, int y) {
  const int w = std::abs(p1.x - p2.x);
  const int r = std::abs(p1.y - p2.y) / 2;
  const long double cx = UpperCornerX(p1, p2) + w / 2;
  const long double cy = std::min(p1.y, p2.y) + r;
  const long double dx = x - cx;
  const long double dy = y - cy;
  return RoundHalfEven(std::sqrt(dx * dx + dy * dy)) < r;
}

bool PointInEllipse(Point p1, Point p2, int x, int y) {
  const int a = std::abs(p1.x - p2.x) / 2;
  const int b = std::abs(p1.y - p2.y) / 2;
  if (a == 0 || b == 0) return false;
  const long double u =
      (static_cast<long double>(x) - UpperCornerX(p1, p2) - a) / static_cast<long double>(a);
  const long double v =
      (static_cast<long double>(y) - std::min(p1.y, p2.y) - b) / static_cast<long double>(b);
  return u * u + v * v < 1;
}

}  // namespace vx
