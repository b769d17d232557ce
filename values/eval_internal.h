#pragma once
// Shared by the evaluators, the text functions and the system tokens: one
// evaluation in progress, with the nesting depth it has reached, so that a
// hostile expression fails instead of exhausting the stack.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/error.h"
#include "values/eval_context.h"

namespace vx::eval {

// Deeper nesting than any authored expression uses.
inline constexpr int kMaxDepth = 200;

// A failure inside EvalNumExpr's guard that has no message of its own.
class Failure : public Error {
 public:
  using Error::Error;
};

class Evaluator {
 public:
  Evaluator(EvalContext& context, int nesting) : ctx(context), depth(nesting) {
    if (depth > kMaxDepth) throw Failure("Expression nested too deeply");
  }

  // Nested evaluations, one level deeper.
  std::string Str(std::string_view text) const;
  long double Num(std::string_view text) const;
  // A numeric argument where an integer is needed.
  std::int64_t Int(std::string_view text) const;

  EvalContext& ctx;
  const int depth;
};

std::string StrEval(std::string_view text, EvalContext& ctx, int depth);
long double NumEval(std::string_view text, EvalContext& ctx, int depth);

// The platform's Copy: 1-based index below 1 counts as 1 (count kept); an
// index past the end or a negative count gives "".
std::string Copy(std::string_view text, std::int64_t index, std::int64_t count);

// Splits at commas outside double quotes.
std::vector<std::string> SplitArgs(std::string_view text);

// A-Z folded; other bytes compared as they are.
bool SameNoCase(std::string_view a, std::string_view b);
std::size_t FindNoCase(std::string_view text, std::string_view token, std::size_t from = 0);
namespace detail {
// The plain position-by-position search FindNoCase shortcuts; kept to hold
// the shortcut to it.
std::size_t FindNoCaseGeneral(std::string_view text, std::string_view token, std::size_t from = 0);
}  // namespace detail
// Every occurrence, left to right, never rescanning what was put in.
std::string ReplaceAllNoCase(std::string_view text, std::string_view token,
                             std::string_view replacement);
std::string ReplaceAll(std::string_view text, std::string_view token, std::string_view replacement);

// "C:" or "\\server\share" of a path; "" when it has neither.
std::string DriveOfPath(std::string_view path);

}  // namespace vx::eval
