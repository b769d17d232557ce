#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

// A started presentation whose page 1 is shown; the test adds scripts first.
class PageEventsTest : public ::testing::Test {
 protected:
  PageEventsTest() { project.AddPage("Main"); }
  tools::PageModel& Page1() { return project.pages.front(); }
  void Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    Window().Show();
  }
  sim::SimWindow& Window() { return *desktop.forms.FindByName("VX_APPLICATION_FORM1"); }
  platform::Point Client(int x, int y) {
    const platform::Point o = Window().ClientOrigin();
    return {o.x + x, o.y + y};
  }
  bool ShowedErrorBox() const {
    for (const std::string& line : desktop.log.Lines())
      if (line.starts_with("msgbox [Vexorelle Exception]")) return true;
    return false;
  }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(PageEventsTest, ShowScriptRunsOnTheFirstTickAfterShowingOnly) {
  Page1().showScript = "#shown=#shown+1";
  Start();
  EXPECT_EQ(app->values.GetNumVar("shown"), 0);
  desktop.loop.Advance(9);
  EXPECT_EQ(app->values.GetNumVar("shown"), 0);
  desktop.loop.Advance(1);
  EXPECT_EQ(app->values.GetNumVar("shown"), 1);
  desktop.loop.Advance(100);
  EXPECT_EQ(app->values.GetNumVar("shown"), 1);
}

TEST_F(PageEventsTest, ShowScriptErrorsReachTheExceptionHandler) {
  Page1().showScript = "abc";
  Start();
  desktop.loop.Advance(10);
  EXPECT_EQ(app->values.GetStrVar("_error"), "Line #1: 'abc' is not a valid integer value");
  EXPECT_TRUE(ShowedErrorBox());
}

TEST_F(PageEventsTest, HideSetsCloseFalseBeforeTheHideScript) {
  Page1().hideScript = "#c=!close\n#hidden=1";
  Start();
  app->values.SetBoolVar("close", true);
  Window().Hide();
  EXPECT_EQ(app->values.GetNumVar("hidden"), 1);
  EXPECT_EQ(app->values.GetNumVar("c"), 0);
  EXPECT_FALSE(app->values.GetBoolVar("close"));
}

TEST_F(PageEventsTest, ResizeScriptErrorsAreSwallowed) {
  Page1().resizeScript = "#r=1\nabc";
  Start();
  Window().SetClientSize({300, 200});
  EXPECT_EQ(app->values.GetNumVar("r"), 1);
  EXPECT_FALSE(ShowedErrorBox());
  EXPECT_EQ(app->values.GetStrVar("_error"), "");
}

TEST_F(PageEventsTest, WheelSetsDirBeforeTheWheelScript) {
  Page1().wheelScript = "$seen=$seen+$_dir+\",\"";
  Start();
  desktop.user.Wheel(true);
  desktop.user.Wheel(false);
  EXPECT_EQ(app->values.GetStrVar("seen"), "UP,DOWN,");
}

class DragTest : public PageEventsTest {
 protected:
  void StartDraggable() {
    Page1().flags.frame = 2;  // frameless, draggable
    Page1().flags.centred = false;
    Start();
    ASSERT_TRUE(app->PageDragging);
    ASSERT_EQ(Window().Bounds().left, 0);
    desktop.user.MoveTo(Client(50, 50));
    desktop.user.Press(platform::MouseButton::Left);
  }
};

TEST_F(DragTest, FivePixelsIsNotADrag) {
  StartDraggable();
  desktop.user.MoveTo(Client(55, 55));
  EXPECT_FALSE(app->DragStarted);
  EXPECT_EQ(Window().Bounds().left, 0);
  desktop.user.MoveTo(Client(45, 45));
  EXPECT_FALSE(app->DragStarted);
}

TEST_F(DragTest, SixPixelsStartsTheDragAndThePageFollows) {
  StartDraggable();
  desktop.user.MoveTo({56, 50});
  EXPECT_TRUE(app->DragStarted);
  EXPECT_EQ(Window().Bounds().left, 0);  // the anchor is taken where the drag starts
  desktop.user.MoveTo({76, 60});
  EXPECT_EQ(Window().Bounds().left, 20);
  EXPECT_EQ(Window().Bounds().top, 10);
  desktop.user.Release(platform::MouseButton::Left);
  desktop.user.MoveTo({176, 160});
  EXPECT_EQ(Window().Bounds().left, 20);
}

TEST_F(DragTest, AFramedPageIsNeverDragged) {
  Page1().flags.frame = 0;
  Start();
  app->PageDragging = true;
  desktop.user.MoveTo(Client(50, 50));
  desktop.user.Press(platform::MouseButton::Left);
  EXPECT_FALSE(app->DragPressed);
}

TEST_F(PageEventsTest, NoSnapEmptiesTheClipboardWhilePrintScreenIsDown) {
  Page1().flags.noSnap = true;
  Start();
  desktop.clipboard.SetText("secret");
  desktop.loop.Advance(20);
  EXPECT_EQ(desktop.clipboard.Text(), "secret");
  desktop.input.SetKeyDown(0x2C, true);
  desktop.loop.Advance(10);
  EXPECT_EQ(desktop.clipboard.Text(), "");
}

TEST_F(PageEventsTest, WithoutNoSnapPrintScreenKeepsTheClipboard) {
  Start();
  desktop.clipboard.SetText("kept");
  desktop.input.SetKeyDown(0x2C, true);
  desktop.loop.Advance(50);
  EXPECT_EQ(desktop.clipboard.Text(), "kept");
}

}  // namespace
}  // namespace vx
