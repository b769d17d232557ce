#include "util/lines.h"

namespace vx {

LineList SplitLines(std::string_view text) {
  LineList lines;
  std::size_t p = 0;
  while (p < text.size()) {
    const std::size_t start = p;
    while (p < text.size() && text[p] != '\r' && text[p] != '\n') ++p;
    lines.emplace_back(text.substr(start, p - start));
    if (p < text.size() && text[p] == '\r') ++p;
    if (p < text.size() && text[p] == '\n') ++p;
  }
  return lines;
}

std::string JoinLines(const LineList& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace vx
