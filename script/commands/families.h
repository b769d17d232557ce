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
// The current page's window: focus, caption, frame, translucency, colour.
std::span<const CommandRow> PageWindowCommands();
// The current page's background picture, drawing style and filters.
std::span<const CommandRow> PageBackgroundCommands();
// Codes that do nothing.
std::span<const CommandRow> NoEffectCommands();
// Objects made at run time.
std::span<const CommandRow> ObjectCommands();
// The standard dialogs.
std::span<const CommandRow> DialogCommands();
// The registry and INI-file writers.
std::span<const CommandRow> StoreCommands();
// Files: copy, move, rename, delete, write; embedded files; another
// executable's settings block.
std::span<const CommandRow> FileCommands();
// Fonts, clipboard, multimedia commands, keyboard layout, sounds.
std::span<const CommandRow> SystemCommands();

}  // namespace vx::commands
