#include "util/imaging/transitions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

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
constexpr int kDefaultBlockSize = 16;

// A pseudo-random but fixed order of blocks, so a frame depends only on its
// progress.
unsigned BlockRank(int bx, int by) {
  unsigned h = static_cast<unsigned>(bx) * 73856093u ^ static_cast<unsigned>(by) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return (h ^ (h >> 15)) % 1000u;
}

// Pixel positions measured along the direction, from the edge the effect
// starts at, and back.
struct Axis {
  int dir, w, h;
  bool Horizontal() const { return dir == kFromLeft || dir == kFromRight; }
  int Span() const { return Horizontal() ? w : h; }
  int Along(int x, int y) const {
    switch (dir) {
      case kFromLeft: return x;
      case kFromRight: return w - 1 - x;
      case kFromTop: return y;
      default: return h - 1 - y;
    }
  }
  // The pixel at along a, in the row or column of (x, y).
  void Place(int a, int& x, int& y) const {
    switch (dir) {
      case kFromLeft: x = a; break;
      case kFromRight: x = w - 1 - a; break;
      case kFromTop: y = a; break;
      default: y = h - 1 - a; break;
    }
  }
};

// Push, Slide and Roll: every position along the axis shows one pixel of the
// new or the old page from some position along the axis. The positions make
// one or two stretches, each with an origin where the new page starts to
// show; in a stretch of length L with m positions new, position b < m shows
// the new page and the rest the old one.
enum class NewMotion { Still, Enter, Stretch };
enum class OldMotion { Still, Leave, Squeeze };

struct AxisSource {
  bool fromNew = false;
  int along = 0;
  bool rolled = false;  // squeezed or stretched: the rolled part of a roll
};

void FillStretch(std::vector<AxisSource>& map, int origin, int step, int length, double t, NewMotion newMotion,
                 OldMotion oldMotion) {
  const int m = static_cast<int>(std::lround(length * t));
  for (int b = 0; b < length; ++b) {
    AxisSource s;
    s.fromNew = b < m;
    int source = b;
    if (s.fromNew) {
      if (newMotion == NewMotion::Enter) source = b + length - m;
      else if (newMotion == NewMotion::Stretch) source = b * length / m, s.rolled = true;
    } else {
      if (oldMotion == OldMotion::Leave) source = b - m;
      else if (oldMotion == OldMotion::Squeeze) source = (b - m) * length / (length - m), s.rolled = true;
    }
    s.along = origin + step * source;
    map[static_cast<std::size_t>(origin + step * b)] = s;
  }
}

std::vector<AxisSource> AxisMap(TransitionKind kind, int span, double t, const TransitionParams& params) {
  NewMotion newMotion = NewMotion::Enter;
  OldMotion oldMotion = OldMotion::Leave;  // push
  const bool out = kind != TransitionKind::Push && params.option1;
  const bool split = kind != TransitionKind::Push && params.option2;
  if (kind == TransitionKind::Slide) {
    newMotion = out ? NewMotion::Still : NewMotion::Enter;
    oldMotion = out ? OldMotion::Leave : OldMotion::Still;
  } else if (kind == TransitionKind::Roll) {
    newMotion = out ? NewMotion::Stretch : NewMotion::Enter;
    oldMotion = out ? OldMotion::Leave : OldMotion::Squeeze;
  }
  std::vector<AxisSource> map(static_cast<std::size_t>(span));
  if (!split) {
    FillStretch(map, 0, 1, span, t, newMotion, oldMotion);
  } else if (!out) {
    // Closing in from both edges.
    FillStretch(map, 0, 1, span / 2, t, newMotion, oldMotion);
    FillStretch(map, span - 1, -1, span - span / 2, t, newMotion, oldMotion);
  } else {
    // Opening from the middle.
    FillStretch(map, span / 2 - 1, -1, span / 2, t, newMotion, oldMotion);
    FillStretch(map, span / 2, 1, span - span / 2, t, newMotion, oldMotion);
  }
  return map;
}

std::uint8_t Mix(std::uint8_t p, std::uint8_t q, double k) {
  return static_cast<std::uint8_t>(std::lround(p + (q - p) * k));
}

Rgba Blend(Rgba a, Rgba b, double k) { return {Mix(a.r, b.r, k), Mix(a.g, b.g, k), Mix(a.b, b.b, k), Mix(a.a, b.a, k)}; }

Rgba Shaded(Rgba p, int percent) {
  const int keep = 100 - std::clamp(percent, 0, 100);
  auto channel = [keep](std::uint8_t c) { return static_cast<std::uint8_t>(c * keep / 100); };
  return {channel(p.r), channel(p.g), channel(p.b), p.a};
}

void AxisFrame(TransitionKind kind, const RgbaImage& from, const RgbaImage& to, double t,
               const TransitionParams& params, const Axis& axis, RgbaImage& out) {
  const std::vector<AxisSource> map = AxisMap(kind, axis.Span(), t, params);
  const int shade = kind == TransitionKind::Roll ? params.size1 : 0;
  for (int y = 0; y < axis.h; ++y)
    for (int x = 0; x < axis.w; ++x) {
      const AxisSource& s = map[static_cast<std::size_t>(axis.Along(x, y))];
      int sx = x, sy = y;
      axis.Place(s.along, sx, sy);
      const Rgba p = (s.fromNew ? to : from).At(sx, sy);
      out.At(x, y) = s.rolled && shade > 0 ? Shaded(p, shade) : p;
    }
}

// Wipe: a hard edge, or with size1 a soft one of that many pixels that
// travels the span and its own width.
void WipeFrame(const RgbaImage& to, double t, int soft, const Axis& axis, RgbaImage& out) {
  const int span = axis.Span();
  const int moved = static_cast<int>(std::lround(span * t));
  for (int y = 0; y < axis.h; ++y)
    for (int x = 0; x < axis.w; ++x) {
      const int along = axis.Along(x, y);
      if (soft <= 0) {
        if (along < moved) out.At(x, y) = to.At(x, y);
        continue;
      }
      const double k = std::clamp((t * (static_cast<double>(span) + soft) - along) / soft, 0.0, 1.0);
      if (k > 0) out.At(x, y) = Blend(out.At(x, y), to.At(x, y), k);
    }
}

// Block: whether the new page shows at (x, y).
struct Blocks {
  int bw, bh, columns, count;
  bool ordered, grow;
  Blocks(int w, int h, const TransitionParams& params)
      // A block larger than the picture is the picture.
      : bw(std::min(params.size1 > 0 ? params.size1 : kDefaultBlockSize, w)),
        bh(std::min(params.size2 > 0 ? params.size2 : kDefaultBlockSize, h)),
        columns((w + bw - 1) / bw),
        count(columns * ((h + bh - 1) / bh)),
        ordered(params.option1),
        grow(params.option2) {}

  bool ShowsNew(int x, int y, int progress) const {
    const int bx = x / bw, by = y / bh;
    // When the block starts, 0 ... 1000 (exclusive).
    const double start = ordered ? (by * static_cast<double>(columns) + bx) * 1000.0 / count : BlockRank(bx, by);
    if (!grow) return start < progress;
    // Each block grows from its centre over half the time; the last starts
    // half way.
    const double local = std::clamp((2.0 * progress - start) / 1000.0, 0.0, 1.0);
    const int dx = std::abs(2 * (x - bx * bw) + 1 - bw), dy = std::abs(2 * (y - by * bh) + 1 - bh);
    return dx < local * bw && dy < local * bh;
  }
};

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
  if (progress <= 0) return from;
  if (progress >= 1000) return to;
  const double t = progress / 1000.0;
  RgbaImage out = from;
  if (w == 0 || h == 0) return out;
  const int dir = params.direction >= kFromRight && params.direction <= kFromTop ? params.direction : kFromTop;
  const Axis axis{dir, w, h};
  switch (kind) {
    case TransitionKind::Push:
    case TransitionKind::Slide:
    case TransitionKind::Roll:
      AxisFrame(kind, from, to, t, params, axis, out);
      return out;
    case TransitionKind::Wipe:
      WipeFrame(to, t, params.size1, axis, out);
      return out;
    case TransitionKind::Fade:
      for (std::size_t i = 0; i < out.Pixels().size(); ++i) out.Pixels()[i] = Blend(from.Pixels()[i], to.Pixels()[i], t);
      return out;
    default: break;
  }

  const bool horizontal = axis.Horizontal();
  const int span = axis.Span();
  const Blocks blocks(w, h, params);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool showNew = false;
      const int along = axis.Along(x, y);
      switch (kind) {
        case TransitionKind::Block: showNew = blocks.ShowsNew(x, y, progress); break;
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
        case TransitionKind::BitmapMask: {
          const RgbaImage* m = params.mask;
          if (m != nullptr && !m->Empty()) {
            const Rgba p = m->At(x * m->Width() / w, y * m->Height() / h);
            showNew = (p.r + p.g + p.b) / 3 <= t * 255;
          }
          break;
        }
        default: break;
      }
      if (showNew) out.At(x, y) = to.At(x, y);
    }
  }
  return out;
}

}  // namespace vx::imaging
