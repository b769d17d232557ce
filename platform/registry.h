#pragma once
// The system registry. Roots are the HKEY_* numbers
// (0x80000000 ...); key paths are relative to the root, "\" separated, a
// leading "\" allowed.

#include <cstdint>
#include <optional>
#include <string>

namespace vx::platform {

enum class RegistryValueKind { String, ExpandString, Integer, Binary, Other };

struct RegistryValue {
  RegistryValueKind kind = RegistryValueKind::Other;
  // String kinds: the text without its terminator; Integer: four bytes,
  // little-endian; others: the stored bytes.
  std::string data;
};

class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(std::uint32_t root, const std::string& path) = 0;
  // Nothing when the value is absent; throws vx::OsError when the key
  // cannot be opened.
  virtual std::optional<RegistryValue> ReadValue(std::uint32_t root, const std::string& key,
                                                 const std::string& name) = 0;

  // Opens or creates the key with its parents; throws vx::OsError with the
  // system's message when refused (an unknown root, no access).
  virtual void CreateKey(std::uint32_t root, const std::string& path) = 0;
  // Deletes the key; false when it is missing or the system refuses.
  virtual bool DeleteKey(std::uint32_t root, const std::string& path) = 0;
  // Sets a value of an existing key; throws vx::OsError when refused.
  virtual void WriteValue(std::uint32_t root, const std::string& key, const std::string& name,
                          const RegistryValue& value) = 0;
};

}  // namespace vx::platform
