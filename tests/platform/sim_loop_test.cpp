#include "platform/sim/sim_loop.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/sim/sim_desktop.h"

namespace vx::sim {
namespace {

class SimLoopTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  SimLoop& loop = desktop.loop;
};

TEST_F(SimLoopTest, ATimerFiresAfterItsIntervalNotBefore) {
  int ticks = 0;
  auto timer = loop.CreateTimer(200, [&] { ++ticks; });
  timer->SetEnabled(true);
  loop.Advance(199);
  EXPECT_EQ(ticks, 0);
  loop.Advance(1);
  EXPECT_EQ(ticks, 1);
  loop.Advance(399);
  EXPECT_EQ(ticks, 2);
  loop.Advance(1);
  EXPECT_EQ(ticks, 3);
}

TEST_F(SimLoopTest, ShortIntervalsAreClampedLikeWindows) {
  int ticks = 0;
  auto timer = loop.CreateTimer(1, [&] { ++ticks; });
  timer->SetEnabled(true);
  loop.Advance(100);
  EXPECT_EQ(ticks, 100 / static_cast<int>(SimLoop::kMinimumInterval));
}

TEST_F(SimLoopTest, StoppedOrZeroIntervalTimersNeverFire) {
  int ticks = 0;
  auto created = loop.CreateTimer(50, [&] { ++ticks; });
  auto zero = loop.CreateTimer(0, [&] { ++ticks; });
  zero->SetEnabled(true);
  loop.Advance(1000);
  EXPECT_EQ(ticks, 0);
}

TEST_F(SimLoopTest, TimersRunInOrderOfDueTimeThenOfStart) {
  std::vector<char> order;
  auto a = loop.CreateTimer(30, [&] { order.push_back('a'); });
  auto b = loop.CreateTimer(20, [&] { order.push_back('b'); });
  auto c = loop.CreateTimer(30, [&] { order.push_back('c'); });
  a->SetEnabled(true);
  b->SetEnabled(true);
  c->SetEnabled(true);
  loop.Advance(60);
  // b at 20, 40, 60; a and c at 30 and 60. Ties go to the timer started
  // first: a, then b, then c.
  EXPECT_EQ(std::string(order.begin(), order.end()), "bacbabc");
}

TEST_F(SimLoopTest, RestartingATimerRestartsItsCount) {
  int ticks = 0;
  auto timer = loop.CreateTimer(100, [&] { ++ticks; });
  timer->SetEnabled(true);
  loop.Advance(90);
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  loop.Advance(90);
  EXPECT_EQ(ticks, 0);
  loop.Advance(10);
  EXPECT_EQ(ticks, 1);
}

TEST_F(SimLoopTest, AHandlerMayStopOrDestroyItsOwnTimer) {
  int ticks = 0;
  std::unique_ptr<platform::Timer> timer;
  timer = loop.CreateTimer(10, [&] {
    ++ticks;
    timer.reset();
  });
  timer->SetEnabled(true);
  loop.Advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST_F(SimLoopTest, ErrorsInCallbacksGoToTheHandlerAndTheLoopGoesOn) {
  std::vector<std::string> errors;
  loop.SetErrorHandler([&](const std::exception& e) { errors.push_back(e.what()); });
  int ticks = 0;
  auto timer = loop.CreateTimer(10, [&] {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  timer->SetEnabled(true);
  loop.Advance(30);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(errors, (std::vector<std::string>(3, "tick failed")));
}

TEST_F(SimLoopTest, TheEndOfTheProcessPassesThroughTheLoop) {
  auto timer = loop.CreateTimer(10, [&] { desktop.process.Terminate(1); });
  timer->SetEnabled(true);
  EXPECT_THROW(loop.Advance(10), ProcessExited);
  EXPECT_EQ(desktop.process.ExitCode(), 1);
}

TEST_F(SimLoopTest, SleepingMovesTheClockWithoutRunningTimers) {
  int ticks = 0;
  auto timer = loop.CreateTimer(10, [&] { ++ticks; });
  timer->SetEnabled(true);
  const auto before = loop.TickCount();
  loop.Sleep(500);
  EXPECT_EQ(loop.TickCount() - before, 500u);
  EXPECT_EQ(ticks, 0);
}

TEST_F(SimLoopTest, ALiveDesktopSleepsTheMainThreadsWaitsOnlyForReal) {
  std::vector<std::uint32_t> slept;
  loop.SetMainThreadSleep([&](std::uint32_t ms) { slept.push_back(ms); });
  loop.Sleep(250);
  EXPECT_EQ(loop.Now(), 250u);  // the virtual clock still moves with it
  std::thread worker([&] { loop.Sleep(40); });
  worker.join();
  EXPECT_EQ(slept, (std::vector<std::uint32_t>{250}));
  EXPECT_EQ(loop.Now(), 250u);
}

}  // namespace
}  // namespace vx::sim
