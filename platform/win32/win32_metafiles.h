#pragma once
// Metafiles played through the GDI into a picture: enhanced metafiles (EMF)
// and old Windows metafiles (WMF, with or without the placeable header).

#include <optional>
#include <string>

#include "platform/pictures.h"

namespace vx::win32 {

// Nothing when the bytes are neither kind or the picture is beyond the size
// limits; the enhanced kind is tried first.
std::optional<platform::Picture> DecodeMetafile(const std::string& bytes);

}  // namespace vx::win32
