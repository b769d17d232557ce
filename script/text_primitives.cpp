#include "script/text_primitives.h"

namespace vx {

std::string GetArgument(std::string_view text, int n) {
  std::string result;
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) return result;
  // The last character, normally the closing ")", is never examined.
  const std::size_t end = text.size() - 1;
  bool inQuotes = false;
  int counter = 1;
  for (std::size_t i = open + 1; i < end; ++i) {
    const char c = text[i];
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && c == ',') {
      ++counter;
      continue;
    }
    if (!inQuotes && c == ')') break;
    if (counter == n) result.push_back(c);
    else if (counter > n) break;
  }
  return result;
}

bool HasCharAt(std::string_view text, int i) {
  return i >= 1 && static_cast<std::size_t>(i) <= text.size() &&
         text[static_cast<std::size_t>(i - 1)] != '\0';
}

}  // namespace vx
