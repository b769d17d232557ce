#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "platform/input.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

constexpr int kF5 = 116;

// Two shown pages; the test gives the functions their shortcuts.
class ShortcutTest : public ::testing::Test {
 protected:
  ShortcutTest() {
    project.AddPage("Main");
    project.AddPage("Second");
  }
  void AddFunction(const std::string& shortcut, const std::string& body, int slot = 0) {
    project.functions.push_back({"f" + std::to_string(project.functions.size()), shortcut, slot, body});
  }
  void Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    desktop.forms.FindByName("VX_APPLICATION_FORM1")->Show();
  }
  // With the modifiers held, as a person presses a shortcut.
  void Press(std::initializer_list<int> modifiers, int key) {
    for (int m : modifiers) desktop.user.KeyDown(m);
    desktop.user.Key(key);
    for (int m : modifiers) desktop.user.KeyUp(m);
  }
  std::string Runs() { return app->values.GetStrVar("runs"); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(ShortcutTest, ModifiersMustMatchExactly) {
  AddFunction("010F5", "$runs=$runs+\"c\"");
  Start();
  Press({platform::vk::Control}, kF5);
  EXPECT_EQ(Runs(), "c");
  Press({platform::vk::Control, platform::vk::Shift}, kF5);
  Press({}, kF5);
  EXPECT_EQ(Runs(), "c");
}

TEST_F(ShortcutTest, EveryMatchingFunctionRunsInTableOrder) {
  AddFunction("000A", "$runs=$runs+\"1\"");
  AddFunction("000a", "$runs=$runs+\"k\"");  // the keypad 1 key
  AddFunction("000A", "$runs=$runs+\"2\"");
  AddFunction("000NOSUCHKEY", "$runs=$runs+\"x\"");
  Start();
  Press({}, 'A');
  EXPECT_EQ(Runs(), "12");
  Press({}, 97);
  EXPECT_EQ(Runs(), "12k");
}

TEST_F(ShortcutTest, NoShortcutWhileAnEditBoxHasTheFocus) {
  auto& edit = project.pages.front().AddEdit("name");
  edit.bounds = {10, 10, 100, 20};
  AddFunction("000A", "$runs=$runs+\"1\"");
  Start();
  auto* window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
  ASSERT_NE(window, nullptr);
  const platform::Point origin = window->ClientOrigin();
  desktop.user.Click({origin.x + 20, origin.y + 15});
  Press({}, 'A');
  EXPECT_EQ(Runs(), "");
  // Clicking the page itself takes the focus away from the edit box.
  desktop.user.Click({origin.x + 200, origin.y + 150});
  Press({}, 'A');
  EXPECT_EQ(Runs(), "1");
}

TEST_F(ShortcutTest, AShortcutKeepsItsKeyFromTheControls) {
  auto& ok = project.pages.front().AddButton("ok");
  ok.bounds = {10, 10, 80, 24};
  ok.isDefault = true;
  ok.scripts.mouseUp = "$runs=$runs+\"b\"";
  AddFunction("000ENTER", "$runs=$runs+\"s\"");
  Start();
  // Without the shortcut Enter would click the default button.
  desktop.user.Key(13);
  EXPECT_EQ(Runs(), "s");
}

TEST_F(ShortcutTest, OtherPagesUseTheMainFormsShortcuts) {
  AddFunction("001X", "$runs=$runs+\"x\"");
  Start();
  auto* second = desktop.forms.FindByName("VX_APPLICATION_FORM2");
  ASSERT_NE(second, nullptr);
  second->Show();
  ASSERT_EQ(desktop.forms.ActiveWindow(), second);
  Press({platform::vk::Menu}, 'X');
  EXPECT_EQ(Runs(), "x");
}

TEST_F(ShortcutTest, AnAsciiShortcutWithoutANumberFailsLikeAScript) {
  AddFunction("000ASCIIq", "$runs=\"never\"");
  Start();
  Press({}, 'Q');
  EXPECT_EQ(Runs(), "");
  EXPECT_EQ(app->values.GetStrVar("_error"), "'q' is not a valid integer value");
}

}  // namespace
}  // namespace vx
