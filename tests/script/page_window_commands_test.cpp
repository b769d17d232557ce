#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "host/pages.h"
#include "script/app_thread.h"
#include "platform/sim/sim_controls.h"
#include "tests/script/page_commands_fixture.h"

namespace vx {
namespace {

using platform::FrameStyle;
using test::PageCommandsTest;

constexpr char kPage1[] = "VX_APPLICATION_FORM1";

TEST_F(PageCommandsTest, CommandsChangeTheCurrentPageNotTheScriptsForm) {
  Start();
  Win(2).Show();  // page 2 is current; the script runs on page 1's form
  EXPECT_EQ(Run("#n=2\r\n59(\"Lesson \"+#n)\r\n80(\"102030\")"), std::nullopt);
  EXPECT_EQ(Win(2).Caption(), "Lesson 2");
  EXPECT_EQ(Win(2).Look().color, platform::MakeColor(0x10, 0x20, 0x30));
  EXPECT_EQ(Win(1).Caption(), "One");
  EXPECT_EQ(Win(1).Look().color, test::kPageOneColour);
}

TEST_F(PageCommandsTest, WithoutACurrentPageTheStatementFailsWithTheMissingObjectError) {
  Load();
  for (const char* line : {"59(\"x\")", "60(1,2)", "71(2)", "76(10)", "82(1)", "91(5)", "81(\"C:\\a.png\")"}) {
    EXPECT_EQ(Run(line), std::string("Line #1: ") + kMissingObjectMessage) << line;
  }
  EXPECT_FALSE(app->PageDragging);
}

TEST_F(PageCommandsTest, FocusAndForegroundIgnoreEveryErrorOfTheirOwn) {
  Load();
  EXPECT_EQ(Run("57(\"nothing\")\r\n58(\"\")\r\n58(\"Nowhere\")"), std::nullopt);
}

TEST_F(PageCommandsTest, AFlagThatIsNoNumberFailsWithTheEvaluatorsMessage) {
  Start();
  for (const char* code : {"62", "64", "68", "69", "71", "72", "75", "76", "79"}) {
    EXPECT_EQ(Run(std::string(code) + "(abc)"), "Line #1: " + EvaluatorMessage("abc")) << code;
  }
  EXPECT_EQ(Run("#x=1\r\n60(5,abc)"), "Line #2: " + EvaluatorMessage("abc"));
  // Nothing moved: both arguments are read before the first assignment.
  EXPECT_EQ(Win(1).Bounds().left, 0);
}

TEST_F(PageCommandsTest, MoveAndResizeAreTwoChangesEach) {
  project.pages[0].resizeScript = "#resized=#resized+1";
  Start();
  app->values.SetNumVar("resized", 0);
  desktop.log.Clear();
  EXPECT_EQ(Run("60(10,20)"), std::nullopt);
  const std::vector<std::string> moves = {std::string("place ") + kPage1 + " 10,0 60x40",
                                          std::string("place ") + kPage1 + " 10,20 60x40"};
  EXPECT_EQ(desktop.log.Lines(), moves);
  EXPECT_EQ(Run("61(100,80)"), std::nullopt);
  EXPECT_EQ(app->values.GetNumVar("resized"), 2);
  EXPECT_EQ(Win(1).Bounds(), (platform::Rect{10, 20, 100, 80}));
}

TEST_F(PageCommandsTest, RightToLeftTurnsThePageAround) {
  Start();
  EXPECT_EQ(Run("62(1)"), std::nullopt);
  EXPECT_TRUE(Win(1).Look().rightToLeft);
  EXPECT_EQ(Run("62(0)"), std::nullopt);
  EXPECT_FALSE(Win(1).Look().rightToLeft);
  EXPECT_EQ(Run("62(0.6)"), std::nullopt);  // rounded: 1
  EXPECT_TRUE(Win(1).Look().rightToLeft);
  // The vertical scroll bar goes to the left side.
  EXPECT_EQ(Run("74(1)"), std::nullopt);
  EXPECT_EQ(Win(1).ClientOrigin().x, Win(1).Bounds().left + sim::kScrollBarSize);
  EXPECT_EQ(Run("62(0)"), std::nullopt);
  EXPECT_EQ(Win(1).ClientOrigin().x, Win(1).Bounds().left);
}

TEST_F(PageCommandsTest, CentringOnlyWhenTheFlagIsSet) {
  Start();
  EXPECT_EQ(Run("63(0)"), std::nullopt);
  EXPECT_EQ(Win(1).Bounds().left, 0);
  EXPECT_EQ(Run("63(1)"), std::nullopt);
  const platform::Rect work = desktop.display.WorkArea();
  EXPECT_EQ(Win(1).Bounds().left, work.left + work.width / 2 - 30);
  EXPECT_EQ(Win(1).Bounds().top, work.top + work.height / 2 - 20);
}

TEST_F(PageCommandsTest, EachBorderIconCommandChangesOnlyItsOwnIcon) {
  Start();
  using Icons = platform::BorderIcons;
  struct Case {
    const char* code;
    bool Icons::*icon;
  };
  for (const Case& c : {Case{"64", &Icons::systemMenu}, Case{"65", &Icons::minimize},
                        Case{"66", &Icons::maximize}, Case{"67", &Icons::help}}) {
    for (bool on : {true, false}) {
      const Icons before = Win(1).GetBorderIcons();
      EXPECT_EQ(Run(std::string(c.code) + "(" + (on ? "1" : "0") + ")"), std::nullopt);
      Icons expected = before;
      expected.*c.icon = on;
      EXPECT_EQ(Win(1).GetBorderIcons(), expected) << c.code << " " << on;
    }
  }
}

TEST_F(PageCommandsTest, SizeableTogglesOnlyBetweenItsFramePairs) {
  Start();
  struct Case {
    FrameStyle from;
    const char* line;
    FrameStyle to;
  };
  const Case cases[] = {
      {FrameStyle::ToolWindow, "68(1)", FrameStyle::SizeableToolWindow},
      {FrameStyle::Single, "68(1)", FrameStyle::Sizeable},
      {FrameStyle::SizeableToolWindow, "68(0)", FrameStyle::ToolWindow},
      {FrameStyle::Sizeable, "68(0)", FrameStyle::Single},
      {FrameStyle::None, "68(1)", FrameStyle::None},
      {FrameStyle::Dialog, "68(1)", FrameStyle::Dialog},
      {FrameStyle::Sizeable, "68(1)", FrameStyle::Sizeable},
      {FrameStyle::Single, "68(0)", FrameStyle::Single},
  };
  for (const Case& c : cases) {
    Win(1).SetFrameStyle(c.from);
    EXPECT_EQ(Run(c.line), std::nullopt);
    EXPECT_EQ(Win(1).GetFrameStyle(), c.to) << c.line << " from " << static_cast<int>(c.from);
  }
}

TEST_F(PageCommandsTest, StayOnTopFollowsTheFlag) {
  Start();
  EXPECT_EQ(Run("69(1)"), std::nullopt);
  EXPECT_TRUE(Win(1).StaysOnTop());
  EXPECT_TRUE(desktop.log.Contains(std::string("stay on top ") + kPage1 + " on"));
  EXPECT_EQ(Run("69(0)"), std::nullopt);
  EXPECT_FALSE(Win(1).StaysOnTop());
}

TEST_F(PageCommandsTest, TheFrameShapeIsShownAndHidden) {
  project.pages[0].flags.showBorderShape = true;  // outlined in black
  Start();
  const Rgba black{0, 0, 0, 255}, page{0x20, 0x40, 0x60, 255};
  EXPECT_EQ(Win(1).PixelAt(0, 0), black);
  EXPECT_EQ(Run("70(0)"), std::nullopt);
  EXPECT_EQ(Win(1).PixelAt(0, 0), page);
  EXPECT_EQ(Run("70(1)"), std::nullopt);
  EXPECT_EQ(Win(1).PixelAt(0, 0), black);
}

class FrameCodeTest : public PageCommandsTest {
 protected:
  // A press in the page and a move of 20, 10 that is well past the drag's
  // start.
  void Drag() {
    const platform::Point o = Win(1).ClientOrigin();
    desktop.user.MoveTo({o.x + 30, o.y + 20});
    desktop.user.Press(platform::MouseButton::Left);
    desktop.user.MoveTo({o.x + 36, o.y + 20});
    desktop.user.MoveTo({o.x + 56, o.y + 30});
    desktop.user.Release(platform::MouseButton::Left);
  }
};

TEST_F(FrameCodeTest, Code2MakesTheFramelessPageDraggable) {
  Start();
  Drag();  // frame 3 from the record: fixed
  EXPECT_EQ(Win(1).Bounds().left, 0);
  EXPECT_EQ(Run("71(2)"), std::nullopt);
  EXPECT_TRUE(app->PageDragging);
  Drag();
  EXPECT_EQ(Win(1).Bounds().left, 20);
  EXPECT_EQ(Win(1).Bounds().top, 10);
}

TEST_F(FrameCodeTest, Code3MakesThePageFramelessButFixed) {
  project.pages[0].flags.frame = 2;
  Start();
  EXPECT_EQ(Run("71(0)"), std::nullopt);
  EXPECT_EQ(Win(1).GetFrameStyle(), FrameStyle::Single);
  EXPECT_EQ(Run("71(3)"), std::nullopt);
  EXPECT_EQ(Win(1).GetFrameStyle(), FrameStyle::None);
  EXPECT_FALSE(app->PageDragging);
  const platform::Rect before = Win(1).Bounds();
  Drag();
  EXPECT_EQ(Win(1).Bounds(), before);
}

TEST_F(FrameCodeTest, Code1IsAToolWindowAndOtherCodesDoNothing) {
  Start();
  EXPECT_EQ(Run("71(1)"), std::nullopt);
  EXPECT_EQ(Win(1).GetFrameStyle(), FrameStyle::ToolWindow);
  EXPECT_EQ(Win(1).ClientSize(), (platform::Size{60, 40}));  // the client area keeps its size
  EXPECT_EQ(Run("71(4)\r\n71(-1)"), std::nullopt);
  EXPECT_EQ(Win(1).GetFrameStyle(), FrameStyle::ToolWindow);
  EXPECT_EQ(Run("71(2.5)"), std::nullopt);  // rounded half to even: 2
  EXPECT_EQ(Win(1).GetFrameStyle(), FrameStyle::None);
  EXPECT_TRUE(app->PageDragging);
}

TEST_F(PageCommandsTest, NoSnapSetsThePageTableAndItsTimer) {
  Start();
  Win(2).Show();
  EXPECT_EQ(Run("72(1)"), std::nullopt);
  EXPECT_EQ(app->formDB[2].NoSnap, 1);
  EXPECT_EQ(app->formDB[1].NoSnap, 0);
  EXPECT_TRUE(Form(2).NoSnap().Enabled());
  EXPECT_FALSE(Form(1).NoSnap().Enabled());
  desktop.clipboard.SetText("secret");
  desktop.input.SetKeyDown(0x2C, true);
  desktop.loop.Advance(10);
  EXPECT_EQ(desktop.clipboard.Text(), "");
  EXPECT_EQ(Run("72(0)"), std::nullopt);
  EXPECT_EQ(app->formDB[2].NoSnap, 0);
  EXPECT_FALSE(Form(2).NoSnap().Enabled());
}

TEST_F(PageCommandsTest, ScrollBarsTakeTheirWidthFromTheClientArea) {
  Start();
  EXPECT_EQ(Run("73(1)"), std::nullopt);
  EXPECT_TRUE(Win(1).Look().horizontalScrollBar);
  EXPECT_EQ(Win(1).ClientSize(), (platform::Size{60, 40 - sim::kScrollBarSize}));
  EXPECT_EQ(Run("74(1)"), std::nullopt);
  EXPECT_EQ(Win(1).ClientSize(), (platform::Size{60 - sim::kScrollBarSize, 40 - sim::kScrollBarSize}));
  EXPECT_EQ(Win(1).Bounds(), (platform::Rect{0, 0, 60, 40}));
  EXPECT_EQ(Run("73(0)\r\n74(0)"), std::nullopt);
  EXPECT_EQ(Win(1).ClientSize(), (platform::Size{60, 40}));
}

TEST_F(PageCommandsTest, TheLevelIsTakenAsAByte) {
  Start();
  struct Case {
    const char* line;
    int level;
  };
  for (const Case& c : {Case{"76(300)", 44}, Case{"76(-1)", 255}, Case{"76(256)", 0}, Case{"76(100.5)", 100}}) {
    EXPECT_EQ(Run(c.line), std::nullopt);
    EXPECT_EQ(Win(1).Look().alphaValue, c.level) << c.line;
  }
}

TEST_F(PageCommandsTest, TranslucencyShowsOnlyWhileAlphaBlendingIsOn) {
  Start();
  const Rgba desktopColour = RgbaOf(sim::kDesktopColor), page = RgbaOf(test::kPageOneColour);
  EXPECT_EQ(Run("76(0)"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), page);  // the level alone does nothing
  EXPECT_EQ(Run("75(1)"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), desktopColour);
  EXPECT_EQ(Run("76(255)"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), page);
  EXPECT_EQ(Run("76(128)"), std::nullopt);
  const Rgba half = ScreenOver(1).At(5, 5);
  EXPECT_EQ(half.r, (0x20 * 128 + 0 * 127 + 127) / 255);
  EXPECT_EQ(half.g, (0x40 * 128 + 128 * 127 + 127) / 255);
  EXPECT_TRUE(desktop.log.Contains(std::string("look ") + kPage1 + " left to right, alpha 128, colour 204060"));
}

TEST_F(PageCommandsTest, ColourKeyingMakesTheKeyColourSeeThrough) {
  Start();
  const Rgba desktopColour = RgbaOf(sim::kDesktopColor), page = RgbaOf(test::kPageOneColour);
  EXPECT_EQ(Run("78(\"204060\")"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), page);  // only while keying is on
  EXPECT_EQ(Run("77(1)"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), desktopColour);
  EXPECT_EQ(Run("78(\"FFFFFF\")"), std::nullopt);
  EXPECT_EQ(ScreenOver(1).At(5, 5), page);
  EXPECT_EQ(Win(1).Look().transparentColor, 0xFFFFFFu);
}

TEST_F(PageCommandsTest, DoubleBufferingAndWindowColour) {
  Start();
  EXPECT_EQ(Run("79(1)\r\n80(\"C0FFEE\")"), std::nullopt);
  EXPECT_TRUE(Win(1).Look().doubleBuffered);
  EXPECT_EQ(Win(1).PixelAt(5, 5), (Rgba{0xC0, 0xFF, 0xEE, 255}));
}

class FocusTest : public PageCommandsTest {
 protected:
  FocusTest() {
    tools::EditModel& first = project.pages[0].AddEdit("first");
    first.bounds = {0, 0, 50, 10};
    tools::EditModel& second = project.pages[0].AddEdit("second");
    second.bounds = {0, 20, 50, 10};
    tools::EditModel& hidden = project.pages[0].AddEdit("hidden");
    hidden.bounds = {0, 30, 50, 10};
    hidden.visible = false;
  }
  int FocusedTop() {
    const sim::SimControl* focused = Win(1).FocusedControl();
    return focused == nullptr ? -1 : focused->Area().top;
  }
};

TEST_F(FocusTest, TheNamedObjectBecomesTheActiveControl) {
  Start();
  EXPECT_EQ(Run("57(\"second\")"), std::nullopt);
  EXPECT_EQ(FocusedTop(), 20);
  EXPECT_EQ(Run("57(\"fir\"+\"st\")"), std::nullopt);
  EXPECT_EQ(FocusedTop(), 0);
}

TEST_F(FocusTest, AnObjectThatCannotTakeTheFocusChangesNothing) {
  Start();
  EXPECT_EQ(Run("57(\"second\")"), std::nullopt);
  EXPECT_EQ(Run("57(\"hidden\")\r\n57(\"missing\")\r\n57(\"\")"), std::nullopt);
  EXPECT_EQ(FocusedTop(), 20);
}

TEST_F(PageCommandsTest, ForegroundBringsTheNamedPageOrTheCurrentOne) {
  Start();
  Win(2).Show();
  desktop.forms.Activate(&Win(1));
  EXPECT_EQ(Run("58(\"two\")"), std::nullopt);  // page names without regard to case
  EXPECT_EQ(desktop.forms.ActiveWindow(), &Win(2));
  EXPECT_TRUE(desktop.log.Contains("foreground VX_APPLICATION_FORM2"));
  EXPECT_EQ(desktop.forms.VisibleWindows().front(), &Win(2));
  desktop.log.Clear();
  EXPECT_EQ(Run("58(\"\")"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("foreground VX_APPLICATION_FORM2"));
  // A hidden page does not come forward.
  Win(1).Hide();
  EXPECT_EQ(Run("58(\"One\")"), std::nullopt);
  EXPECT_FALSE(Win(1).IsVisible());
  EXPECT_EQ(desktop.forms.ActiveWindow(), &Win(2));
}

TEST_F(PageCommandsTest, AScriptThreadHasThePageChangedByTheMainThread) {
  Start();
  app->project.threadPriorities = {0, 5};
  app->project.functions.push_back(TFunc{"worker", "", 1, {"59(\"From a thread\")", "#w=1"}});
  EXPECT_EQ(Run("108()"), std::nullopt);
  ASSERT_TRUE(desktop.loop.WaitForPosted(10000));
  EXPECT_EQ(Win(1).Caption(), "One");  // the worker waits for the main thread
  EXPECT_EQ(desktop.loop.RunPosted(), 1);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (app->values.GetNumVar("w") != 1 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_EQ(app->values.GetNumVar("w"), 1);
  EXPECT_EQ(Win(1).Caption(), "From a thread");
}

}  // namespace
}  // namespace vx
