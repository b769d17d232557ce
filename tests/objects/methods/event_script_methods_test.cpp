// Event-text methods 71-76, calls from script threads, and deleting an
// object while its own script runs.

#include <chrono>
#include <thread>

#include "objects/vx_edit.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "script/app_thread.h"
#include "script/shift.h"
#include "tests/objects/methods/methods_fixture.h"
#include "tools/common/event_text.h"

namespace vx {
namespace {

using test::MethodsTest;

std::string Statement(const std::string& object, int code, const std::string& script) {
  return "10(\"" + object + "\",\"Main\")." + std::to_string(code) + "(" + tools::EventText(script) + ")";
}

TEST_F(MethodsTest, EventTextsReplaceTheScriptsOfTheirKinds) {
  Load();
  EXPECT_EQ(Run(Statement("Label", 71, "#a=1\n20(\"hi, \\q\")") + "\n" + Statement("Box", 72, "#b=2") + "\n" +
                Statement("Name", 73, "#c=3") + "\n" + Statement("Go", 74, "#d=4") + "\n" +
                Statement("Name", 75, "#e=5") + "\n" + Statement("Clock", 76, "#f=6")),
            std::nullopt);
  EXPECT_EQ(Obj<TVXText>("Label").evntMDown, (LineList{"#a=1", "20(\"hi, \\q\")"}));
  EXPECT_EQ(Obj<VxShapeObject>("Box").Shape.evntMUp, (LineList{"#b=2"}));
  EXPECT_EQ(Obj<TVXEdit>("Name").evntMEnter, (LineList{"#c=3"}));
  EXPECT_EQ(Obj<TVXControl>("Go").evntMLeave, (LineList{"#d=4"}));
  EXPECT_EQ(Obj<TVXEdit>("Name").evntCH, (LineList{"#e=5"}));
  EXPECT_EQ(Obj<TVXTimer>("Clock").evntTimer, (LineList{"#f=6"}));
  EXPECT_EQ(app->shiftKey.Get(), kEventTextKey);
  // A kind the code does not list keeps its scripts.
  EXPECT_EQ(Run(Statement("Label", 76, "#x=1") + "\n" + Statement("Clock", 71, "#x=1") + "\n" +
                Statement("Go", 75, "#x=1")),
            std::nullopt);
  EXPECT_EQ(Obj<TVXTimer>("Clock").evntTimer, (LineList{"#f=6"}));
  EXPECT_EQ(Obj<TVXText>("Label").evntMDown.size(), 2u);
}

TEST_F(MethodsTest, AReplacedScriptIsWhatTheNextEventRuns) {
  Load();
  auto& label = Obj<TVXText>("Label");
  label.evntMDown = {Statement("Label", 71, "#runs=#runs+10"), "#runs=#runs+1"};
  // The old script ends as it began, though it replaced itself.
  DoActions(*app, app->MainForm(), label.evntMDown);
  EXPECT_EQ(app->values.GetNumVar("runs"), 1);
  DoActions(*app, app->MainForm(), label.evntMDown);
  EXPECT_EQ(app->values.GetNumVar("runs"), 11);
}

// A stand-in for the object a handler is running on: it tells when it goes.
class WatchedText : public TVXText {
 public:
  explicit WatchedText(bool& gone) : gone_(gone) {}
  ~WatchedText() override { gone_ = true; }

 private:
  bool& gone_;
};

TEST_F(MethodsTest, AScriptDeletingItsOwnObjectFinishesOnALiveObject) {
  Load();
  PageObjects& objects = app->MainForm()->Components();
  bool gone = false;
  auto owned = std::make_unique<WatchedText>(gone);
  owned->Name = "OBJself";
  auto& self = static_cast<WatchedText&>(objects.Add(std::move(owned)));
  self.Place(objects);
  self.evntMDown = {"10(\"self\",\"Main\").0", "#after=1"};
  // What a mouse-down handler does: run the object's script, then look at
  // the object again.
  DoActions(*app, app->MainForm(), self.evntMDown);
  EXPECT_FALSE(gone);
  EXPECT_FALSE(self.Placed());
  EXPECT_EQ(self.evntMDown.size(), 2u);
  EXPECT_EQ(app->values.GetNumVar("after"), 1);
  EXPECT_EQ(objects.Find("OBJself"), nullptr);
  // While a script runs (a nested loop inside it) nothing is freed.
  ++app->scripts->main.state.runs;
  desktop.loop.RunPosted();
  EXPECT_FALSE(gone);
  --app->scripts->main.state.runs;
  // The next deletion's turn frees both.
  EXPECT_EQ(Run("10(\"Label\",\"Main\").0"), std::nullopt);
  desktop.loop.RunPosted();
  EXPECT_TRUE(gone);
  EXPECT_FALSE(objects.HasRetired());
}

TEST_F(MethodsTest, ACallFromAScriptThreadIsDoneOnTheMainThread) {
  Load();
  app->project.threadPriorities = {0, 4};
  app->project.functions.push_back(
      TFunc{"mover", "", 1, {"#w=1", "10(\"Label\",\"\").7(5,6)", "10(\"Label\",\"Main\").x", "#w=2"}});
  // The current page is the active window's: page 1.
  app->MainForm()->Window().Show();
  desktop.forms.Activate(desktop.forms.FindByName("VX_APPLICATION_FORM1"));
  desktop.loop.RunPosted();
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(desktop.loop.WaitForPosted(10000));
  EXPECT_EQ(app->values.GetNumVar("w"), 1);
  const platform::Rect before = Obj<TVXText>("Label").BoundsRect();
  EXPECT_NE(before.left, 4);  // not yet: the thread waits
  // The main thread does the calls as the thread hands them over; the
  // bad code's error reaches the thread, which ends there.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!app->scripts->InSlot(1)->Finished() && std::chrono::steady_clock::now() < deadline) {
    desktop.loop.RunPosted();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_TRUE(app->scripts->InSlot(1)->Finished());
  EXPECT_EQ(Obj<TVXText>("Label").BoundsRect().left, 4);
  EXPECT_EQ(Obj<TVXText>("Label").BoundsRect().top, 5);
  EXPECT_EQ(app->values.GetNumVar("w"), 1);
}

}  // namespace
}  // namespace vx
