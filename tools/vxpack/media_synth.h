#pragma once
// Media that vxpack makes itself, so that sources need no recorded or
// downloaded files: a chime (a WAV tone that fades) and a clip (an
// uncompressed AVI of one colour).

#include <cstdint>
#include <string>

namespace vx::tools {

// 22050 Hz, 8-bit mono: a sine of hz that fades out over milliseconds.
std::string ChimeWave(int hz, int milliseconds);
// 24-bit bottom-up frames of one colour (0xRRGGBB) at fps.
std::string ColourClipAvi(int width, int height, int frames, int fps, std::uint32_t rgb);

}  // namespace vx::tools
