// Function tokens over texts: positions, lengths, counts, bases, key state,
// character codes and a text evaluated as a number.

#include "util/conversions.h"
#include "util/text_search.h"
#include "values/number_text.h"
#include "values/system_tokens.h"

namespace vx::eval {

namespace {
std::string Arg(const Args& a, std::size_t i) { return i < a.size() ? a[i] : std::string(); }
}  // namespace

std::string PosOfToken(const Evaluator& ev, const Args& a) {
  const std::string token = ev.Str(Arg(a, 0));
  const std::string text = ev.Str(Arg(a, 1));
  const std::int64_t n = ev.Int(Arg(a, 2));
  if (n < 1 || n > 0x7FFFFFFF) return IntText(0);
  return IntText(PosOfNth(token, text, static_cast<int>(n), false));
}

std::string LengthOf(const Evaluator& ev, const Args& a) {
  return IntText(static_cast<std::int64_t>(ev.Str(Arg(a, 0)).size()));
}

std::string KeyStateOf(const Evaluator& ev, const Args& a) {
  return IntText(ev.ctx.platform.input.KeyState(static_cast<int>(ev.Int(Arg(a, 0)))));
}

std::string CountOfToken(const Evaluator& ev, const Args& a) {
  const std::string token = ev.Str(Arg(a, 0));
  return IntText(CountOccurrences(token, ev.Str(Arg(a, 1))));
}

std::string BinValue(const Evaluator& ev, const Args& a) { return IntText(BinToInt(ev.Str(Arg(a, 0)))); }
std::string OctValue(const Evaluator& ev, const Args& a) { return IntText(OctToInt(ev.Str(Arg(a, 0)))); }
std::string HexValue(const Evaluator& ev, const Args& a) { return IntText(HexToInt(ev.Str(Arg(a, 0)))); }

std::string TextAsNumber(const Evaluator& ev, const Args& a) {
  // The whole argument text: a comma in it is part of the expression.
  std::string text;
  for (std::size_t i = 0; i < a.size(); ++i) text += (i ? "," : "") + a[i];
  return NumberToText(ev.Num(ev.Str(text)));
}

std::string CodeOfFirst(const Evaluator& ev, const Args& a) {
  const std::string text = ev.Str(Arg(a, 0));
  if (text.empty()) throw Failure("Empty text has no first character");
  return IntText(static_cast<unsigned char>(text[0]));
}

}  // namespace vx::eval
