#include "util/imaging/transitions.h"

#include <algorithm>
#include <cmath>

#include "util/error.h"

namespace vx::imaging {

namespace {

constexpr TransitionInfo kTransitions[] = {
    {1, TransitionKind::Block, "Transition1", false, true},
    {2, TransitionKind::Circle, "Transition2", false, false},
    {3, TransitionKind::Diagonal, "Transition3", false, false},
    {4, TransitionKind::Drip, "Transition4", true, false},
    {5, TransitionKind::Interlaced, "Transition5", true, false},
    {6, TransitionKind::Push, "Transition6", true, false},
    {7, TransitionKind::Radial, "Transition7", false, false},
    {8, TransitionKind::Roll, "Transition8", true, true},
    {9, TransitionKind::Slide, "Transition9", true, true},
    {10, TransitionKind::Waterfall, "Transition10", true, false},
    {11, TransitionKind::Wipe, "Transition11", true, false},
    {12, TransitionKind::Fade, "Transition12", false, false},
    {13, TransitionKind::BitmapMask, "Transition13", false, false},
};

constexpr double kPi = 3.14159265358979323846;

// A pseudo-random but fixed order of blocks, so a frame depends only on its
// progress.
unsigned BlockRank(int bx, int by) {
  unsigned h = static_cast<unsigned>(bx) * 73856093u ^ static_cast<unsigned>(by) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return (h ^ (h >> 15)) % 1000u;
}

}  // namespace

const TransitionInfo* TransitionByCode(int code) {
  for (const TransitionInfo& t : kTransitions)
    if (t.code == code) return &t;
  return nullptr;
}


int TransitionDirectionFromCode(int digit) {
  static constexpr int kMap[] = {4, 3, 2, 1};
  return digit >= 0 && digit <= 3 ? kMap[digit] : digit;
}

RgbaImage TransitionFrame(TransitionKind kind, const RgbaImage& from, const RgbaImage& to, int progress,
                          const TransitionParams& params) {
  if (from.Width() != to.Width() || from.Height() != to.Height()) throw Error("transition pictures differ in size");
  const int w = to.Width(), h = to.Height();
  const double t = std::clamp(progress, 0, 1000) / 1000.0;
  if (progress <= 0) return from;
  if (progress >= 1000) return to;
  RgbaImage out = from;
  if (w == 0 || h == 0) return out;
  const int dir = params.direction;
  const bool horizontal = dir == kFromLeft || dir == kFromRight;
  // Offset along the direction, for the moving effects.
  const int span = horizontal ? w : h;
  const int moved = static_cast<int>(std::lround(span * t));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool showNew = false;
      const Rgba* movedFrom = nullptr;
      // Distance along the direction from the edge the effect starts at.
      const int along = dir == kFromLeft ? x : dir == kFromRight ? w - 1 - x : dir == kFromTop ? y : h - 1 - y;
      switch (kind) {
        case TransitionKind::Block: {
          const int bw = std::max(1, params.size1 > 0 ? params.size1 : 16);
          const int bh = std::max(1, params.size2 > 0 ? params.size2 : 16);
          showNew = BlockRank(x / bw, y / bh) < static_cast<unsigned>(t * 1000);
          break;
        }
        case TransitionKind::Circle: {
          const double r = std::hypot(x - w / 2.0, y - h / 2.0);
          showNew = r <= t * std::hypot(w / 2.0, h / 2.0);
          break;
        }
        case TransitionKind::Diagonal: showNew = x + y <= t * (w + h); break;
        case TransitionKind::Drip: {
          const int column = horizontal ? y : x;
          const double lag = (BlockRank(column, 0) / 1000.0) * 0.5;
          showNew = along <= (t * 1.5 - lag) * span;
          break;
        }
        case TransitionKind::Interlaced: {
          const int line = horizontal ? x : y;
          showNew = (line % 2 == 0) ? along <= 2 * t * span : along <= (2 * t - 1) * span;
          break;
        }
        case TransitionKind::Radial: {
          double a = std::atan2(x - w / 2.0, -(y - h / 2.0));
          if (a < 0) a += 2 * kPi;
          showNew = a <= t * 2 * kPi;
          break;
        }
        case TransitionKind::Waterfall: {
          const double lag = static_cast<double>(horizontal ? y : x) / (horizontal ? h : w) * 0.5;
          showNew = along <= (t * 1.5 - lag) * span;
          break;
        }
        case TransitionKind::Wipe: showNew = along < moved; break;
        case TransitionKind::Push:
        case TransitionKind::Slide:
        case TransitionKind::Roll: {
          // The new page's pixel that has moved here, or the old page's.
          const int back = span - moved;
          const bool newHere = along < moved;
          int sx = x, sy = y;
          const int shiftNew = back, shiftOld = kind == TransitionKind::Push ? moved : 0;
          const int s = newHere ? shiftNew : -shiftOld;
          if (kind == TransitionKind::Roll && !newHere) {
            // The old page rolls away: squeezed toward the far edge.
            const double k = back == 0 ? 0 : static_cast<double>(along - moved) / back;
            const int srcAlong = static_cast<int>(k * (span - 1));
            if (dir == kFromLeft) sx = srcAlong; else if (dir == kFromRight) sx = w - 1 - srcAlong;
            else if (dir == kFromTop) sy = srcAlong; else sy = h - 1 - srcAlong;
            movedFrom = &from.At(std::clamp(sx, 0, w - 1), std::clamp(sy, 0, h - 1));
            break;
          }
          if (dir == kFromLeft) sx = x + s; else if (dir == kFromRight) sx = x - s;
          else if (dir == kFromTop) sy = y + s; else sy = y - s;
          const RgbaImage& src = newHere ? to : from;
          if (src.Contains(sx, sy)) movedFrom = &src.At(sx, sy);
          else movedFrom = &(newHere ? to : from).At(x, y);
          break;
        }
        case TransitionKind::Fade: {
          const Rgba a = from.At(x, y), b = to.At(x, y);
          auto mix = [t](std::uint8_t p, std::uint8_t q) { return static_cast<std::uint8_t>(std::lround(p + (q - p) * t)); };
          out.At(x, y) = {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), mix(a.a, b.a)};
          continue;
        }
        case TransitionKind::BitmapMask: {
          const RgbaImage* m = params.mask;
          if (m == nullptr || m->Empty()) {
            showNew = t >= 1.0;
          } else {
            const Rgba p = m->At(x * m->Width() / w, y * m->Height() / h);
            showNew = (p.r + p.g + p.b) / 3 <= t * 255;
          }
          break;
        }
      }
      if (movedFrom != nullptr) out.At(x, y) = *movedFrom;
      else if (showNew) out.At(x, y) = to.At(x, y);
    }
  }
  return out;
}

}  // namespace vx::imaging
