#include <gtest/gtest.h>

#include "host/app_events.h"
#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/app_thread.h"
#include "util/error.h"

namespace vx {
namespace {

class AppEventsTest : public ::testing::Test {
 protected:
  AppEventsTest() {
    app.project.title = "Show";
    app.forms.push_back(std::make_unique<TVXForm>(app));
  }
  sim::SimDesktop desktop;
  Application app{desktop.Platform()};
};

TEST_F(AppEventsTest, ErrorGoesIntoBothErrorVariables) {
  app.values.SetNumVar("_error", 5);
  ApplicationEvents1Exception(app, "Line #1: bad");
  EXPECT_EQ(app.values.GetNumVar("_error"), 0);
  EXPECT_EQ(app.values.GetStrVar("_error"), "Line #1: bad");
}

struct ScriptCase {
  const char* name;
  LineList script;
  bool boxShown;
};

class ErrorScriptTest : public AppEventsTest, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(ErrorScriptTest, BoxOnlyForAnEmptyScript) {
  app.project.OnErrorScript = GetParam().script;
  ApplicationEvents1Exception(app, "It broke");
  if (GetParam().boxShown) {
    ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
    EXPECT_EQ(desktop.dialogs.Shown()[0].text, "It broke");
    EXPECT_EQ(desktop.dialogs.Shown()[0].caption, kExceptionCaption);
    EXPECT_EQ(desktop.dialogs.Shown()[0].flags, platform::mb::Ok | platform::mb::IconError);
  } else {
    EXPECT_TRUE(desktop.dialogs.Shown().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ErrorScriptTest,
    ::testing::Values(ScriptCase{"NoLine", {}, true},
                      ScriptCase{"OneEmptyLine", {""}, false},  // its text is CR LF
                      ScriptCase{"OneLineOfSpaces", {"   "}, false},
                      ScriptCase{"FiveEmptyLines", {"", "", "", "", ""}, false},
                      ScriptCase{"AssignmentScript", {"#seen=1"}, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(AppEventsTest, ErrorScriptRunsAndSeesTheMessage) {
  app.project.OnErrorScript = {"$copy=$_error", "#seen=1"};
  ApplicationEvents1Exception(app, "Line #2: gone");
  EXPECT_EQ(app.values.GetNumVar("seen"), 1);
  EXPECT_EQ(app.values.GetStrVar("copy"), "Line #2: gone");
}

TEST_F(AppEventsTest, AccessMessagesAreNeverShownNorPassedOn) {
  app.project.OnErrorScript = {"#seen=1"};
  ApplicationEvents1Exception(app, "Access violation at address 0");
  EXPECT_EQ(app.values.GetNumVar("seen"), 0);
  app.project.OnErrorScript.clear();
  ApplicationEvents1Exception(app, "Access denied");
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
  EXPECT_EQ(app.values.GetStrVar("_error"), "Access denied");
}

TEST_F(AppEventsTest, FailingErrorScriptIsSwallowed) {
  app.project.OnErrorScript = {"#a=1", "broken", "#a=2"};
  EXPECT_NO_THROW(ApplicationEvents1Exception(app, "first"));
  EXPECT_EQ(app.values.GetNumVar("a"), 1);
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(AppEventsTest, UnhandledErrorOfACallbackReachesTheHandler) {
  InstallApplicationEvents(app);
  desktop.loop.Dispatch([] { throw Error("from a timer"); });
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].text, "from a timer");
}

TEST_F(AppEventsTest, HintMinimiseAndRestoreRunTheirScripts) {
  app.project.OnHintScript = {"$h=$_hint"};
  app.project.OnMinimizeScript = {"#m=#m+1"};
  app.project.OnRestoreScript = {"#r=#r+1"};
  ApplicationEvents1Hint(app, "Next page");
  ApplicationEvents1Minimize(app);
  ApplicationEvents1Restore(app);
  ApplicationEvents1Restore(app);
  EXPECT_EQ(app.values.GetStrVar("_hint"), "Next page");
  EXPECT_EQ(app.values.GetStrVar("h"), "Next page");
  EXPECT_EQ(app.values.GetNumVar("m"), 1);
  EXPECT_EQ(app.values.GetNumVar("r"), 2);
}

}  // namespace
}  // namespace vx
