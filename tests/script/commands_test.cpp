#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "tests/script/runner_fixture.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

using test::RunnerTest;

TEST_F(RunnerTest, ErrorBoxShowsTheTextCaptionedWithTheTitle) {
  EXPECT_EQ(Run("5(\"Disk \" + \"full\")"), std::nullopt);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].caption, "Show");
  EXPECT_EQ(desktop.dialogs.Shown()[0].flags, platform::mb::Ok | platform::mb::IconError);
}

TEST_F(RunnerTest, MessageBoxLeavesThePressedButtonInResult) {
  for (int answer : {6, 7, 10, 11}) {
    desktop.dialogs.QueueAnswer(answer);
    EXPECT_EQ(Run("20(\"Sure?\",\"Ask\",4)"), std::nullopt);
    EXPECT_EQ(Num("_result"), answer);
  }
  EXPECT_EQ(desktop.dialogs.Shown().back().caption, "Ask");
  EXPECT_EQ(desktop.dialogs.Shown().back().flags, 4u);
}

TEST_F(RunnerTest, MessageBoxWithoutNumericFlagsFails) {
  const auto error = Run("20(\"a\",\"b\")");
  ASSERT_TRUE(error.has_value());
  EXPECT_TRUE(error->starts_with("Line #1: ")) << *error;
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(RunnerTest, ShellOpenGoesThroughRunDll) {
  EXPECT_EQ(Run("21(\"C:\\doc.txt\",\"\",1)"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("shell open RunDLL32.EXE shell32.dll,ShellExec_RunDLL \"C:\\doc.txt\" \"\" show 1"));
}

TEST_F(RunnerTest, WaitBlocksForTheRoundedTimeAndNeverForNegative) {
  struct Case {
    const char* line;
    std::uint64_t waited;
  };
  for (const Case& c : {Case{"25(100)", 100}, Case{"25(0)", 0}, Case{"25(-5)", 0}, Case{"25(2.5)", 2}}) {
    const std::uint64_t before = desktop.loop.Now();
    EXPECT_EQ(Run(c.line), std::nullopt);
    EXPECT_EQ(desktop.loop.Now() - before, c.waited) << c.line;
  }
}

TEST_F(RunnerTest, CodesWithoutEffectDoNothing) {
  for (const char* line : {"3", "4", "45(1)", "46", "47", "48", "19", "22", "31", "107", "-3"}) {
    EXPECT_EQ(Run(line), std::nullopt) << line;
  }
  EXPECT_TRUE(desktop.log.Lines().empty());
}

TEST_F(RunnerTest, SkippedBranchRunsNoCommand) {
  EXPECT_EQ(Run("0(1=2)\r\n5(\"no\")\r\n20(\"no\",\"\",x)\r\n1\r\n"), std::nullopt);
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(RunnerTest, ExitOnTheMainThreadHidesEveryPageAndEndsTheProcess) {
  app->forms.push_back(std::make_unique<TVXForm>(*app));
  app->forms.back()->SetName("VX_APPLICATION_FORM2");
  for (auto& f : app->forms) f->Window().Show();
  EXPECT_EQ(test::ExitCodeOf([&] { Run("9\r\n#after=1"); }), 1);
  for (auto& f : app->forms) EXPECT_FALSE(f->Window().IsVisible());
  EXPECT_EQ(Num("after"), 0);
}

}  // namespace
}  // namespace vx
