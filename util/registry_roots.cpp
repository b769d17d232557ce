#include "util/registry_roots.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vx {

namespace {

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 7> kRoots{{
    {"HKEY_CLASSES_ROOT", 0x80000000u},
    {"HKEY_CURRENT_USER", 0x80000001u},
    {"HKEY_LOCAL_MACHINE", 0x80000002u},
    {"HKEY_USERS", 0x80000003u},
    {"HKEY_PERFORMANCE_DATA", 0x80000004u},
    {"HKEY_CURRENT_CONFIG", 0x80000005u},
    {"HKEY_DYN_DATA", 0x80000006u},
}};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::uint32_t RegistryRootFromName(std::string_view name) {
  for (const auto& [root, handle] : kRoots)
    if (root.size() == name.size() &&
        std::equal(root.begin(), root.end(), name.begin(),
                   [](char r, char n) { return r == Upper(n); }))
      return handle;
  return 0;
}

}  // namespace vx
