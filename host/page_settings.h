#pragma once
// What a page record sets beyond the window itself: the page-table record,
// the background imager, the frame shape and the show transition.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/pictures.h"
#include "platform/types.h"

namespace vx {

// One page-table record; index = page number, entry 0 empty.
struct TFormDB {
  std::string Name;
  std::uint8_t ShowBorderShape = 0;
  std::uint8_t NoSnap = 0;
  int Width = 0;
  int Height = 0;
  std::uint8_t BorderStyle = 0;  // none, single, sizeable, dialog, tool, sizeable tool
  int Left = -1;
  int Top = -1;
  bool operator==(const TFormDB&) const = default;
};

enum class BackgroundDrawMode { Normal, Centred, Tiled, Stretched, Proportional, ProportionalCentred };

// The background imager VX_FORM_BACKGROUND and its filters.
struct BackgroundSettings {
  std::optional<platform::Picture> picture;
  BackgroundDrawMode drawMode = BackgroundDrawMode::Normal;
  bool smoothStretch = true;
  bool transparent = false;
  platform::Color transparentColor = 0;
  int lightness = 0;
  int blur = 0;
  int contrast = 0;
  int saturation = 0;
  int sharpen = 0;
  int sponge = 0;
  bool greyScale = false;
  bool flipHorizontal = false;
  bool emboss = false;
  bool invert = false;
  bool flipVertical = false;
};

// The frame shape bgshape: filled with the window colour, outlined when the
// page asks for it; scripts show and hide it.
struct FrameShapeSettings {
  bool visible = true;
  bool outlined = false;
  platform::Color fill = 0;
};

// Every transition frame renders three images of the client area. A page
// larger than a 4K screen shows at once: its frames would take far longer
// than their turn, and the sim, whose clock waits for them, would paint
// every one.
inline constexpr std::int64_t kMaxTransitionPixels = std::int64_t{3840} * 2160;

struct TransitionSettings {
  int effect = 0;  // 0 none, else "Transition" + effect
  int durationMs = 1000;
  int style = 0;
  int subStyle = 0;
  int size1 = 0;
  int size2 = 0;
  bool option1 = false;  // block, roll and slide: positions 3 and 4 of field 25
  bool option2 = false;
  int direction = 0;     // after TransitionDirectionFromCode
  std::string maskPath;
};

struct PageSettings {
  BackgroundSettings background;
  FrameShapeSettings frameShape;
  TransitionSettings transition;
  int cursor = 0;
  bool hiddenAfterLoading = false;
};

}  // namespace vx
