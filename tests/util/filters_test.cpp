#include "util/imaging/filters.h"

#include <gtest/gtest.h>

namespace vx::imaging {
namespace {

// 3 x 2: distinct colours, one pixel half transparent.
RgbaImage Sample() {
  RgbaImage image(3, 2);
  image.At(0, 0) = {10, 20, 30, 255};
  image.At(1, 0) = {200, 100, 0, 255};
  image.At(2, 0) = {255, 255, 255, 128};
  image.At(0, 1) = {0, 0, 0, 255};
  image.At(1, 1) = {50, 150, 250, 255};
  image.At(2, 1) = {90, 60, 30, 255};
  return image;
}

RgbaImage Gradient(int w, int h) {
  RgbaImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.At(x, y) = {static_cast<std::uint8_t>(x * 255 / (w - 1)), static_cast<std::uint8_t>(y * 255 / (h - 1)),
                        static_cast<std::uint8_t>((x * 37 + y * 91) % 256), 255};
  return image;
}

TEST(Filters, FlipHorizontalMirrorsRowsWithAlpha) {
  RgbaImage image = Sample();
  FlipHorizontal(image);
  const RgbaImage s = Sample();
  EXPECT_EQ(image.At(0, 0), s.At(2, 0));
  EXPECT_EQ(image.At(1, 0), s.At(1, 0));
  EXPECT_EQ(image.At(2, 0), s.At(0, 0));
  EXPECT_EQ(image.At(0, 1), s.At(2, 1));
  EXPECT_EQ(image.At(2, 1), s.At(0, 1));
}

TEST(Filters, FlipVerticalSwapsRows) {
  RgbaImage image = Sample();
  FlipVertical(image);
  const RgbaImage s = Sample();
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(image.At(x, 0), s.At(x, 1));
    EXPECT_EQ(image.At(x, 1), s.At(x, 0));
  }
  // An odd height keeps its middle row.
  RgbaImage odd = Gradient(2, 3);
  const RgbaImage before = odd;
  FlipVertical(odd);
  EXPECT_EQ(odd.At(1, 1), before.At(1, 1));
  EXPECT_EQ(odd.At(0, 0), before.At(0, 2));
}

TEST(Filters, InvertKeepsAlpha) {
  RgbaImage image = Sample();
  Invert(image);
  EXPECT_EQ(image.At(0, 0), (Rgba{245, 235, 225, 255}));
  EXPECT_EQ(image.At(2, 0), (Rgba{0, 0, 0, 128}));
  EXPECT_EQ(image.At(1, 1), (Rgba{205, 105, 5, 255}));
}

TEST(Filters, GreyScaleUsesLumaWeights) {
  RgbaImage image = Sample();
  GreyScale(image);
  // (299*200 + 587*100 + 114*0 + 500) / 1000 = 119
  EXPECT_EQ(image.At(1, 0), (Rgba{119, 119, 119, 255}));
  // (299*10 + 587*20 + 114*30 + 500) / 1000 = 18
  EXPECT_EQ(image.At(0, 0), (Rgba{18, 18, 18, 255}));
  EXPECT_EQ(image.At(2, 0), (Rgba{255, 255, 255, 128}));
}

TEST(Filters, StrengthZeroIsIdentity) {
  const RgbaImage source = Gradient(9, 7);
  for (auto* filter : {&Lightness, &Contrast, &Saturation, &GaussianBlur, &Sharpen, &Sponge}) {
    RgbaImage image = source;
    filter(image, 0);
    EXPECT_EQ(image, source);
  }
  EXPECT_EQ(ApplyFilters(source, {}), source);
}

TEST(Filters, NegativeStrengthOfOneSidedFiltersIsIdentity) {
  const RgbaImage source = Gradient(6, 6);
  for (auto* filter : {&GaussianBlur, &Sharpen, &Sponge}) {
    RgbaImage image = source;
    filter(image, -20);
    EXPECT_EQ(image, source);
  }
}

TEST(Filters, LightnessIsMonotoneAndClamped) {
  const RgbaImage source = Gradient(8, 8);
  RgbaImage previous = source;
  Lightness(previous, -300);
  for (int amount = -255; amount <= 300; amount += 15) {
    RgbaImage image = source;
    Lightness(image, amount);
    for (std::size_t i = 0; i < image.Pixels().size(); ++i) {
      EXPECT_GE(image.Pixels()[i].r, previous.Pixels()[i].r);
      EXPECT_GE(image.Pixels()[i].g, previous.Pixels()[i].g);
      EXPECT_GE(image.Pixels()[i].b, previous.Pixels()[i].b);
    }
    previous = image;
  }
  RgbaImage white = source;
  Lightness(white, 255);
  for (const Rgba& p : white.Pixels()) EXPECT_EQ(p, (Rgba{255, 255, 255, 255}));
  RgbaImage one(1, 1, {100, 0, 250, 7});
  Lightness(one, 10);
  EXPECT_EQ(one.At(0, 0), (Rgba{110, 10, 255, 7}));
}

TEST(Filters, BlurKeepsAFlatImageAndSmoothsAnEdge) {
  RgbaImage flat(12, 9, {37, 140, 201, 255});
  const RgbaImage before = flat;
  GaussianBlur(flat, 5);
  EXPECT_EQ(flat, before);
  GaussianBlur(flat, 1000);  // clamped, still flat
  EXPECT_EQ(flat, before);

  RgbaImage edge(10, 1, {0, 0, 0, 255});
  for (int x = 5; x < 10; ++x) edge.At(x, 0) = {255, 255, 255, 255};
  GaussianBlur(edge, 3);
  EXPECT_GT(edge.At(4, 0).r, 0);
  EXPECT_LT(edge.At(5, 0).r, 255);
  for (int x = 1; x < 10; ++x) EXPECT_GE(edge.At(x, 0).r, edge.At(x - 1, 0).r);
}

TEST(Filters, ContrastAndSaturationEnds) {
  RgbaImage image = Sample();
  Contrast(image, -100);
  for (const Rgba& p : image.Pixels()) EXPECT_EQ(p.r, 128);
  image = Sample();
  Contrast(image, 100);  // twice the distance from 128
  EXPECT_EQ(image.At(1, 0), (Rgba{255, 72, 0, 255}));

  image = Sample();
  Saturation(image, -100);
  RgbaImage grey = Sample();
  GreyScale(grey);
  EXPECT_EQ(image, grey);
  image = Sample();
  Saturation(image, 50);
  // A grey pixel stays grey, a coloured one moves away from its grey.
  EXPECT_GT(image.At(1, 0).r, 200);
  EXPECT_LT(image.At(1, 0).b, 1);
}

TEST(Filters, SharpenKeepsFlatAndRaisesEdges) {
  RgbaImage flat(5, 5, {90, 90, 90, 255});
  const RgbaImage before = flat;
  Sharpen(flat, 100);
  EXPECT_EQ(flat, before);
  RgbaImage edge(6, 3, {100, 100, 100, 255});
  for (int y = 0; y < 3; ++y)
    for (int x = 3; x < 6; ++x) edge.At(x, y) = {160, 160, 160, 255};
  Sharpen(edge, 50);
  EXPECT_LT(edge.At(2, 1).r, 100);
  EXPECT_GT(edge.At(3, 1).r, 160);
}

TEST(Filters, SpongeTakesNearbyPixelsDeterministically) {
  const RgbaImage source = Gradient(20, 20);
  RgbaImage a = source, b = source;
  Sponge(a, 3);
  Sponge(b, 3);
  EXPECT_EQ(a, b);
  EXPECT_NE(a, source);
  RgbaImage flat(6, 6, {1, 2, 3, 255});
  Sponge(flat, 50);
  EXPECT_EQ(flat, RgbaImage(6, 6, {1, 2, 3, 255}));
}

TEST(Filters, EmbossFlatIsMidGrey) {
  RgbaImage flat(4, 4, {200, 10, 10, 255});
  Emboss(flat);
  for (const Rgba& p : flat.Pixels()) EXPECT_EQ(p, (Rgba{128, 128, 128, 255}));
  RgbaImage step(3, 3, {0, 0, 0, 255});
  step.At(2, 2) = {255, 255, 255, 255};
  Emboss(step);
  EXPECT_EQ(step.At(1, 1).r, 255);  // 128 + 255 - 0, clamped
  EXPECT_EQ(step.At(2, 2).r, 255);  // clamped neighbour is itself: 128 + 255 - 0
  EXPECT_EQ(step.At(0, 0).r, 128);
}

TEST(Filters, ApplyFiltersFlipsBeforeInverting) {
  FilterSettings s;
  s.flipHorizontal = true;
  s.invert = true;
  const RgbaImage out = ApplyFilters(Sample(), s);
  EXPECT_EQ(out.At(0, 0), (Rgba{0, 0, 0, 128}));
  EXPECT_EQ(out.At(2, 0), (Rgba{245, 235, 225, 255}));
}

}  // namespace
}  // namespace vx::imaging
