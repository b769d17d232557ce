#pragma once
// Physical memory in bytes, as scripts see it: capped at the largest signed
// 32-bit value so that a large machine never shows a negative amount.

#include <cstdint>

#include "platform/process.h"

namespace vx {

std::int32_t GetAvailPhysMem(platform::Process& process);
std::int32_t GetTotalPhysMem(platform::Process& process);

}  // namespace vx
