#include "platform/sim/sim_controls.h"

#include <algorithm>

#include "platform/input.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_forms.h"

namespace vx::sim {

namespace {

using platform::Color;
using platform::Rect;

constexpr Color kHighlight = 0xFFFFFF;
constexpr Color kShadow = platform::MakeColor(128, 128, 128);
constexpr Color kDarkShadow = platform::MakeColor(64, 64, 64);
constexpr Color kDisabledText = platform::MakeColor(128, 128, 128);

// A one-pixel frame: light on the top and left edge, dark on the others.
void Frame(SimCanvas& c, Rect r, Color topLeft, Color bottomRight) {
  if (r.width <= 0 || r.height <= 0) return;
  c.FillRect({r.left, r.top, r.width, 1}, topLeft);
  c.FillRect({r.left, r.top, 1, r.height}, topLeft);
  c.FillRect({r.left, r.Bottom() - 1, r.width, 1}, bottomRight);
  c.FillRect({r.Right() - 1, r.top, 1, r.height}, bottomRight);
}

Rect Inset(Rect r, int by) { return {r.left + by, r.top + by, r.width - 2 * by, r.height - 2 * by}; }

// One cut of a bevel as the system's edge drawing colours it; a space cut
// keeps the control's colour.
void BevelFrame(SimCanvas& c, Rect r, platform::BevelCut cut, bool outer, bool flat, Color face) {
  using platform::BevelCut;
  if (cut == BevelCut::None) return;
  if (cut == BevelCut::Space) return Frame(c, r, face, face);
  if (flat) return outer ? Frame(c, r, kShadow, kShadow) : Frame(c, r, platform::kButtonFaceColor, platform::kButtonFaceColor);
  const bool raised = cut == BevelCut::Raised;
  if (outer) {
    if (raised) Frame(c, r, platform::kButtonFaceColor, kDarkShadow);
    else Frame(c, r, kShadow, kHighlight);
  } else {
    if (raised) Frame(c, r, kHighlight, kShadow);
    else Frame(c, r, kDarkShadow, platform::kButtonFaceColor);
  }
}

// Every other pixel, as the system draws the focus rectangle.
void DottedFrame(SimCanvas& c, Rect r, Color color) {
  if (r.width <= 0 || r.height <= 0) return;
  for (int x = r.left; x < r.Right(); x += 2) {
    c.FillRect({x, r.top, 1, 1}, color);
    c.FillRect({x, r.Bottom() - 1, 1, 1}, color);
  }
  for (int y = r.top; y < r.Bottom(); y += 2) {
    c.FillRect({r.left, y, 1, 1}, color);
    c.FillRect({r.Right() - 1, y, 1, 1}, color);
  }
}

char CaseOf(char c, platform::CharCase charCase) {
  if (charCase == platform::CharCase::Upper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (charCase == platform::CharCase::Lower && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

// Made order, whatever the z-order is now.
std::vector<SimControl*> InMadeOrder(const SimWindow& window) {
  std::vector<SimControl*> controls = window.Controls();
  std::sort(controls.begin(), controls.end(),
            [](const SimControl* a, const SimControl* b) { return a->Sequence() < b->Sequence(); });
  return controls;
}

}  // namespace

SimControl::SimControl(SimWindow& window, platform::ControlListener* listener)
    : window_(&window), listener_(listener) {
  window_->AddControl(this);
}

SimControl::~SimControl() { window_->RemoveControl(this); }

bool SimControl::Focused() const { return window_->FocusedControl() == this; }

void SimControl::Tell(void (platform::ControlListener::*event)()) {
  if (listener_ != nullptr) window_->DispatchToListener([this, event] { (listener_->*event)(); });
}

void SimControl::Changed() const { window_->ControlChanged(); }

void SimControl::Lower() { window_->LowerControl(this); }

void SimControl::Raise() { window_->RaiseControl(this); }

void SimControl::MoveTo(platform::Window& window) {
  auto* to = dynamic_cast<SimWindow*>(&window);
  if (to == nullptr || to == window_) return;
  window_->RemoveControl(this);
  window_ = to;
  window_->AddControl(this);
  Changed();
}

void SimControl::PressAt(platform::MouseButton button, platform::Point at) {
  if (!visible_ || !enabled_) return;
  if (button == platform::MouseButton::Left) {
    leftPressed_ = true;
    window_->FocusControl(this, true);
  }
  if (listener_ != nullptr)
    window_->DispatchToListener([this, button, at] { listener_->OnMouseDown(button, at); });
}

void SimControl::ReleaseAt(platform::MouseButton button, platform::Point at) {
  const bool wasPressed = leftPressed_ && button == platform::MouseButton::Left;
  if (button == platform::MouseButton::Left) leftPressed_ = false;
  if (!visible_ || !enabled_ || listener_ == nullptr) return;
  const bool inside = at.x >= 0 && at.y >= 0 && at.x < bounds_.width && at.y < bounds_.height;
  if (wasPressed && inside) {
    // The click's script may take the control away; the up then has no one
    // to tell.
    SimForms& forms = window_->owner_;
    window_->DispatchToListener([this] { listener_->OnClick(); });
    if (!forms.HoldsControl(this) || listener_ == nullptr) return;
  }
  window_->DispatchToListener([this, button, at] { listener_->OnMouseUp(button, at); });
}

void SimControl::Click() {
  const platform::Point at{bounds_.width / 2, bounds_.height / 2};
  PressAt(platform::MouseButton::Left, at);
  ReleaseAt(platform::MouseButton::Left, at);
}

void SimControl::MoveInTabSequence(int place) {
  const std::vector<SimControl*> controls = InMadeOrder(*window_);
  std::vector<DialogControl> states;
  int moved = -1;
  for (SimControl* c : controls) {
    if (c == this) moved = static_cast<int>(states.size());
    states.push_back(c->DialogState());
  }
  const std::vector<int> orders = TabOrdersAfterMove(states, moved, place);
  for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->tabOrder_ = orders[i];
}

DialogControl SimControl::DialogState() const {
  DialogControl d;
  d.tabOrder = tabOrder_;
  d.canFocus = visible_ && enabled_;
  d.tabStop = tabStop_;
  return d;
}

bool PressDialogKey(SimWindow& window, int virtualKey, KeyModifiers held) {
  const std::vector<SimControl*> controls = InMadeOrder(window);
  std::vector<DialogControl> states;
  int focused = -1;
  for (SimControl* c : controls) {
    if (c == window.FocusedControl()) focused = static_cast<int>(states.size());
    states.push_back(c->DialogState());
  }
  const DialogKeyAction action = DialogKey(states, focused, virtualKey, held);
  if (action.kind == DialogKeyAction::Kind::None) {
    // The system's push button takes Space as a click of its own.
    auto* button = focused >= 0 ? dynamic_cast<SimButton*>(controls[static_cast<std::size_t>(focused)]) : nullptr;
    if (virtualKey != platform::vk::Space || button == nullptr) return false;
    button->PressByKey();
    return true;
  }
  SimControl* target = controls[static_cast<std::size_t>(action.control)];
  if (action.kind == DialogKeyAction::Kind::Focus) window.FocusControl(target);
  else if (auto* button = dynamic_cast<SimButton*>(target)) button->PressByKey();
  return true;
}

// ---- edit box

void SimEditBox::SetBounds(Rect bounds) { bounds_ = bounds; Changed(); }
void SimEditBox::SetVisible(bool visible) { visible_ = visible; Changed(); }
void SimEditBox::SetEnabled(bool enabled) { enabled_ = enabled; Changed(); }
void SimEditBox::SetLook(const platform::ControlLook& look) { look_ = look; Changed(); }
void SimEditBox::BringToFront() { window_->RaiseControl(this); }
void SimEditBox::Focus() { window_->FocusControl(this); }

void SimEditBox::SetText(const std::string& text) {
  std::string cased = text;
  for (char& c : cased) c = CaseOf(c, case_);
  if (cased == text_) return;
  text_ = cased;
  selStart_ = 0;
  selLength_ = 0;
  Changed();
  Tell(&platform::ControlListener::OnChange);
}

void SimEditBox::SetSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
}

void SimEditBox::SetPasswordChar(char c) { password_ = c; Changed(); }

void SimEditBox::SetCharCase(platform::CharCase charCase) {
  case_ = charCase;
  std::string cased = text_;
  for (char& c : cased) c = CaseOf(c, case_);
  SetText(cased);
}

void SimEditBox::SetBorder(platform::EditBorderStyle border, bool ctl3D) {
  border_ = border;
  ctl3D_ = ctl3D;
  Changed();
}

void SimEditBox::SetBevel(platform::BevelCut inner, platform::BevelCut outer, platform::BevelKind kind) {
  bevelInner_ = inner;
  bevelOuter_ = outer;
  bevelKind_ = kind;
  Changed();
}

void SimEditBox::FocusedByKey() {
  if (autoSelect_) SetSelection(0, static_cast<int>(text_.size()));
}

void SimEditBox::TypeText(const std::string& bytes) {
  if (!visible_ || !enabled_) return;
  window_->FocusControl(this, true);
  for (char c : bytes) TypeOne(c);
}

void SimEditBox::TypeOne(char c) {
  if (readOnly_) return;
  auto start = static_cast<std::size_t>(selStart_);
  auto length = static_cast<std::size_t>(selLength_);
  if (c == '\b') {
    if (length == 0) {
      if (start == 0) return;
      --start;
      length = 1;
    }
    text_.erase(start, length);
  } else {
    // A full box refuses the key, as the system's edit control does.
    if (maxLength_ > 0 && text_.size() - length + 1 > static_cast<std::size_t>(maxLength_)) return;
    text_.replace(start, length, 1, CaseOf(c, case_));
    ++start;
  }
  selStart_ = static_cast<int>(start);
  selLength_ = 0;
  Changed();
  Tell(&platform::ControlListener::OnChange);
}

std::string SimEditBox::ShownText() const {
  return password_ != 0 ? std::string(text_.size(), password_) : text_;
}

int SimEditBox::FrameWidth() const {
  int width = 0;
  if (border_ == platform::EditBorderStyle::Single) width += ctl3D_ ? 2 : 1;
  if (bevelKind_ != platform::BevelKind::None)
    width += (bevelOuter_ != platform::BevelCut::None ? 1 : 0) + (bevelInner_ != platform::BevelCut::None ? 1 : 0);
  return width;
}

int SimEditBox::OneLineHeight() const {
  SimSurface scratch({1, 1});
  SimCanvas canvas(scratch);
  return canvas.MeasureText("X", look_.font).height + 2 * (2 + FrameWidth());
}

void SimEditBox::PaintOn(SimCanvas& canvas) {
  Rect inner = bounds_;
  canvas.FillRect(bounds_, look_.color);
  if (border_ == platform::EditBorderStyle::Single) {
    if (ctl3D_) {
      Frame(canvas, inner, kShadow, kHighlight);
      inner = Inset(inner, 1);
      Frame(canvas, inner, kDarkShadow, platform::kButtonFaceColor);
    } else {
      Frame(canvas, inner, 0, 0);
    }
    inner = Inset(inner, 1);
  }
  // The bevel lies inside the border, around the text.
  if (bevelKind_ != platform::BevelKind::None) {
    const bool flat = bevelKind_ == platform::BevelKind::Flat;
    if (bevelOuter_ != platform::BevelCut::None) {
      BevelFrame(canvas, inner, bevelOuter_, true, flat, look_.color);
      inner = Inset(inner, 1);
    }
    if (bevelInner_ != platform::BevelCut::None) {
      BevelFrame(canvas, inner, bevelInner_, false, flat, look_.color);
      inner = Inset(inner, 1);
    }
  }
  platform::TextStyle style;
  style.font = look_.font;
  style.color = enabled_ ? look_.textColor : kDisabledText;
  style.rightToLeft = look_.rightToLeft;
  canvas.WriteText({inner.left + 1, inner.top + 1, inner.width - 2, inner.height - 1}, ShownText(), style);
}

// ---- button

void SimButton::SetBounds(Rect bounds) { bounds_ = bounds; Changed(); }
void SimButton::SetVisible(bool visible) { visible_ = visible; Changed(); }
void SimButton::SetEnabled(bool enabled) { enabled_ = enabled; Changed(); }
void SimButton::SetLook(const platform::ControlLook& look) { look_ = look; Changed(); }
void SimButton::BringToFront() { window_->RaiseControl(this); }
void SimButton::Focus() { window_->FocusControl(this); }
void SimButton::SetCaption(const std::string& caption) { caption_ = caption; Changed(); }

void SimButton::PressByKey() {
  if (visible_ && enabled_) Tell(&platform::ControlListener::OnClick);
}

DialogControl SimButton::DialogState() const {
  DialogControl d = SimControl::DialogState();
  d.button = true;
  d.isDefault = default_;
  return d;
}

void SimButton::PaintOn(SimCanvas& canvas) {
  Rect r = bounds_;
  canvas.FillRect(r, platform::kButtonFaceColor);
  if (default_) {
    Frame(canvas, r, 0, 0);
    r = Inset(r, 1);
  }
  Frame(canvas, r, kHighlight, kDarkShadow);
  Frame(canvas, Inset(r, 1), platform::kButtonFaceColor, kShadow);
  platform::TextStyle style;
  style.font = look_.font;
  // A standard push button draws its caption in the system's text colour.
  style.color = enabled_ ? 0 : kDisabledText;
  style.alignment = platform::TextAlignment::Center;
  style.layout = platform::TextLayout::Center;
  style.rightToLeft = look_.rightToLeft;
  canvas.WriteText(Inset(r, 2), caption_, style);
  if (focusRect_ && Focused()) DottedFrame(canvas, Inset(r, 3), 0);
}

}  // namespace vx::sim
