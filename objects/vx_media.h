#pragma once
// Sounds and videos and their companions on the page: a sound is its own
// media graph ("OBJ" + name) with a hidden position bar ("SND" + name); a
// video is a window ("OBJ" + name) showing the graph "FIL" + name, with a
// position bar "TRK" + name and a still picture "IMG" + name. Run-time
// timers of a page ("TIM", "LOP" + name) are named page timers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "objects/vx_object.h"
#include "platform/loop.h"
#include "platform/media.h"

namespace vx {

// A companion's name: prefix + the object's name from its fourth character
// ("OBJ" + name gives prefix + name).
std::string CompanionName(const char* prefix, const std::string& objectName);

// A part of a sound or video that scripts never address: found by name,
// never drawn, no part of the z-order passes.
class TVXCompanion : public TVXObject {
 public:
  TVXCompanion() : TVXObject(ObjectKind::Companion) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool InZOrderPasses() const override { return false; }

 private:
  bool enabled_ = true;
};

// The graph events as the page host's handlers take them.
struct GraphHooks {
  std::function<void()> OnGraphComplete;
  // 13: the clock changed (the graph started running).
  std::function<void(int code)> OnDSEvent;
};

inline constexpr int kClockChangedEvent = 13;

// A video's graph, "FIL" + name.
class TFilterGraph : public TVXCompanion {
 public:
  explicit TFilterGraph(platform::Media& media);
  platform::MediaGraph& Graph() { return *graph_; }
  GraphHooks Hooks;

 private:
  std::unique_ptr<platform::MediaGraph> graph_;
};

class TVXSound : public TVXObject {
 public:
  explicit TVXSound(platform::Media& media);

  int DelayBetweenLoops = 0;
  int NumberOfLoops = 0;
  bool PlayWithPageStart = false;
  bool Loop = false;
  std::string FileName;
  LineList evntStart;
  LineList evntFinish;
  int LoopCount = 0;
  GraphHooks Hooks;

  platform::MediaGraph& Graph() { return *graph_; }
  bool Enabled() const override { return true; }
  void SetEnabled(bool) override {}
  bool InZOrderPasses() const override { return false; }

 private:
  std::unique_ptr<platform::MediaGraph> graph_;
};

class TVXVideo : public TVXControl {
 public:
  TVXVideo() : TVXControl(ObjectKind::Video) {}

  std::string Path;
  int DelayBetweenLoops = 0;
  int Speed = 0;
  int Volume = 0;
  int TempWidth = 0;
  int TempHeight = 0;
  int TempLeft = 0;
  int TempTop = 0;
  bool PlayWithPageStart = false;
  bool Loop = false;
  LineList evntStart;
  LineList evntFinish;

  // The window showing the graph, made once the page and graph are known.
  void BindGraph(platform::Media& media, platform::Window& page, platform::MediaGraph& graph);
  platform::VideoWindow* Window() const { return window_.get(); }
  // Filling its page (full screen) or at its own bounds.
  void SetAlignClient(bool fill);
  bool AlignClient() const { return alignClient_; }

  bool Windowless() const override { return false; }
  void Raised() override;
  void Place(PageObjects& page) override;

 protected:
  void BoundsChanged() override;
  void VisibilityChanged() override;

 private:
  std::unique_ptr<platform::VideoWindow> window_;
  bool alignClient_ = false;
};

// A hidden position bar, "SND" or "TRK" + name: every 500 ms it reads the
// current and stop position of its graph, in milliseconds.
class TDSTrackBar : public TVXCompanion {
 public:
  static constexpr unsigned kTimerInterval = 500;
  TDSTrackBar(platform::EventLoop& loop, std::function<platform::MediaGraph*()> graph);
  ~TDSTrackBar() override;

  std::function<void(std::int64_t currentMs, std::int64_t stopMs)> OnTimer;
  bool Enabled() const override { return timer_->Enabled(); }
  void SetEnabled(bool enabled) override { timer_->SetEnabled(enabled); }

 private:
  void Tick();
  std::function<platform::MediaGraph*()> graph_;
  std::unique_ptr<platform::Timer> timer_;
};

// A run-time timer of a page, found by its name.
class TNamedTimer : public TVXCompanion {
 public:
  TNamedTimer(platform::EventLoop& loop, unsigned intervalMs, std::function<void(TNamedTimer&)> onTick);
  ~TNamedTimer() override;
  platform::Timer& Timer() { return *timer_; }
  bool Enabled() const override { return timer_->Enabled(); }
  void SetEnabled(bool enabled) override { timer_->SetEnabled(enabled); }

 private:
  std::unique_ptr<platform::Timer> timer_;
};

}  // namespace vx
