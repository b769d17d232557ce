#include <gtest/gtest.h>

#include "util/imaging/transitions.h"

namespace vx::imaging {
namespace {

// Rows whose red channel tells the column: the old page 0 ... w-1, the new
// one 100 ... 100 + w-1.
RgbaImage Ramp(int w, int h, int base) {
  RgbaImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.At(x, y) = {static_cast<std::uint8_t>(base + x), 0, 0, 255};
  return image;
}

// The red channels of row y.
std::vector<int> Row(const RgbaImage& image, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < image.Width(); ++x) out.push_back(image.At(x, y).r);
  return out;
}

TransitionParams Params(int direction, bool option1 = false, bool option2 = false) {
  TransitionParams p;
  p.direction = direction;
  p.option1 = option1;
  p.option2 = option2;
  return p;
}

class AxisEffects : public ::testing::Test {
 protected:
  std::vector<int> Frame(TransitionKind kind, int progress, const TransitionParams& params) {
    return Row(TransitionFrame(kind, from, to, progress, params));
  }
  const RgbaImage from = Ramp(10, 1, 0), to = Ramp(10, 1, 100);
};

TEST_F(AxisEffects, SlideBringsTheNewPageInOrTakesTheOldOneOut) {
  // In: the new page's right half has come in from the left over the old.
  EXPECT_EQ(Frame(TransitionKind::Slide, 500, Params(kFromLeft)),
            (std::vector<int>{105, 106, 107, 108, 109, 5, 6, 7, 8, 9}));
  // Out: the old page has moved right by half, uncovering the new one.
  EXPECT_EQ(Frame(TransitionKind::Slide, 500, Params(kFromLeft, true)),
            (std::vector<int>{100, 101, 102, 103, 104, 0, 1, 2, 3, 4}));
  // From the right the mirror picture.
  EXPECT_EQ(Frame(TransitionKind::Slide, 300, Params(kFromRight)),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 100, 101, 102}));
  EXPECT_EQ(Frame(TransitionKind::Slide, 300, Params(kFromRight, true)),
            (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 107, 108, 109}));
}

TEST_F(AxisEffects, SplitSlideClosesFromBothEdgesOrOpensFromTheMiddle) {
  // Closing: each half of the new page comes in from its own edge.
  EXPECT_EQ(Frame(TransitionKind::Slide, 400, Params(kFromLeft, false, true)),
            (std::vector<int>{103, 104, 2, 3, 4, 5, 6, 7, 105, 106}));
  // Opening: the old page parts in the middle, its halves moving out.
  EXPECT_EQ(Frame(TransitionKind::Slide, 400, Params(kFromLeft, true, true)),
            (std::vector<int>{2, 3, 4, 103, 104, 105, 106, 5, 6, 7}));
  // The direction only picks the axis: from the right is the same split.
  EXPECT_EQ(Frame(TransitionKind::Slide, 400, Params(kFromRight, true, true)),
            Frame(TransitionKind::Slide, 400, Params(kFromLeft, true, true)));
}

TEST_F(AxisEffects, RollSqueezesTheOldPageOrUnrollsTheNewOne) {
  EXPECT_EQ(Frame(TransitionKind::Roll, 500, Params(kFromLeft)),
            (std::vector<int>{105, 106, 107, 108, 109, 0, 2, 4, 6, 8}));
  EXPECT_EQ(Frame(TransitionKind::Roll, 500, Params(kFromLeft, true)),
            (std::vector<int>{100, 102, 104, 106, 108, 0, 1, 2, 3, 4}));
  // Split: the old page squeezed toward the middle between the halves.
  EXPECT_EQ(Frame(TransitionKind::Roll, 400, Params(kFromLeft, false, true)),
            (std::vector<int>{103, 104, 0, 1, 3, 6, 8, 9, 105, 106}));
  // Size 1 shades the rolled part: here half dark.
  TransitionParams shaded = Params(kFromLeft);
  shaded.size1 = 50;
  EXPECT_EQ(Frame(TransitionKind::Roll, 500, shaded), (std::vector<int>{105, 106, 107, 108, 109, 0, 1, 2, 3, 4}));
}

TEST_F(AxisEffects, PushTakesNoOptionsAndOddDirectionsRunFromTheTop) {
  const std::vector<int> push = {105, 106, 107, 108, 109, 0, 1, 2, 3, 4};
  EXPECT_EQ(Frame(TransitionKind::Push, 500, Params(kFromLeft)), push);
  EXPECT_EQ(Frame(TransitionKind::Push, 500, Params(kFromLeft, true, true)), push);
  // A column, from the top and from the bottom; direction 9 is from the top.
  const RgbaImage old(1, 4, {0, 0, 0, 255}), page(1, 4, {200, 0, 0, 255});
  auto column = [&](int direction) {
    const RgbaImage f = TransitionFrame(TransitionKind::Wipe, old, page, 500, Params(direction));
    return std::vector<int>{f.At(0, 0).r, f.At(0, 1).r, f.At(0, 2).r, f.At(0, 3).r};
  };
  EXPECT_EQ(column(kFromTop), (std::vector<int>{200, 200, 0, 0}));
  EXPECT_EQ(column(kFromBottom), (std::vector<int>{0, 0, 200, 200}));
  EXPECT_EQ(column(9), column(kFromTop));
  EXPECT_EQ(column(0), column(kFromTop));
}

TEST(WipeOption, SizeOneIsASoftEdge) {
  const RgbaImage from(10, 1, {0, 0, 0, 255}), to(10, 1, {200, 0, 0, 255});
  TransitionParams params = Params(kFromLeft);
  EXPECT_EQ(Row(TransitionFrame(TransitionKind::Wipe, from, to, 500, params)),
            (std::vector<int>{200, 200, 200, 200, 200, 0, 0, 0, 0, 0}));
  // Four pixels of edge travel 14 positions: at half way the edge is at 7.
  params.size1 = 4;
  EXPECT_EQ(Row(TransitionFrame(TransitionKind::Wipe, from, to, 500, params)),
            (std::vector<int>{200, 200, 200, 200, 150, 100, 50, 0, 0, 0}));
  params.size1 = 1 << 30;  // no overflow, one long blend
  const std::vector<int> wide = Row(TransitionFrame(TransitionKind::Wipe, from, to, 500, params));
  EXPECT_EQ(wide.front(), 100);
}

TEST(BlockOptions, OrderedBlocksOfSizeOneBySizeTwo) {
  const RgbaImage from(8, 4, {0, 0, 0, 255}), to(8, 4, {200, 0, 0, 255});
  TransitionParams params = Params(kFromTop, true);
  params.size1 = 4;  // width
  params.size2 = 2;  // height
  // Four blocks in reading order: at a quarter only the first.
  RgbaImage f = TransitionFrame(TransitionKind::Block, from, to, 250, params);
  EXPECT_EQ(f.At(0, 0).r, 200);
  EXPECT_EQ(f.At(3, 1).r, 200);
  EXPECT_EQ(f.At(4, 0).r, 0);
  EXPECT_EQ(f.At(0, 2).r, 0);
  // At a half the top row of blocks.
  f = TransitionFrame(TransitionKind::Block, from, to, 500, params);
  EXPECT_EQ(Row(f, 1), (std::vector<int>{200, 200, 200, 200, 200, 200, 200, 200}));
  EXPECT_EQ(Row(f, 2), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0}));
  // Sizes 0 are 16: a 32 x 16 page is two blocks side by side.
  const RgbaImage wideFrom(32, 16, {0, 0, 0, 255}), wideTo(32, 16, {200, 0, 0, 255});
  f = TransitionFrame(TransitionKind::Block, wideFrom, wideTo, 400, Params(kFromTop, true));
  EXPECT_EQ(f.At(15, 15).r, 200);
  EXPECT_EQ(f.At(16, 0).r, 0);
}

TEST(BlockOptions, GrowingBlocksOpenFromTheirCentre) {
  const RgbaImage from(8, 8, {0, 0, 0, 255}), to(8, 8, {200, 0, 0, 255});
  TransitionParams params = Params(kFromTop, true, true);
  params.size1 = params.size2 = 100;  // larger than the page: one block, the page
  // The only block starts at once and is full at half time: at a quarter
  // it is the middle 4 x 4.
  const RgbaImage f = TransitionFrame(TransitionKind::Block, from, to, 250, params);
  int shown = 0;
  for (const Rgba& p : f.Pixels()) shown += p.r == 200;
  EXPECT_EQ(shown, 16);
  EXPECT_EQ(f.At(2, 2).r, 200);
  EXPECT_EQ(f.At(5, 5).r, 200);
  EXPECT_EQ(f.At(1, 2).r, 0);
  EXPECT_EQ(f.At(6, 5).r, 0);
  EXPECT_EQ(TransitionFrame(TransitionKind::Block, from, to, 500, params), to);
}

TEST(BlockOptions, ScatteredBlocksOnlyEverAdd) {
  const RgbaImage from(64, 64, {0, 0, 0, 255}), to(64, 64, {200, 0, 0, 255});
  TransitionParams params;
  params.size1 = params.size2 = 4;
  RgbaImage before = from;
  bool outOfOrder = false;
  for (int progress = 100; progress < 1000; progress += 100) {
    const RgbaImage f = TransitionFrame(TransitionKind::Block, from, to, progress, params);
    for (std::size_t i = 0; i < f.Pixels().size(); ++i)
      if (before.Pixels()[i].r == 200) {
        EXPECT_EQ(f.Pixels()[i].r, 200) << progress;
      }
    before = f;
    // Not in reading order: some block is there before an earlier one.
    bool gap = false;
    for (int by = 0; by < 16; ++by)
      for (int bx = 0; bx < 16; ++bx) {
        const bool shown = f.At(bx * 4, by * 4).r == 200;
        if (!shown) gap = true;
        else if (gap) outOfOrder = true;
      }
  }
  EXPECT_TRUE(outOfOrder);
}

}  // namespace
}  // namespace vx::imaging
