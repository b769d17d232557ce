#pragma once
// The action runner: splits a script into statements, carries out the block
// statements (if, else, end, for) itself and hands every other statement to
// DoAction, which runs assignments, author functions and commands.
//
// The block state is kept per thread (RunnerState inside ScriptThread): the
// main thread has one, every script thread its own, so a script thread never
// disturbs the depths or stop flags of a run on the main thread. On one
// thread every run shares that state, and each DoActions resets its depths.

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script/parsed_script.h"
#include "util/lines.h"

namespace vx {

class Application;
class TVXForm;

// One if statement of the legacy path: clauses 1 ... n (element 0 unused).
struct Tifclause {
  std::vector<std::string> clauses{std::string()};
  bool result = false;
  bool andFlag = false;  // false: the clauses are joined by OR
};

// A for statement recorded by the legacy path.
struct tforclause {
  std::string variable;
  std::int32_t start = 0;
  std::int32_t end = 0;
  bool ascending = false;
  bool ascending2 = false;
};

inline constexpr int kBlockIf = 1;
inline constexpr int kBlockFor = 2;

struct RunnerState {
  bool StopRequested = false;
  bool ScriptStopped = false;
  int BlockKind = 0;
  int ifDepth = 0;
  std::vector<Tifclause> IfStack;  // index = depth; 0 holds nothing
  int forDepth = 0;
  std::vector<tforclause> ForStack;  // index = depth
  int runs = 0;  // DoActions calls in progress on this thread
};

// A thread that runs scripts: the main thread (index 0) or the script thread
// of slot k (index k).
class ScriptThread {
 public:
  ScriptThread(Application& application, int index) : app(application), threadIndex(index) {}
  ScriptThread(const ScriptThread&) = delete;
  ScriptThread& operator=(const ScriptThread&) = delete;

  Application& app;
  const int threadIndex;
  RunnerState state;
  ParsedScriptCache parsedScripts;  // used by this thread alone

  // Asks the thread's run to end before its next statement (command 9,
  // shutdown). Callable from any thread.
  void RequestTerminate() { terminate_ = true; }
  bool TerminateRequested() const { return terminate_; }

 private:
  std::atomic<bool> terminate_{false};
};

// True when runs on this thread must end now: the application is being
// shut down, or the thread was asked to end.
bool RunMustEnd(const ScriptThread& thread);

// Runs a whole script on the thread; form is the script's form (may be null
// where no page exists, as in the script console). A failing statement ends
// the run with vx::Error "Line #" n ": " message.
void DoActions(ScriptThread& thread, TVXForm* form, std::string_view script);
void DoActions(ScriptThread& thread, TVXForm* form, const LineList& lines);
// A run on the main thread, as every event handler starts one.
void DoActions(Application& app, TVXForm* form, std::string_view script);
void DoActions(Application& app, TVXForm* form, const LineList& lines);

// One statement; lineNumber is 1-based.
void DoAction(ScriptThread& thread, TVXForm* form, const std::string& line, int lineNumber);

// The runner's own steps, for the loop that runs a body: the statements of a
// parsed script its caller holds (a run of its own, as DoActions starts one),
// and one statement.
void RunStatements(ScriptThread& thread, TVXForm* form, StatementRange lines);
void RunStatement(ScriptThread& thread, TVXForm* form, const ParsedStatement& statement);

}  // namespace vx
