#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"

namespace vx::sim {
namespace {

namespace vk = platform::vk;

// Everything a window and its controls hear, in one list.
struct Heard : platform::WindowListener {
  std::vector<std::string> events;
  bool OnKeyDown(int key) override {
    events.push_back("key " + std::to_string(key));
    return false;
  }
};

struct ControlEar : platform::ControlListener {
  ControlEar(Heard& heard, std::string name) : heard_(heard), name_(std::move(name)) {}
  void OnClick() override { heard_.events.push_back("click " + name_); }
  void OnEnter() override { heard_.events.push_back("enter " + name_); }
  void OnExit() override { heard_.events.push_back("exit " + name_); }
  void OnMouseDown(platform::MouseButton, platform::Point) override { heard_.events.push_back("down " + name_); }

 private:
  Heard& heard_;
  std::string name_;
};

// A page with, in the order made: button "Later" (tab order 2), edit "Name"
// (0), button "Ok" (1, the default).
class SimDialogKeysTest : public ::testing::Test {
 protected:
  SimDialogKeysTest() {
    platform::WindowOptions options;
    options.listener = &heard;
    window = desktop.forms.OpenWindow(options);
    window->SetBounds({0, 0, 300, 200});
    later = Add(window->AddButton(&laterEar), 2, {10, 100, 80, 25});
    name = Add(window->AddEditBox(&nameEar), 0, {10, 10, 120, 22});
    ok = Add(window->AddButton(&okEar), 1, {100, 100, 80, 25});
    ok->SetDefault(true);
    window->Show();
    desktop.forms.Activate(&Sim());
  }
  template <typename T>
  std::unique_ptr<T> Add(std::unique_ptr<T> control, int tabOrder, platform::Rect bounds) {
    control->SetTabOrder(tabOrder);
    control->SetBounds(bounds);
    control->SetVisible(true);
    return control;
  }
  SimWindow& Sim() { return dynamic_cast<SimWindow&>(*window); }
  std::vector<std::string> Take() { return std::exchange(heard.events, {}); }

  SimDesktop desktop;
  Heard heard;
  ControlEar laterEar{heard, "Later"}, nameEar{heard, "Name"}, okEar{heard, "Ok"};
  std::unique_ptr<platform::Window> window;
  std::unique_ptr<platform::Button> later;
  std::unique_ptr<platform::EditBox> name;
  std::unique_ptr<platform::Button> ok;
};

TEST_F(SimDialogKeysTest, TabAndShiftTabWalkTheTabOrderAfterThePageHeardTheKey) {
  name->Focus();
  Take();
  desktop.user.Key(vk::Tab);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 9", "exit Name", "enter Ok"}));
  EXPECT_TRUE(ok->HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(later->HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(name->HasFocus());
  desktop.user.KeyDown(vk::Shift);
  desktop.user.Key(vk::Tab);
  desktop.user.KeyUp(vk::Shift);
  EXPECT_TRUE(later->HasFocus());
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 9", "exit Ok", "enter Later", "key 9", "exit Later",
                                              "enter Name", "key 16", "key 9", "exit Name", "enter Later"}));
}

TEST_F(SimDialogKeysTest, TabFromThePageItselfTakesTheFirstStopAndSkipsWhatCannotTakeTheFocus) {
  ok->SetEnabled(false);
  later->SetTabStop(false);
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(name->HasFocus());
  desktop.user.Key(vk::Tab);
  EXPECT_TRUE(name->HasFocus());  // the only stop left keeps it
  name->SetVisible(false);
  Sim().ClearFocus();
  Take();
  desktop.user.Key(vk::Tab);
  EXPECT_EQ(Sim().FocusedControl(), nullptr);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 9"}));
}

TEST_F(SimDialogKeysTest, EnterInTheEditClicksTheDefaultButtonWithoutMovingTheFocus) {
  dynamic_cast<SimEditBox&>(*name).TypeText("Rostam");
  Take();
  desktop.user.Key(vk::Return);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 13", "click Ok"}));
  EXPECT_TRUE(name->HasFocus());
  EXPECT_EQ(name->Text(), "Rostam");
}

TEST_F(SimDialogKeysTest, EnterOnAnotherButtonClicksThatOneAndSpaceClicksTheFocusedButton) {
  later->Focus();
  Take();
  desktop.user.Key(vk::Return);
  desktop.user.Key(vk::Space);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 13", "click Later", "key 32", "click Later"}));
  name->Focus();
  Take();
  desktop.user.Key(vk::Space);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 32"}));
}

TEST_F(SimDialogKeysTest, EnterDoesNothingMoreWithoutAUsableDefaultOrWithModifiers) {
  name->Focus();
  ok->SetVisible(false);
  Take();
  desktop.user.Key(vk::Return);
  ok->SetVisible(true);
  desktop.user.KeyDown(vk::Control);
  desktop.user.Key(vk::Return);
  desktop.user.KeyUp(vk::Control);
  ok->SetDefault(false);
  desktop.user.Key(vk::Return);
  EXPECT_EQ(Take(), (std::vector<std::string>{"key 13", "key 17", "key 13", "key 13"}));
}

TEST_F(SimDialogKeysTest, ADisabledWindowHearsNoKeysAndMovesNoFocus) {
  name->Focus();
  window->SetEnabled(false);
  Take();
  desktop.user.Key(vk::Tab);
  desktop.user.Key(vk::Return);
  EXPECT_TRUE(Take().empty());
  EXPECT_TRUE(name->HasFocus());
}

// What the page does with the key comes first: here its handler hides the
// default button, so Enter has nothing left to click.
struct HidesOnEnter : Heard {
  platform::Button* button = nullptr;
  bool OnKeyDown(int key) override {
    Heard::OnKeyDown(key);
    if (key == vk::Return && button != nullptr) button->SetVisible(false);
    return false;
  }
};

TEST(SimDialogKeysOrderTest, TheDialogKeyIsDecidedAfterThePageHandledTheKey) {
  SimDesktop desktop;
  HidesOnEnter heard;
  ControlEar ear{heard, "Ok"};
  platform::WindowOptions options;
  options.listener = &heard;
  auto window = desktop.forms.OpenWindow(options);
  auto ok = window->AddButton(&ear);
  ok->SetBounds({0, 0, 50, 20});
  ok->SetVisible(true);
  ok->SetDefault(true);
  heard.button = ok.get();
  window->Show();
  desktop.user.Key(vk::Return);
  EXPECT_EQ(heard.events, (std::vector<std::string>{"key 13"}));
}

}  // namespace
}  // namespace vx::sim
