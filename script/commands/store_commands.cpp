// The registry and INI-file writers: 49 to 56 and 102 to 105. They work on
// the script's one registry key and one INI file, which the expression
// functions read through.

#include <cstdint>
#include <cstring>

#include "host/application.h"
#include "script/commands/families.h"
#include "util/error.h"
#include "util/registry_roots.h"
#include "values/number_text.h"

namespace vx::commands {

namespace {

void RegistryRoot(CommandContext& c);   // 49
void OpenKey(CommandContext& c);        // 50
void CreateKey(CommandContext& c);      // 51
void DeleteKey(CommandContext& c);      // 52
void WriteText(CommandContext& c);      // 53
void WriteInteger(CommandContext& c);   // 54
void WriteFloat(CommandContext& c);     // 55
void WriteFlag(CommandContext& c);      // 56
void OpenIni(CommandContext& c);        // 102
void IniText(CommandContext& c);        // 103
void IniNumber(CommandContext& c);      // 104
void IniFlag(CommandContext& c);        // 105

constexpr CommandRow kRows[] = {
    {49, RegistryRoot}, {50, OpenKey},   {51, CreateKey},   {52, DeleteKey},
    {53, WriteText},    {54, WriteInteger}, {55, WriteFloat}, {56, WriteFlag},
    {102, OpenIni},     {103, IniText},  {104, IniNumber},  {105, IniFlag},
};

// A key path as the registry object reads it: from the root when it starts
// with "\" or no key is open, else under the open key.
std::string KeyPath(const ScriptRegistry& reg, const std::string& key) {
  if (!reg.openKey || (!key.empty() && key.front() == '\\')) return key;
  if (key.empty()) return *reg.openKey;
  return *reg.openKey + "\\" + key;
}

void RegistryRoot(CommandContext& c) {
  ScriptRegistry& reg = c.App().scriptRegistry;
  const std::uint32_t root = RegistryRootFromName(c.S(1));
  // Another root closes the key that was open under the old one.
  if (root != reg.root) reg.openKey.reset();
  reg.root = root;
}

// The open key is closed first (the command closes it over and over, which
// closes it once); a key that cannot be opened or made leaves none open.
void OpenKey(CommandContext& c) {
  ScriptRegistry& reg = c.App().scriptRegistry;
  platform::Registry& registry = c.App().platform.registry;
  reg.openKey.reset();
  const std::string key = c.S(1);
  const bool create = c.Given(2) && c.B(2);
  if (!registry.KeyExists(reg.root, key)) {
    if (!create) return;
    try {
      registry.CreateKey(reg.root, key);
    } catch (const OsError&) {
      return;
    }
  }
  reg.openKey = key;
}

void CreateKey(CommandContext& c) {
  const ScriptRegistry& reg = c.App().scriptRegistry;
  const std::string key = c.S(1);
  try {
    c.App().platform.registry.CreateKey(reg.root, KeyPath(reg, key));
  } catch (const OsError&) {
    throw Error("Failed to create key " + key);
  }
}

void DeleteKey(CommandContext& c) {
  const ScriptRegistry& reg = c.App().scriptRegistry;
  c.App().platform.registry.DeleteKey(reg.root, KeyPath(reg, c.S(1)));
}

void WriteValue(CommandContext& c, const std::string& name, platform::RegistryValue value) {
  const ScriptRegistry& reg = c.App().scriptRegistry;
  try {
    if (!reg.openKey) throw OsError("no key is open");
    c.App().platform.registry.WriteValue(reg.root, *reg.openKey, name, value);
  } catch (const OsError&) {
    throw Error("Failed to set data for '" + name + "'");
  }
}

std::string IntegerBytes(std::int32_t value) {
  std::string bytes(4, '\0');
  std::memcpy(bytes.data(), &value, 4);
  return bytes;
}

void WriteText(CommandContext& c) {
  const std::string name = c.S(1);
  WriteValue(c, name, {platform::RegistryValueKind::String, c.S(2)});
}

void WriteInteger(CommandContext& c) {
  const std::string name = c.S(1);
  // A 32-bit value: larger numbers keep their low 32 bits.
  const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.I(2)));
  WriteValue(c, name, {platform::RegistryValueKind::Integer, IntegerBytes(value)});
}

void WriteFloat(CommandContext& c) {
  const std::string name = c.S(1);
  const auto value = static_cast<double>(c.N(2));
  std::string bytes(sizeof value, '\0');
  std::memcpy(bytes.data(), &value, sizeof value);
  WriteValue(c, name, {platform::RegistryValueKind::Binary, bytes});
}

void WriteFlag(CommandContext& c) {
  const std::string name = c.S(1);
  WriteValue(c, name, {platform::RegistryValueKind::Integer, IntegerBytes(c.B(2) ? 1 : 0)});
}

void OpenIni(CommandContext& c) { c.App().scriptIni.fileName = c.S(1); }

void WriteIni(CommandContext& c, const std::string& text) {
  const std::string section = c.S(1);
  const std::string key = c.S(2);
  const auto& file = c.App().scriptIni.fileName;
  if (!file) throw Error("No INI file is open");
  try {
    c.App().platform.files.WriteIniString(*file, section, key, text);
  } catch (const OsError&) {
    throw Error("Unable to write to " + *file);
  }
}

void IniText(CommandContext& c) { WriteIni(c, c.S(3)); }
void IniNumber(CommandContext& c) { WriteIni(c, NumberToText(c.N(3))); }
void IniFlag(CommandContext& c) { WriteIni(c, c.B(3) ? "1" : "0"); }

}  // namespace

std::span<const CommandRow> StoreCommands() { return kRows; }

}  // namespace vx::commands
