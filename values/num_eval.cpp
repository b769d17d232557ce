// EvalNumExpr: steps 1 to 8 rewrite a working text W until one number is
// left, all under one guard. Their order decides every result, quirks
// included, and stored presentations rely on it.

#include <array>
#include <cfloat>
#include <cmath>
#include <optional>

#include "util/conversions.h"
#include "util/text_search.h"
#include "values/eval_internal.h"
#include "values/expressions.h"
#include "values/far_date.h"
#include "values/number_text.h"
#include "values/simple_num_expr.h"
#include "values/system_tokens.h"

namespace vx {

namespace eval {

namespace {

constexpr std::string_view kOperators = "/*+-^";
constexpr std::string_view kQuote = "\"";
// Bounds for rewriting that a hostile text could make endless.
constexpr int kMaxPasses = 10000;
constexpr int kMaxTextVariablePasses = 1000;
constexpr std::size_t kMaxWorkingText = std::size_t{1} << 20;

struct MessageBoxName {
  std::string_view name;
  std::string_view code;
};
constexpr std::array<MessageBoxName, 9> kMessageBoxNames{{
    {"#__OK", "1"}, {"#__CANCEL", "2"}, {"#__ABORT", "3"}, {"#__RETRY", "4"},
    {"#__IGNORE", "5"}, {"#__YES", "6"}, {"#__NO", "7"}, {"#__TRYAGAIN", "10"},
    {"#__CONTINUE", "11"}}};

// Called for every character of W, several times a statement: no search.
bool IsOperator(char c) { return c == '/' || c == '*' || c == '+' || c == '-' || c == '^'; }

int CountOperators(std::string_view w) {
  int n = 0;
  for (char c : w) n += IsOperator(c);
  return n;
}

long double ReadNumber(std::string_view text) {
  const auto value = TextToNumber(text);
  if (!value) throw Failure("'" + std::string(text) + "' is not a valid floating point value");
  return *value;
}

// The first ")" outside double quotes from index from on, or npos.
std::size_t CloseOutsideQuotes(std::string_view w, std::size_t from) {
  bool quoted = false;
  for (std::size_t i = from; i < w.size(); ++i) {
    if (w[i] == '"') quoted = !quoted;
    if (w[i] == ')' && !quoted) return i;
  }
  return std::string_view::npos;
}

std::string ArgumentText(std::string_view call) {
  const auto open = call.find('(');
  if (open == std::string_view::npos) return std::string(call.substr(0, call.size() - 1));
  return std::string(call.substr(open + 1, call.size() - open - 2));
}

void CheckSize(const std::string& w) {
  if (w.size() > kMaxWorkingText) throw Failure("Expression too long");
}

// Step 3.
void ReplaceSystemTokens(std::string& w, const Evaluator& ev) {
  for (const ConstantToken& row : ConstantTokens())
    if (FindNoCase(w, row.token) != std::string::npos)
      w = ReplaceOutsideQuotes(w, row.token, row.value(ev), kQuote);
  int passes = 0;
  for (const FunctionToken& row : FunctionTokens()) {
    for (std::size_t at; (at = w.find(row.token)) != std::string::npos;) {
      if (++passes > kMaxPasses) throw Failure("Too many system tokens");
      const std::string before = w;
      if (row.form == CallForm::ToEnd) {
        const std::string_view call = std::string_view(w).substr(at);
        const std::string args = ArgumentText(call);
        const auto comma = args.find(',');
        Args list{args.substr(0, comma)};
        if (comma != std::string::npos) list.push_back(args.substr(comma + 1));
        w = w.substr(0, at) + row.value(ev, list);
      } else {
        const auto close = CloseOutsideQuotes(w, at);
        if (close == std::string::npos) throw Failure("Missing ) after " + std::string(row.token));
        const std::string call = w.substr(at, close - at + 1);
        const std::string value = row.value(ev, SplitArgs(ArgumentText(call)));
        if (row.form == CallForm::FirstOnly)
          w.replace(at, call.size(), value);
        else
          w = ReplaceAll(w, call, value);
      }
      // A value that rebuilds its own token would be replaced for ever.
      if (w == before) throw Failure("System token does not go away");
      CheckSize(w);
    }
  }
}

// Steps 4 and 5: a reference runs from the mark to the next operator.
template <typename ValueOf>
void ReplaceReferences(std::string& w, char mark, ValueOf valueOf) {
  for (std::size_t at; (at = w.find(mark)) != std::string::npos;) {
    const int end = OperatorAfter(w, static_cast<int>(at) + 2);  // 1-based, after the mark
    const std::string reference = w.substr(at, static_cast<std::size_t>(end - 1) - at);
    w = ReplaceAllNoCase(w, reference, valueOf(std::string_view(reference).substr(1)));
    CheckSize(w);
  }
}

// Steps 1 to 7.
void Substitute(std::string& w, const Evaluator& ev) {
  if (w.find("()") != std::string::npos) w = ReplaceAll(w, "()", "");
  if (w.find("#__") != std::string::npos)
    for (const auto& row : kMessageBoxNames) w = ReplaceOutsideQuotes(w, row.name, row.code, kQuote);
  if (w.find('@') != std::string::npos) ReplaceSystemTokens(w, ev);
  TValues& values = ev.ctx.values;
  ReplaceReferences(w, '#', [&](std::string_view name) { return NumberToText(values.GetNumVar(name)); });
  ReplaceReferences(w, '!', [&](std::string_view name) { return FlagText(values.GetBoolVar(name)); });
  // Text variables splice their text in; it may hold further references.
  for (int passes = 0; w.find('$') != std::string::npos; ++passes) {
    if (passes >= kMaxTextVariablePasses) throw Failure("Text variables refer to each other without end");
    const auto at = w.find('$');
    const int end = OperatorAfter(w, static_cast<int>(at) + 2);
    const std::string reference = w.substr(at, static_cast<std::size_t>(end - 1) - at);
    w = ReplaceAllNoCase(w, reference, values.GetStrVar(std::string_view(reference).substr(1)));
    CheckSize(w);
  }
  while (w.find('(') != std::string::npos) {
    const auto open = w.find('(');
    const int close = PosOfNthClosing("(", ")", w, 1);
    if (close == kNotFound || static_cast<std::size_t>(close) <= open + 1)
      throw Failure("Unbalanced parentheses");
    const auto length = static_cast<std::size_t>(close) - open;
    w.replace(open, length, NumberToText(ev.Num(std::string_view(w).substr(open + 1, length - 2))));
  }
}

long double IntPower(long double base, std::int64_t exponent) {
  const bool negative = exponent < 0;
  std::uint64_t e = negative ? static_cast<std::uint64_t>(-exponent) : static_cast<std::uint64_t>(exponent);
  long double result = 1;
  for (long double square = base; e != 0; e >>= 1, square *= square)
    if (e & 1) result *= square;
  if (negative) {
    if (result == 0) throw Failure("Floating point division by zero");
    result = 1 / result;
  }
  return result;
}

long double Power(long double base, long double exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (std::floor(exponent) == exponent && std::fabs(exponent) <= 2147483647.0L)
    return IntPower(base, static_cast<std::int64_t>(exponent));
  if (base < 0) throw Failure("Invalid floating point operation");
  return std::exp(exponent * std::log(base));
}

long double Apply(long double a, char op, long double b) {
  long double r = 0;
  switch (op) {
    case '+': r = a + b; break;
    case '-': r = a - b; break;
    case '*': r = a * b; break;
    case '/':
      if (b == 0) throw Failure(a == 0 ? "Invalid floating point operation" : "Floating point division by zero");
      r = a / b;
      break;
    case '^': r = Power(a, b); break;
    default: throw Failure("Unknown operator");
  }
  if (!std::isfinite(r)) throw Failure(std::isnan(r) ? "Invalid floating point operation" : "Floating point overflow");
  return r;
}

std::size_t FirstOperatorFrom(std::string_view w, std::size_t from) {
  for (std::size_t i = from; i < w.size(); ++i)
    if (IsOperator(w[i])) return i;
  return std::string_view::npos;
}

// The split of rules d to f and h: the first operator, after position 1
// when W begins with a sign.
std::size_t SignedSplit(std::string_view w) {
  return FirstOperatorFrom(w, !w.empty() && (w[0] == '-' || w[0] == '+') ? 1 : 0);
}

bool IsSign(char c) { return c == '+' || c == '-'; }

// One of "--", "++", "+-", "-+" somewhere in W.
bool HasSignPair(std::string_view w) {
  for (std::size_t i = 1; i < w.size(); ++i)
    if (IsSign(w[i]) && IsSign(w[i - 1])) return true;
  return false;
}

void FoldSigns(std::string& w) {
  while (HasSignPair(w)) {
    w = ReplaceAll(w, "--", "+");
    w = ReplaceAll(w, "++", "+");
    w = ReplaceAll(w, "+-", "-");
    w = ReplaceAll(w, "-+", "-");
  }
}

// Step 8. Either the result, or W reduced by one operation (rule i), which
// the caller evaluates afresh.
std::optional<long double> Arithmetic(std::string& w, const Evaluator& ev) {
  const int operators = CountOperators(w);
  if (operators == 0) return ReadNumber(w);
  if (w[0] == '-' && operators == 1) return ReadNumber(w);
  FoldSigns(w);
  const int n = CountOperators(w);  // W changes only by folding until the end of this pass
  // Which of "*", "/" and "^" stand right before a sign, found in one pass.
  bool beforeSign[3] = {false, false, false};
  if (n < 4)
    for (std::size_t i = 0; i + 1 < w.size(); ++i)
      if (IsSign(w[i + 1])) {
        if (w[i] == '*') beforeSign[0] = true;
        else if (w[i] == '/') beforeSign[1] = true;
        else if (w[i] == '^') beforeSign[2] = true;
      }
  const auto signedRight = [&beforeSign](char op) { return beforeSign[op == '*' ? 0 : op == '/' ? 1 : 2]; };
  if (signedRight('*')) {
    const auto at = SignedSplit(w);
    const auto left = TextToNumber(std::string_view(w).substr(0, at));
    const auto right = at == std::string::npos ? std::nullopt : TextToNumber(std::string_view(w).substr(at + 1));
    if (left && right) return Apply(*left, '*', *right);
  }
  for (char op : {'/', '^'}) {
    if (!signedRight(op)) continue;
    const auto at = SignedSplit(w);
    if (at == std::string::npos) throw Failure("Missing operand");
    return Apply(ReadNumber(std::string_view(w).substr(0, at)), op,
                 ReadNumber(std::string_view(w).substr(at + 1)));
  }
  if (n == 1) {
    const int pos = FirstOfAnyOutsideBrackets(w, kOperators);
    if (pos < 1) throw Failure("Missing operator");
    const auto at = static_cast<std::size_t>(pos - 1);
    return Apply(ReadNumber(std::string_view(w).substr(0, at)), w[at], ReadNumber(std::string_view(w).substr(at + 1)));
  }
  if (n == 2 && (w[0] == '-' || w[0] == '+')) {
    const auto at = SignedSplit(w);
    return Apply(ReadNumber(std::string_view(w).substr(0, at)), w[at], ReadNumber(std::string_view(w).substr(at + 1)));
  }
  // Rule i: one operation reduced; "*", "/" and "^" before "+" and "-".
  const int m = FirstOfAnyOutsideBrackets(w, "*/^");
  int start = 0;  // the piece is w[start, end), 0-based
  int end = 0;
  if (m > 0) {
    start = OperatorBefore(w, m - 1);
    end = OperatorAfter(w, m + 2) - 1;
  } else {
    const auto at = FirstOperatorFrom(w, 1);
    if (at == std::string::npos || at + 1 == w.size()) throw Failure("Missing operand");
    end = OperatorAfter(w, static_cast<int>(at) + 3) - 1;
  }
  const std::string piece = w.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  w.replace(static_cast<std::size_t>(start), piece.size(), NumberToText(ev.Num(piece)));
  return std::nullopt;
}

// "an optional sign and digits", 32 bits.
std::optional<long double> AsInteger(const std::string& w) {
  try {
    return static_cast<long double>(StrToInt(w));
  } catch (const ConvertError&) {
    return std::nullopt;
  }
}

}  // namespace

long double NumEval(std::string_view text, EvalContext& ctx, int depth) {
  std::string w(text);
  // Rule i hands a reduced W to a fresh evaluation; this loop is that chain.
  // A failure anywhere names the W of the first link, as the outermost call
  // would, unless the failing link's own W reads as an integer.
  std::optional<std::string> outer;
  try {
    const Evaluator ev(ctx, depth);
    for (;;) {
      Substitute(w, ev);
      if (const auto result = Arithmetic(w, ev)) {
        const double stored = static_cast<double>(*result);
        if (!std::isfinite(stored)) throw Failure("Floating point overflow");
        return stored;
      }
      if (!outer) outer = w;
    }
  } catch (const Error&) {
    if (const auto value = AsInteger(w)) return *value;
    throw NotAnInteger(outer ? *outer : w);
  } catch (const FarDateError&) {
    if (const auto value = AsInteger(w)) return *value;
    throw NotAnInteger(outer ? *outer : w);
  }
}

}  // namespace eval

long double EvalNumExpr(std::string_view text, EvalContext& ctx) { return eval::NumEval(text, ctx, 0); }

long double EvalNumExpr(std::string_view text, const SimpleNumExpr* form, EvalContext& ctx) {
  if (form != nullptr)
    if (const auto value = EvalSimpleNumExpr(*form, ctx.values)) return *value;
  return eval::NumEval(text, ctx, 0);
}

}  // namespace vx
