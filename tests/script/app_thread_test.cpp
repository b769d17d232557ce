#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

#include "script/object_actions.h"
#include "tests/script/runner_fixture.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

using test::RunnerTest;

// The object layer as a test stands it in: every object exists on page 1,
// and a method only records where and on which thread it was done.
class StandInObjects : public ObjectActions {
 public:
  struct Done {
    std::string method;
    std::string object;
    int page;
    std::thread::id thread;
  };
  std::string CurrentPageName() override { return "Main"; }
  int PageNumberByName(const std::string&) override { return 1; }
  bool PageHasComponent(int, const std::string& name) override { return name == "OBJball"; }
  void DoObjAction(const ScriptThread& thread, const std::string& method, const std::string& object,
                   int page) override {
    ThreadObjAction(thread, [=, this] {
      std::lock_guard lock(mutex);
      done.push_back({method, object, page, std::this_thread::get_id()});
    });
  }
  std::mutex mutex;
  std::vector<Done> done;
};

class AppThreadTest : public RunnerTest {
 protected:
  AppThreadTest() {
    app->objectActions = &objects;
    app->project.threadPriorities = {0, 5};
  }
  // Real time: the worker runs beside the test.
  bool WaitUntilFinished(int slot) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
      TAppThread* t = app->scripts->InSlot(slot);
      if (t != nullptr && t->Finished()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }
  StandInObjects objects;
};

TEST_F(AppThreadTest, ObjectCallOfAThreadIsDoneByTheMainThreadWhileTheThreadWaits) {
  app->project.functions.push_back(TFunc{"worker", "", 1, {"#w=1", "10(\"ball\",\"\").54(1)", "#w=2"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(desktop.loop.WaitForPosted(10000));
  EXPECT_EQ(Num("w"), 1);  // the worker waits for the main thread
  {
    std::lock_guard lock(objects.mutex);
    EXPECT_TRUE(objects.done.empty());
  }
  EXPECT_EQ(desktop.loop.RunPosted(), 1);
  ASSERT_TRUE(WaitUntilFinished(1));
  EXPECT_EQ(Num("w"), 2);
  ASSERT_EQ(objects.done.size(), 1u);
  EXPECT_EQ(objects.done[0].method, "54(1)");
  EXPECT_EQ(objects.done[0].object, "ball");
  EXPECT_EQ(objects.done[0].page, 1);
  EXPECT_EQ(objects.done[0].thread, std::this_thread::get_id());
  EXPECT_TRUE(desktop.log.Contains("thread start priority 5"));
}

TEST_F(AppThreadTest, MainThreadDoesTheObjectCallAtOnce) {
  EXPECT_EQ(Run("10(\"ball\",\"Main\").7"), std::nullopt);
  ASSERT_EQ(objects.done.size(), 1u);
  EXPECT_EQ(objects.done[0].method, "7");
  EXPECT_EQ(Run("10(\"nothing\",\"Main\").7"), std::nullopt);  // no such component
  EXPECT_EQ(objects.done.size(), 1u);
}

TEST_F(AppThreadTest, AThreadHasABlockStateOfItsOwn) {
  // The worker's if block must not decide what the main thread skips.
  app->project.functions.push_back(TFunc{"worker", "", 1, {"0(1=2)", "#x=1"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(WaitUntilFinished(1));
  EXPECT_EQ(app->scripts->main.state.ifDepth, 0);
  EXPECT_EQ(Run("#y=1"), std::nullopt);
  EXPECT_EQ(Num("y"), 1);
  EXPECT_EQ(Num("x"), 0);
}

TEST_F(AppThreadTest, AnErrorEndsTheThreadQuietly) {
  app->project.functions.push_back(TFunc{"worker", "", 1, {"#w=1", "nonsense", "#w=2"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(WaitUntilFinished(1));
  EXPECT_EQ(Num("w"), 1);
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(AppThreadTest, ShutdownWakesAThreadWaitingForTheMainThread) {
  app->project.functions.push_back(TFunc{"worker", "", 1, {"10(\"ball\",\"\").54", "#w=2"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(desktop.loop.WaitForPosted(10000));
  app.reset();  // must not hang: the worker gives up its wait
  EXPECT_EQ(desktop.loop.RunPosted(), 1);  // the stale call does nothing
  EXPECT_TRUE(objects.done.empty());
}

TEST_F(AppThreadTest, ExitFromAThreadEndsTheProcessThroughTheMainThread) {
  app->project.functions.push_back(TFunc{"worker", "", 1, {"9", "#after=1"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(desktop.loop.WaitForPosted(10000));
  ASSERT_TRUE(WaitUntilFinished(1));
  EXPECT_EQ(Num("after"), 0);  // asked to end, the thread stops at its next line
  EXPECT_TRUE(app->MainForm()->Window().IsVisible() == false);
  EXPECT_EQ(test::ExitCodeOf([&] { desktop.loop.Advance(50); }), 1);
}

}  // namespace
}  // namespace vx
