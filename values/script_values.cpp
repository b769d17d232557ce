#include "values/script_values.h"

#include "util/error.h"

namespace vx::eval {

std::optional<platform::RegistryValue> ReadOpenKeyValue(EvalContext& ctx, const std::string& name) {
  if (!ctx.registry.openKey) throw Error("No registry key is open");
  return ctx.platform.registry.ReadValue(ctx.registry.root, *ctx.registry.openKey, name);
}

std::string ReadIniText(EvalContext& ctx, const std::string& section, const std::string& key) {
  if (!ctx.iniFile.fileName) throw Error("No INI file is open");
  return ctx.platform.files.ReadIniString(*ctx.iniFile.fileName, section, key);
}

PageQueries& Pages(EvalContext& ctx) {
  if (!ctx.pages) throw Error("Component not found");
  return *ctx.pages;
}

}  // namespace vx::eval
