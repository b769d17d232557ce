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

void Assign(Application& app, const ParsedStatement& statement) {
  const SimpleNumExpr* form = statement.numForm ? &*statement.numForm : nullptr;
  switch (statement.mark) {
    case '#':
      app.values.SetNumVarNormalised(statement.targetKey,
                                     static_cast<double>(EvalNumExpr(statement.expression, form, app.eval)));
      break;
    case '$':
      app.values.SetStrVar(statement.target, EvalStrExpr(statement.expression, app.eval));
      break;
    default:
      app.values.SetBoolVar(statement.target, EvalNumExpr(statement.expression, form, app.eval) > 0);
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
  if (thread.state.runs >= kMaxRunNesting) throw Error("Scripts nested too deeply");
  // Held for the whole run: a statement may replace or free the very list
  // it runs from (an object's event script replaced or the object deleted
  // by object methods 0, 71-78).
  const std::shared_ptr<const ParsedScript> parsed = thread.parsedScripts.Get(script);
  RunStatements(thread, form, WholeScript(*parsed));
}

void RunStatements(ScriptThread& thread, TVXForm* form, StatementRange lines) {
  if (RunMustEnd(thread)) return;
  RunnerState& st = thread.state;
  if (st.runs >= kMaxRunNesting) throw Error("Scripts nested too deeply");
  st.ifDepth = 0;
  st.forDepth = 0;
  st.IfStack.clear();
  RunGuard guard(st);
  bool andFlag = false;
  for (int i = 1; i <= lines.count; ++i) {
    if (st.StopRequested) {
      st.StopRequested = false;
      st.ScriptStopped = true;
      return;
    }
    if (RunMustEnd(thread)) return;
    const ParsedStatement& statement = lines[i];
    try {
      const std::string& code = statement.code;
      if (code == "3") {
        const BlockScan scan = ScanBlock(thread, lines, i, false);
        if (scan.outcome == BlockScan::Outcome::Ending) return;
        if (scan.outcome == BlockScan::Outcome::Found) {
          i = scan.endLine;
          continue;
        }
      } else if (code == "2") {
        int endLine = 0;
        const ForOutcome outcome = RunForLoop(thread, form, lines, i, statement.line, endLine);
        if (outcome == ForOutcome::EndRun) return;
        if (outcome == ForOutcome::Done) {
          i = endLine;
          continue;
        }
      } else if (code == "0") {
        andFlag = AndFlagOf(statement.line, andFlag);
        Tifclause record;
        record.clauses = ExtractClauses(statement.line);
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
      RunStatement(thread, form, statement);
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
  RunStatement(thread, form, ParseRunningLine(line));
}

void RunStatement(ScriptThread& thread, TVXForm* form, const ParsedStatement& statement) {
  thread.app.scripts->CountStatement();
  if (statement.line.empty()) return;
  RunnerState& st = thread.state;
  if (statement.form == ParsedStatement::Form::Assignment) {
    if (!Skipped(st)) Assign(thread.app, statement);
    return;
  }
  const std::string& compact = statement.compact;
  // A statement whose number is no integer fails here, with the message it
  // always had.
  const int code = statement.number ? *statement.number : StrToInt(compact.substr(0, compact.find('(')));
  const std::string& line = statement.line;
  const std::array<std::string, 5>& args = statement.args;

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
