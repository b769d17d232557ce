#include "platform/win32/win32_registry.h"

#include <cstring>

#include "platform/win32/win32_common.h"
#include "platform/win32/win32_text.h"
#include "util/error.h"

namespace vx::win32 {

namespace {

HKEY RootKey(std::uint32_t root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

std::wstring Relative(const std::string& path) {
  std::size_t start = 0;
  while (start < path.size() && path[start] == '\\') ++start;
  return Widen(std::string_view(path).substr(start));
}

// A string value's UTF-16 bytes up to the first terminator.
std::string NarrowValue(const std::string& bytes) {
  std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
  if (const auto nul = wide.find(L'\0'); nul != std::wstring::npos) wide.resize(nul);
  return Narrow(wide);
}

class OpenKey {
 public:
  OpenKey(std::uint32_t root, const std::string& path)
      : status_(RegOpenKeyExW(RootKey(root), Relative(path).c_str(), 0, KEY_READ, &key_)) {}
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
  const std::wstring wideName = Widen(name);
  if (RegQueryValueExW(open.get(), wideName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::string data(size, '\0');
  if (size > 0 && RegQueryValueExW(open.get(), wideName.c_str(), nullptr, &type,
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
      value.data = NarrowValue(value.data);
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
  const LONG status = RegCreateKeyExW(RootKey(root), Relative(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    ThrowLastError("Cannot create registry key " + path);
  }
  RegCloseKey(key);
}

bool Win32Registry::DeleteKey(std::uint32_t root, const std::string& path) {
  return RegDeleteKeyW(RootKey(root), Relative(path).c_str()) == ERROR_SUCCESS;
}

void Win32Registry::WriteValue(std::uint32_t root, const std::string& key, const std::string& name,
                               const platform::RegistryValue& value) {
  HKEY open = nullptr;
  LONG status = RegOpenKeyExW(RootKey(root), Relative(key).c_str(), 0, KEY_SET_VALUE, &open);
  if (status == ERROR_SUCCESS) {
    DWORD type = REG_BINARY;
    std::string data = value.data;
    const auto asWide = [&data] {
      const std::wstring wide = Widen(data) + L'\0';
      data.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
    };
    switch (value.kind) {
      case platform::RegistryValueKind::String: type = REG_SZ; asWide(); break;
      case platform::RegistryValueKind::ExpandString: type = REG_EXPAND_SZ; asWide(); break;
      case platform::RegistryValueKind::Integer: type = REG_DWORD; break;
      case platform::RegistryValueKind::Binary:
      case platform::RegistryValueKind::Other: type = REG_BINARY; break;
    }
    status = RegSetValueExW(open, Widen(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size()));
    RegCloseKey(open);
  }
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    ThrowLastError("Cannot set registry value " + name);
  }
}

}  // namespace vx::win32
