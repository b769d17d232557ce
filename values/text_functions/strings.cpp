// Text functions on the text itself: 0 substring, 1 replace, 2 character,
// 3 and 4 letter case, 18 reverse.

#include <algorithm>

#include "values/text_functions.h"

namespace vx::eval {

std::string Substring(const Evaluator& ev, const Args& a) {
  const std::string text = ev.Str(a[0]);
  return Copy(text, ev.Int(a[1]), ev.Int(a[2]));
}

std::string ReplaceText(const Evaluator& ev, const Args& a) {
  const std::string text = ev.Str(a[0]);
  const std::string old = ev.Str(a[1]);
  const std::string replacement = ev.Str(a[2]);
  const bool all = ev.Int(a[3]) > 0;
  const bool noCase = ev.Int(a[4]) > 0;
  if (old.empty()) return text;
  if (all) return noCase ? ReplaceAllNoCase(text, old, replacement) : ReplaceAll(text, old, replacement);
  const auto at = noCase ? FindNoCase(text, old) : text.find(old);
  if (at == std::string::npos) return text;
  std::string out = text;
  out.replace(at, old.size(), replacement);
  return out;
}

std::string CharOfCode(const Evaluator& ev, const Args& a) {
  return std::string(1, static_cast<char>(static_cast<unsigned char>(ev.Int(a[0]) & 0xFF)));
}

std::string LowerText(const Evaluator& ev, const Args& a) {
  std::string text = ev.Str(a[0]);
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string UpperText(const Evaluator& ev, const Args& a) {
  std::string text = ev.Str(a[0]);
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string ReverseText(const Evaluator& ev, const Args& a) {
  std::string text = ev.Str(a[0]);
  std::reverse(text.begin(), text.end());
  return text;
}

}  // namespace vx::eval
