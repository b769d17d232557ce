#include "script/if_clauses.h"

#include <optional>

#include "script/block_scan.h"
#include "util/error.h"
#include "util/text_search.h"
#include "values/expressions.h"

namespace vx {

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesNoCase(std::string_view text, std::size_t at, std::string_view token) {
  if (at + token.size() > text.size()) return false;
  for (std::size_t k = 0; k < token.size(); ++k)
    if (LowerAscii(text[at + k]) != LowerAscii(token[k])) return false;
  return true;
}

// Left to right, never looking again at what was kept.
std::string RemoveAllNoCase(std::string_view text, std::string_view token) {
  if (token.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (MatchesNoCase(text, i, token)) {
      i += token.size();
    } else {
      out.push_back(text[i++]);
    }
  }
  return out;
}

enum class Op { Less, Greater, Equal, LessEqual, GreaterEqual, NotEqual };

struct OperatorRow {
  int less, equal, greater;  // counts outside quotes
  Op op;
  const char* spellings[2];
};

constexpr OperatorRow kOperators[] = {
    {1, 0, 0, Op::Less, {"<", nullptr}},
    {0, 0, 1, Op::Greater, {">", nullptr}},
    {0, 1, 0, Op::Equal, {"=", nullptr}},
    {1, 1, 0, Op::LessEqual, {"<=", "=<"}},
    {0, 1, 1, Op::GreaterEqual, {">=", "=>"}},
    {1, 0, 1, Op::NotEqual, {"<>", nullptr}},
};

struct Split {
  Op op;
  std::string left;
  std::string right;
};

// The clause cut at the first spelling of its operator outside quotes.
std::optional<Split> SplitClause(const std::string& clause) {
  const int less = CountOutsideQuotes("<", clause);
  const int equal = CountOutsideQuotes("=", clause);
  const int greater = CountOutsideQuotes(">", clause);
  for (const OperatorRow& row : kOperators) {
    if (row.less != less || row.equal != equal || row.greater != greater) continue;
    int start = 0;
    int length = 0;
    for (const char* spelling : row.spellings) {
      if (spelling == nullptr) continue;
      const std::string_view token(spelling);
      const int last = PosOfNthOutsideQuotes("\"", token, clause, 1);
      if (last <= 0) continue;
      const int first = last - static_cast<int>(token.size()) + 1;
      if (start == 0 || first < start) {
        start = first;
        length = static_cast<int>(token.size());
      }
    }
    // "<" and "=" apart (a<b=c) spell no operator.
    if (start == 0) return std::nullopt;
    return Split{row.op, CopyText(clause, 1, start - 1), CopyText(clause, start + length, static_cast<int>(clause.size()))};
  }
  return std::nullopt;
}

bool CompareNumbers(Op op, long double a, long double b) {
  switch (op) {
    case Op::Less: return a < b;
    case Op::Greater: return a > b;
    case Op::Equal: return a == b;
    case Op::LessEqual: return a <= b;
    case Op::GreaterEqual: return a >= b;
    case Op::NotEqual: return a != b;
  }
  return false;
}

bool CompareTexts(Op op, const std::string& a, const std::string& b) {
  switch (op) {
    case Op::Equal: return a == b;
    case Op::NotEqual: return a != b;
    case Op::Greater: return a > b;  // byte order: char_traits<char> compares unsigned
    default: return false;
  }
  return false;
}

}  // namespace

std::vector<std::string> ExtractClauses(std::string_view line) {
  std::vector<std::string> clauses{std::string()};
  std::string work(line);
  for (int n = 1;; ++n) {
    const int close = PosOfNthClosing("(", ")", work, n);
    if (close <= 0) break;
    const int open = PosOfNth("(", work, n, false);
    std::string clause = CopyText(work, open + 1, close - open - 1);
    work = RemoveAllNoCase(work, clause);
    clauses.push_back(std::move(clause));
  }
  return clauses;
}

bool AndFlagOf(std::string_view line, bool previous) {
  const std::string compact = StripSpaces(line, false);
  if (CountOutsideQuotes("(", compact) < 2) return previous;
  const auto close = compact.find(')');
  if (close == std::string::npos || close + 1 >= compact.size()) return previous;
  const char next = compact[close + 1];
  if (next == '|') return false;
  if (next == '&') return true;
  return previous;
}

int EvalClause(EvalContext& ctx, const Tifclause& record, int index) {
  const auto split = SplitClause(record.clauses[static_cast<std::size_t>(index)]);
  if (!split) return -1;
  std::optional<long double> left;
  std::optional<long double> right;
  try {
    left = EvalNumExpr(split->left, ctx);
    right = EvalNumExpr(split->right, ctx);
  } catch (const Error&) {
    right.reset();
  }
  if (left && right) return CompareNumbers(split->op, *left, *right) ? 1 : 0;
  switch (split->op) {
    case Op::LessEqual:
    case Op::GreaterEqual: return 0;
    case Op::Less: throw Error("");
    default: break;
  }
  return CompareTexts(split->op, EvalStrExpr(split->left, ctx), EvalStrExpr(split->right, ctx)) ? 1 : 0;
}

int ConditionMet(EvalContext& ctx, const Tifclause& record) {
  const int n = static_cast<int>(record.clauses.size()) - 1;
  for (int k = 1; k <= n; ++k) {
    const bool holds = EvalClause(ctx, record, k) == 1;
    if (record.andFlag && !holds) return 0;
    if (!record.andFlag && holds) return 1;
  }
  return record.andFlag ? 1 : 0;
}

}  // namespace vx
