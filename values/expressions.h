#pragma once
// The two expression evaluators. Neither builds a tree: each rewrites a copy
// of the text, piece by piece, in a fixed order of rules, and stored
// presentations depend on the exact outcome of that order.

#include <string>
#include <string_view>

#include "values/eval_context.h"

namespace vx {

struct SimpleNumExpr;

// Text in, text out. An expression it does not recognise gives the empty
// text; what a text function throws reaches the caller unchanged.
std::string EvalStrExpr(std::string_view text, EvalContext& ctx);

// Text in, number out (a 64-bit double, widened). Throws vx::ConvertError
// "'%s' is not a valid integer value" naming the outermost working text when
// the expression cannot be evaluated and does not read as an integer.
long double EvalNumExpr(std::string_view text, EvalContext& ctx);
// The same, worked out on numbers when form (text's precompiled form, or
// null) allows it.
long double EvalNumExpr(std::string_view text, const SimpleNumExpr* form, EvalContext& ctx);

}  // namespace vx
