#include "platform/sim/sim_forms.h"

#include <algorithm>

#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_loop.h"
#include "platform/sim/sim_pictures.h"

namespace vx::sim {

SimWindow::SimWindow(SimForms& owner, const platform::WindowOptions& options)
    : owner_(owner), listener_(options.listener), kind_(options.kind) {
  owner_.Register(this);
}

SimWindow::~SimWindow() { owner_.Unregister(this); }

SimWindow::Insets SimWindow::FrameInsets() const {
  // Fixed metrics of the simulated theme: a 19-pixel caption (15 for tool
  // windows), 3-pixel borders, 4 when the frame is sizeable.
  using platform::FrameStyle;
  Insets in{0, 0, 0, 0};
  switch (frame_) {
    case FrameStyle::None: break;
    case FrameStyle::Single:
    case FrameStyle::Dialog: in = {3, 22, 3, 3}; break;
    case FrameStyle::Sizeable: in = {4, 23, 4, 4}; break;
    case FrameStyle::ToolWindow: in = {3, 18, 3, 3}; break;
    case FrameStyle::SizeableToolWindow: in = {4, 19, 4, 4}; break;
  }
  // Right to left puts the vertical bar on the left, as on Windows.
  if (look_.verticalScrollBar) (look_.rightToLeft ? in.left : in.right) += kScrollBarSize;
  if (look_.horizontalScrollBar) in.bottom += kScrollBarSize;
  return in;
}

namespace {

const char* FrameName(platform::FrameStyle style) {
  static constexpr const char* kNames[] = {"none", "single", "sizeable", "dialog", "tool window",
                                           "sizeable tool window"};
  return kNames[static_cast<int>(style)];
}

std::string Hex(platform::Color c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (std::uint8_t part : {platform::RedOf(c), platform::GreenOf(c), platform::BlueOf(c)}) {
    out += kDigits[part >> 4];
    out += kDigits[part & 15];
  }
  return out;
}

std::string Describe(const platform::BorderIcons& icons) {
  std::string out;
  auto add = [&out](bool on, const char* name) {
    if (on) out += std::string(out.empty() ? "" : ", ") + name;
  };
  add(icons.systemMenu, "system menu");
  add(icons.minimize, "minimize");
  add(icons.maximize, "maximize");
  add(icons.help, "help");
  return out.empty() ? "none" : out;
}

std::string Describe(const platform::WindowLook& look) {
  std::string out = look.rightToLeft ? "right to left" : "left to right";
  if (look.horizontalScrollBar) out += ", horizontal scroll bar";
  if (look.verticalScrollBar) out += ", vertical scroll bar";
  if (look.alphaBlend) out += ", alpha " + std::to_string(look.alphaValue);
  if (look.transparentColorKey) out += ", key " + Hex(look.transparentColor);
  if (look.doubleBuffered) out += ", double buffered";
  return out + ", colour " + Hex(look.color);
}

}  // namespace

void SimWindow::LogVisible(const std::string& what, const std::string& detail) {
  if (visible_) owner_.log_.Add(what + " " + name_ + (detail.empty() ? "" : " " + detail));
}

void SimWindow::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  LogVisible("caption", "[" + caption + "]");
}

void SimWindow::SetBorderIcons(platform::BorderIcons icons) {
  if (icons == icons_) return;
  icons_ = icons;
  LogVisible("border icons", Describe(icons));
}

void SimWindow::SetStayOnTop(bool on) {
  if (on == stayOnTop_) return;
  stayOnTop_ = on;
  LogVisible("stay on top", on ? "on" : "off");
}

void SimWindow::SetLook(const platform::WindowLook& look) {
  if (look == look_) return;
  const platform::Size client = ClientSize();
  look_ = look;
  dirty_ = true;
  LogVisible("look", Describe(look));
  if (ClientSize() != client && listener_ != nullptr) owner_.loop_.Dispatch([this] { listener_->OnResized(); });
}

void SimWindow::BringToForeground() {
  if (!visible_) return;
  owner_.BringToTop(this);
  owner_.active_ = this;
  LogVisible("foreground", "");
}

void SimWindow::SetFrameStyle(platform::FrameStyle style) {
  // The client area keeps its size, as it does when a form's border changes.
  if (style == frame_) return;
  const platform::Size client = ClientSize();
  frame_ = style;
  LogVisible("frame", FrameName(style));
  SetClientSize(client);
}

void SimWindow::SetBounds(platform::Rect bounds) {
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  if (bounds == bounds_) return;
  bounds_ = bounds;
  LogVisible("place", std::to_string(bounds.left) + "," + std::to_string(bounds.top) + " " +
                        std::to_string(bounds.width) + "x" + std::to_string(bounds.height));
  if (resized && listener_ != nullptr) owner_.loop_.Dispatch([this] { listener_->OnResized(); });
}

void SimWindow::SetClientSize(platform::Size size) {
  const Insets in = FrameInsets();
  SetBounds({bounds_.left, bounds_.top, size.width + in.left + in.right, size.height + in.top + in.bottom});
}

platform::Size SimWindow::ClientSize() const {
  const Insets in = FrameInsets();
  return {std::max(0, bounds_.width - in.left - in.right), std::max(0, bounds_.height - in.top - in.bottom)};
}

void SimWindow::Show() {
  owner_.BringToTop(this);
  owner_.active_ = this;
  if (visible_) return;
  const platform::Point origin = ClientOrigin();
  const platform::Size client = ClientSize();
  behind_ = owner_.ScreenImage({origin.x, origin.y, client.width, client.height});
  visible_ = true;
  owner_.log_.Add("show " + name_);
  if (listener_ != nullptr) owner_.loop_.Dispatch([this] { listener_->OnShown(); });
}

void SimWindow::Hide() {
  if (!visible_) return;
  visible_ = false;
  owner_.log_.Add("hide " + name_);
  if (owner_.active_ == this) owner_.ActivateTopmostVisible();
  if (listener_ != nullptr) owner_.loop_.Dispatch([this] { listener_->OnHidden(); });
}

void SimWindow::RequestClose() {
  owner_.log_.Add("close " + name_);
  if (listener_ != nullptr) owner_.loop_.Dispatch([this] { listener_->OnCloseRequested(); });
  Hide();
}

void SimWindow::Repaint() {
  ++repaints_;
  pending_.reset();
  const platform::Size size = ClientSize();
  lastPaint_ = {0, 0, size.width, size.height};
  if (!surface_ || surface_->GetSize() != size) surface_ = std::make_unique<SimSurface>(size);
  surface_->Clear(look_.color);
  if (listener_ == nullptr) {
    SimCanvas canvas(*surface_);
    for (SimControl* control : controls_)
      if (control->Shown()) control->PaintOn(canvas);
    return;
  }
  SimCanvas canvas(*surface_);
  listener_->OnPaint(canvas);
  dirty_ = false;
  for (SimControl* control : controls_)
    if (control->Shown()) control->PaintOn(canvas);
}

void SimWindow::Invalidate(platform::Rect area) {
  const platform::Size size = ClientSize();
  const int left = std::max(area.left, 0), top = std::max(area.top, 0);
  const int right = std::min(area.Right(), size.width), bottom = std::min(area.Bottom(), size.height);
  if (right <= left || bottom <= top) return;
  if (pending_) {
    const int l = std::min(left, pending_->left), t = std::min(top, pending_->top);
    pending_ = platform::Rect{l, t, std::max(right, pending_->Right()) - l, std::max(bottom, pending_->Bottom()) - t};
  } else {
    pending_ = platform::Rect{left, top, right - left, bottom - top};
  }
}

void SimWindow::PaintPending() {
  if (!pending_) return;
  // Nothing to keep (never painted, resized, controls changed): all of it.
  if (!surface_ || surface_->GetSize() != ClientSize() || dirty_) {
    Repaint();
    return;
  }
  const platform::Rect area = *pending_;
  pending_.reset();  // what the paint itself marks waits for the next one
  ++repaints_;
  lastPaint_ = area;
  SimCanvas canvas(*surface_, area);
  canvas.FillRect(area, look_.color);
  if (listener_ != nullptr) listener_->OnPaint(canvas);
  for (SimControl* control : controls_)
    if (control->Shown()) control->PaintOn(canvas);
}

RgbaImage SimWindow::Snapshot() {
  if (!surface_ || surface_->GetSize() != ClientSize() || dirty_) Repaint();
  else PaintPending();
  return surface_->ToImage();
}

Rgba SimWindow::PixelAt(int x, int y) {
  if (!surface_ || surface_->GetSize() != ClientSize() || dirty_) Repaint();
  else PaintPending();
  return surface_->PixelAt(x, y);
}

std::string SimWindow::Screenshot() { return EncodePng(Snapshot()); }

std::unique_ptr<platform::Label> SimWindow::AddLabel(platform::Rect, const std::string& text) {
  return std::make_unique<SimLabel>(text);
}

std::unique_ptr<platform::ProgressBar> SimWindow::AddProgressBar(platform::Rect) {
  return std::make_unique<SimProgressBar>();
}

std::unique_ptr<platform::EditBox> SimWindow::AddEditBox(platform::ControlListener* listener) {
  return std::make_unique<SimEditBox>(*this, listener);
}

std::unique_ptr<platform::Button> SimWindow::AddButton(platform::ControlListener* listener) {
  return std::make_unique<SimButton>(*this, listener);
}

platform::Point SimWindow::ClientOrigin() const {
  const Insets in = FrameInsets();
  return {bounds_.left + in.left, bounds_.top + in.top};
}

void SimWindow::Maximize() {
  if (maximized_) return;
  maximized_ = true;
  owner_.log_.Add("maximize " + name_);
}

void SimWindow::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  owner_.log_.Add((enabled ? "enable " : "disable ") + name_);
}

void SimWindow::ShowModal() {
  std::vector<SimWindow*> disabled;
  for (SimWindow* w : owner_.windows_)
    if (w != this && w->enabled_) {
      w->enabled_ = false;
      disabled.push_back(w);
    }
  owner_.log_.Add("modal " + name_);
  Show();
  if (visible_ && owner_.modalLoop_) owner_.modalLoop_(*this);
  if (visible_) RequestClose();
  for (SimWindow* w : disabled)
    if (owner_.IsLive(w)) w->enabled_ = true;
  owner_.log_.Add("modal end " + name_);
}

void SimWindow::Deliver(const std::function<void(platform::WindowListener&)>& event) {
  if (listener_ != nullptr) owner_.loop_.Dispatch([this, &event] { event(*listener_); });
}

void SimWindow::AddControl(SimControl* control) {
  control->sequence_ = controlsMade_++;
  controls_.push_back(control);
}

void SimWindow::RemoveControl(SimControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  if (focused_ == control) focused_ = nullptr;
  dirty_ = true;
}

// Keeps the focus: only the place among the controls changes.
void SimWindow::RaiseControl(SimControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  controls_.push_back(control);
  dirty_ = true;
}

void SimWindow::LowerControl(SimControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  controls_.insert(controls_.begin(), control);
  dirty_ = true;
}

void SimWindow::FocusControl(SimControl* control, bool byPress) {
  if (focused_ == control) return;
  SimControl* old = focused_;
  focused_ = control;
  dirty_ = true;
  if (control != nullptr && !byPress) control->FocusedByKey();
  if (old != nullptr) old->Tell(&platform::ControlListener::OnExit);
  if (control != nullptr) control->Tell(&platform::ControlListener::OnEnter);
}

void SimWindow::DispatchToListener(const std::function<void()>& call) { owner_.loop_.Dispatch(call); }

SimForms::SimForms(SimLog& log, SimLoop& loop) : log_(log), loop_(loop) {
  loop_.SetTurnEnd([this] { PaintPending(); });
}

SimForms::~SimForms() { loop_.SetTurnEnd(nullptr); }

void SimForms::PaintPending() {
  for (SimWindow* w : std::vector<SimWindow*>(windows_))
    if (IsLive(w) && w->IsVisible()) w->PaintPending();
}

std::unique_ptr<platform::Window> SimForms::OpenWindow(const platform::WindowOptions& options) {
  return std::make_unique<SimWindow>(*this, options);
}

std::vector<platform::Window*> SimForms::TopLevelWindows() {
  return {windows_.begin(), windows_.end()};
}

bool SimForms::HoldsControl(const SimControl* control) const {
  return std::any_of(windows_.begin(), windows_.end(), [control](const SimWindow* w) {
    return std::find(w->Controls().begin(), w->Controls().end(), control) != w->Controls().end();
  });
}

bool SimForms::IsLive(const platform::Window* window) {
  return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void SimForms::MinimizeApplication() {
  if (minimized_) return;
  minimized_ = true;
  log_.Add("minimize application");
  if (appHandlers_.minimized) loop_.Dispatch(appHandlers_.minimized);
}

void SimForms::RestoreApplication() {
  if (!minimized_) return;
  minimized_ = false;
  log_.Add("restore application");
  if (appHandlers_.restored) loop_.Dispatch(appHandlers_.restored);
}

platform::Window* SimForms::WindowAt(platform::Point screen) {
  // A minimised application shows no window.
  if (minimized_) return nullptr;
  for (SimWindow* w : VisibleWindows()) {
    const platform::Rect b = w->Bounds();
    if (screen.x >= b.left && screen.x < b.left + b.width && screen.y >= b.top && screen.y < b.top + b.height)
      return w;
  }
  return nullptr;
}

void SimForms::ShowHintWindow(const platform::HintWindow& hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  log_.Add("hint [" + hint.text + "] at " + std::to_string(hint.at.x) + "," + std::to_string(hint.at.y));
}

void SimForms::HideHintWindow() {
  if (!hint_) return;
  hint_.reset();
  log_.Add("hint hidden");
}

SimWindow* SimForms::FindByName(const std::string& name) {
  for (SimWindow* w : windows_)
    if (w->Name() == name) return w;
  return nullptr;
}

std::vector<SimWindow*> SimForms::VisibleWindows() {
  std::vector<SimWindow*> out;
  for (SimWindow* w : zOrder_)
    if (w->IsVisible()) out.push_back(w);
  return out;
}

RgbaImage SimForms::ScreenImage(platform::Rect area) {
  // Beyond the picture limits there is nothing to keep, as on Windows.
  if (area.width <= 0 || area.height <= 0 || !RgbaImage::SizeAllowed(area.width, area.height)) return {};
  RgbaImage screen(area.width, area.height, RgbaOf(kDesktopColor));
  auto paste = [&](platform::Rect r, const RgbaImage* image, Rgba fill) {
    for (int y = std::max(r.top, area.top); y < std::min(r.top + r.height, area.top + area.height); ++y)
      for (int x = std::max(r.left, area.left); x < std::min(r.left + r.width, area.left + area.width); ++x)
        screen.At(x - area.left, y - area.top) = image != nullptr ? image->At(x - r.left, y - r.top) : fill;
  };
  std::vector<SimWindow*> windows = VisibleWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    SimWindow* w = *it;
    const platform::WindowLook look = w->Look();
    const platform::Size clientSize = w->ClientSize();
    if (!RgbaImage::SizeAllowed(clientSize.width, clientSize.height)) {
      // A page too large to paint shows as its frame colour.
      paste(w->Bounds(), nullptr, RgbaOf(platform::kButtonFaceColor));
      continue;
    }
    if (!look.alphaBlend && !look.transparentColorKey) {
      paste(w->Bounds(), nullptr, RgbaOf(platform::kButtonFaceColor));
      const RgbaImage client = w->Snapshot();
      const platform::Point origin = w->ClientOrigin();
      paste({origin.x, origin.y, client.Width(), client.Height()}, &client, {});
      continue;
    }
    // The whole window in one picture, then onto what lies beneath.
    const platform::Rect b = w->Bounds();
    if (b.width <= 0 || b.height <= 0 || !RgbaImage::SizeAllowed(b.width, b.height)) continue;
    RgbaImage window(b.width, b.height, RgbaOf(platform::kButtonFaceColor));
    const RgbaImage client = w->Snapshot();
    const platform::Point origin = w->ClientOrigin();
    for (int y = 0; y < client.Height(); ++y)
      for (int x = 0; x < client.Width(); ++x) {
        const int wx = origin.x - b.left + x, wy = origin.y - b.top + y;
        if (wx >= 0 && wy >= 0 && wx < b.width && wy < b.height) window.At(wx, wy) = client.At(x, y);
      }
    const int alpha = look.alphaBlend ? look.alphaValue : 255;
    for (int y = std::max(b.top, area.top); y < std::min(b.top + b.height, area.top + area.height); ++y)
      for (int x = std::max(b.left, area.left); x < std::min(b.left + b.width, area.left + area.width); ++x) {
        const Rgba top = window.At(x - b.left, y - b.top);
        if (look.transparentColorKey && ColorOf(top) == look.transparentColor) continue;
        Rgba& under = screen.At(x - area.left, y - area.top);
        auto mix = [alpha](std::uint8_t over, std::uint8_t below) {
          return static_cast<std::uint8_t>((over * alpha + below * (255 - alpha) + 127) / 255);
        };
        under = {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), 255};
      }
  }
  return screen;
}

void SimForms::Activate(SimWindow* window) {
  if (window != nullptr && window->IsVisible()) {
    BringToTop(window);
    active_ = window;
  }
}

void SimForms::Unregister(SimWindow* window) {
  if (window->IsVisible()) log_.Add("hide " + window->Name());
  log_.Add("destroy " + window->Name());
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  zOrder_.remove(window);
  if (active_ == window) ActivateTopmostVisible();
}

void SimForms::BringToTop(SimWindow* window) {
  zOrder_.remove(window);
  zOrder_.push_front(window);
}

void SimForms::ActivateTopmostVisible() {
  active_ = nullptr;
  for (SimWindow* w : zOrder_)
    if (w->IsVisible()) {
      active_ = w;
      return;
    }
}

}  // namespace vx::sim
