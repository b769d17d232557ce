#include "values/eval_internal.h"
#include "values/number_text.h"

namespace vx::eval {

namespace {
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string Evaluator::Str(std::string_view text) const { return StrEval(text, ctx, depth + 1); }
long double Evaluator::Num(std::string_view text) const { return NumEval(text, ctx, depth + 1); }
std::int64_t Evaluator::Int(std::string_view text) const { return RoundHalfEven(Num(text)); }

std::string Copy(std::string_view text, std::int64_t index, std::int64_t count) {
  if (index < 1) index = 1;
  const auto size = static_cast<std::int64_t>(text.size());
  if (index > size || count <= 0) return "";
  const std::int64_t available = size - index + 1;
  return std::string(text.substr(static_cast<std::size_t>(index - 1),
                                 static_cast<std::size_t>(count < available ? count : available)));
}

std::vector<std::string> SplitArgs(std::string_view text) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) {
      out.emplace_back();
      continue;
    }
    out.back() += c;
  }
  return out;
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view token, std::size_t from) {
  if (token.empty() || token.size() > text.size()) return std::string_view::npos;
  // Every variable reference of every statement comes through here, and
  // references start with a mark that has no case: the library's search
  // finds it, and only the rest is compared case-blind.
  const char first = token[0];
  if (Upper(first) != first || (first >= 'A' && first <= 'Z')) return detail::FindNoCaseGeneral(text, token, from);
  const std::string_view rest = token.substr(1);
  for (std::size_t i = text.find(first, from); i != std::string_view::npos && i + token.size() <= text.size();
       i = text.find(first, i + 1))
    if (SameNoCase(text.substr(i + 1, rest.size()), rest)) return i;
  return std::string_view::npos;
}

namespace detail {

std::size_t FindNoCaseGeneral(std::string_view text, std::string_view token, std::size_t from) {
  if (token.empty() || token.size() > text.size()) return std::string_view::npos;
  const char first = Upper(token[0]);
  const std::string_view rest = token.substr(1);
  for (std::size_t i = from; i + token.size() <= text.size(); ++i)
    if (Upper(text[i]) == first && SameNoCase(text.substr(i + 1, rest.size()), rest)) return i;
  return std::string_view::npos;
}

}  // namespace detail

std::string ReplaceAllNoCase(std::string_view text, std::string_view token,
                             std::string_view replacement) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = FindNoCase(text, token, from)) != std::string_view::npos;
       from = at + token.size()) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
  }
  out.append(text.substr(from));
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view token, std::string_view replacement) {
  if (token.empty()) return std::string(text);
  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(token, from)) != std::string_view::npos;
       from = at + token.size()) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
  }
  out.append(text.substr(from));
  return out;
}

std::string DriveOfPath(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    // \\server\share: up to the backslash after the share.
    std::size_t slashes = 0;
    for (std::size_t i = 2; i < path.size(); ++i)
      if (path[i] == '\\' && ++slashes == 2) return std::string(path.substr(0, i));
    return std::string(path);
  }
  return "";
}

}  // namespace vx::eval
