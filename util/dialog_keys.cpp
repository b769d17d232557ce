#include "util/dialog_keys.h"

#include <algorithm>
#include <numeric>

#include "platform/input.h"

namespace vx {

namespace {

using Kind = DialogKeyAction::Kind;

DialogKeyAction NextTabStop(const std::vector<DialogControl>& controls, int focused, bool backwards) {
  const std::vector<int> order = TabSequence(controls);
  const int n = static_cast<int>(order.size());
  const auto at = std::find(order.begin(), order.end(), focused);
  // Without a focused control the walk starts just outside the list, so
  // Tab finds the first stop and Shift+Tab the last.
  const int start = at != order.end() ? static_cast<int>(at - order.begin()) : (backwards ? n : -1);
  for (int step = 1; step <= n; ++step) {
    const int position = ((backwards ? start - step : start + step) % n + n) % n;
    const int index = order[position];
    if (controls[index].canFocus && controls[index].tabStop) return {Kind::Focus, index};
  }
  return {};
}

DialogKeyAction EnterClick(const std::vector<DialogControl>& controls, int focused) {
  if (focused >= 0 && focused < static_cast<int>(controls.size())) {
    const DialogControl& c = controls[static_cast<std::size_t>(focused)];
    if (c.button && c.canFocus) return {Kind::Click, focused};
  }
  for (std::size_t i = 0; i < controls.size(); ++i)
    if (controls[i].button && controls[i].isDefault && controls[i].canFocus)
      return {Kind::Click, static_cast<int>(i)};
  return {};
}

}  // namespace

std::vector<int> TabSequence(const std::vector<DialogControl>& controls) {
  std::vector<int> order(controls.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return controls[a].tabOrder < controls[b].tabOrder; });
  return order;
}

std::vector<int> TabOrdersAfterMove(const std::vector<DialogControl>& controls, int moved, int place) {
  std::vector<int> orders(controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) orders[i] = controls[i].tabOrder;
  if (moved < 0 || moved >= static_cast<int>(controls.size())) return orders;
  std::vector<int> sequence = TabSequence(controls);
  sequence.erase(std::find(sequence.begin(), sequence.end(), moved));
  place = std::clamp(place, 0, static_cast<int>(sequence.size()));
  sequence.insert(sequence.begin() + place, moved);
  for (std::size_t i = 0; i < sequence.size(); ++i) orders[static_cast<std::size_t>(sequence[i])] = static_cast<int>(i);
  return orders;
}

DialogKeyAction DialogKey(const std::vector<DialogControl>& controls, int focused, int virtualKey,
                          KeyModifiers held) {
  if (virtualKey == platform::vk::Tab && !held.ctrl && !held.alt) return NextTabStop(controls, focused, held.shift);
  if (virtualKey == platform::vk::Return && !held.shift && !held.ctrl && !held.alt)
    return EnterClick(controls, focused);
  return {};
}

}  // namespace vx
