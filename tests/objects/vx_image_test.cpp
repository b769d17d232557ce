#include <gtest/gtest.h>

#include "objects/vx_image.h"
#include "platform/sim/sim_desktop.h"

namespace vx {
namespace {

platform::Picture Frames(std::initializer_list<Rgba> colours, int delayMs = 50) {
  platform::Picture p;
  for (Rgba c : colours) p.frames.push_back({RgbaImage(2, 2, c), delayMs});
  return p;
}

RgbaImage Drawn(sim::SimDesktop& desktop, TVXImage& image, platform::Size size) {
  RgbaImage target(size.width, size.height, {255, 255, 255, 255});
  {
    auto canvas = desktop.pictures.CanvasOn(target);
    image.Paint(*canvas);
  }
  return target;
}

TEST(TVXImage, TransparentBitmapLeavesItsColourOut) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  image.Transparent = true;
  image.TransparentColor = platform::MakeColor(0, 255, 0);
  platform::Picture p;
  RgbaImage bmp(2, 1, {0, 255, 0, 255});
  bmp.At(1, 0) = {9, 9, 9, 255};
  p.frames.push_back({bmp, 0});
  image.SetPicture(p, platform::PictureFormat::Bitmap);
  image.SetBounds({0, 0, 2, 1});
  const RgbaImage out = Drawn(desktop, image, {2, 1});
  EXPECT_EQ(ColorOf(out.At(0, 0)), 0xFFFFFFu);  // what was under it
  EXPECT_EQ(ColorOf(out.At(1, 0)), platform::MakeColor(9, 9, 9));
}

TEST(TVXImage, OnlyBitmapsAreKeyed) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  image.Transparent = true;
  image.TransparentColor = platform::MakeColor(0, 255, 0);
  image.SetPicture(Frames({{0, 255, 0, 255}}), platform::PictureFormat::Png);
  image.SetBounds({0, 0, 2, 2});
  EXPECT_EQ(ColorOf(Drawn(desktop, image, {2, 2}).At(0, 0)), platform::MakeColor(0, 255, 0));
}

TEST(TVXImage, AnimatedGifLoops) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  image.Animate = true;
  image.SetPicture(Frames({{1, 0, 0, 255}, {2, 0, 0, 255}, {3, 0, 0, 255}}), platform::PictureFormat::Gif);
  EXPECT_EQ(image.CurrentFrame(), 0);
  desktop.loop.Advance(50);
  EXPECT_EQ(image.CurrentFrame(), 1);
  desktop.loop.Advance(100);
  EXPECT_EQ(image.CurrentFrame(), 0);  // round again, without end
  desktop.loop.Advance(150);
  EXPECT_EQ(image.CurrentFrame(), 0);
}

TEST(TVXImage, GifWithoutAnimateFlagStands) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  image.SetPicture(Frames({{1, 0, 0, 255}, {2, 0, 0, 255}}), platform::PictureFormat::Gif);
  desktop.loop.Advance(500);
  EXPECT_EQ(image.CurrentFrame(), 0);
}

TEST(TVXImage, ProportionalFitsAndCentres) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  platform::Picture p;
  p.frames.push_back({RgbaImage(200, 100), 0});
  image.SetPicture(p, platform::PictureFormat::Png);
  image.SetBounds({0, 0, 100, 100});
  EXPECT_EQ(image.DestRect(), (platform::Rect{0, 0, 200, 100}));  // neither stretched nor fitted
  image.Proportional = true;
  EXPECT_EQ(image.DestRect(), (platform::Rect{0, 0, 100, 50}));
  image.Center = true;
  EXPECT_EQ(image.DestRect(), (platform::Rect{0, 25, 100, 50}));
  image.Stretch = true;
  image.Proportional = false;
  image.Center = false;
  EXPECT_EQ(image.DestRect(), (platform::Rect{0, 0, 100, 100}));
}

TEST(TVXImage, AutoSizeKeepsThePictureSize) {
  sim::SimDesktop desktop;
  TVXImage image(desktop.loop);
  image.AutoSize = true;
  image.SetPicture(Frames({{1, 1, 1, 255}}), platform::PictureFormat::Png);
  image.SetBounds({5, 6, 300, 300});
  EXPECT_EQ(image.BoundsRect(), (platform::Rect{5, 6, 2, 2}));
}

}  // namespace
}  // namespace vx
