#include "script/block_scan.h"

#include <algorithm>

#include "script/runner.h"
#include "util/text_search.h"

namespace vx {

std::string CopyText(std::string_view text, int index, int count) {
  if (index < 1) index = 1;
  const auto size = static_cast<int>(text.size());
  if (count <= 0 || index > size) return std::string();
  count = std::min(count, size - index + 1);
  return std::string(text.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

int PosOf(std::string_view token, std::string_view text) {
  const auto p = text.find(token);
  return p == std::string_view::npos || token.empty() ? 0 : static_cast<int>(p) + 1;
}

std::string StatementCode(std::string_view line) {
  std::string code = StripSpaces(line, false);
  const auto paren = code.find('(');
  if (paren != std::string::npos) code.resize(paren);
  return code;
}

BlockScan ScanBlock(const ScriptThread& thread, StatementRange lines, int opener, bool findElse) {
  BlockScan scan;
  int depth = 1;
  for (int j = opener + 1; j <= lines.count; ++j) {
    if (RunMustEnd(thread)) {
      scan.outcome = BlockScan::Outcome::Ending;
      return scan;
    }
    const std::string& compact = lines[j].scanCompact;
    if (findElse && depth == 1 && compact == "3") scan.elseLine = j;
    if (compact == "1") {
      if (--depth == 0) {
        scan.outcome = BlockScan::Outcome::Found;
        scan.endLine = j;
        return scan;
      }
      continue;
    }
    const std::string& code = lines[j].scanCode;
    if (code == "2" || code == "0") ++depth;
  }
  scan.elseLine = 0;
  return scan;
}

}  // namespace vx
