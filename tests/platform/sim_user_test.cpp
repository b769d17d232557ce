#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace vx::sim
