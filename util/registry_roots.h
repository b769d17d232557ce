#pragma once
// Registry root names as scripts write them.

#include <cstdint>
#include <string_view>

namespace vx {

// "HKEY_CLASSES_ROOT" ... "HKEY_DYN_DATA" in any case; 0 for any other name.
std::uint32_t RegistryRootFromName(std::string_view name);

}  // namespace vx
