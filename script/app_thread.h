#pragma once
// Script threads: author functions bound to a thread slot run in a worker
// thread of their own (TAppThread), and the bridge by which such a thread
// has the main thread carry out a call for it (ThreadObjAction).

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/loop.h"
#include "script/runner.h"

namespace vx {

class Application;

// Ends a script thread's run from inside: the bridge was closed or the
// thread was asked to end while it waited. Not a std::exception, so no
// statement wraps it and no "ignore errors" command swallows it.
struct ThreadAborted {};

// Calls handed from script threads to the main thread through the message
// loop. Once closed (shutdown), waiting threads wake with ThreadAborted and
// calls still queued do nothing.
class MainThreadBridge {
 public:
  explicit MainThreadBridge(platform::EventLoop& loop);
  ~MainThreadBridge();
  MainThreadBridge(const MainThreadBridge&) = delete;
  MainThreadBridge& operator=(const MainThreadBridge&) = delete;

  // From a script thread: the main thread runs call; this returns once it has.
  // An error the call raised is raised here. Waiting ends early, with
  // ThreadAborted, when the bridge closes or the thread is asked to end.
  void Call(const ScriptThread& caller, std::function<void()> call);
  // Hands a call over without waiting for it.
  void Post(std::function<void()> call);
  void Close();
  // Wakes the waiting threads so they look at their end requests.
  void WakeWaiters();

 private:
  struct Shared;
  platform::EventLoop& loop_;
  std::shared_ptr<Shared> shared_;
};

// The worker thread of a slot. Its run is DoActions(script, slot) on the main
// form with a block state of its own; any error ends it without a message.
class TAppThread {
 public:
  TAppThread(Application& app, int slot, std::string script);
  // Asks the run to end and waits for the thread.
  ~TAppThread();
  TAppThread(const TAppThread&) = delete;
  TAppThread& operator=(const TAppThread&) = delete;

  void Start(platform::ThreadPriority priority);
  // The run ends before its next statement; not waited for.
  void Terminate();
  bool Finished() const;
  int Slot() const { return context_.threadIndex; }

 private:
  void Execute();

  Application& app_;
  ScriptThread context_;
  std::string script_;
  std::unique_ptr<platform::WorkerThread> worker_;
};

// The main thread's script context, the bridge and the thread table.
class ScriptThreads {
 public:
  explicit ScriptThreads(Application& app);
  // Closes the bridge, asks every thread to end and waits for them all.
  ~ScriptThreads();
  ScriptThreads(const ScriptThreads&) = delete;
  ScriptThreads& operator=(const ScriptThreads&) = delete;

  ScriptThread main;
  MainThreadBridge bridge;

  // Starts script in a new thread in slot (1 ...) at the slot's priority;
  // the previous occupant keeps running. Callable from any thread.
  void StartThread(int slot, std::string script);
  // Asks the thread of every slot to end (command 9); nothing waits.
  void TerminateAll();
  // The thread last started in slot, or null.
  TAppThread* InSlot(int slot);

  // A bound on the statements (and for-loop rounds) all threads together may
  // run; 0, the player's setting, is none. Once spent, every run ends before
  // its next statement as if command 9 had ended it, so that a harness
  // (the fuzzers) gets control back from a presentation that never stops.
  void LimitStatements(std::uint64_t limit) { statementLimit_ = limit; }
  void CountStatement() { statements_.fetch_add(1, std::memory_order_relaxed); }
  bool StatementsSpent() const {
    return statementLimit_ != 0 && statements_.load(std::memory_order_relaxed) >= statementLimit_;
  }

 private:
  Application& app_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<TAppThread>> table_;     // index = slot
  std::vector<std::unique_ptr<TAppThread>> replaced_;  // may still run
  std::uint64_t statementLimit_ = 0;
  std::atomic<std::uint64_t> statements_{0};
};

// The priority of a slot's code; codes outside 1 ... 7 give Normal.
platform::ThreadPriority SlotPriority(const Application& app, int slot);

// An object method as a script thread must have it done: on the main thread
// (index 0) at once, on a script thread through the bridge, waiting.
void ThreadObjAction(const ScriptThread& thread, const std::function<void()>& action);

}  // namespace vx
