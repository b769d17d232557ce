#include "script/runner.h"

#include <array>

#include "host/application.h"
#include "script/app_thread.h"
#include "script/block_scan.h"
#include "script/commands.h"
#include "script/for_loop.h"
#include "script/if_clauses.h"
#include "script/text_primitives.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/text_search.h"
#include "values/expressions.h"

namespace vx {

namespace {

constexpr char kFinalMark = '\xD8';
constexpr int kAll = 1 << 30;
// Runs nested on one thread: author functions calling functions, loop
// bodies, event scripts run from inside a script. An author function that
// calls itself would otherwise exhaust the stack (1 MiB on the player's
// main thread); no authored presentation nests this deep.
constexpr int kMaxRunNesting = 200;

// Counts the runs in progress; a stop still pending when the outermost run
// ends is dropped, so it cannot end the next event's script at its first line.
class RunGuard {
 public:
  explicit RunGuard(RunnerState& state) : state_(state) { ++state_.runs; }
  ~RunGuard() {
    if (--state_.runs == 0) state_.StopRequested = false;
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  RunnerState& state_;
};

bool Skipped(const RunnerState& st) {
  return st.ifDepth > 0 && st.ifDepth < static_cast<int>(st.IfStack.size()) &&
         !st.IfStack[static_cast<std::size_t>(st.ifDepth)].result;
}

void Assign(Application& app, const std::string& line, const std::string& compact) {
  const std::string s = StripSpaces(line, true);
  const int equal = PosOf("=", s);
  const std::string name = CopyText(s, 2, equal - 2);
  switch (compact[0]) {
    case '#':
      app.values.SetNumVar(name, static_cast<double>(EvalNumExpr(CopyText(s, equal + 1, kAll), app.eval)));
      break;
    case '$':
      app.values.SetStrVar(name, EvalStrExpr(StripSpaces(CopyText(s, equal + 1, kAll), true), app.eval));
      break;
    default: {
      const int compactEqual = PosOf("=", compact);
      const long double value = EvalNumExpr(CopyText(compact, compactEqual + 1, kAll), app.eval);
      app.values.SetBoolVar(name, value > 0);
    }
  }
}

void LegacyIf(ScriptThread& thread, const std::string& line) {
  RunnerState& st = thread.state;
  Tifclause record;
  record.clauses = ExtractClauses(line);
  ++st.ifDepth;
  const bool enclosingHolds =
      st.ifDepth == 1 || (st.ifDepth - 1 < static_cast<int>(st.IfStack.size()) &&
                          st.IfStack[static_cast<std::size_t>(st.ifDepth - 1)].result);
  record.result = enclosingHolds && ConditionMet(thread.app.eval, record) == 1;
  st.IfStack.resize(static_cast<std::size_t>(st.ifDepth) + 1);
  st.IfStack[static_cast<std::size_t>(st.ifDepth)] = std::move(record);
  st.BlockKind = kBlockIf;
}

void EndBlock(RunnerState& st) {
  // An end without its block never takes a depth below 0.
  int& depth = st.BlockKind == kBlockIf ? st.ifDepth : st.forDepth;
  if (depth > 0) --depth;
}

void CallFunction(ScriptThread& thread, TVXForm* form, int code, const std::array<std::string, 5>& args) {
  Application& app = thread.app;
  for (int k = 1; k <= 5; ++k) {
    const std::string& arg = args[static_cast<std::size_t>(k - 1)];
    if (!arg.empty()) app.values.SetStrVar(std::to_string(k), EvalStrExpr(arg, app.eval));
  }
  const auto entry = static_cast<std::size_t>(code - 107);
  const auto& functions = app.project.functions;
  if (entry >= functions.size()) throw Error("Function #" + std::to_string(entry) + " does not exist");
  const TFunc& function = functions[entry];
  if (function.slot > 0) {
    app.scripts->StartThread(function.slot, JoinLines(function.body));
  } else {
    DoActions(thread, form, function.body);
  }
}

}  // namespace

bool RunMustEnd(const ScriptThread& thread) {
  return thread.app.terminating || thread.TerminateRequested() || thread.app.scripts->StatementsSpent();
}

void DoActions(ScriptThread& thread, TVXForm* form, std::string_view script) {
  DoActions(thread, form, SplitLines(script));
}

void DoActions(ScriptThread& thread, TVXForm* form, const LineList& script) {
  if (RunMustEnd(thread)) return;
  // A statement may replace or free the very list it runs from (an object's
  // event script replaced or the object deleted by object methods 0, 71-78).
  RunnerState& st = thread.state;
  if (st.runs >= kMaxRunNesting) throw Error("Scripts nested too deeply");
  const LineList lines = script;
  st.ifDepth = 0;
  st.forDepth = 0;
  st.IfStack.clear();
  RunGuard guard(st);
  bool andFlag = false;
  const int count = static_cast<int>(lines.size());
  for (int i = 1; i <= count; ++i) {
    if (st.StopRequested) {
      st.StopRequested = false;
      st.ScriptStopped = true;
      return;
    }
    if (RunMustEnd(thread)) return;
    std::string line = lines[static_cast<std::size_t>(i - 1)];
    if (!line.empty() && line.back() == kFinalMark) line.pop_back();
    try {
      const std::string code = StatementCode(line);
      if (code == "3") {
        const BlockScan scan = ScanBlock(thread, lines, i, false);
        if (scan.outcome == BlockScan::Outcome::Ending) return;
        if (scan.outcome == BlockScan::Outcome::Found) {
          i = scan.endLine;
          continue;
        }
      } else if (code == "2") {
        int endLine = 0;
        const ForOutcome outcome = RunForLoop(thread, form, lines, i, line, endLine);
        if (outcome == ForOutcome::EndRun) return;
        if (outcome == ForOutcome::Done) {
          i = endLine;
          continue;
        }
      } else if (code == "0") {
        andFlag = AndFlagOf(line, andFlag);
        Tifclause record;
        record.clauses = ExtractClauses(line);
        record.andFlag = andFlag;
        if (ConditionMet(thread.app.eval, record) != 1) {
          const BlockScan scan = ScanBlock(thread, lines, i, true);
          if (scan.outcome == BlockScan::Outcome::Ending) return;
          if (scan.outcome == BlockScan::Outcome::Found) {
            i = scan.elseLine != 0 ? scan.elseLine : scan.endLine;
            continue;
          }
        }
      }
      DoAction(thread, form, line, i);
    } catch (const std::exception& e) {
      throw Error("Line #" + std::to_string(i) + ": " + e.what());
    }
  }
}

void DoActions(Application& app, TVXForm* form, std::string_view script) {
  DoActions(app.scripts->main, form, script);
}

void DoActions(Application& app, TVXForm* form, const LineList& lines) {
  DoActions(app.scripts->main, form, lines);
}

void DoAction(ScriptThread& thread, TVXForm* form, const std::string& line, int /*lineNumber*/) {
  thread.app.scripts->CountStatement();
  if (line.empty()) return;
  RunnerState& st = thread.state;
  const std::string compact = StripSpaces(line, false);
  if (!compact.empty() && (compact[0] == '#' || compact[0] == '$' || compact[0] == '!')) {
    if (!Skipped(st)) Assign(thread.app, line, compact);
    return;
  }
  const int code = StrToInt(compact.substr(0, compact.find('(')));
  std::array<std::string, 5> args;
  args[0] = GetArgument(line, 1);
  const int commas = CountOutsideQuotes(",", compact);
  for (int k = 2; k <= 5; ++k)
    if (commas >= k - 1) args[static_cast<std::size_t>(k - 1)] = GetArgument(line, k);

  switch (code) {
    case 0: LegacyIf(thread, line); return;
    case 1: EndBlock(st); return;
    case 2: RecordForClause(thread, line); return;
    default: break;
  }
  if (Skipped(st)) return;
  if (code >= 108) {
    CallFunction(thread, form, code, args);
    return;
  }
  if (CommandHandler handler = FindCommand(code)) {
    CommandContext ctx{thread, form, line, args};
    handler(ctx);
  }
}

}  // namespace vx
