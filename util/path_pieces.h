#pragma once
// Pieces of Windows file names ("\" separates folders, ":" ends a drive).

#include <string>
#include <string_view>

namespace vx {

// The folder part without everything up to its first "\": C:\a\b\f.txt gives a\b.
std::string PathWithoutDrive(std::string_view fileName);
// The file-name part up to its first ".".
std::string NameWithoutExtension(std::string_view fileName);
// The file-name part from its first "." on; empty without a dot.
std::string ExtensionOf(std::string_view fileName);

}  // namespace vx
