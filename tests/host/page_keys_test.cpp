#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "platform/input.h"
#include "platform/sim/sim_desktop.h"
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

}  // namespace
}  // namespace vx
