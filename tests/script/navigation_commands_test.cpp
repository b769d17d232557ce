#include <gtest/gtest.h>

#include <optional>

#include "host/app_events.h"
#include "host/application.h"
#include "host/pages.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

// Three pages, page 1 shown, as the player starts them.
class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() {
    for (const char* name : {"One", "Two", "Three"}) project.AddPage(name).flags.hidden = true;
  }
  void Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    Page(1).Show();
  }
  sim::SimWindow& Page(int n) { return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(n)); }
  TVXForm& Form(int n) { return *app->forms[static_cast<std::size_t>(n - 1)]; }
  // Runs the script on the form of page n; the error that ended it.
  std::optional<std::string> Run(int n, const std::string& script) {
    try {
      DoActions(*app, &Form(n), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(NavigationTest, NextAndPreviousMoveOnePage) {
  Start();
  EXPECT_EQ(Run(1, "13"), std::nullopt);
  EXPECT_TRUE(Page(2).IsVisible());
  EXPECT_FALSE(Page(1).IsVisible());
  EXPECT_TRUE(Form(1).PageNavigated);
  EXPECT_EQ(Run(2, "14"), std::nullopt);
  EXPECT_TRUE(Page(1).IsVisible());
  EXPECT_FALSE(Page(2).IsVisible());
}

TEST_F(NavigationTest, PreviousOnPage1StillCountsAsNavigation) {
  Start();
  EXPECT_EQ(Run(1, "14"), std::nullopt);
  EXPECT_TRUE(Page(1).IsVisible());
  EXPECT_TRUE(Form(1).PageNavigated);
}

TEST_F(NavigationTest, NextOnTheLastPageStillCountsAsNavigation) {
  Start();
  EXPECT_EQ(Run(1, "12"), std::nullopt);
  ASSERT_TRUE(Page(3).IsVisible());
  EXPECT_EQ(Run(3, "13"), std::nullopt);
  EXPECT_TRUE(Page(3).IsVisible());
  EXPECT_TRUE(Form(3).PageNavigated);
}

TEST_F(NavigationTest, FirstAndByNameTakeThePlaceOfTheCurrentPage) {
  Start();
  Page(1).SetBounds({10, 10, 300, 200});
  EXPECT_EQ(Run(1, "15(\"three\")"), std::nullopt);
  EXPECT_TRUE(Page(3).IsVisible());
  EXPECT_EQ(Page(3).Bounds(), (platform::Rect{10, 10, 300, 200}));
  EXPECT_EQ(Run(3, "11"), std::nullopt);
  EXPECT_TRUE(Page(1).IsVisible());
  EXPECT_FALSE(Page(3).IsVisible());
}

TEST_F(NavigationTest, ClosingTheLastVisiblePageEndsOnlyAfterNavigation) {
  Start();
  EXPECT_EQ(Run(1, "97(\"Two\")"), std::nullopt);
  Page(1).Hide();
  EXPECT_EQ(test::ExitCodeOf([&] { Page(2).RequestClose(); }), std::nullopt);
  Page(2).Show();
  EXPECT_EQ(Run(2, "14"), std::nullopt);  // shows page 1, hides page 2
  EXPECT_EQ(Run(1, "97(\"Two\")"), std::nullopt);
  Page(1).Hide();
  EXPECT_EQ(test::ExitCodeOf([&] { Run(2, "6"); }), 1);
}

TEST_F(NavigationTest, NamedPagesShowAndClose) {
  Start();
  EXPECT_EQ(Run(1, "97(\"Three\")"), std::nullopt);
  EXPECT_TRUE(Page(3).IsVisible());
  EXPECT_TRUE(Page(1).IsVisible());
  EXPECT_EQ(Run(1, "98(\"Three\")"), std::nullopt);
  EXPECT_FALSE(Page(3).IsVisible());
  EXPECT_TRUE(desktop.log.Contains("close VX_APPLICATION_FORM3"));
}

TEST_F(NavigationTest, AMissingNamedPageFailsTheStatement) {
  Start();
  const std::string expected = std::string("Line #1: ") + kMissingObjectMessage;
  EXPECT_EQ(Run(1, "97(\"Nowhere\")"), expected);
  EXPECT_EQ(Run(1, "98(\"Nowhere\")"), expected);
  EXPECT_EQ(Run(1, "99(\"Nowhere\")"), expected);
}

TEST_F(NavigationTest, ModalPageReturnsWhenItCloses) {
  Start();
  bool ranInside = false;
  desktop.forms.SetModalLoop([&](sim::SimWindow& window) {
    ranInside = true;
    EXPECT_EQ(&window, &Page(2));
    EXPECT_FALSE(Page(1).IsEnabled());
    window.RequestClose();
  });
  EXPECT_EQ(Run(1, "99(\"Two\")\n#after=1"), std::nullopt);
  EXPECT_TRUE(ranInside);
  EXPECT_EQ(app->values.GetNumVar("after"), 1);
  EXPECT_FALSE(Page(2).IsVisible());
  EXPECT_TRUE(Page(1).IsEnabled());
}

TEST_F(NavigationTest, WindowStateCommandsReachThePlatform) {
  Start();
  EXPECT_EQ(Run(1, "16\n17"), std::nullopt);
  EXPECT_TRUE(Page(1).IsMaximized());
  EXPECT_TRUE(desktop.forms.ApplicationMinimized());
  EXPECT_EQ(Run(1, "18\n7"), std::nullopt);
  EXPECT_FALSE(desktop.forms.ApplicationMinimized());
  EXPECT_FALSE(Page(1).IsVisible());
  EXPECT_EQ(Run(1, "8"), std::nullopt);
  EXPECT_TRUE(Page(1).IsVisible());
}

TEST_F(NavigationTest, CurrentPageEnabledAndCursor) {
  Start();
  EXPECT_EQ(Run(1, "100(0)\n101(7)"), std::nullopt);
  EXPECT_FALSE(Page(1).IsEnabled());
  EXPECT_EQ(Page(1).CursorNumber(), 7);
  EXPECT_EQ(Form(1).page.cursor, 7);
  EXPECT_EQ(Run(1, "100(1)"), std::nullopt);
  EXPECT_TRUE(Page(1).IsEnabled());
}

TEST_F(NavigationTest, ExitFromATimerScriptHidesEveryPageFirst) {
  Start();
  EXPECT_EQ(Run(1, "97(\"Three\")"), std::nullopt);
  Form(1).PageHideScript = {"#hidden=#hidden+1"};
  Form(3).PageHideScript = {"#hidden=#hidden+1"};
  // The show timer of page 3 runs its script on the main thread.
  Form(3).PageShowScript = {"9"};
  Page(3).Hide();
  app->values.SetNumVar("hidden", 0);
  const auto code = test::ExitCodeOf([&] {
    Page(3).Show();
    desktop.loop.Advance(10);
  });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(app->values.GetNumVar("hidden"), 2);
  EXPECT_FALSE(Page(1).IsVisible());
  EXPECT_FALSE(Page(3).IsVisible());
}

}  // namespace
}  // namespace vx
