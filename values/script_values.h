#pragma once
// Reads through the script's open registry key and INI file, and the page
// queries; each fails when what it reads through is not there.

#include <optional>
#include <string>

#include "platform/registry.h"
#include "values/eval_context.h"

namespace vx::eval {

// Throws vx::Error before a script has opened a key.
std::optional<platform::RegistryValue> ReadOpenKeyValue(EvalContext& ctx, const std::string& name);
// Throws vx::Error before a script has opened an INI file; "" when absent.
std::string ReadIniText(EvalContext& ctx, const std::string& section, const std::string& key);
// Throws vx::Error while no page layer answers.
PageQueries& Pages(EvalContext& ctx);

}  // namespace vx::eval
