#include "script/for_loop.h"

#include <cmath>
#include <limits>

#include "host/application.h"
#include "script/app_thread.h"
#include "script/block_scan.h"
#include "util/error.h"
#include "util/text_search.h"
#include "values/expressions.h"
#include "values/number_text.h"

namespace vx {

namespace {

constexpr int kAll = std::numeric_limits<int>::max() / 2;

std::int32_t ClampToInt32(long double v) {
  const long double r = std::nearbyint(v);
  if (!(r >= std::numeric_limits<std::int32_t>::min())) return std::numeric_limits<std::int32_t>::min();
  if (r > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

// Asked every turn: numbers that print as their digits need no text.
bool ReachedEnd(long double current, long double end, const std::string& endText) {
  if (PrintsAsWholeDigits(current) && PrintsAsWholeDigits(end)) return current == end;
  return NumberToText(current) == endText;
}

}  // namespace

std::string ForStepText(std::string_view line) {
  std::string s = StripSpaces(line, false);
  if (s.size() < 3 || s.compare(s.size() - 3, 2, "()") != 0) s += "()";
  const int firstClose = PosOf(")", s);
  const int secondOpen = PosOfNth("(", s, 2, false);
  return CopyText(s, PosOf("step", s) + 4, secondOpen - firstClose - 5);
}

long double ForStep(std::string_view line) {
  const std::string text = ForStepText(line);
  if (text.empty()) return 1;
  return TextToNumber(text).value_or(1);
}

int StepDecimals(long double step) {
  const std::string text = NumberToText(step);
  const auto point = text.find('.');
  return static_cast<int>(point == std::string::npos ? text.size() : text.size() - point - 1);
}

long double DecimalScale(int decimals) { return std::pow(10.0L, decimals); }

long double RoundToScale(long double value, long double scale) {
  return std::nearbyint(value * scale) / scale;  // the default mode rounds halves to even
}

long double RoundToDecimals(long double value, int decimals) { return RoundToScale(value, DecimalScale(decimals)); }

ForHeader ParseForHeader(std::string_view line) {
  const std::string compact = StripSpaces(line, false);
  const int open = PosOf("(", compact);
  const int close = PosOf(")", compact);
  const std::string header = CopyText(compact, open + 2, close - open - 2);
  const int equal = PosOf("=", header);
  const int comma = PosOf(",", header);
  ForHeader h;
  h.variable = TrimTrailing(CopyText(header, 1, equal - 1));
  h.startText = CopyText(header, equal + 1, comma - equal - 1);
  h.endText = CopyText(header, comma + 1, kAll);
  return h;
}

ForOutcome RunForLoop(ScriptThread& thread, TVXForm* form, StatementRange lines, int lineNumber,
                      const std::string& line, int& endLine) {
  Application& app = thread.app;
  RunnerState& st = thread.state;
  long double step = ForStep(line);
  // A zero step would never reach the end; a negative one would run away
  // from it, since the direction comes from start and end alone.
  if (step == 0) throw Error("A for loop with step 0 never ends");
  if (step < 0) step = -step;
  const long double scale = DecimalScale(StepDecimals(step));

  const ForHeader h = ParseForHeader(line);
  const long double start = EvalNumExpr(h.startText, app.eval);
  const long double end = EvalNumExpr(h.endText, app.eval);
  app.values.SetNumVar(h.variable, static_cast<double>(start));

  const BlockScan scan = ScanBlock(thread, lines, lineNumber, false);
  if (scan.outcome == BlockScan::Outcome::Ending) return ForOutcome::EndRun;
  if (scan.outcome == BlockScan::Outcome::Missing) return ForOutcome::NoEnd;
  const StatementRange body{&lines[lineNumber + 1], scan.endLine - 1 - lineNumber};

  const std::string endText = NumberToText(end);
  const std::string key = NormaliseVarName(h.variable);
  long double current = std::nearbyint(static_cast<long double>(app.values.GetNumVarNormalised(key)));
  current = current > end ? current + step : current - step;
  while (!ReachedEnd(current, end, endText)) {
    app.scripts->CountStatement();  // a round with an empty body still counts
    if (RunMustEnd(thread)) return ForOutcome::EndRun;
    long double next = end > current ? current + step : current - step;
    if (step <= 1) next = RoundToScale(next, scale);
    if (next == current) throw Error("A for loop step too small to count with never ends");
    current = next;
    app.values.SetNumVarNormalised(key, static_cast<double>(current));
    st.ScriptStopped = false;
    RunStatements(thread, form, body);
    if (st.ScriptStopped) return ForOutcome::EndRun;
    current = app.values.GetNumVarNormalised(key);
    if (current - step >= end) continue;
    if (RoundToScale(current + step, scale) > end) current = end;
  }
  endLine = scan.endLine;
  return ForOutcome::Done;
}

void RecordForClause(ScriptThread& thread, const std::string& line) {
  Application& app = thread.app;
  RunnerState& st = thread.state;
  const ForHeader h = ParseForHeader(line);
  tforclause record;
  record.variable = h.variable;
  record.start = ClampToInt32(EvalNumExpr(h.startText, app.eval));
  record.end = ClampToInt32(EvalNumExpr(h.endText, app.eval));
  record.ascending = record.start <= record.end;
  record.ascending2 = record.ascending;
  ++st.forDepth;
  st.ForStack.resize(static_cast<std::size_t>(st.forDepth) + 1);
  st.ForStack[static_cast<std::size_t>(st.forDepth)] = std::move(record);
  st.BlockKind = kBlockFor;
}

}  // namespace vx
