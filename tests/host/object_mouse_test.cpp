// The windowless objects' mouse: presses, capture, releases over other
// objects, the label's own enter and leave, shapes' hot areas.

#include "tests/host/object_events_fixture.h"

#include "objects/vx_edit.h"
#include "objects/vx_image.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_pictures.h"

namespace vx {
namespace {

using platform::MouseButton;

constexpr platform::Color kNormal = platform::MakeColor(0, 0, 0);
constexpr platform::Color kHover = platform::MakeColor(255, 0, 0);
constexpr platform::Color kClick = platform::MakeColor(0, 0, 255);

class TextMouseTest : public test::ObjectEventsTest {
 protected:
  // Text A at (10, 10) and text B at (10, 50), 100 x 20, with colour events.
  void AddTexts() {
    for (const char* name : {"A", "B"}) {
      auto& t = Page1().AddText(name);
      t.bounds = {10, name[0] == 'A' ? 10 : 50, 100, 20};
      t.caption = name;
      t.colorEvents = true;
      t.font.color = kNormal;
      t.colorHover = kHover;
      t.colorClick = kClick;
      LogAll(t, name);
    }
  }
  TVXText& A() { return *Object<TVXText>("A"); }
  TVXText& B() { return *Object<TVXText>("B"); }
};

TEST_F(TextMouseTest, ReleaseOverAnotherTextRunsItsEnterButNoUpScript) {
  AddTexts();
  Start();
  MoveTo(20, 15);
  Press();
  EXPECT_EQ(A().FontColor, kClick);
  MoveTo(20, 55);  // while the press holds the mouse, B hears no enter
  EXPECT_EQ(LogText(), "Aenter,Adown,Aleave,");
  Release();
  EXPECT_EQ(LogText(), "Aenter,Adown,Aleave,Benter,");
  EXPECT_EQ(B().FontColor, kHover);
  EXPECT_EQ(A().FontColor, kNormal);
  MoveTo(25, 56);  // B is already the control under the cursor
  EXPECT_EQ(LogText(), "Aenter,Adown,Aleave,Benter,");
}

TEST_F(TextMouseTest, AClickRunsDownEnterAndUpWithObjectRelativePosition) {
  AddTexts();
  Start();
  MoveTo(30, 17);
  Press();
  EXPECT_EQ(app->values.GetNumVar("_mx"), 20);
  EXPECT_EQ(app->values.GetNumVar("_my"), 7);
  MoveTo(35, 19);
  Release();
  EXPECT_EQ(LogText(), "Aenter,Adown,Aenter,Aup,");
  EXPECT_EQ(app->values.GetNumVar("_mx"), 25);
  EXPECT_EQ(app->values.GetNumVar("_my"), 9);
  EXPECT_EQ(app->values.GetNumVar("_btn"), 1);
  EXPECT_EQ(A().FontColor, kHover);
}

TEST_F(TextMouseTest, ReleaseOutsideTheCapturedTextRunsNoUpScript) {
  AddTexts();
  Start();
  MoveTo(30, 17);
  Press();
  MoveTo(300, 300);
  Release();
  EXPECT_EQ(LogText(), "Aenter,Adown,Aleave,");
}

TEST_F(TextMouseTest, RightButtonRunsDownWithButton3AndNeverUp) {
  AddTexts();
  Start();
  MoveTo(30, 17);
  Press(MouseButton::Right);
  EXPECT_EQ(app->values.GetNumVar("_btn"), 3);
  EXPECT_EQ(A().FontColor, kHover);  // the click colour is for the left button
  Release(MouseButton::Right);
  EXPECT_EQ(LogText(), "Aenter,Adown,");
  // Without a capture the text keeps its own enter and leave.
  MoveTo(30, 57);
  EXPECT_EQ(LogText(), "Aenter,Adown,Aleave,Benter,");
}

TEST_F(TextMouseTest, EnteringWithTheLeftButtonHeldRunsDownThenEnter) {
  AddTexts();
  Start();
  desktop.user.MoveTo({1, 1});  // the desktop: nothing of ours holds the mouse
  ASSERT_EQ(desktop.forms.WindowAt({1, 1}), nullptr);
  Press();
  MoveTo(40, 12);
  EXPECT_EQ(LogText(), "Adown,Aenter,");
  EXPECT_EQ(A().FontColor, kClick);
  EXPECT_EQ(app->values.GetNumVar("_btn"), 1);
  EXPECT_EQ(app->values.GetNumVar("_mx"), 30);
  EXPECT_EQ(app->values.GetNumVar("_my"), 2);
}

TEST_F(TextMouseTest, LeavingTheWindowLeavesTheText) {
  AddTexts();
  Start();
  MoveTo(30, 17);
  desktop.user.MoveTo({1, 1});  // the page hears no move now
  EXPECT_EQ(LogText(), "Aenter,");
  Tick();  // the idle pass at the poller's tick
  EXPECT_EQ(LogText(), "Aenter,Aleave,");
}

TEST_F(TextMouseTest, ADisabledTextTakesNoPressButStillHears) {
  AddTexts();
  std::get<tools::TextModel>(Page1().objects.front()).enabled = false;
  Start();
  MoveTo(30, 17);
  Press();
  Release();
  // Enter and leave follow the control under the cursor, disabled or not.
  EXPECT_EQ(LogText(), "Aenter,");
}

TEST_F(TextMouseTest, ThePressFocusLeavesTheEdit) {
  AddTexts();
  auto& e = Page1().AddEdit("E");
  e.bounds = {200, 10, 100, 20};
  Start();
  desktop.user.Click(Client(250, 20));
  ASSERT_TRUE(Object<TVXEdit>("E")->Box().HasFocus());
  MoveTo(30, 17);
  Press();
  EXPECT_FALSE(Object<TVXEdit>("E")->Box().HasFocus());
}

TEST_F(TextMouseTest, ATextOnAnInactivePageShowsNoHoverAndRunsNoEnter) {
  AddTexts();
  tools::PageModel& second = project.AddPage("Second");
  second.width = 200;
  second.height = 200;
  second.flags.centred = false;
  Page1().width = 200;
  Page1().height = 200;
  auto& t = second.AddText("C");
  t.bounds = {10, 10, 100, 20};
  t.colorEvents = true;
  t.colorHover = kHover;
  LogAll(t, "C");
  Start();
  Window(2).Show();
  Window(1).Show();
  desktop.forms.Activate(&Window(1));
  ASSERT_TRUE(Window(2).IsVisible());
  ASSERT_EQ(desktop.forms.ActiveWindow(), &Window(1));
  MoveTo(20, 15, 2);
  EXPECT_EQ(Object<TVXText>("C", 2)->FontColor, kNormal);
  MoveTo(150, 150, 2);  // the leave has no such test
  EXPECT_EQ(LogText(), "Cleave,");
}

class ShapeMouseTest : public test::ObjectEventsTest {
 protected:
  // An ellipse 100 x 50 at (100, 100).
  void AddEllipse() {
    auto& s = Page1().AddShape("S");
    s.bounds = {100, 100, 100, 50};
    s.form = 2;
    LogAll(s, "S");
  }
  TVXShape& S() { return Object<VxShapeObject>("S")->Shape; }
};

TEST_F(ShapeMouseTest, TheHotAreaDecidesEnterLeaveAndPresses) {
  AddEllipse();
  Start();
  MoveTo(102, 102);  // in the rectangle, outside the ellipse
  Tick();
  Press();
  Release();
  EXPECT_EQ(LogText(), "");
  EXPECT_FALSE(S().HotEntered());
  MoveTo(150, 125);
  EXPECT_TRUE(S().HotEntered());
  Press();
  EXPECT_EQ(app->values.GetNumVar("_mx"), 50);
  EXPECT_EQ(app->values.GetNumVar("_my"), 25);
  Release();
  EXPECT_EQ(LogText(), "Senter,Sdown,Senter,Sup,");
  MoveTo(102, 102);  // the shape's own move leaves the hot area
  EXPECT_EQ(LogText(), "Senter,Sdown,Senter,Sup,Sleave,");
  EXPECT_FALSE(S().HotEntered());
}

TEST_F(ShapeMouseTest, LeavingTheRectangleFromTheHotAreaIsThePollersLeave) {
  AddEllipse();
  Start();
  MoveTo(150, 125);
  MoveTo(400, 400);
  EXPECT_EQ(LogText(), "Senter,");
  Tick();
  EXPECT_EQ(LogText(), "Senter,Sleave,");
  EXPECT_FALSE(S().HotEntered());
  EXPECT_EQ(Object<VxShapeObject>("S")->Tag, 0);
  Tick();
  EXPECT_EQ(LogText(), "Senter,Sleave,");
}

TEST_F(ShapeMouseTest, ARightPressInTheHotAreaDoesNotHoldTheMouse) {
  AddEllipse();
  Start();
  MoveTo(150, 125);
  Press(MouseButton::Right);
  MoveTo(300, 300);
  Release(MouseButton::Right);
  EXPECT_FALSE(S().MouseCaptured());
  EXPECT_EQ(LogText(), "Senter,Sdown,");
  MoveTo(150, 125);
  MoveTo(102, 102);  // the shape follows its hot area again
  EXPECT_EQ(LogText(), "Senter,Sdown,Sleave,");
}

class ImageMouseTest : public test::ObjectEventsTest {};

TEST_F(ImageMouseTest, PressTakesTheCursorOnThePageAndTheButtonsHeld) {
  auto& p = Page1().AddPicture("P");
  p.fileName = "p.png";
  p.image = sim::EncodePng(RgbaImage(4, 4, {0, 255, 0, 255}));
  p.bounds = {40, 40, 60, 60};
  LogAll(p, "P");
  Start();
  MoveTo(50, 60);
  Press();
  EXPECT_EQ(app->values.GetNumVar("_mx"), 50);  // page-relative
  EXPECT_EQ(app->values.GetNumVar("_my"), 60);
  EXPECT_EQ(app->values.GetNumVar("_btn"), 1);
  Release();
  EXPECT_EQ(app->values.GetNumVar("_mx"), 10);  // object-relative
  EXPECT_EQ(LogText(), "Pdown,Penter,Pup,");
  Tick();  // the poller's enter
  EXPECT_EQ(LogText(), "Pdown,Penter,Pup,Penter,");
}

}  // namespace
}  // namespace vx
