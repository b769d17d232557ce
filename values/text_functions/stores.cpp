// Text functions that read the script's registry key, its INI file and a
// Flash movie: 29, 30 and 32.

#include "values/script_values.h"
#include "values/text_functions.h"

namespace vx::eval {

std::string RegistryText(const Evaluator& ev, const Args& a) {
  const std::string name = ev.Str(a[0]);
  const auto value = ReadOpenKeyValue(ev.ctx, name);
  if (!value) return "";
  if (value->kind != platform::RegistryValueKind::String &&
      value->kind != platform::RegistryValueKind::ExpandString)
    throw Error("Invalid data type for '" + name + "'");
  return value->data;
}

std::string IniText(const Evaluator& ev, const Args& a) {
  const std::string section = ev.Str(a[0]);
  const std::string key = ev.Str(a[1]);
  return ReadIniText(ev.ctx, section, key);
}

std::string FlashVariableText(const Evaluator& ev, const Args& a) {
  const std::string object = ev.Str(a[0]);
  const std::string variable = ev.Str(a[1]);
  return Pages(ev.ctx).FlashVariable(object, variable);
}

}  // namespace vx::eval
