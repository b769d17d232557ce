#include "platform/sim/sim_registry.h"

#include <cstring>

#include "util/error.h"

namespace vx::sim {

namespace {

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

std::string SimRegistry::Key(std::uint32_t root, const std::string& path) {
  std::string p = Upper(path);
  while (!p.empty() && p.front() == '\\') p.erase(0, 1);
  while (!p.empty() && p.back() == '\\') p.pop_back();
  return std::to_string(root) + ":" + p;
}

void SimRegistry::AddKey(std::uint32_t root, const std::string& path) {
  std::string p = path;
  while (!p.empty() && p.back() == '\\') p.pop_back();
  for (;;) {
    keys_[Key(root, p)];
    const auto cut = p.rfind('\\');
    if (cut == std::string::npos) break;
    p.erase(cut);
  }
  keys_[Key(root, "")];
}

void SimRegistry::SetValue(std::uint32_t root, const std::string& key, const std::string& name,
                           platform::RegistryValue value) {
  AddKey(root, key);
  keys_[Key(root, key)][Upper(name)] = std::move(value);
}

void SimRegistry::SetString(std::uint32_t root, const std::string& key, const std::string& name,
                            const std::string& text) {
  SetValue(root, key, name, {platform::RegistryValueKind::String, text});
}

void SimRegistry::SetInteger(std::uint32_t root, const std::string& key, const std::string& name,
                             std::int32_t value) {
  std::string bytes(4, '\0');
  std::memcpy(bytes.data(), &value, 4);
  SetValue(root, key, name, {platform::RegistryValueKind::Integer, bytes});
}

void SimRegistry::SetFloat(std::uint32_t root, const std::string& key, const std::string& name,
                           double value) {
  std::string bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  SetValue(root, key, name, {platform::RegistryValueKind::Binary, bytes});
}

namespace {
bool IsText(const platform::RegistryValue& value) {
  return value.kind == platform::RegistryValueKind::String || value.kind == platform::RegistryValueKind::ExpandString;
}
}  // namespace

platform::RegistryValue SimRegistry::ToSystem(const platform::RegistryValue& value) const {
  return IsText(value) ? platform::RegistryValue{value.kind, codePages_.ToSystem(value.data)} : value;
}

platform::RegistryValue SimRegistry::FromSystem(const platform::RegistryValue& value) const {
  return IsText(value) ? platform::RegistryValue{value.kind, codePages_.FromSystem(value.data)} : value;
}

bool SimRegistry::KeyExists(std::uint32_t root, const std::string& path) {
  return keys_.count(Key(root, codePages_.ToSystem(path))) != 0;
}

std::optional<platform::RegistryValue> SimRegistry::ReadValue(std::uint32_t root,
                                                              const std::string& key,
                                                              const std::string& name) {
  const auto k = keys_.find(Key(root, codePages_.ToSystem(key)));
  if (k == keys_.end()) throw OsError("The system cannot find the file specified");
  const auto v = k->second.find(Upper(codePages_.ToSystem(name)));
  if (v == k->second.end()) return std::nullopt;
  return FromSystem(v->second);
}

namespace {

bool KnownRoot(std::uint32_t root) { return root >= 0x80000000u && root <= 0x80000006u; }

}  // namespace

std::optional<platform::RegistryValue> SimRegistry::StoredValue(std::uint32_t root, const std::string& key,
                                                                const std::string& name) const {
  const auto k = keys_.find(Key(root, key));
  if (k == keys_.end()) return std::nullopt;
  const auto v = k->second.find(Upper(name));
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

void SimRegistry::DenyWrites(std::uint32_t root, const std::string& path) { denied_.push_back(Key(root, path)); }

void SimRegistry::CheckWritable(std::uint32_t root, const std::string& path) const {
  if (!KnownRoot(root)) throw OsError("The handle is invalid");
  const std::string key = Key(root, path);
  for (const std::string& d : denied_)
    if (key == d || key.compare(0, d.size() + 1, d + "\\") == 0) throw OsError("Access is denied");
}

void SimRegistry::CreateKey(std::uint32_t root, const std::string& presentationPath) {
  const std::string path = codePages_.ToSystem(presentationPath);
  CheckWritable(root, path);
  AddKey(root, path);
}

bool SimRegistry::DeleteKey(std::uint32_t root, const std::string& presentationPath) {
  const std::string path = codePages_.ToSystem(presentationPath);
  try {
    CheckWritable(root, path);
  } catch (const OsError&) {
    return false;
  }
  const std::string key = Key(root, path);
  if (key == Key(root, "") || keys_.erase(key) == 0) return false;
  // The key goes with everything under it.
  for (auto it = keys_.lower_bound(key + "\\"); it != keys_.end() && it->first.compare(0, key.size() + 1, key + "\\") == 0;)
    it = keys_.erase(it);
  return true;
}

void SimRegistry::WriteValue(std::uint32_t root, const std::string& presentationKey, const std::string& name,
                             const platform::RegistryValue& value) {
  const std::string key = codePages_.ToSystem(presentationKey);
  CheckWritable(root, key);
  const auto k = keys_.find(Key(root, key));
  if (k == keys_.end()) throw OsError("The system cannot find the file specified");
  k->second[Upper(codePages_.ToSystem(name))] = ToSystem(value);
}

}  // namespace vx::sim
