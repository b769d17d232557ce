#pragma once
// Where an embedded file lands in the extraction folder.

#include <string>

namespace vx {

// The entry's name reduced to its last path element ("\" and "/" both
// separate, a drive prefix goes); empty for a name that cannot be written
// safely (empty, "." or ".."), which extraction and clean-up skip.
std::string ExtractedFileName(const std::string& entry);

}  // namespace vx
