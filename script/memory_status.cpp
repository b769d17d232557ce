#include "script/memory_status.h"

#include <algorithm>
#include <limits>

namespace vx {

namespace {

std::int32_t Saturate(std::uint64_t bytes) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::min(bytes, kMax));
}

}  // namespace

std::int32_t GetAvailPhysMem(platform::Process& process) {
  return Saturate(process.QueryMemory().availablePhysical);
}

std::int32_t GetTotalPhysMem(platform::Process& process) {
  return Saturate(process.QueryMemory().totalPhysical);
}

}  // namespace vx
