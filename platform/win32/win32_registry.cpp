#include "platform/win32/win32_registry.h"

#include "platform/win32/win32_common.h"
#include "util/error.h"

namespace vx::win32 {

namespace {

HKEY RootKey(std::uint32_t root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

std::string Relative(const std::string& path) {
  std::size_t start = 0;
  while (start < path.size() && path[start] == '\\') ++start;
  return path.substr(start);
}

class OpenKey {
 public:
  OpenKey(std::uint32_t root, const std::string& path)
      : status_(RegOpenKeyExA(RootKey(root), Relative(path).c_str(), 0, KEY_READ, &key_)) {}
  ~OpenKey() {
    if (status_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  bool ok() const { return status_ == ERROR_SUCCESS; }
  LONG status() const { return status_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
  LONG status_;
};

}  // namespace

bool Win32Registry::KeyExists(std::uint32_t root, const std::string& path) {
  return OpenKey(root, path).ok();
}

std::optional<platform::RegistryValue> Win32Registry::ReadValue(std::uint32_t root,
                                                                const std::string& key,
                                                                const std::string& name) {
  OpenKey open(root, key);
  if (!open.ok()) {
    SetLastError(static_cast<DWORD>(open.status()));
    ThrowLastError("Cannot open registry key " + key);
  }
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(open.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::string data(size, '\0');
  if (size > 0 && RegQueryValueExA(open.get(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  data.resize(size);
  platform::RegistryValue value;
  value.data = std::move(data);
  switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
      value.kind = type == REG_SZ ? platform::RegistryValueKind::String
                                  : platform::RegistryValueKind::ExpandString;
      if (const auto nul = value.data.find('\0'); nul != std::string::npos) value.data.resize(nul);
      break;
    case REG_DWORD:
      value.kind = platform::RegistryValueKind::Integer;
      break;
    case REG_BINARY:
      value.kind = platform::RegistryValueKind::Binary;
      break;
    default:
      value.kind = platform::RegistryValueKind::Other;
      break;
  }
  return value;
}

void Win32Registry::CreateKey(std::uint32_t root, const std::string& path) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExA(RootKey(root), Relative(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    ThrowLastError("Cannot create registry key " + path);
  }
  RegCloseKey(key);
}

bool Win32Registry::DeleteKey(std::uint32_t root, const std::string& path) {
  return RegDeleteKeyA(RootKey(root), Relative(path).c_str()) == ERROR_SUCCESS;
}

void Win32Registry::WriteValue(std::uint32_t root, const std::string& key, const std::string& name,
                               const platform::RegistryValue& value) {
  HKEY open = nullptr;
  LONG status = RegOpenKeyExA(RootKey(root), Relative(key).c_str(), 0, KEY_SET_VALUE, &open);
  if (status == ERROR_SUCCESS) {
    DWORD type = REG_BINARY;
    std::string data = value.data;
    switch (value.kind) {
      case platform::RegistryValueKind::String: type = REG_SZ; data.push_back('\0'); break;
      case platform::RegistryValueKind::ExpandString: type = REG_EXPAND_SZ; data.push_back('\0'); break;
      case platform::RegistryValueKind::Integer: type = REG_DWORD; break;
      case platform::RegistryValueKind::Binary:
      case platform::RegistryValueKind::Other: type = REG_BINARY; break;
    }
    status = RegSetValueExA(open, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size()));
    RegCloseKey(open);
  }
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    ThrowLastError("Cannot set registry value " + name);
  }
}

}  // namespace vx::win32
