#include "util/media_volume.h"

#include <algorithm>
#include <cmath>

namespace vx {

long LinearToAttenuation(int volume) {
  constexpr int kFull = 10000;
  volume = std::clamp(volume, 0, kFull);
  if (volume == 0) return -10000;
  const double hundredths = 2000.0 * std::log10(static_cast<double>(volume) / kFull);
  return std::clamp(std::lround(hundredths), -10000L, 0L);
}

}  // namespace vx
