#pragma once
// The for statement: 2(#name=start,end)stepN()

#include <string>
#include <string_view>

#include "script/runner.h"

namespace vx {

struct EvalContext;

struct ForHeader {
  std::string variable;
  std::string startText;
  std::string endText;
};

// The text between the word step and the second "(" of the space-free line
// (with "()" appended when the two characters before its last are not "()").
std::string ForStepText(std::string_view line);
// That text as a number; 1 when it is missing or no number.
long double ForStep(std::string_view line);
// Decimal places the loop rounds to: the digits after the point of the
// step's text, or all its characters when it has no point.
int StepDecimals(long double step);
long double RoundToDecimals(long double value, int decimals);
// The same with the scale 10^decimals worked out by the caller, once a loop.
long double RoundToScale(long double value, long double scale);
long double DecimalScale(int decimals);
// The header of the space-free line, from the second character after the
// first "(" to the first ")".
ForHeader ParseForHeader(std::string_view line);

enum class ForOutcome {
  Done,         // continue after the end line (stored in endLine)
  NoEnd,        // no matching end: the line goes on to DoAction
  EndRun,       // a stop in the body, or the run must end
};

// The for line at 1-based `lineNumber` of lines.
ForOutcome RunForLoop(ScriptThread& thread, TVXForm* form, StatementRange lines, int lineNumber,
                      const std::string& line, int& endLine);

// The legacy path: records the clause on ForStack without looping.
void RecordForClause(ScriptThread& thread, const std::string& line);

}  // namespace vx
