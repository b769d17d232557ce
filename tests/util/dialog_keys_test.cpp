#include "util/dialog_keys.h"

#include <gtest/gtest.h>

#include "platform/input.h"

namespace vx {
namespace {

using Kind = DialogKeyAction::Kind;
namespace vk = platform::vk;

DialogControl Edit(int tabOrder, bool canFocus = true, bool tabStop = true) {
  return {tabOrder, canFocus, tabStop, false, false};
}
DialogControl Button(int tabOrder, bool isDefault = false, bool canFocus = true) {
  return {tabOrder, canFocus, true, true, isDefault};
}

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kShift{true, false, false};

DialogKeyAction Focus(int i) { return {Kind::Focus, i}; }
DialogKeyAction Click(int i) { return {Kind::Click, i}; }

TEST(DialogKeysTest, TabFollowsTheTabOrderNotTheMadeOrderAndGoesRound) {
  // Made: button (order 2), edit (0), button (1).
  const std::vector<DialogControl> c = {Button(2), Edit(0), Button(1)};
  EXPECT_EQ(DialogKey(c, 1, vk::Tab, kNone), Focus(2));
  EXPECT_EQ(DialogKey(c, 2, vk::Tab, kNone), Focus(0));
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, kNone), Focus(1));
  EXPECT_EQ(DialogKey(c, 1, vk::Tab, kShift), Focus(0));
  EXPECT_EQ(DialogKey(c, 2, vk::Tab, kShift), Focus(1));
}

TEST(DialogKeysTest, WithoutAFocusTabTakesTheFirstStopAndShiftTabTheLast) {
  const std::vector<DialogControl> c = {Edit(1), Edit(0), Edit(2)};
  EXPECT_EQ(DialogKey(c, -1, vk::Tab, kNone), Focus(1));
  EXPECT_EQ(DialogKey(c, -1, vk::Tab, kShift), Focus(2));
}

TEST(DialogKeysTest, EqualTabOrdersGoInMadeOrder) {
  const std::vector<DialogControl> c = {Edit(0), Edit(0), Edit(0)};
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, kNone), Focus(1));
  EXPECT_EQ(DialogKey(c, 2, vk::Tab, kNone), Focus(0));
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, kShift), Focus(2));
}

TEST(DialogKeysTest, TabSkipsHiddenDisabledAndNonStopControls) {
  const std::vector<DialogControl> c = {Edit(0), Edit(1, false), Edit(2, true, false), Button(3, false, false),
                                        Button(4)};
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, kNone), Focus(4));
  EXPECT_EQ(DialogKey(c, 4, vk::Tab, kNone), Focus(0));
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, kShift), Focus(4));
}

TEST(DialogKeysTest, TheOnlyStopKeepsTheFocusAndNoStopLeavesTheKey) {
  EXPECT_EQ(DialogKey({Edit(0), Edit(1, false)}, 0, vk::Tab, kNone), Focus(0));
  EXPECT_EQ(DialogKey({Edit(0, false)}, -1, vk::Tab, kNone), DialogKeyAction{});
  EXPECT_EQ(DialogKey({}, -1, vk::Tab, kNone), DialogKeyAction{});
}

TEST(DialogKeysTest, TabWithCtrlOrAltIsNotNavigation) {
  const std::vector<DialogControl> c = {Edit(0), Edit(1)};
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, {false, true, false}), DialogKeyAction{});
  EXPECT_EQ(DialogKey(c, 0, vk::Tab, {false, false, true}), DialogKeyAction{});
}

TEST(DialogKeysTest, EnterClicksTheFocusedButtonElseTheFirstDefaultThatCanTakeTheFocus) {
  const std::vector<DialogControl> c = {Edit(0), Button(1), Button(2, true, false), Button(3, true), Button(4, true)};
  EXPECT_EQ(DialogKey(c, 0, vk::Return, kNone), Click(3));
  EXPECT_EQ(DialogKey(c, -1, vk::Return, kNone), Click(3));
  EXPECT_EQ(DialogKey(c, 1, vk::Return, kNone), Click(1));
  EXPECT_EQ(DialogKey(c, 4, vk::Return, kNone), Click(4));
}

TEST(DialogKeysTest, EnterWithoutADefaultOrWithModifiersIsLeftAlone) {
  EXPECT_EQ(DialogKey({Edit(0), Button(1)}, 0, vk::Return, kNone), DialogKeyAction{});
  const std::vector<DialogControl> c = {Edit(0), Button(1, true)};
  EXPECT_EQ(DialogKey(c, 0, vk::Return, kShift), DialogKeyAction{});
  EXPECT_EQ(DialogKey(c, 0, vk::Return, {false, true, false}), DialogKeyAction{});
  EXPECT_EQ(DialogKey(c, 0, vk::Return, {false, false, true}), DialogKeyAction{});
}

TEST(DialogKeysTest, OtherKeysAreNeverDialogKeys) {
  const std::vector<DialogControl> c = {Edit(0), Button(1, true)};
  for (int key : {vk::Space, vk::Escape, int{'A'}, 0x25 /* left */})
    EXPECT_EQ(DialogKey(c, 0, key, kNone), DialogKeyAction{}) << key;
}

using Orders = std::vector<int>;

TEST(DialogKeysTest, AMovedControlTakesItsPlaceAndTheRestMoveBack) {
  // e1, e2, e3 with 0, 1, 2: e3 to place 1 comes before e2.
  const std::vector<DialogControl> c = {Edit(0), Edit(1), Edit(2)};
  EXPECT_EQ(TabOrdersAfterMove(c, 2, 1), (Orders{0, 2, 1}));
  EXPECT_EQ(TabOrdersAfterMove(c, 0, 2), (Orders{2, 0, 1}));
  EXPECT_EQ(TabOrdersAfterMove(c, 1, 1), (Orders{0, 1, 2}));
  // Tab from e1 then goes to e3.
  std::vector<DialogControl> moved = c;
  const Orders orders = TabOrdersAfterMove(c, 2, 1);
  for (std::size_t i = 0; i < moved.size(); ++i) moved[i].tabOrder = orders[i];
  EXPECT_EQ(DialogKey(moved, 0, vk::Tab, kNone), Focus(2));
  EXPECT_EQ(DialogKey(moved, 2, vk::Tab, kNone), Focus(1));
}

TEST(DialogKeysTest, AMoveNumbersEveryControlByItsPlace) {
  // Equal numbers go in made order before the move and are all distinct after it.
  EXPECT_EQ(TabOrdersAfterMove({Edit(0), Edit(0), Edit(0)}, 2, 0), (Orders{1, 2, 0}));
  // Gaps close up; the made order of the list is not the tab sequence.
  EXPECT_EQ(TabOrdersAfterMove({Edit(10), Edit(0), Edit(5)}, 0, 1), (Orders{1, 0, 2}));
}

TEST(DialogKeysTest, AMovePastEitherEndTakesTheLastOrTheFirstPlace) {
  const std::vector<DialogControl> c = {Edit(0), Edit(1), Edit(2)};
  EXPECT_EQ(TabOrdersAfterMove(c, 0, 3), (Orders{2, 0, 1}));
  EXPECT_EQ(TabOrdersAfterMove(c, 0, 1000), (Orders{2, 0, 1}));
  EXPECT_EQ(TabOrdersAfterMove(c, 2, -5), (Orders{1, 2, 0}));
  EXPECT_EQ(TabOrdersAfterMove({Edit(7)}, 0, 4), (Orders{0}));
  // A control that is not in the list changes nothing.
  EXPECT_EQ(TabOrdersAfterMove(c, 3, 0), (Orders{0, 1, 2}));
  EXPECT_EQ(TabOrdersAfterMove(c, -1, 0), (Orders{0, 1, 2}));
}

}  // namespace
}  // namespace vx
