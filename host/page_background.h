#pragma once
// Painting the background imager VX_FORM_BACKGROUND and the frame shape of a
// page on its client area.

#include "host/page_settings.h"
#include "platform/drawing.h"
#include "util/imaging/filters.h"
#include "util/rgba_image.h"

namespace vx {

// Where the picture goes in the client area for each draw mode; tiles are
// repeated from this first one.
platform::Rect BackgroundPlacement(BackgroundDrawMode mode, platform::Size picture, platform::Size client);

imaging::FilterSettings FiltersOf(const BackgroundSettings& background);

// The background picture as drawn: keyed and filtered. Filtering a large
// picture is slow, so the result is kept until the picture or a setting
// changes.
class BackgroundCache {
 public:
  // Null when the page has no picture.
  const RgbaImage* Get(const BackgroundSettings& background);
  int Computations() const { return computations_; }

 private:
  RgbaImage source_;
  imaging::FilterSettings filters_;
  bool transparent_ = false;
  platform::Color transparentColor_ = 0;
  bool valid_ = false;
  RgbaImage result_;
  int computations_ = 0;
};

void PaintPageBackground(platform::Canvas& canvas, const PageSettings& page, platform::Size client,
                         BackgroundCache& cache);

}  // namespace vx
