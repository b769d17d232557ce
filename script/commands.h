#pragma once
// The built-in commands: each code has one handler, kept with the others of
// its family in script/commands/. A family lists its rows in a table at the
// top of its file; adding a command is one row and one handler.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vx {

class Application;
class ScriptThread;
class TVXForm;

// What a command sees of its statement. Arguments are the statement's own
// text; S, N, I and B evaluate argument k (1-based) the way the command
// tables say.
struct CommandContext {
  ScriptThread& thread;
  TVXForm* form;  // the script's form; null in the script console
  const std::string& line;
  const std::array<std::string, 5>& args;

  Application& App() const;
  std::string S(int k) const;
  long double N(int k) const;
  std::int64_t I(int k) const;  // halves to even
  bool B(int k) const;
  // The statement gives argument k (its text is not empty).
  bool Given(int k) const { return !args[static_cast<std::size_t>(k - 1)].empty(); }
};

using CommandHandler = void (*)(CommandContext&);

struct CommandRow {
  int code;
  CommandHandler handler;
};

// The handler of a code, or null when the code has none (nothing happens).
CommandHandler FindCommand(int code);

}  // namespace vx
