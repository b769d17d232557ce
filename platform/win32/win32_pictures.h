#pragma once
// Picture decoding through the Windows Imaging Component (which also reads
// run-length bitmaps); metafiles, enhanced and old, are played through GDI
// (win32_metafiles.h).

#include "platform/pictures.h"

namespace vx::win32 {

class Win32Pictures : public platform::Pictures {
 public:
  Win32Pictures() = default;
  ~Win32Pictures() override;
  Win32Pictures(const Win32Pictures&) = delete;
  Win32Pictures& operator=(const Win32Pictures&) = delete;

  std::optional<platform::Picture> Decode(const std::string& bytes, platform::PictureFormat format) override;
  std::unique_ptr<platform::Canvas> CanvasOn(RgbaImage& target) override;

 private:
  void* factory_ = nullptr;  // IWICImagingFactory, made on first use
};

}  // namespace vx::win32
