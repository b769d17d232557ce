#include "host/hints.h"

#include <algorithm>

#include "host/app_events.h"
#include "host/application.h"

namespace vx {

namespace {
unsigned PauseOf(int ms) { return static_cast<unsigned>(std::max(1, ms)); }
}  // namespace

Hints::Hints(Application& app) : app_(app) {
  pause_ = app.platform.loop.CreateTimer(1, [this] {
    pause_->SetEnabled(false);
    if (HasHintToShow()) ShowAt(app_.platform.input.CursorPos());
  });
  hidePause_ = app.platform.loop.CreateTimer(1, [this] { Hide(); });
}

Hints::~Hints() {
  try {
    Hide();
  } catch (const std::exception&) {
    // The window goes with the process anyway.
  }
}

std::string Hints::ShortHint(const std::string& hint) { return hint.substr(0, hint.find('|')); }

std::string Hints::LongHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

bool Hints::HasHintToShow() const { return ShowHint && shows_ && !ShortHint(hint_).empty(); }

void Hints::MouseOver(const std::string& key, const std::string& hint, bool shows) {
  if (key != key_ || hint != hint_ || shows != shows_) {
    const bool other = key != key_ || hint != hint_;
    const bool wasShowing = shows_;
    key_ = key;
    hint_ = hint;
    shows_ = shows;
    if (other || !shows) {
      Hide();
      pause_->SetEnabled(false);
    }
    // The pause starts over for every control that has a hint to show.
    if (HasHintToShow() && (other || !wasShowing)) {
      pause_->SetInterval(PauseOf(app_.project.hintPause));
      pause_->SetEnabled(true);
    }
  }
  std::string text = LongHint(hint);
  if (text != text_) {
    text_ = std::move(text);
    ApplicationEvents1Hint(app_, text_);
  }
}

void Hints::ActivateHint(platform::Point cursor) {
  if (!HasHintToShow()) return;
  pause_->SetEnabled(false);
  ShowAt(cursor);
}

void Hints::ShowAt(platform::Point cursor) {
  platform::HintWindow window;
  window.text = ShortHint(hint_);
  window.at = {cursor.x, cursor.y + kBelowCursor};
  window.color = app_.project.hintColor;
  window.textColor = app_.project.hintFontColor;
  app_.platform.forms.ShowHintWindow(window);
  shown_ = true;
  hidePause_->SetEnabled(false);
  hidePause_->SetInterval(PauseOf(app_.project.hintHidePause));
  hidePause_->SetEnabled(true);
}

void Hints::Hide() {
  hidePause_->SetEnabled(false);
  if (!shown_) return;
  shown_ = false;
  app_.platform.forms.HideHintWindow();
}

}  // namespace vx
