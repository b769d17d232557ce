#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "platform/input.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

namespace vk = platform::vk;

// A loaded page whose controls were made in another order than their tab
// order: edit "Name" (tab order 1), button "Ok" (2, default), button
// "First" (0).
class PageKeysTest : public ::testing::Test {
 protected:
  PageKeysTest() {
    auto& page = project.AddPage("Main");
    auto& name = page.AddEdit("Name");
    name.bounds = {10, 10, 120, 22};
    name.tabOrder = 1;
    auto& ok = page.AddButton("Ok");
    ok.bounds = {10, 50, 80, 25};
    ok.isDefault = true;
    ok.tabOrder = 2;
    auto& first = page.AddButton("First");
    first.bounds = {100, 50, 80, 25};
    first.tabOrder = 0;
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->forms.front()->Window().Show();
  }
  template <typename T>
  T& Object(const std::string& name) {
    return dynamic_cast<T&>(*app->forms.front()->Components().Find("OBJ" + name));
  }
  TVXEdit& Name() { return Object<TVXEdit>("Name"); }
  TVXButton& Ok() { return Object<TVXButton>("Ok"); }
  TVXButton& First() { return Object<TVXButton>("First"); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(PageKeysTest, TabVisitsTheControlsInTheirAuthoredTabOrder) {
  EXPECT_EQ(Name().TabOrder(), 1);
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(First().NativeButton().HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Name().Box().HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Ok().NativeButton().HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(First().NativeButton().HasFocus());
}

TEST_F(PageKeysTest, ATabOrderChangedAtRunTimeCountsAtTheNextTab) {
  Name().Box().Focus();
  First().SetTabOrder(5);
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Ok().NativeButton().HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(First().NativeButton().HasFocus());
}

TEST_F(PageKeysTest, EnterInTheEditClicksTheDefaultButtonThroughItsClickHook) {
  int okClicks = 0, firstClicks = 0;
  Ok().ClickHandler = [&] { ++okClicks; };
  First().ClickHandler = [&] { ++firstClicks; };
  Name().Box().Focus();
  desktop.user.Type("Rostam");
  desktop.user.Key(vk::Return);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(firstClicks, 0);
  EXPECT_EQ(Name().Text(), "Rostam");
  EXPECT_TRUE(Name().Box().HasFocus());
  // A button that is no longer the default is not clicked by Enter.
  Ok().SetDefault(false);
  desktop.user.Key(vk::Return);
  EXPECT_EQ(okClicks, 1);
}

// Edit boxes e1, e2, e3 with tab orders 0, 1, 2 and a button with 3.
class ScriptTabOrderTest : public ::testing::Test {
 protected:
  ScriptTabOrderTest() {
    auto& page = project.AddPage("Main");
    for (int i = 1; i <= 3; ++i) {
      auto& edit = page.AddEdit("e" + std::to_string(i));
      edit.bounds = {10, 10 + 30 * i, 120, 22};
      edit.tabOrder = i - 1;
    }
    auto& go = page.AddButton("Go");
    go.bounds = {150, 40, 80, 25};
    go.tabOrder = 3;
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->forms.front()->Window().Show();
  }
  TVXNativeControl& Control(const std::string& name) {
    return dynamic_cast<TVXNativeControl&>(*app->forms.front()->Components().Find("OBJ" + name));
  }
  bool Focused(const std::string& name) {
    if (auto* edit = dynamic_cast<TVXEdit*>(&Control(name))) return edit->Box().HasFocus();
    return dynamic_cast<TVXButton&>(Control(name)).NativeButton().HasFocus();
  }
  void Run(const std::string& script) { DoActions(*app, app->MainForm(), script); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(ScriptTabOrderTest, TheControlTakesThePlaceAndTheOthersMoveBack) {
  Run("10(\"e3\",\"\").27(1)");
  EXPECT_EQ(Control("e1").TabOrder(), 0);
  EXPECT_EQ(Control("e3").TabOrder(), 1);
  EXPECT_EQ(Control("e2").TabOrder(), 2);
  EXPECT_EQ(Control("Go").TabOrder(), 3);
  dynamic_cast<TVXEdit&>(Control("e1")).Box().Focus();
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Focused("e3"));
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Focused("e2"));
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Focused("Go"));
  desktop.user.KeyDown(vk::Shift);
  desktop.user.Key(vk::Tab);
  desktop.user.KeyUp(vk::Shift);
  EXPECT_TRUE(Focused("e2"));
}

TEST_F(ScriptTabOrderTest, APlaceBeyondTheEndIsTheLastAndNoTwoShareANumber) {
  // The button to the front, then e1 past the end.
  Run("10(\"Go\",\"Main\").27(0)\n10(\"e1\",\"Main\").27(99)");
  EXPECT_EQ(Control("Go").TabOrder(), 0);
  EXPECT_EQ(Control("e2").TabOrder(), 1);
  EXPECT_EQ(Control("e3").TabOrder(), 2);
  EXPECT_EQ(Control("e1").TabOrder(), 3);
  dynamic_cast<TVXEdit&>(Control("e3")).Box().Focus();
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Focused("e1"));
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(Focused("Go"));
  // A negative place is the first.
  Run("10(\"e3\",\"Main\").27(-2)");
  EXPECT_EQ(Control("e3").TabOrder(), 0);
  EXPECT_EQ(Control("Go").TabOrder(), 1);
}

}  // namespace
}  // namespace vx
