#pragma once
// Pictures: decoding the bytes of picture files into frames, and drawing on
// pictures in memory. Decoders are handed untrusted bytes: they answer
// nothing for anything they cannot read, and refuse pictures beyond the size
// limits of util/rgba_image.h, never crashing on any input.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "util/rgba_image.h"

namespace vx::platform {

enum class PictureFormat { Jpeg, Bitmap, Png, Gif, Metafile, Icon };

struct PictureFrame {
  RgbaImage image;
  int delayMs = 0;  // how long the frame shows in an animation
};

// One frame for a still picture; an animated GIF keeps every frame, each
// already composed onto the ones before it as the animation shows them.
struct Picture {
  std::vector<PictureFrame> frames;
  int Width() const { return frames.empty() ? 0 : frames.front().image.Width(); }
  int Height() const { return frames.empty() ? 0 : frames.front().image.Height(); }
};

class Pictures {
 public:
  virtual ~Pictures() = default;

  // The picture when the bytes are a readable file of that format.
  virtual std::optional<Picture> Decode(const std::string& bytes, PictureFormat format) = 0;

  // A canvas drawing into target, which must outlive it; target holds what
  // was drawn once the canvas is gone.
  virtual std::unique_ptr<Canvas> CanvasOn(RgbaImage& target) = 0;
};

}  // namespace vx::platform
