#include "values/simple_num_expr.h"

#include <cmath>
#include <cstdint>

#include "values/eval_internal.h"
#include "values/number_text.h"

namespace vx {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsArithmetic(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

// One operand from at on: "#name" or digits with an optional "." part.
// Returns where it ends, or nothing.
std::optional<std::size_t> CompileOperand(std::string_view text, std::size_t at, SimpleNumExpr::Operand& out,
                                          std::string_view& reference) {
  std::size_t i = at;
  if (i < text.size() && text[i] == '#') {
    ++i;
    while (i < text.size() && IsNameChar(text[i])) ++i;
    if (i == at + 1) return std::nullopt;
    reference = text.substr(at, i - at);
    // "#__OK" and its kind are message-box names, replaced before references.
    if (reference.size() >= 3 && reference[1] == '_' && reference[2] == '_') return std::nullopt;
    out.key = NormaliseVarName(reference.substr(1));
    return i;
  }
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == at) return std::nullopt;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == fraction) return std::nullopt;
  }
  const auto value = TextToNumber(text.substr(at, i - at));
  if (!value) return std::nullopt;
  out.digits = *value;
  return i;
}

struct OperandValue {
  long double value = 0;
  bool negative = false;  // its text begins with "-"
};

// What the text of a variable's value reads back as, when that text is a
// number with at most a leading sign among the operator characters.
std::optional<OperandValue> ReadBack(double v) {
  // Whole numbers below 10^15 are their own digits: exact both ways, and
  // zero (negative zero too) prints as "0".
  if (v > -1e15 && v < 1e15) {
    const auto whole = static_cast<std::int64_t>(v);
    if (static_cast<double>(whole) == v) return OperandValue{v == 0 ? 0.0L : static_cast<long double>(v), v < 0};
  }
  const std::string text = NumberToText(v);
  const std::size_t from = !text.empty() && text[0] == '-' ? 1 : 0;
  if (from == text.size()) return std::nullopt;
  for (std::size_t i = from; i < text.size(); ++i)
    if (!IsDigit(text[i]) && text[i] != '.' && text[i] != 'E') return std::nullopt;
  const auto value = TextToNumber(text);
  if (!value) return std::nullopt;
  return OperandValue{*value, from == 1};
}

std::optional<OperandValue> ValueOf(const SimpleNumExpr::Operand& operand, TValues& values) {
  if (operand.key.empty()) return OperandValue{operand.digits, false};
  return ReadBack(values.GetNumVarNormalised(operand.key));
}

}  // namespace

std::optional<SimpleNumExpr> CompileSimpleNumExpr(std::string_view text) {
  SimpleNumExpr form;
  std::string_view first;
  std::string_view second;
  const auto end = CompileOperand(text, 0, form.operands[0], first);
  if (!end) return std::nullopt;
  if (*end == text.size()) return form;
  if (!IsArithmetic(text[*end])) return std::nullopt;
  form.op = text[*end];
  const auto last = CompileOperand(text, *end + 1, form.operands[1], second);
  if (!last || *last != text.size()) return std::nullopt;
  form.count = 2;
  if (!first.empty() && !second.empty()) {
    // The first reference is replaced everywhere, case-blind, before the
    // second is looked at.
    if (eval::SameNoCase(first, second)) {
      form.sameVariable = true;
    } else if (second.size() > first.size() && eval::SameNoCase(second.substr(0, first.size()), first)) {
      return std::nullopt;
    }
  }
  return form;
}

std::optional<long double> EvalSimpleNumExpr(const SimpleNumExpr& form, TValues& values) {
  const auto a = ValueOf(form.operands[0], values);
  if (!a) return std::nullopt;
  long double result = a->value;
  if (form.count == 2) {
    const auto b = form.sameVariable ? a : ValueOf(form.operands[1], values);
    if (!b) return std::nullopt;
    char op = form.op;
    long double right = b->value;
    // "+-" and "--" fold to one sign before anything is worked out.
    if (b->negative && (op == '+' || op == '-')) {
      op = op == '+' ? '-' : '+';
      right = -right;
    }
    switch (op) {
      case '+': result = result + right; break;
      case '-': result = result - right; break;
      case '*': result = result * right; break;
      default:
        if (right == 0) return std::nullopt;
        result = result / right;
    }
    if (!std::isfinite(result)) return std::nullopt;
  }
  const double stored = static_cast<double>(result);
  if (!std::isfinite(stored)) return std::nullopt;
  return stored;
}

}  // namespace vx
