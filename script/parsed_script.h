#pragma once
// A script taken apart once: every line's statement form and the texts the
// runner cuts from it. Loop bodies run thousands of times a second from
// timer scripts; none of this depends on variables, so it is done once per
// script text, never per turn.
//
// Parsed scripts are immutable and shared: a run holds its script for its
// whole length, so a statement that replaces or frees the list it runs from
// (an event script replaced, the object deleted) leaves the run reading the
// text it started with. The cache is keyed by the lines themselves, never by
// where they live: a replaced script is another key.

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "util/lines.h"
#include "values/simple_num_expr.h"

namespace vx {

struct ParsedStatement {
  // How block searches read the line as stored (a final mark included).
  std::string scanCompact;  // every space removed
  std::string scanCode;     // scanCompact cut before its first "("

  // The line as it runs: its final mark removed.
  std::string line;
  std::string code;     // StatementCode of line
  std::string compact;  // line without spaces

  enum class Form { Empty, Assignment, Call } form = Form::Empty;
  // Assignment: compact starts with '#', '$' or '!'.
  char mark = 0;
  std::string target;      // the variable's name as written
  std::string targetKey;   // "#": target normalised, as the store keeps it
  std::string expression;  // the value's text, as its evaluator takes it
  // "#" and "!": the expression's precompiled form, when it has one.
  std::optional<SimpleNumExpr> numForm;
  // Call: the statement's number; none when its text is no integer (the
  // statement then fails when it runs, as it always did).
  std::optional<int> number;
  std::array<std::string, 5> args;
};

// A line as stored in a script.
ParsedStatement ParseStatement(const std::string& storedLine);
// A line exactly as it is to run (no final mark removed, no block fields).
ParsedStatement ParseRunningLine(const std::string& line);

struct ParsedScript {
  LineList source;
  std::vector<ParsedStatement> statements;
};

std::shared_ptr<const ParsedScript> ParseScript(const LineList& lines);

// A run of statements: a whole script or a loop's body, numbered from 1.
struct StatementRange {
  const ParsedStatement* first = nullptr;
  int count = 0;
  const ParsedStatement& operator[](int lineNumber) const { return first[lineNumber - 1]; }
};

inline StatementRange WholeScript(const ParsedScript& script) {
  return {script.statements.data(), static_cast<int>(script.statements.size())};
}

// Parsed scripts of one thread, found by their lines. Bounded: when full it
// starts afresh (runs in progress keep theirs).
class ParsedScriptCache {
 public:
  std::shared_ptr<const ParsedScript> Get(const LineList& lines);
  std::size_t size() const { return byHash_.size(); }

  static constexpr std::size_t kMaxScripts = 256;

 private:
  std::unordered_map<std::size_t, std::shared_ptr<const ParsedScript>> byHash_;
};

}  // namespace vx
