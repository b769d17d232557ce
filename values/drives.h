#pragma once
// Drive queries of the built-in values. Letters are A to Z; a letter
// argument is upper-cased first.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace vx {

// 0 UNKNOWN, 1 FIXED, 2 CDROM, 3 NETWORK, 4 RAM, 5 REMOVABLE.
std::string DriveLetter(std::int64_t n);
int DriveTypeFromName(std::string_view name);
int DriveTypeCode(platform::Files& files, char letter);
int CountDrivesOfType(platform::Files& files, int code);
int CountDrives(platform::Files& files);
// The n-th removable drive counting from B; "" when there are fewer.
std::string RemovableDriveLetter(platform::Files& files, std::int64_t n);
// Bytes; -1 when the drive cannot be queried, 0 for a non-letter.
std::int64_t DriveSize(platform::Files& files, char letter);
std::int64_t DriveFree(platform::Files& files, char letter);
bool DriveReady(platform::Files& files, char letter);

}  // namespace vx
