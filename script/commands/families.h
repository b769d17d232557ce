#pragma once
// The command families; script/command_table.cpp merges their rows.

#include <span>

#include "script/commands.h"

namespace vx::commands {

// Application, navigation and message commands.
std::span<const CommandRow> ApplicationCommands();
// Codes that do nothing.
std::span<const CommandRow> NoEffectCommands();

}  // namespace vx::commands
