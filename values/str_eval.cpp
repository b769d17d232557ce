// EvalStrExpr: concatenation, literals, variables and text functions, each
// result post-processed (folder macros, escapes) at the level that made it.

#include <vector>

#include "util/text_forms.h"
#include "util/text_search.h"
#include "values/drives.h"
#include "values/eval_internal.h"
#include "values/expressions.h"
#include "values/number_text.h"
#include "values/text_functions.h"

namespace vx {

namespace eval {

namespace {

constexpr std::string_view kQuote = "\"";

// Replaces the first occurrence, any case; nothing when there is none.
void ReplaceFirstNoCase(std::string& text, std::string_view token, std::string_view value) {
  const auto at = FindNoCase(text, token);
  if (at != std::string::npos) text.replace(at, token.size(), value);
}

void ExpandFolderMacros(std::string& text, EvalContext& ctx) {
  const Folders& folders = ctx.folders;
  ReplaceFirstNoCase(text, "[src]", folders.program);
  ReplaceFirstNoCase(text, "[embed]", folders.temp + "VXTEMP\\");
  ReplaceFirstNoCase(text, "[srcdrive]", DriveOfPath(folders.program) + "\\");
  ReplaceFirstNoCase(text, "[win]", folders.windows);
  ReplaceFirstNoCase(text, "[temp]", folders.temp);
  for (int n = 1; n <= 10; ++n) {
    const std::string macro = "[usb" + std::to_string(n) + "]";
    // Only a macro that is there asks the system for its drive.
    if (FindNoCase(text, macro) == std::string::npos) continue;
    const std::string letter =
        text.find(macro) != std::string::npos ? RemovableDriveLetter(ctx.platform.files, n) : "";
    ReplaceFirstNoCase(text, macro, letter.empty() ? "" : letter + ":\\");
  }
}

// Rule 7.
std::string PostProcess(std::string result, EvalContext& ctx) {
  if (!result.empty() && result[0] == '[') ExpandFolderMacros(result, ctx);
  return DecodeEscapes(result);
}

std::vector<std::string> CutArguments(std::string_view text, std::size_t open, int arity) {
  std::vector<std::string> args;
  const auto openPos = static_cast<std::int64_t>(open) + 1;
  auto comma = [text](int n) -> std::int64_t { return PosOfNthOutsideQuotes(kQuote, ",", text, n); };
  for (int i = 1; i <= arity; ++i) {
    const std::int64_t start = i == 1 ? openPos : comma(i - 1);
    const std::int64_t end = i < arity ? comma(i) : PosOfNthOutsideQuotes(kQuote, ")", text, 1);
    args.push_back(Copy(text, start + 1, end - start - 1));
  }
  return args;
}

// Rules 2 to 6 on a text without a top-level "+".
std::string Single(std::string_view text, const Evaluator& ev) {
  if (text.empty()) return "";
  switch (text[0]) {
    case '"': return std::string(text.substr(1, text.size() < 2 ? 0 : text.size() - 2));
    case '$': return ev.ctx.values.GetStrVar(text.substr(1));
    case '#': return NumberToText(ev.ctx.values.GetNumVar(text.substr(1)));
    case '!': return BoolToText(ev.ctx.values.GetBoolVar(text.substr(1)), "fa");
    default: break;
  }
  const auto open = text.find('(');
  if (open == std::string_view::npos) return "";
  const TextFunction* function = FindTextFunction(text.substr(0, open));
  if (!function) return "";
  return function->handler(ev, CutArguments(text, open, function->arity));
}

}  // namespace

std::string StrEval(std::string_view text, EvalContext& ctx, int depth) {
  const Evaluator ev(ctx, depth);
  // Rule 1 nests to the right: a+b+c is a joined to the result of b+c, each
  // level post-processed. Done as a loop so long concatenations cost no stack.
  std::vector<std::string_view> parts;
  for (;;) {
    const int plus = PosOfNthAtTopLevel(kQuote, "(", ")", 1, text, "+");
    if (plus == kNotFound) break;
    parts.push_back(text.substr(0, static_cast<std::size_t>(plus - 1)));
    text.remove_prefix(static_cast<std::size_t>(plus));
  }
  // Each operand is its own nested evaluation, one level down.
  const Evaluator operand(ctx, parts.empty() ? depth : depth + 1);
  std::string result = PostProcess(Single(text, operand), ctx);
  for (auto part = parts.rbegin(); part != parts.rend(); ++part)
    result = PostProcess(PostProcess(Single(*part, operand), ctx) + result, ctx);
  return result;
}

}  // namespace eval

std::string EvalStrExpr(std::string_view text, EvalContext& ctx) { return eval::StrEval(text, ctx, 0); }

}  // namespace vx
