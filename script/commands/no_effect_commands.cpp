// Codes that do nothing when they reach DoAction: 3 (an else whose block has
// no end), 4, and 45 to 48.

#include "script/commands/families.h"

namespace vx::commands {

namespace {

void Nothing(CommandContext&) {}

constexpr CommandRow kRows[] = {
    {3, Nothing}, {4, Nothing}, {45, Nothing}, {46, Nothing}, {47, Nothing}, {48, Nothing},
};

}  // namespace

std::span<const CommandRow> NoEffectCommands() { return kRows; }

}  // namespace vx::commands
