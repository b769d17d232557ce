#include "script/app_thread.h"

#include <exception>

#include "host/application.h"
#include "util/code_tables.h"

namespace vx {

struct MainThreadBridge::Shared {
  std::mutex mutex;
  std::condition_variable changed;
  bool closed = false;
};

namespace {

struct PendingCall {
  bool done = false;
  std::exception_ptr error;
};

}  // namespace

MainThreadBridge::MainThreadBridge(platform::EventLoop& loop)
    : loop_(loop), shared_(std::make_shared<Shared>()) {}

MainThreadBridge::~MainThreadBridge() { Close(); }

void MainThreadBridge::Call(const ScriptThread& caller, std::function<void()> call) {
  auto pending = std::make_shared<PendingCall>();
  std::shared_ptr<Shared> shared = shared_;
  Post([shared, pending, call = std::move(call)] {
    // Whatever happens, the waiting thread hears that the call is over.
    struct Finish {
      Shared& s;
      PendingCall& p;
      ~Finish() {
        {
          std::lock_guard lock(s.mutex);
          p.done = true;
        }
        s.changed.notify_all();
      }
    } finish{*shared, *pending};
    try {
      call();
    } catch (const std::exception&) {
      pending->error = std::current_exception();  // raised again in the script thread
    }
  });
  std::unique_lock lock(shared->mutex);
  shared->changed.wait(lock, [&] { return pending->done || shared->closed || caller.TerminateRequested(); });
  if (!pending->done) throw ThreadAborted{};
  if (pending->error) std::rethrow_exception(pending->error);
}

void MainThreadBridge::Post(std::function<void()> call) {
  std::shared_ptr<Shared> shared = shared_;
  loop_.PostToMainThread([shared, call = std::move(call)] {
    {
      std::lock_guard lock(shared->mutex);
      if (shared->closed) return;
    }
    call();
  });
}

void MainThreadBridge::Close() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->closed = true;
  }
  shared_->changed.notify_all();
}

void MainThreadBridge::WakeWaiters() {
  { std::lock_guard lock(shared_->mutex); }
  shared_->changed.notify_all();
}

TAppThread::TAppThread(Application& app, int slot, std::string script)
    : app_(app), context_(app, slot), script_(std::move(script)) {}

TAppThread::~TAppThread() {
  Terminate();
  worker_.reset();  // waits for the body
}

void TAppThread::Start(platform::ThreadPriority priority) {
  worker_ = app_.platform.loop.StartThread([this] { Execute(); }, priority);
}

void TAppThread::Terminate() {
  context_.RequestTerminate();
  if (app_.scripts) app_.scripts->bridge.WakeWaiters();
}

bool TAppThread::Finished() const { return worker_ == nullptr || worker_->Finished(); }

void TAppThread::Execute() {
  try {
    DoActions(context_, app_.MainForm(), script_);
  } catch (const std::exception&) {
    // A script thread ends quietly on any error.
  } catch (const ThreadAborted&) {
    // Asked to end while it waited for the main thread.
  }
}

ScriptThreads::ScriptThreads(Application& app) : main(app, 0), bridge(app.platform.loop), app_(app) {}

ScriptThreads::~ScriptThreads() {
  bridge.Close();
  std::vector<std::unique_ptr<TAppThread>> all;
  {
    std::lock_guard lock(mutex_);
    for (auto& t : table_)
      if (t) all.push_back(std::move(t));
    for (auto& t : replaced_) all.push_back(std::move(t));
  }
  for (auto& t : all) t->Terminate();
  all.clear();  // each waits for its thread
}

platform::ThreadPriority SlotPriority(const Application& app, int slot) {
  const auto& codes = app.project.threadPriorities;
  const int code = slot >= 0 && static_cast<std::size_t>(slot) < codes.size() ? codes[static_cast<std::size_t>(slot)] : 0;
  return ThreadPriorityFromCode(code, platform::ThreadPriority::Normal);
}

void ScriptThreads::StartThread(int slot, std::string script) {
  auto thread = std::make_unique<TAppThread>(app_, slot, std::move(script));
  std::vector<std::unique_ptr<TAppThread>> ended;
  {
    std::lock_guard lock(mutex_);
    if (table_.size() <= static_cast<std::size_t>(slot)) table_.resize(static_cast<std::size_t>(slot) + 1);
    auto& occupant = table_[static_cast<std::size_t>(slot)];
    if (occupant) replaced_.push_back(std::move(occupant));
    // Threads that have ended are let go outside the lock.
    for (auto it = replaced_.begin(); it != replaced_.end();) {
      if ((*it)->Finished()) {
        ended.push_back(std::move(*it));
        it = replaced_.erase(it);
      } else {
        ++it;
      }
    }
    thread->Start(SlotPriority(app_, slot));
    occupant = std::move(thread);
  }
}

void ScriptThreads::TerminateAll() {
  std::lock_guard lock(mutex_);
  for (std::size_t slot = 1; slot < table_.size(); ++slot)
    if (table_[slot]) table_[slot]->Terminate();
}

TAppThread* ScriptThreads::InSlot(int slot) {
  std::lock_guard lock(mutex_);
  if (slot < 0 || static_cast<std::size_t>(slot) >= table_.size()) return nullptr;
  return table_[static_cast<std::size_t>(slot)].get();
}

void ThreadObjAction(const ScriptThread& thread, const std::function<void()>& action) {
  if (thread.threadIndex == 0) {
    action();
    return;
  }
  thread.app.scripts->bridge.Call(thread, action);
}

}  // namespace vx
