// Function tokens that read the script's registry key and INI file.

#include <cmath>
#include <cstring>

#include "values/number_text.h"
#include "values/script_values.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {

std::string Arg(const Evaluator& ev, const Args& a, std::size_t i) {
  return ev.Str(i < a.size() ? a[i] : std::string());
}

platform::RegistryValue Required(const Evaluator& ev, const std::string& name, platform::RegistryValueKind kind,
                                 std::size_t size) {
  const auto value = ReadOpenKeyValue(ev.ctx, name);
  if (!value || value->kind != kind || value->data.size() != size)
    throw Error("Invalid data type for '" + name + "'");
  return *value;
}

std::int32_t ReadInteger(const Evaluator& ev, const std::string& name) {
  const auto value = Required(ev, name, platform::RegistryValueKind::Integer, 4);
  std::int32_t out = 0;
  std::memcpy(&out, value.data.data(), 4);
  return out;
}

// The INI integer reading: "0x" or "$" for hexadecimal, else decimal;
// anything else gives fallback.
std::int64_t IniInteger(const std::string& text, std::int64_t fallback) {
  std::string_view t = text;
  bool hex = false;
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t.remove_prefix(2), hex = true;
  else if (!t.empty() && t[0] == '$') t.remove_prefix(1), hex = true;
  bool negative = false;
  if (!hex && !t.empty() && (t[0] == '-' || t[0] == '+')) negative = t[0] == '-', t.remove_prefix(1);
  if (t.empty()) return fallback;
  std::int64_t value = 0;
  for (char c : t) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return fallback;
    value = value * (hex ? 16 : 10) + digit;
    if (value > 0xFFFFFFFFLL) return fallback;
  }
  if (hex) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  value = negative ? -value : value;
  return value > 0x7FFFFFFF || value < -0x80000000LL ? fallback : value;
}

}  // namespace

std::string RegistryKeyExists(const Evaluator& ev, const Args& a) {
  const std::string path = Arg(ev, a, 0);
  ev.ctx.registry.openKey.reset();
  return FlagText(ev.ctx.platform.registry.KeyExists(ev.ctx.registry.root, path));
}

std::string RegistryValueExists(const Evaluator& ev, const Args& a) {
  return FlagText(ReadOpenKeyValue(ev.ctx, Arg(ev, a, 0)).has_value());
}

std::string RegistryBool(const Evaluator& ev, const Args& a) { return FlagText(ReadInteger(ev, Arg(ev, a, 0)) != 0); }
std::string RegistryInteger(const Evaluator& ev, const Args& a) { return IntText(ReadInteger(ev, Arg(ev, a, 0))); }

std::string RegistryFloat(const Evaluator& ev, const Args& a) {
  const auto value = Required(ev, Arg(ev, a, 0), platform::RegistryValueKind::Binary, sizeof(double));
  double out = 0;
  std::memcpy(&out, value.data.data(), sizeof out);
  if (!std::isfinite(out)) throw Failure("Invalid floating point operation");
  return NumberToText(out);
}

std::string IniFloat(const Evaluator& ev, const Args& a) {
  const std::string section = Arg(ev, a, 0);
  const std::string text = ReadIniText(ev.ctx, section, Arg(ev, a, 1));
  const auto value = text.empty() ? std::nullopt : TextToNumber(text);
  return NumberToText(value ? static_cast<double>(*value) : -1.0);
}

std::string IniBool(const Evaluator& ev, const Args& a) {
  const std::string section = Arg(ev, a, 0);
  return FlagText(IniInteger(ReadIniText(ev.ctx, section, Arg(ev, a, 1)), 0) != 0);
}

}  // namespace vx::eval
