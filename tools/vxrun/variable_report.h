#pragma once
// Variables as the vxrun reports print them: "$name = "text"", "#name = 6",
// "!name = true".

#include <map>
#include <string>
#include <vector>

#include "values/variables.h"

namespace vx::tools {

using VariableSnapshot = std::map<std::string, std::string>;

VariableSnapshot SnapshotVariables(const TValues& values);

// "name = value" for every variable that is new or changed since before.
std::vector<std::string> ChangedVariables(const VariableSnapshot& before, const VariableSnapshot& now);

}  // namespace vx::tools
