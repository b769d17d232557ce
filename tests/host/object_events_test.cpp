// Timers, the edit-change variable, scripts that reach the error handler or
// change their own object, the trace hook, and the application's minimise
// and restore.

#include "tests/host/object_events_fixture.h"

#include <utility>
#include <vector>

#include "host/object_events/event_variables.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"

namespace vx {
namespace {

using Test = test::ObjectEventsTest;

TEST_F(Test, ATimerWithThreeLoopsRunsThreeTimesThenStops) {
  auto& t = Page1().AddTimer("T");
  t.interval = 100;
  t.numberOfLoops = 3;
  t.script = "#n=#n+1";
  Start();
  desktop.loop.Advance(299);
  EXPECT_EQ(app->values.GetNumVar("n"), 2);
  desktop.loop.Advance(1);
  EXPECT_EQ(app->values.GetNumVar("n"), 3);  // the last tick runs too
  EXPECT_FALSE(Object<TVXTimer>("T")->Enabled());
  EXPECT_EQ(Object<TVXTimer>("T")->TickCount, 0);
  desktop.loop.Advance(1000);
  EXPECT_EQ(app->values.GetNumVar("n"), 3);
}

TEST_F(Test, ATimerWithoutLoopsRunsForEver) {
  auto& t = Page1().AddTimer("T");
  t.interval = 100;
  t.script = "#n=#n+1";
  Start();
  desktop.loop.Advance(1000);
  EXPECT_EQ(app->values.GetNumVar("n"), 10);
  EXPECT_EQ(Object<TVXTimer>("T")->TickCount, 10);
}

TEST_F(Test, ATimerThatAScriptEnablesCountsItsLoopsAfresh) {
  auto& t = Page1().AddTimer("T");
  t.interval = 100;
  t.enabled = false;
  t.numberOfLoops = 2;
  t.script = "#n=#n+1";
  Page1().showScript = "10(\"T\",\"\").3(1)";
  Start();
  desktop.loop.Advance(10);  // the show script
  ASSERT_TRUE(Object<TVXTimer>("T")->Enabled());
  desktop.loop.Advance(1000);
  EXPECT_EQ(app->values.GetNumVar("n"), 2);
  EXPECT_FALSE(Object<TVXTimer>("T")->Enabled());
}

TEST_F(Test, AnObjectOfAnotherPageRunsOnTheMainFormAndIsTraced) {
  project.AddPage("Second").flags.hidden = true;
  auto& t = project.pages[1].AddTimer("T");
  t.interval = 100;
  t.numberOfLoops = 1;
  t.script = "#n=1";
  Start();
  std::vector<std::pair<std::string, std::string>> traced;
  app->onEventScript = [&](const std::string& handler, const std::string& form) { traced.emplace_back(handler, form); };
  desktop.loop.Advance(100);
  ASSERT_EQ(traced.size(), 1u);
  EXPECT_EQ(traced[0].first, "VEXORELLE_NEW_TIMERTimer OBJT");
  EXPECT_EQ(traced[0].second, "VX_APPLICATION_FORM1");
}

TEST(EditChangeVariable, NameFromTheFourthCharacterCutAndLowerCased) {
  EXPECT_EQ(EditChangeVariable("OBJMyField"), "myfield");
  EXPECT_EQ(EditChangeVariable("OBJ" + std::string(70, 'X')), std::string(64, 'x'));
  EXPECT_EQ(EditChangeVariable("OBJ"), "");
  EXPECT_EQ(EditChangeVariable("OB"), "");
}

TEST_F(Test, TypingIntoAnEditFillsItsVariableThenRunsTheChangeScript) {
  auto& e = Page1().AddEdit("Name");
  e.bounds = {50, 50, 100, 20};
  e.text = "start";
  e.changeScript = "$seen=$seen+$name+\",\"";
  Start();
  // The loader's text was already a change, before the script was there.
  EXPECT_EQ(app->values.GetStrVar("name"), "start");
  desktop.user.Click(Client(60, 60));
  ASSERT_TRUE(desktop.user.Type("ab"));
  EXPECT_EQ(app->values.GetStrVar("name"), "abstart");
  EXPECT_EQ(app->values.GetStrVar("seen"), "astart,abstart,");
}

TEST_F(Test, ALongEditNameKeepsItsFirst64Characters) {
  const std::string name(70, 'q');
  auto& e = Page1().AddEdit(name);
  e.bounds = {50, 50, 100, 20};
  Start();
  desktop.user.Click(Client(60, 60));
  ASSERT_TRUE(desktop.user.Type("z"));
  EXPECT_EQ(app->values.GetStrVar(std::string(64, 'q')), "z");
  EXPECT_EQ(app->values.GetStrVar(name), "");
}

TEST_F(Test, AButtonClickTakesTheCursorOnThePageAndTheButtonsHeld) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  LogAll(b, "B");
  Start();
  app->values.SetNumVar("_btn", 7);
  desktop.input.SetKeyDown(platform::vk::RButton, true);
  desktop.user.Click(Client(70, 55));
  EXPECT_EQ(LogText(), "Bdown,Bup,");
  EXPECT_EQ(app->values.GetNumVar("_mx"), 70);
  EXPECT_EQ(app->values.GetNumVar("_my"), 55);
  EXPECT_EQ(app->values.GetNumVar("_btn"), 3);  // the last button held
  desktop.input.SetKeyDown(platform::vk::RButton, false);
}

TEST_F(Test, AButtonsDownScriptSeesThePointPressedAndTheUpScriptRunsOnTheRelease) {
  auto& b = Page1().AddButton("B");
  b.bounds = {100, 60, 100, 30};
  b.scripts.mouseDown = "#dx=#_mx\n#dy=#_my\n#db=#_btn\n" + Log("Bdown");
  b.scripts.mouseUp = Log("Bup");
  Start();
  MoveTo(110, 70);
  Press();
  EXPECT_EQ(LogText(), "Bdown,");  // the release has not happened yet
  EXPECT_EQ(app->values.GetNumVar("dx"), 10);
  EXPECT_EQ(app->values.GetNumVar("dy"), 10);
  EXPECT_EQ(app->values.GetNumVar("db"), 1);
  MoveTo(120, 75);
  Release();
  EXPECT_EQ(LogText(), "Bdown,Bup,");
  EXPECT_EQ(app->values.GetNumVar("_mx"), 120);  // the click: the cursor on the page
  EXPECT_EQ(app->values.GetNumVar("_my"), 75);
}

TEST_F(Test, ARightPressOnAButtonRunsItsDownScriptButClicksNothing) {
  auto& b = Page1().AddButton("B");
  b.bounds = {100, 60, 100, 30};
  b.scripts.mouseDown = "#dx=#_mx\n#db=#_btn\n" + Log("Bdown");
  b.scripts.mouseUp = Log("Bup");
  Start();
  desktop.user.Click(Client(180, 80), platform::MouseButton::Right);
  EXPECT_EQ(LogText(), "Bdown,");
  EXPECT_EQ(app->values.GetNumVar("dx"), 80);
  EXPECT_EQ(app->values.GetNumVar("db"), 3);
}

TEST_F(Test, AnEditsDownScriptSeesThePointPressed) {
  auto& e = Page1().AddEdit("E");
  e.bounds = {100, 60, 100, 30};
  e.scripts.mouseDown = "#dx=#_mx\n#dy=#_my\n#db=#_btn";
  e.scripts.mouseUp = Log("Eclick");
  Start();
  desktop.user.Click(Client(110, 70), platform::MouseButton::Middle);
  EXPECT_EQ(app->values.GetNumVar("dx"), 10);
  EXPECT_EQ(app->values.GetNumVar("dy"), 10);
  EXPECT_EQ(app->values.GetNumVar("db"), 2);
  EXPECT_EQ(LogText(), "");  // only the left button clicks
  desktop.user.Click(Client(199, 89));
  EXPECT_EQ(app->values.GetNumVar("dx"), 99);
  EXPECT_EQ(app->values.GetNumVar("db"), 1);
  EXPECT_EQ(LogText(), "Eclick,");
}

TEST(ButtonKeyState, TheLastButtonHeldWinsAndNoneKeepsTheValue) {
  sim::SimDesktop desktop;
  TValues values;
  values.SetNumVar("_btn", 7);
  SetButtonFromKeyState(values, desktop.input);
  EXPECT_EQ(values.GetNumVar("_btn"), 7);
  desktop.input.SetKeyDown(platform::vk::LButton, true);
  desktop.input.SetKeyDown(platform::vk::RButton, true);
  SetButtonFromKeyState(values, desktop.input);
  EXPECT_EQ(values.GetNumVar("_btn"), 3);
  desktop.input.SetKeyDown(platform::vk::RButton, false);
  desktop.input.SetKeyDown(platform::vk::MButton, true);
  SetButtonFromKeyState(values, desktop.input);
  EXPECT_EQ(values.GetNumVar("_btn"), 2);
}

TEST_F(Test, AFailingEventScriptReachesTheErrorHandlerWithItsLine) {
  auto& t = Page1().AddText("T");
  t.bounds = {10, 10, 100, 20};
  t.scripts.mouseDown = "#a=1\nabc\n#a=2";
  t.scripts.mouseUp = "#u=1";
  Start();
  MoveTo(20, 15);
  Press();
  EXPECT_EQ(app->values.GetStrVar("_error"), "Line #2: 'abc' is not a valid integer value");
  EXPECT_TRUE(ShowedErrorBox());
  EXPECT_EQ(app->values.GetNumVar("a"), 1);
  Release();  // the press still held the mouse
  EXPECT_EQ(app->values.GetNumVar("u"), 1);
}

TEST_F(Test, TheErrorScriptSeesTheMessage) {
  project.errorScript = "$copy=$_error";
  auto& t = Page1().AddTimer("T");
  t.interval = 100;
  t.numberOfLoops = 1;
  t.script = "nope";
  Start();
  desktop.loop.Advance(100);
  EXPECT_EQ(app->values.GetStrVar("copy"), "Line #1: 'nope' is not a valid integer value");
  EXPECT_FALSE(ShowedErrorBox());
}

TEST_F(Test, AScriptThatHidesItsTextEndsThePressQuietly) {
  auto& t = Page1().AddText("T");
  t.bounds = {10, 10, 100, 20};
  LogAll(t, "T");
  t.scripts.mouseDown = "10(\"T\",\"\").4(0)\n" + Log("Tdown");
  Start();
  MoveTo(20, 15);
  Press();
  Release();
  EXPECT_FALSE(Object<TVXText>("T")->Visible());
  EXPECT_EQ(LogText(), "Tenter,Tdown,Tleave,");
}

TEST_F(Test, AScriptThatMovesItsTextAwayGetsNoUpScript) {
  auto& t = Page1().AddText("T");
  t.bounds = {10, 10, 100, 20};
  LogAll(t, "T");
  t.scripts.mouseDown = "10(\"T\",\"\").7(301,301)\n" + Log("Tdown");
  Start();
  MoveTo(20, 15);
  Press();
  Release();
  EXPECT_EQ(Object<TVXText>("T")->BoundsRect().left, 300);
  EXPECT_EQ(LogText(), "Tenter,Tdown,Tleave,");
  MoveTo(310, 310);
  EXPECT_EQ(LogText(), "Tenter,Tdown,Tleave,Tenter,");
}

TEST_F(Test, AScriptThatDeletesItsTextLeavesThePressToThePage) {
  auto& t = Page1().AddText("T");
  t.bounds = {10, 10, 100, 20};
  LogAll(t, "T");
  t.scripts.mouseDown = "10(\"T\",\"\").0";
  Start();
  MoveTo(20, 15);
  Press();
  MoveTo(30, 16);
  Release();
  desktop.loop.Advance(10);
  EXPECT_EQ(Object<TVXText>("T"), nullptr);
  EXPECT_EQ(LogText(), "Tenter,");
}

TEST_F(Test, AButtonThatDeletesItselfOnItsClickIsSafe) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  b.scripts.mouseUp = "10(\"B\",\"\").0\n#gone=1";
  Start();
  desktop.user.Click(Client(60, 60));
  desktop.loop.Advance(10);
  EXPECT_EQ(app->values.GetNumVar("gone"), 1);
  EXPECT_EQ(Object<TVXButton>("B"), nullptr);
}

TEST_F(Test, MinimiseAndRestoreRunTheProjectScriptsOnce) {
  project.minimizeScript = "#m=#m+1";
  project.restoreScript = "#r=#r+1";
  Start();
  desktop.forms.MinimizeApplication();
  desktop.forms.MinimizeApplication();
  EXPECT_EQ(app->values.GetNumVar("m"), 1);
  EXPECT_EQ(app->values.GetNumVar("r"), 0);
  desktop.forms.RestoreApplication();
  desktop.forms.RestoreApplication();
  EXPECT_EQ(app->values.GetNumVar("r"), 1);
}

TEST_F(Test, TheMinimiseCommandRunsTheMinimiseScript) {
  project.minimizeScript = "#m=#m+1";
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  b.scripts.mouseUp = "17";
  Start();
  desktop.user.Click(Client(60, 60));
  EXPECT_TRUE(desktop.forms.ApplicationMinimized());
  EXPECT_EQ(app->values.GetNumVar("m"), 1);
}

}  // namespace
}  // namespace vx
