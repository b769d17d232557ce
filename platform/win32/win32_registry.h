#pragma once
// The Windows registry through advapi32, read side.

#include "platform/registry.h"

namespace vx::win32 {

class Win32Registry : public platform::Registry {
 public:
  bool KeyExists(std::uint32_t root, const std::string& path) override;
  std::optional<platform::RegistryValue> ReadValue(std::uint32_t root, const std::string& key,
                                                   const std::string& name) override;
  void CreateKey(std::uint32_t root, const std::string& path) override;
  bool DeleteKey(std::uint32_t root, const std::string& path) override;
  void WriteValue(std::uint32_t root, const std::string& key, const std::string& name,
                  const platform::RegistryValue& value) override;
};

}  // namespace vx::win32
