#include <array>
#include <stdexcept>

#include "host/application.h"
#include "script/commands.h"
#include "script/commands/families.h"
#include "script/runner.h"
#include "util/conversions.h"
#include "values/expressions.h"
#include "values/number_text.h"

namespace vx {

namespace {

using Family = std::span<const CommandRow> (*)();

constexpr Family kFamilies[] = {
    commands::ApplicationCommands,
    commands::NoEffectCommands,
    commands::NavigationCommands,
    commands::WindowCommands,
    commands::ObjectCommands,
};

// Codes 0 ... 107 are built in; 108 and above are author functions.
constexpr int kCommandCount = 108;

struct Table {
  std::array<CommandHandler, kCommandCount> handlers{};
  Table() {
    for (Family family : kFamilies)
      for (const CommandRow& row : family()) {
        if (row.code < 0 || row.code >= kCommandCount || handlers[static_cast<std::size_t>(row.code)] != nullptr)
          throw std::logic_error("command " + std::to_string(row.code) + " listed twice or out of range");
        handlers[static_cast<std::size_t>(row.code)] = row.handler;
      }
  }
};

}  // namespace

CommandHandler FindCommand(int code) {
  static const Table table;  // constant once built
  if (code < 0 || code >= kCommandCount) return nullptr;
  return table.handlers[static_cast<std::size_t>(code)];
}

Application& CommandContext::App() const { return thread.app; }

std::string CommandContext::S(int k) const { return EvalStrExpr(args[static_cast<std::size_t>(k - 1)], App().eval); }

long double CommandContext::N(int k) const { return EvalNumExpr(args[static_cast<std::size_t>(k - 1)], App().eval); }

std::int64_t CommandContext::I(int k) const { return RoundHalfEven(N(k)); }

bool CommandContext::B(int k) const { return IsPositive(I(k)); }

}  // namespace vx
