#include "util/text_search.h"

#include <algorithm>
#include <cstddef>

namespace vx {

namespace {

constexpr std::string_view kOperators = "/*+-^";

// For the few characters of an operator set a library call per character
// costs more than the comparisons.
bool OneOf(char c, std::string_view chars) {
  for (char k : chars)
    if (k == c) return true;
  return false;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCopy(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = Lower(c);
  return s;
}

bool StartsAt(std::string_view text, std::size_t i, std::string_view token) {
  return !token.empty() && text.size() - i >= token.size() && text[i] == token[0] &&
         text.compare(i, token.size(), token) == 0;
}

// A one-character quote mark; anything longer never equals a single character.
bool IsQuoteChar(std::string_view quote, char c) { return quote.size() == 1 && c == quote[0]; }

// Whether lowToken (already lower case) occurs in text, ignoring case.
bool ContainsNoCase(std::string_view text, std::string_view lowToken) {
  if (lowToken.size() > text.size()) return false;
  for (std::size_t i = 0; i + lowToken.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < lowToken.size() && Lower(text[i + k]) == lowToken[k]) ++k;
    if (k == lowToken.size()) return true;
  }
  return false;
}

int ToPos(std::size_t index) { return static_cast<int>(index) + 1; }

}  // namespace

std::string StripSpaces(std::string_view text, bool leadingOnly) {
  if (leadingOnly) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
  }
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out.push_back(c);
  return out;
}

std::string TrimTrailing(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::optional<std::string> TrimAfter(std::string_view text, int keep, bool flag) {
  if (flag) return std::nullopt;
  const std::size_t k = static_cast<std::size_t>(std::clamp(keep, 0, static_cast<int>(text.size())));
  return std::string(text.substr(0, k)) + StripSpaces(text.substr(k), true);
}

int CountOccurrences(std::string_view token, std::string_view text) {
  if (token.empty()) return 0;
  int count = 0;
  for (std::size_t i = text.find(token); i != std::string_view::npos; i = text.find(token, i + 1))
    ++count;
  return count;
}

int CountOutsideQuotes(std::string_view token, std::string_view text) {
  if (token.empty()) return 0;
  int count = 0;
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') inQuotes = !inQuotes;
    if (!inQuotes && StartsAt(text, i, token)) ++count;
  }
  return count;
}

int PosOfNth(std::string_view token, std::string_view text, int n, bool backwards) {
  if (token.empty() || n < 1 || token.size() > text.size()) return 0;
  int seen = 0;
  if (backwards) {
    for (std::size_t i = text.size() - token.size() + 1; i-- > 0;)
      if (StartsAt(text, i, token) && ++seen == n) return ToPos(i);
    return 0;
  }
  for (std::size_t i = text.find(token); i != std::string_view::npos; i = text.find(token, i + 1))
    if (++seen == n) return ToPos(i);
  return 0;
}

int FirstOfAnyOutsideBrackets(std::string_view text, std::string_view chars) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '[') ++depth;
    else if (c == ']') --depth;
    else if (depth <= 0 && OneOf(c, chars)) return ToPos(i);
  }
  return -1;
}

int PosOfNthClosing(std::string_view open, std::string_view close, std::string_view text, int n) {
  int depth = 0;
  int closings = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsAt(text, i, open)) ++depth;
    if (StartsAt(text, i, close)) {
      if (depth == 1 && ++closings == n) return ToPos(i);
      --depth;
    }
  }
  return kNotFound;
}

int PosOfNthOutsideQuotes(std::string_view quote, std::string_view token, std::string_view text,
                          int n) {
  if (token.empty()) return kNotFound;
  int seen = 0;
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsQuoteChar(quote, text[i])) inQuotes = !inQuotes;
    if (!inQuotes && StartsAt(text, i, token) && ++seen == n)
      return ToPos(i + token.size() - 1);
  }
  return kNotFound;
}

int PosOfNthAtTopLevel(std::string_view quote, std::string_view open, std::string_view close,
                       int n, std::string_view text, std::string_view token) {
  if (token.empty()) return kNotFound;
  int seen = 0;
  int depth = 0;
  bool inQuotes = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Near the end the piece is shorter, as a copy past the end would be.
    const std::string_view piece = text.substr(i, token.size());
    if (piece == quote) inQuotes = !inQuotes;
    if (inQuotes) continue;
    if (depth == 0 && piece == token && ++seen == n) return ToPos(i + token.size() - 1);
    if (piece == open) ++depth;
    if (piece == close) --depth;
  }
  return kNotFound;
}

std::string ReplaceOutsideQuotes(std::string_view text, std::string_view token,
                                 std::string_view replacement, std::string_view quote) {
  const std::string lowToken = LowerCopy(token);
  if (lowToken.empty() || !ContainsNoCase(text, lowToken))
    return std::string(text);
  const std::size_t len = lowToken.size();

  // After a splice the search restarts at the beginning of the new text; the
  // part more than len - 1 characters before the splice cannot hold an
  // occurrence, so resuming just before it gives the same result. A
  // replacement holding the token would be found again forever: then, and
  // when the chain of new occurrences that splices create outlasts the budget
  // (some such chains grow without end), the inserted text is not searched.
  bool rescan = !ContainsNoCase(replacement, lowToken);
  std::size_t budget = 8 * text.size() + 1024;

  std::string done;                             // searched, in order
  std::string ahead(text.rbegin(), text.rend());  // still to search, reversed
  done.reserve(text.size());
  bool inQuotes = false;  // the state after the last character of done
  auto matchesAhead = [&] {
    if (ahead.size() < len) return false;
    for (std::size_t k = 0; k < len; ++k)
      if (Lower(ahead[ahead.size() - 1 - k]) != lowToken[k]) return false;
    return true;
  };
  while (!ahead.empty()) {
    const char c = ahead.back();
    // The search runs on a lower-cased copy, the quote mark as given.
    const bool here = IsQuoteChar(quote, Lower(c)) ? !inQuotes : inQuotes;
    if (here || !matchesAhead()) {
      inQuotes = here;
      done.push_back(c);
      ahead.pop_back();
      continue;
    }
    ahead.resize(ahead.size() - len);
    if (rescan && budget > 0) {
      --budget;
      ahead.append(replacement.rbegin(), replacement.rend());
      for (std::size_t back = std::min(len - 1, done.size()); back > 0; --back) {
        if (IsQuoteChar(quote, Lower(done.back()))) inQuotes = !inQuotes;
        ahead.push_back(done.back());
        done.pop_back();
      }
    } else {
      rescan = false;
      done.append(replacement);
    }
  }
  return done;
}

int OperatorBefore(std::string_view text, int pos) {
  for (int i = std::min(pos, static_cast<int>(text.size())); i >= 1; --i)
    if (OneOf(text[static_cast<std::size_t>(i - 1)], kOperators)) return i;
  return 0;
}

int OperatorAfter(std::string_view text, int pos) {
  const int length = static_cast<int>(text.size());
  for (int i = std::max(pos, 1); i <= length; ++i)
    if (OneOf(text[static_cast<std::size_t>(i - 1)], kOperators)) return i;
  return length + 1;
}

}  // namespace vx
