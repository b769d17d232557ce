#pragma once
// The application's hint: the hint text of the control under the mouse (its
// long part goes into "_hint" and the project's hint script), and the hint
// window that shows its short part after the hint pause, below the cursor,
// for the hint hide pause. A hint "short|long" has both parts; one without
// "|" is both.

#include <memory>
#include <string>

#include "platform/loop.h"
#include "platform/types.h"

namespace vx {

class Application;

class Hints {
 public:
  explicit Hints(Application& app);
  ~Hints();
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;

  // The application's hint text now.
  const std::string& Text() const { return text_; }
  // The application shows hints at all; nothing switches it off yet.
  bool ShowHint = true;

  // The control under the mouse at the toolkit's idle pass: key tells one
  // control from another, hint is its hint text, shows whether it shows
  // hints now (a shape only over its hot area).
  void MouseOver(const std::string& key, const std::string& hint, bool shows);
  // Shows the hint window of that control at once, below the cursor
  // (screen coordinates); nothing when it has no hint to show.
  void ActivateHint(platform::Point cursor);
  bool WindowShown() const { return shown_; }

  static std::string ShortHint(const std::string& hint);
  static std::string LongHint(const std::string& hint);
  // How far below the cursor's hot spot the hint window starts.
  static constexpr int kBelowCursor = 20;

 private:
  bool HasHintToShow() const;
  void ShowAt(platform::Point cursor);
  void Hide();

  Application& app_;
  std::string text_;
  std::string key_;
  std::string hint_;
  bool shows_ = false;
  bool shown_ = false;
  std::unique_ptr<platform::Timer> pause_;
  std::unique_ptr<platform::Timer> hidePause_;
};

}  // namespace vx
