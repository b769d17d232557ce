#pragma once
// The settings block appended behind an executable: the block's bytes, then a
// 32-bit little-endian count equal to the block's length plus 4.

#include <string>

#include "platform/files.h"

namespace vx {

// Appends stream and its count to the end of the file. False when the file
// does not exist; other file errors throw vx::OsError.
bool AppendTrailer(platform::Files& files, const std::string& fileName, const std::string& stream);

// Reads the block described by the file's last four bytes into stream. False
// (stream untouched) when the file does not exist or the count cannot
// describe a block of this file; other file errors throw vx::OsError.
bool ReadTrailer(platform::Files& files, const std::string& fileName, std::string& stream);

}  // namespace vx
