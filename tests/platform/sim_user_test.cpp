#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"

namespace vx::sim {
namespace {

struct Recorder : platform::WindowListener {
  std::vector<std::string> events;
  void OnMouseDown(platform::MouseButton b, platform::Point at) override { Add("down", b, at); }
  void OnMouseUp(platform::MouseButton b, platform::Point at) override { Add("up", b, at); }
  void OnMouseMove(platform::Point at) override { events.push_back("move " + Where(at)); }
  void OnMouseWheel(bool up) override { events.push_back(up ? "wheel up" : "wheel down"); }
  bool OnKeyDown(int key) override {
    events.push_back("key " + std::to_string(key));
    return false;
  }
  static std::string Where(platform::Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  void Add(const char* what, platform::MouseButton b, platform::Point at) {
    events.push_back(std::string(what) + (b == platform::MouseButton::Right ? " right " : " left ") + Where(at));
  }
};

// What a native control tells, in order.
struct ControlRecorder : platform::ControlListener {
  std::vector<std::string> events;
  std::function<void()> onClick;
  void OnClick() override {
    events.push_back("click");
    if (onClick) onClick();
  }
  void OnEnter() override { events.push_back("enter"); }
  void OnMouseDown(platform::MouseButton b, platform::Point at) override { Add("down", b, at); }
  void OnMouseUp(platform::MouseButton b, platform::Point at) override { Add("up", b, at); }
  void Add(const char* what, platform::MouseButton b, platform::Point at) {
    const char* name = b == platform::MouseButton::Right ? " right " : b == platform::MouseButton::Middle ? " middle " : " left ";
    events.push_back(std::string(what) + name + Recorder::Where(at));
  }
};

class SimUserTest : public ::testing::Test {
 protected:
  std::unique_ptr<platform::Window> Open(Recorder& r, platform::Rect bounds) {
    platform::WindowOptions options;
    options.listener = &r;
    auto w = desktop.forms.OpenWindow(options);
    w->SetFrameStyle(platform::FrameStyle::None);
    w->SetBounds(bounds);
    w->Show();
    return w;
  }
  SimDesktop desktop;
};

TEST_F(SimUserTest, ThePressedWindowKeepsTheMouseUntilTheRelease) {
  Recorder a, b;
  auto wa = Open(a, {0, 0, 100, 100});
  auto wb = Open(b, {200, 0, 100, 100});
  desktop.user.MoveTo({10, 20});
  desktop.user.Press(platform::MouseButton::Right);
  EXPECT_TRUE(desktop.input.IsKeyDown(platform::vk::RButton));
  desktop.user.MoveTo({250, 30});
  desktop.user.Release(platform::MouseButton::Right);
  EXPECT_EQ(a.events, (std::vector<std::string>{"move 10,20", "down right 10,20", "move 250,30", "up right 250,30"}));
  EXPECT_TRUE(b.events.empty());
  EXPECT_EQ(desktop.forms.ActiveWindow(), wa.get());
  desktop.user.MoveTo({250, 30});
  EXPECT_EQ(b.events, (std::vector<std::string>{"move 50,30"}));
}

TEST_F(SimUserTest, WheelAndKeysGoToTheActiveWindowUnlessDisabled) {
  Recorder a;
  auto wa = Open(a, {0, 0, 100, 100});
  desktop.user.Wheel(true);
  desktop.user.Key(0x0D);
  wa->SetEnabled(false);
  desktop.user.Wheel(false);
  desktop.user.Click({5, 5});
  EXPECT_EQ(a.events, (std::vector<std::string>{"wheel up", "key 13"}));
}

TEST_F(SimUserTest, ModalShowWithoutALoopClosesAtOnce) {
  Recorder a;
  auto wa = Open(a, {0, 0, 100, 100});
  wa->Hide();
  wa->ShowModal();
  EXPECT_FALSE(wa->IsVisible());
  EXPECT_TRUE(desktop.log.Contains("modal end " + wa->Name()));
}

class SimUserControlTest : public SimUserTest {
 protected:
  void SetUp() override {
    window = Open(page, {0, 0, 300, 200});
    button = window->AddButton(&heard);
    button->SetBounds({100, 60, 100, 30});
    button->SetVisible(true);
  }
  Recorder page;
  ControlRecorder heard;
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::Button> button;
};

TEST_F(SimUserControlTest, APressTellsThePointPressedAndTheReleaseComesWithIt) {
  // The window is frameless at (0, 0): screen and client points agree.
  desktop.user.MoveTo({110, 70});
  desktop.user.Press(platform::MouseButton::Left);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10"}));
  EXPECT_TRUE(button->HasFocus());
  desktop.user.MoveTo({150, 80});
  desktop.user.Release(platform::MouseButton::Left);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10", "click", "up left 50,20"}));
  EXPECT_EQ(page.events, (std::vector<std::string>{"move 110,70", "move 150,80"}));
}

TEST_F(SimUserControlTest, EveryButtonReachesTheControlOnlyTheLeftClicksAndFocuses) {
  desktop.user.Click({199, 89}, platform::MouseButton::Right);
  desktop.user.Click({100, 60}, platform::MouseButton::Middle);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"down right 99,29", "up right 99,29", "down middle 0,0",
                                                    "up middle 0,0"}));
  EXPECT_FALSE(button->HasFocus());
}

TEST_F(SimUserControlTest, AReleaseOutsideTheControlIsAnUpWithoutAClick) {
  desktop.user.MoveTo({110, 70});
  desktop.user.Press(platform::MouseButton::Left);
  desktop.user.MoveTo({20, 30});
  desktop.user.Release(platform::MouseButton::Left);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10", "up left -80,-30"}));
  // The control held the mouse: the page heard neither.
  EXPECT_EQ(page.events, (std::vector<std::string>{"move 110,70", "move 20,30"}));
}

TEST_F(SimUserControlTest, TheNextPressAfterTheReleaseGoesWhereTheCursorIs) {
  desktop.user.Click({110, 70});
  desktop.user.Click({20, 30});
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10", "click", "up left 10,10"}));
  EXPECT_EQ(page.events, (std::vector<std::string>{"move 110,70", "move 20,30", "down left 20,30", "up left 20,30"}));
}

TEST_F(SimUserControlTest, AControlGoneBeforeTheReleaseHearsNothingMore) {
  desktop.user.MoveTo({110, 70});
  desktop.user.Press(platform::MouseButton::Left);
  button.reset();
  desktop.user.Release(platform::MouseButton::Left);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10"}));
  EXPECT_EQ(page.events, (std::vector<std::string>{"move 110,70"}));
}

TEST_F(SimUserControlTest, AClickThatTakesTheControlAwayGetsNoUp) {
  heard.onClick = [this] { button.reset(); };
  desktop.user.Click({110, 70});
  EXPECT_EQ(heard.events, (std::vector<std::string>{"enter", "down left 10,10", "click"}));
}

TEST_F(SimUserControlTest, ADisabledControlTakesThePressButTellsNothing) {
  button->SetEnabled(false);
  desktop.user.Click({110, 70});
  EXPECT_TRUE(heard.events.empty());
  EXPECT_EQ(page.events, (std::vector<std::string>{"move 110,70"}));
}

TEST_F(SimUserControlTest, AKeyDownSaysWhetherItWasUsed) {
  // The recorder's window uses no key; Space clicks the focused button.
  EXPECT_FALSE(desktop.user.KeyDown(platform::vk::Space));
  button->Focus();
  EXPECT_TRUE(desktop.user.KeyDown(platform::vk::Space));
  EXPECT_EQ(heard.events.back(), "click");
}

}  // namespace
}  // namespace vx::sim
