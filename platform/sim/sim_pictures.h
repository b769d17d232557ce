#pragma once
// Picture decoding on the native side: JPEG through libjpeg-turbo, PNG
// through libpng, GIF through giflib (sim_codecs.cpp), bitmaps and icons read
// by hand (sim_dib*.cpp); metafiles are not read. Also the PNG writer behind
// window screenshots.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "platform/pictures.h"

namespace vx::sim {

inline platform::Picture StillPicture(RgbaImage image) {
  platform::Picture picture;
  picture.frames.push_back({std::move(image), 0});
  return picture;
}

std::optional<platform::Picture> DecodeJpeg(const std::string& bytes);
std::optional<platform::Picture> DecodePng(const std::string& bytes);
std::optional<platform::Picture> DecodeGif(const std::string& bytes);
std::optional<platform::Picture> DecodeBitmap(const std::string& bytes);
std::optional<platform::Picture> DecodeIcon(const std::string& bytes);

// The picture as PNG file bytes; throws vx::Error when libpng refuses.
std::string EncodePng(const RgbaImage& image);

class SimPictures : public platform::Pictures {
 public:
  std::optional<platform::Picture> Decode(const std::string& bytes, platform::PictureFormat format) override;
  std::unique_ptr<platform::Canvas> CanvasOn(RgbaImage& target) override;

  // How many decodes were asked for, by any format.
  int DecodeCalls() const { return decodeCalls_; }

 private:
  int decodeCalls_ = 0;
};

}  // namespace vx::sim
