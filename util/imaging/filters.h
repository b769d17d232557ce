#pragma once
// The background imager's picture filters, as pixel work on RGBA pictures.
// Strengths are the integers that page records and scripts pass; a value
// outside a filter's range is clamped to it. Alpha moves with the flips and
// is otherwise kept.

#include "util/rgba_image.h"

namespace vx::imaging {

// Ranges (0 is always "no change"):
inline constexpr int kMaxLightness = 255;   // -255 ... 255 added to R, G and B
inline constexpr int kMaxContrast = 100;    // -100 (flat grey) ... 100 (twice the spread round 128)
inline constexpr int kMaxSaturation = 100;  // -100 (grey) ... 100 (twice the distance from grey)
inline constexpr int kMaxBlur = 100;        // 0 ... 100: Gaussian radius in pixels, sigma = radius / 2
inline constexpr int kMaxSharpen = 100;     // 0 ... 100: unsharp mask, 100 adds twice the detail
inline constexpr int kMaxSponge = 50;       // 0 ... 50: each pixel taken from a fixed random
                                            // neighbour at most that many pixels away

void Lightness(RgbaImage& image, int amount);
void Contrast(RgbaImage& image, int amount);
void Saturation(RgbaImage& image, int amount);
void GaussianBlur(RgbaImage& image, int radius);
void Sharpen(RgbaImage& image, int amount);
void Sponge(RgbaImage& image, int radius);
// (299 R + 587 G + 114 B) / 1000, rounded, into all three channels.
void GreyScale(RgbaImage& image);
void FlipHorizontal(RgbaImage& image);  // left and right swapped
void FlipVertical(RgbaImage& image);    // top and bottom swapped
// Grey relief lit from the top-left: 128 + grey(down-right) - grey(up-left).
void Emboss(RgbaImage& image);
void Invert(RgbaImage& image);  // 255 - R, G, B

struct FilterSettings {
  int lightness = 0;
  int blur = 0;
  int contrast = 0;
  int saturation = 0;
  int sharpen = 0;
  int sponge = 0;
  bool greyScale = false;
  bool flipHorizontal = false;
  bool flipVertical = false;
  bool emboss = false;
  bool invert = false;
  bool operator==(const FilterSettings&) const = default;
  bool Identity() const { return *this == FilterSettings{}; }
};

// Flips, then lightness, contrast, saturation, grey scale, blur, sharpen,
// sponge, emboss and invert last.
RgbaImage ApplyFilters(const RgbaImage& source, const FilterSettings& settings);

}  // namespace vx::imaging
