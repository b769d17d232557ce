// Event scripts that replace themselves while they run, with every script
// parsed once and kept by its text.

#include "objects/vx_text.h"
#include "script/runner.h"
#include "util/lines.h"
#include "tests/objects/methods/methods_fixture.h"
#include "tools/common/event_text.h"

namespace vx {
namespace {

using test::MethodsTest;

std::string Replace(const std::string& script) {
  return "10(\"Label\",\"Main\").71(" + tools::EventText(script) + ")";
}

TEST_F(MethodsTest, AScriptReplacingItsOwnEventScriptFinishesTheOldTextAndTheNextEventRunsTheNew) {
  Load();
  auto& label = Obj<TVXText>("Label");
  // Two scripts of the same shape and length that hand the event to each
  // other: a parse kept by place rather than by text would run the wrong one.
  const LineList a{"10(\"Label\",\"Main\").71($tb)", "#a=#a+1", "#x=1"};
  const LineList b{"10(\"Label\",\"Main\").71($ta)", "#b=#b+1", "#x=2"};
  ASSERT_EQ(Run("$ta=" + tools::EventText(JoinLines(a)) + "\n$tb=" + tools::EventText(JoinLines(b))), std::nullopt);
  label.evntMDown = a;
  for (int event = 1; event <= 6; ++event) {
    const bool ranA = label.evntMDown == a;
    ASSERT_TRUE(ranA || label.evntMDown == b) << "event " << event;
    DoActions(*app, app->MainForm(), label.evntMDown);
    // The run finished the text it started with, after replacing it.
    EXPECT_EQ(label.evntMDown, ranA ? b : a) << "event " << event;
    EXPECT_EQ(app->values.GetNumVar("x"), ranA ? 1 : 2) << "event " << event;
  }
  EXPECT_EQ(app->values.GetNumVar("a"), 3);
  EXPECT_EQ(app->values.GetNumVar("b"), 3);
}

TEST_F(MethodsTest, ALoopWhoseBodyReplacesItsScriptRunsEveryTurnOfTheOldBody) {
  Load();
  auto& label = Obj<TVXText>("Label");
  label.evntMDown = {"2(#i=1,5)", Replace("#n=#n+100"), "#n=#n+1", "1"};
  DoActions(*app, app->MainForm(), label.evntMDown);
  EXPECT_EQ(app->values.GetNumVar("n"), 5);
  EXPECT_EQ(label.evntMDown, (LineList{"#n=#n+100"}));
  DoActions(*app, app->MainForm(), label.evntMDown);
  EXPECT_EQ(app->values.GetNumVar("n"), 105);
}

}  // namespace
}  // namespace vx
