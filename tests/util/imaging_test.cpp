#include <gtest/gtest.h>

#include <set>

#include "util/imaging/scale.h"
#include "util/imaging/transitions.h"
#include "util/error.h"

namespace vx::imaging {
namespace {

TEST(Transitions, TableCoversThirteenCodes) {
  for (int code = 1; code <= 13; ++code) {
    const TransitionInfo* t = TransitionByCode(code);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->name, "Transition" + std::to_string(code));
  }
  EXPECT_EQ(TransitionByCode(0), nullptr);
  EXPECT_EQ(TransitionByCode(14), nullptr);
  EXPECT_EQ(TransitionByCode(13)->kind, TransitionKind::BitmapMask);
}

TEST(Transitions, RandomCodeIsOneToTwelve) {
  std::mt19937 random(1);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) seen.insert(RandomTransitionCode(random));
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 12);
  EXPECT_EQ(seen.size(), 12u);
}

TEST(Transitions, DirectionDigits) {
  EXPECT_EQ(TransitionDirectionFromCode(0), 4);
  EXPECT_EQ(TransitionDirectionFromCode(1), 3);
  EXPECT_EQ(TransitionDirectionFromCode(2), 2);
  EXPECT_EQ(TransitionDirectionFromCode(3), 1);
  EXPECT_EQ(TransitionDirectionFromCode(7), 7);
}

TEST(Transitions, EveryEffectStartsOldAndEndsNew) {
  const RgbaImage from(16, 12, {0, 0, 0, 255}), to(16, 12, {255, 255, 255, 255});
  for (int code = 1; code <= 13; ++code) {
    const TransitionKind kind = TransitionByCode(code)->kind;
    for (int dir : {1, 2, 3, 4}) {
      TransitionParams params;
      params.direction = dir;
      EXPECT_EQ(TransitionFrame(kind, from, to, 0, params), from) << code << " " << dir;
      EXPECT_EQ(TransitionFrame(kind, from, to, 1000, params), to) << code;
      const RgbaImage mid = TransitionFrame(kind, from, to, 500, params);
      EXPECT_EQ(mid.Width(), 16);
    }
  }
}

TEST(Transitions, WipeFromTheLeftHalfWay) {
  const RgbaImage from(10, 2, {0, 0, 0, 255}), to(10, 2, {255, 255, 255, 255});
  TransitionParams params;
  params.direction = kFromLeft;
  const RgbaImage mid = TransitionFrame(TransitionKind::Wipe, from, to, 500, params);
  EXPECT_EQ(mid.At(4, 0), to.At(4, 0));
  EXPECT_EQ(mid.At(5, 0), from.At(5, 0));
  EXPECT_THROW(TransitionFrame(TransitionKind::Wipe, from, RgbaImage(3, 3), 500, params), Error);
}

TEST(Scale, NearestAndSmooth) {
  RgbaImage image(2, 1);
  image.At(0, 0) = {0, 0, 0, 255};
  image.At(1, 0) = {200, 200, 200, 255};
  const RgbaImage nearest = Scale(image, 4, 1, false);
  EXPECT_EQ(nearest.At(1, 0), image.At(0, 0));
  EXPECT_EQ(nearest.At(2, 0), image.At(1, 0));
  const RgbaImage smooth = Scale(image, 4, 1, true);
  EXPECT_GT(smooth.At(1, 0).r, 0);
  EXPECT_LT(smooth.At(1, 0).r, 200);
  EXPECT_TRUE(Scale(image, 0, 0, true).Empty());
}

}  // namespace
}  // namespace vx::imaging
