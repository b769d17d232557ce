#pragma once
// The command families; script/command_table.cpp merges their rows.

#include <span>

#include "script/commands.h"

namespace vx::commands {

// Application, navigation and message commands.
std::span<const CommandRow> ApplicationCommands();
// Page navigation and the pages by name.
std::span<const CommandRow> NavigationCommands();
// The script's form and the application window.
std::span<const CommandRow> WindowCommands();
// Objects made at run time.
std::span<const CommandRow> ObjectCommands();
// Codes that do nothing.
std::span<const CommandRow> NoEffectCommands();

}  // namespace vx::commands
