#pragma once
// The numeric expressions timer scripts run most ("#n+#i", "#x*2", "#a",
// "3") taken apart once per script line and worked out on numbers instead
// of by rewriting the text.
//
// Only shapes the rewriting provably brings to the same number are taken:
// one or two operands, each a reference "#name" (letters, digits and "_")
// or digits with an optional "." part, joined by one of + - * /, nothing
// else, no blank. Two references where the text replacement of the first
// would eat into the second ("#n+#nx") are not taken. At run time a value
// whose text would steer the rewriting elsewhere (an exponent with a sign,
// anything not a number) and every failure (division by zero, overflow)
// give no result: the caller then runs the general evaluator, which reads
// the same variables in the same order, so the store ends the same either
// way.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "values/variables.h"

namespace vx {

struct SimpleNumExpr {
  struct Operand {
    std::string key;         // the variable's normalised name; empty for digits
    long double digits = 0;  // the value of the digits, read as the evaluator reads them
  };
  std::array<Operand, 2> operands;
  int count = 1;
  char op = 0;
  // The second reference is the first one in another case: the text
  // replacement gives both the one value, read once.
  bool sameVariable = false;
};

std::optional<SimpleNumExpr> CompileSimpleNumExpr(std::string_view text);

// The number EvalNumExpr gives for the form's text, or nothing when the
// general evaluator has to decide (see above).
std::optional<long double> EvalSimpleNumExpr(const SimpleNumExpr& form, TValues& values);

}  // namespace vx
