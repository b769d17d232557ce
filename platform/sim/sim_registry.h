#pragma once
// An in-memory registry: keys compared without regard to case, as Windows
// does, each holding named values.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/sim_code_pages.h"

namespace vx::sim {

class SimRegistry : public platform::Registry {
 public:
  explicit SimRegistry(const SimCodePages& codePages) : codePages_(codePages) {}

  // Test set-up, in the system's Unicode (UTF-8); a key is created with all
  // its parents.
  void AddKey(std::uint32_t root, const std::string& path);
  void SetString(std::uint32_t root, const std::string& key, const std::string& name,
                 const std::string& text);
  void SetInteger(std::uint32_t root, const std::string& key, const std::string& name,
                  std::int32_t value);
  void SetFloat(std::uint32_t root, const std::string& key, const std::string& name, double value);
  void SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                platform::RegistryValue value);

  bool KeyExists(std::uint32_t root, const std::string& path) override;
  std::optional<platform::RegistryValue> ReadValue(std::uint32_t root, const std::string& key,
                                                   const std::string& name) override;
  void CreateKey(std::uint32_t root, const std::string& path) override;
  bool DeleteKey(std::uint32_t root, const std::string& path) override;
  void WriteValue(std::uint32_t root, const std::string& key, const std::string& name,
                  const platform::RegistryValue& value) override;

  // A value as the system keeps it (names and text UTF-8), or nothing.
  std::optional<platform::RegistryValue> StoredValue(std::uint32_t root, const std::string& key,
                                                     const std::string& name) const;

  // Keys under it refuse every write, as a key without write access does.
  void DenyWrites(std::uint32_t root, const std::string& path);

  // root and upper-case path without leading or trailing "\".
  static std::string Key(std::uint32_t root, const std::string& path);

  // Every key and value as text, and back (sim_registry_text.cpp); a live
  // desktop keeps the registry between runs this way. Load adds to what is
  // there and skips damaged lines.
  std::string Save() const;
  void Load(const std::string& text);

 private:
  const SimCodePages& codePages_;
  // A value as the system keeps it, and as the presentation reads it.
  platform::RegistryValue ToSystem(const platform::RegistryValue& value) const;
  platform::RegistryValue FromSystem(const platform::RegistryValue& value) const;
  // key -> upper-case value name -> value
  std::map<std::string, std::map<std::string, platform::RegistryValue>> keys_;
  std::vector<std::string> denied_;
  void CheckWritable(std::uint32_t root, const std::string& path) const;
};

}  // namespace vx::sim
