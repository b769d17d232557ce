#pragma once
// Painting the background imager VX_FORM_BACKGROUND and the frame shape of a
// page on its client area.

#include "host/page_settings.h"
#include "platform/drawing.h"

namespace vx {

// Where the picture goes in the client area for each draw mode; tiles are
// repeated from this first one.
platform::Rect BackgroundPlacement(BackgroundDrawMode mode, platform::Size picture, platform::Size client);

void PaintPageBackground(platform::Canvas& canvas, const PageSettings& page, platform::Size client);

}  // namespace vx
