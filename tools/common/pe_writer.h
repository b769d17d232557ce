#pragma once
// Writing the presentation into a copy of the player executable as named
// RCDATA resources.

#include <string>
#include <string_view>
#include <vector>

#include "util/pe_resources.h"

namespace vx::tools {

// A copy of the PE image without its appended data, whose resource section
// holds every resource the player had plus `resources` as RCDATA (language
// neutral, names upper-cased; a same-named RCDATA entry is replaced).
// The .rsrc section is rebuilt in place when it is the last section,
// otherwise a new one is appended. COFF symbol and string tables behind the
// sections move behind the new section (long section names live there).
// The checksum is zeroed because the trailer appended afterwards would
// invalidate it anyway.
// Throws vx::StreamError for a malformed image and vx::Error for names that
// Windows could not look up or an image that has no room for the section.
std::string WithRcDataResources(std::string_view playerImage, const std::vector<PeResource>& resources);

}  // namespace vx::tools
