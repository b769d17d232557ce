#include "tools/vxrun/variable_report.h"

#include "values/number_text.h"

namespace vx::tools {

VariableSnapshot SnapshotVariables(const TValues& values) {
  VariableSnapshot vars;
  for (const auto& v : values.StrVars()) vars["$" + v.name] = "\"" + v.value + "\"";
  for (const auto& v : values.NumVars()) vars["#" + v.name] = NumberToText(v.value);
  for (const auto& v : values.BoolVars()) vars["!" + v.name] = v.value ? "true" : "false";
  return vars;
}

std::vector<std::string> ChangedVariables(const VariableSnapshot& before, const VariableSnapshot& now) {
  std::vector<std::string> lines;
  for (const auto& [name, value] : now) {
    const auto it = before.find(name);
    if (it == before.end() || it->second != value) lines.push_back(name + " = " + value);
  }
  return lines;
}

}  // namespace vx::tools
