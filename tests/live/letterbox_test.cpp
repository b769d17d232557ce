#include "platform/live/letterbox.h"

#include <gtest/gtest.h>

namespace vx::live {
namespace {

TEST(Letterbox, AWideWindowGetsBarsLeftAndRight) {
  // 800 x 600 into 1000 x 300: height decides, scale 0.5, 400 wide, 300 left over.
  const Letterbox box = FitKeepingAspect({800, 600}, {1000, 300});
  EXPECT_DOUBLE_EQ(box.scale, 0.5);
  EXPECT_DOUBLE_EQ(box.left, 300.0);
  EXPECT_DOUBLE_EQ(box.top, 0.0);
}

TEST(Letterbox, ATallWindowGetsBarsAboveAndBelow) {
  const Letterbox box = FitKeepingAspect({800, 600}, {400, 600});
  EXPECT_DOUBLE_EQ(box.scale, 0.5);
  EXPECT_DOUBLE_EQ(box.left, 0.0);
  EXPECT_DOUBLE_EQ(box.top, 150.0);
}

TEST(Letterbox, WindowPointsMapBackToTheVirtualScreen) {
  const Letterbox box = FitKeepingAspect({800, 600}, {1000, 300});
  EXPECT_EQ(ToScreen(box, 300.0, 0.0), (platform::Point{0, 0}));
  EXPECT_EQ(ToScreen(box, 699.9, 299.9), (platform::Point{799, 599}));
  EXPECT_EQ(ToScreen(box, 355.0, 35.0), (platform::Point{110, 70}));
  // The bars and the far edge are off the screen.
  EXPECT_EQ(ToScreen(box, 299.9, 10.0), std::nullopt);
  EXPECT_EQ(ToScreen(box, 700.0, 10.0), std::nullopt);
}

TEST(Letterbox, APointInTheBarsIsPulledToTheEdge) {
  const Letterbox box = FitKeepingAspect({800, 600}, {1000, 300});
  EXPECT_EQ(ToScreenClamped(box, 10.0, 150.0), (platform::Point{0, 300}));
  EXPECT_EQ(ToScreenClamped(box, 990.0, -5.0), (platform::Point{799, 0}));
}

TEST(Letterbox, AnUpscaledScreenMapsEveryWindowPixelToOneScreenPixel) {
  const Letterbox box = FitKeepingAspect({640, 480}, {1280, 960});
  EXPECT_DOUBLE_EQ(box.scale, 2.0);
  EXPECT_EQ(ToScreen(box, 1.0, 1.0), (platform::Point{0, 0}));
  EXPECT_EQ(ToScreen(box, 2.0, 3.0), (platform::Point{1, 1}));
}

TEST(Letterbox, AnEmptyWindowOrScreenMapsNothing) {
  EXPECT_DOUBLE_EQ(FitKeepingAspect({800, 600}, {0, 0}).scale, 0.0);
  EXPECT_EQ(ToScreen(FitKeepingAspect({0, 0}, {100, 100}), 5.0, 5.0), std::nullopt);
  EXPECT_EQ(ToScreenClamped(FitKeepingAspect({800, 600}, {0, 100}), 5.0, 5.0), (platform::Point{0, 0}));
}

TEST(Letterbox, AScreenRectangleCoversTheWindowPixelsOfItsScaledPlace) {
  // 1024 x 768 into 1280 x 768: scale 1, 128 pixels of bar on the left.
  const Letterbox same = FitKeepingAspect({1024, 768}, {1280, 768});
  EXPECT_EQ(ToWindowRect(same, {20, 30, 300, 200}), (platform::Rect{148, 30, 300, 200}));
  // Half the size: odd edges round outwards, so no gap opens beside it.
  const Letterbox half = FitKeepingAspect({800, 600}, {1000, 300});
  EXPECT_EQ(ToWindowRect(half, {11, 21, 101, 51}), (platform::Rect{305, 10, 51, 26}));
  // Nothing drawn, nothing covered; an empty rectangle covers nothing.
  EXPECT_EQ(ToWindowRect(FitKeepingAspect({800, 600}, {0, 0}), {0, 0, 10, 10}), platform::Rect{});
  EXPECT_EQ(ToWindowRect(same, {5, 5, 0, 10}), platform::Rect{});
}

}  // namespace
}  // namespace vx::live
