#pragma once
// The page show transitions "Transition1" ... "Transition13": which effect
// each code shows, and the effect frames as portable pixel work.

#include <cstdint>
#include <random>
#include <string_view>

#include "util/rgba_image.h"

namespace vx::imaging {

enum class TransitionKind {
  Block,       // 1: the new page appears in blocks of size 1 x size 2
  Circle,      // 2: a growing circle opens from the centre
  Diagonal,    // 3: a diagonal edge sweeps from the top-left
  Drip,        // 4: columns drip down in the direction
  Interlaced,  // 5: every other row, then the rows between
  Push,        // 6: the new page pushes the old one out in the direction
  Radial,      // 7: a clock hand sweeps round the centre
  Roll,        // 8: the new page comes in, the old one rolled up (squeezed) ahead of it
  Slide,       // 9: the new page slides in over the old in the direction
  Waterfall,   // 10: rows fall from the top, staggered by column
  Wipe,        // 11: a straight edge wipes across in the direction
  Fade,        // 12: cross-fade
  BitmapMask,  // 13: the grey values of the mask picture decide the order
};

struct TransitionInfo {
  int code;
  TransitionKind kind;
  std::string_view name;
  bool usesDirection;  // field 25 position 2
  bool usesOptions;    // field 25 positions 3 and 4
};

// The effect of show-transition code 1 ... 13, or null.
const TransitionInfo* TransitionByCode(int code);

// Code 14: one of 1 ... 12 (never the mask effect, which needs a picture).
template <typename Generator>
int RandomTransitionCode(Generator& random) {
  return std::uniform_int_distribution<int>(1, 12)(random);
}

// Direction digits of the records to the effect library's: 0 -> 4, 1 -> 3,
// 2 -> 2, 3 -> 1; any other value passes unchanged.
int TransitionDirectionFromCode(int digit);

// Directions of the effect library.
enum TransitionDirection { kFromRight = 1, kFromBottom = 2, kFromLeft = 3, kFromTop = 4 };

// The page record's options as the effects read them (fields 25 to 30).
struct TransitionParams {
  int style = 0;
  int subStyle = 0;
  // Block: the block width and height (16 when 0 or less). Wipe: size1 is
  // the width of a soft edge in pixels; Roll: size1 is the shade of the
  // rolled part in percent.
  int size1 = 0;
  int size2 = 0;
  // Field 25 positions 3 and 4. Block: option1 takes the blocks in reading
  // order instead of a scattered one, option2 lets each block grow from its
  // centre. Roll, Slide: option1 moves the old page out instead of the new
  // one in, option2 splits the moving page into two halves along the
  // direction's axis (the new one closing in from both edges, the old one
  // opening from the middle).
  bool option1 = false;
  bool option2 = false;
  int direction = kFromTop;  // other values than the four run from the top
  const RgbaImage* mask = nullptr;
};

// The frame at progress 0 ... 1000 from the old page to the new one; both
// must have the same size. Progress 0 is the old page, 1000 the new one.
RgbaImage TransitionFrame(TransitionKind kind, const RgbaImage& from, const RgbaImage& to, int progress,
                          const TransitionParams& params);

}  // namespace vx::imaging
