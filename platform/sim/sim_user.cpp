#include "platform/sim/sim_user.h"

#include "platform/input.h"

namespace vx::sim {

using platform::MouseButton;
using platform::Point;

int VirtualKeyOf(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return platform::vk::LButton;
    case MouseButton::Right: return platform::vk::RButton;
    case MouseButton::Middle: return platform::vk::MButton;
  }
  return platform::vk::LButton;
}

SimWindow* SimUser::WindowAt(Point screen) {
  for (SimWindow* w : forms_.VisibleWindows()) {
    const platform::Rect b = w->Bounds();
    if (screen.x >= b.left && screen.x < b.left + b.width && screen.y >= b.top && screen.y < b.top + b.height)
      return w;
  }
  return nullptr;
}

Point SimUser::ClientPoint(const SimWindow& window) const {
  const Point origin = window.ClientOrigin();
  const Point cursor = input_.CursorPos();
  return {cursor.x - origin.x, cursor.y - origin.y};
}

Point SimUser::ControlPoint(const SimControl& control) const {
  const Point client = ClientPoint(control.Owner());
  return {client.x - control.Area().left, client.y - control.Area().top};
}

void SimUser::MoveTo(Point screen) {
  input_.SetCursorPos(screen);
  SimWindow* target = captured_ != nullptr && forms_.IsLive(captured_) ? captured_ : WindowAt(screen);
  if (target == nullptr || !target->IsEnabled()) return;
  const Point at = ClientPoint(*target);
  target->Deliver([at](platform::WindowListener& l) { l.OnMouseMove(at); });
}

void SimUser::Press(MouseButton button) {
  input_.SetKeyDown(VirtualKeyOf(button), true);
  // A control that holds the mouse hears every button until the release.
  if (pressedControl_ != nullptr && forms_.HoldsControl(pressedControl_)) {
    pressedControl_->PressAt(button, ControlPoint(*pressedControl_));
    return;
  }
  pressedControl_ = nullptr;
  SimWindow* target = WindowAt(input_.CursorPos());
  if (target == nullptr || !target->IsEnabled()) return;
  forms_.Activate(target);
  const Point at = ClientPoint(*target);
  // A native control under the cursor takes the press itself; the page
  // never hears of it.
  for (auto it = target->Controls().rbegin(); it != target->Controls().rend(); ++it) {
    const platform::Rect a = (*it)->Area();
    if ((*it)->Shown() && at.x >= a.left && at.x < a.left + a.width && at.y >= a.top && at.y < a.top + a.height) {
      pressedControl_ = *it;
      captured_ = nullptr;
      pressedControl_->PressAt(button, {at.x - a.left, at.y - a.top});
      return;
    }
  }
  captured_ = target;
  target->Deliver([button, at](platform::WindowListener& l) { l.OnMouseDown(button, at); });
}

void SimUser::Release(MouseButton button) {
  input_.SetKeyDown(VirtualKeyOf(button), false);
  SimWindow* target = captured_;
  captured_ = nullptr;
  if (SimControl* control = pressedControl_) {
    pressedControl_ = nullptr;
    // Its press script may have taken it away.
    if (forms_.HoldsControl(control)) control->ReleaseAt(button, ControlPoint(*control));
    return;
  }
  if (target == nullptr || !forms_.IsLive(target) || !target->IsEnabled()) return;
  const Point at = ClientPoint(*target);
  target->Deliver([button, at](platform::WindowListener& l) { l.OnMouseUp(button, at); });
}

void SimUser::Click(Point screen, MouseButton button) {
  MoveTo(screen);
  Press(button);
  Release(button);
}

void SimUser::Wheel(bool up) {
  auto* target = dynamic_cast<SimWindow*>(forms_.ActiveWindow());
  if (target == nullptr || !target->IsEnabled()) return;
  target->Deliver([up](platform::WindowListener& l) { l.OnMouseWheel(up); });
}

bool SimUser::KeyDown(int virtualKey) {
  input_.SetKeyDown(virtualKey, true);
  auto* target = dynamic_cast<SimWindow*>(forms_.ActiveWindow());
  if (target == nullptr || !target->IsEnabled()) return false;
  bool used = false;
  target->Deliver([virtualKey, &used](platform::WindowListener& l) { used = l.OnKeyDown(virtualKey); });
  // What the page did with the key may have closed or disabled it.
  if (used || !forms_.IsLive(target) || !target->IsVisible() || !target->IsEnabled()) return used;
  const KeyModifiers held{input_.IsKeyDown(platform::vk::Shift), input_.IsKeyDown(platform::vk::Control),
                          input_.IsKeyDown(platform::vk::Menu)};
  return PressDialogKey(*target, virtualKey, held);
}

void SimUser::KeyUp(int virtualKey) { input_.SetKeyDown(virtualKey, false); }

void SimUser::Key(int virtualKey) {
  KeyDown(virtualKey);
  KeyUp(virtualKey);
}

bool SimUser::Type(const std::string& bytes) {
  auto* window = dynamic_cast<SimWindow*>(forms_.ActiveWindow());
  if (window == nullptr || !window->IsEnabled()) return false;
  auto* edit = dynamic_cast<SimEditBox*>(window->FocusedControl());
  if (edit == nullptr) return false;
  edit->TypeText(bytes);
  return true;
}

}  // namespace vx::sim
