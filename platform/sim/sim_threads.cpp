#include <atomic>
#include <chrono>

#include "platform/sim/sim_loop.h"

namespace vx::sim {

namespace {

class SimThread : public platform::WorkerThread {
 public:
  SimThread(SimLog& log, std::function<void()> body) {
    thread_ = std::thread([this, &log, body = std::move(body)] {
      try {
        body();
      } catch (const ProcessExited& exited) {
        // The simulated process cannot end from here; the thread ends instead.
        log.Add("exit in thread " + std::to_string(exited.exitCode));
      }
      finished_ = true;
    });
  }
  ~SimThread() override {
    if (thread_.joinable()) thread_.join();
  }
  SimThread(const SimThread&) = delete;
  SimThread& operator=(const SimThread&) = delete;

  bool Finished() const override { return finished_; }

 private:
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace

void SimLoop::PostToMainThread(std::function<void()> call) {
  {
    std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(call));
  }
  postedSignal_.notify_all();
}

int SimLoop::RunPosted() {
  int ran = 0;
  for (;;) {
    std::function<void()> call;
    {
      std::lock_guard lock(postedMutex_);
      if (posted_.empty()) return ran;
      call = std::move(posted_.front());
      posted_.pop_front();
    }
    Dispatch(call);
    ++ran;
  }
}

bool SimLoop::WaitForPosted(unsigned timeoutMs) {
  std::unique_lock lock(postedMutex_);
  return postedSignal_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [this] { return !posted_.empty(); });
}

std::unique_ptr<platform::WorkerThread> SimLoop::StartThread(std::function<void()> body,
                                                            platform::ThreadPriority priority) {
  log_.Add("thread start priority " + std::to_string(static_cast<int>(priority) + 1));
  return std::make_unique<SimThread>(log_, std::move(body));
}

}  // namespace vx::sim
