#pragma once
// How the runner reads the shape of a script: statement codes and the search
// for the end (and else) of a block.

#include <string>
#include <string_view>

#include "script/parsed_script.h"

namespace vx {

class ScriptThread;

// Delphi's Copy: 1-based index (below 1 counts as 1), a count that runs past
// the end or is not positive is cut.
std::string CopyText(std::string_view text, int index, int count);
// 1-based position of the first occurrence, 0 when none.
int PosOf(std::string_view token, std::string_view text);

// The line with every space removed, cut before its first "(".
std::string StatementCode(std::string_view line);

struct BlockScan {
  enum class Outcome { Found, Missing, Ending } outcome = Outcome::Missing;
  int endLine = 0;   // 1-based line of the matching end
  int elseLine = 0;  // 1-based line of the else at depth 1; 0 when none
};

// Scans the lines after the block opened at 1-based line `opener`: "1" closes,
// codes "2" and "0" open; with findElse an exact "3" at depth 1 is noted (the
// last one wins). Ending when the run must end during the scan.
BlockScan ScanBlock(const ScriptThread& thread, StatementRange lines, int opener, bool findElse);

}  // namespace vx
