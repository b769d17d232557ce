#pragma once
// The registry key and the INI file a script has open. The script commands
// open and write them; the expression functions read through them. One of
// each per process.

#include <cstdint>
#include <optional>
#include <string>

namespace vx {

// HKEY_CURRENT_USER, the accessor's root until a script names another.
inline constexpr std::uint32_t kDefaultRegistryRoot = 0x80000001;

struct ScriptRegistry {
  std::uint32_t root = kDefaultRegistryRoot;
  // The path of the open key under root; none before a script opens one or
  // after it is closed.
  std::optional<std::string> openKey;
};

struct ScriptIniFile {
  // The file named by the last open command; none before the first.
  std::optional<std::string> fileName;
};

}  // namespace vx
