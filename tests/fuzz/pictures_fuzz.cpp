// Any byte string given to the picture decoders of the sim either reads as a
// picture within the size limits or reads as nothing; it never crashes,
// hangs or takes memory beyond the limits. Every decoder sees every input,
// as GetBG hands the same bytes to one after the other.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/sim/sim_pictures.h"

namespace {

constexpr std::size_t kMaxAnimationBytes = std::size_t{256} * 1024 * 1024;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckPicture(const std::optional<vx::platform::Picture>& picture) {
  if (!picture) return;
  Check(!picture->frames.empty());
  const int w = picture->Width(), h = picture->Height();
  Check(w > 0 && h > 0 && vx::RgbaImage::SizeAllowed(w, h));
  std::size_t bytes = 0;
  for (const vx::platform::PictureFrame& frame : picture->frames) {
    // Frames of an animation are composed to the size of the first.
    Check(frame.image.Width() == w && frame.image.Height() == h);
    Check(frame.image.Pixels().size() == static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    Check(frame.delayMs >= 0);
    bytes += frame.image.Pixels().size() * sizeof(vx::Rgba);
  }
  Check(picture->frames.size() == 1 || bytes <= kMaxAnimationBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckPicture(vx::sim::DecodeJpeg(bytes));
  CheckPicture(vx::sim::DecodeBitmap(bytes));
  CheckPicture(vx::sim::DecodePng(bytes));
  CheckPicture(vx::sim::DecodeGif(bytes));
  CheckPicture(vx::sim::DecodeIcon(bytes));
  return 0;
}
