#include "platform/sim/sim_pictures.h"

#include <memory>

#include "platform/sim/sim_canvas.h"

namespace vx::sim {

std::optional<platform::Picture> SimPictures::Decode(const std::string& bytes, platform::PictureFormat format) {
  ++decodeCalls_;
  using platform::PictureFormat;
  switch (format) {
    case PictureFormat::Jpeg: return DecodeJpeg(bytes);
    case PictureFormat::Bitmap: return DecodeBitmap(bytes);
    case PictureFormat::Png: return DecodePng(bytes);
    case PictureFormat::Gif: return DecodeGif(bytes);
    case PictureFormat::Icon: return DecodeIcon(bytes);
    case PictureFormat::Metafile: return std::nullopt;  // no metafile player here
  }
  return std::nullopt;
}

std::unique_ptr<platform::Canvas> SimPictures::CanvasOn(RgbaImage& target) {
  return std::make_unique<SimImageCanvas>(target);
}

}  // namespace vx::sim
