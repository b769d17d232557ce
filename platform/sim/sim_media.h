#pragma once
// Simulated playback on the virtual clock. A file that can be read has a
// duration: from its WAV or AVI header, else one a test set for its path;
// a missing, empty, unreadable or unknown file fails to render. Running
// moves the position with the clock, the end raises completion, every run
// raises the start notification. A video window paints its graph's state
// in a colour a screenshot tells apart.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/loop.h"
#include "platform/media.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

class SimLoop;
class SimFiles;
class SimMediaGraph;

// What a video window shows for each state of its graph.
inline constexpr platform::Color kVideoPlayingColor = platform::MakeColor(0, 160, 64);
inline constexpr platform::Color kVideoPausedColor = platform::MakeColor(224, 160, 0);
inline constexpr platform::Color kVideoStoppedColor = platform::MakeColor(32, 32, 48);

// The playing time of a WAV (RIFF WAVE: data bytes / bytes per second) or
// AVI (RIFF AVI: frames x microseconds per frame) file in milliseconds;
// nothing for other bytes or a header cut short.
std::optional<std::int64_t> MediaDurationFromHeader(const std::string& bytes);

class SimMedia : public platform::Media {
 public:
  SimMedia(SimLog& log, SimLoop& loop, SimFiles& files) : log_(log), loop_(loop), files_(files) {}

  // A file without a header the sim reads still renders, with this length.
  void SetDuration(const std::string& path, std::int64_t milliseconds);
  // Every graph made so far that is still alive, oldest first.
  std::vector<SimMediaGraph*> Graphs() const { return graphs_; }

  std::unique_ptr<platform::MediaGraph> CreateGraph() override;
  std::unique_ptr<platform::VideoWindow> CreateVideoWindow(platform::Window& page,
                                                           platform::MediaGraph& graph) override;

 private:
  friend class SimMediaGraph;
  // The duration of a file that renders; vx::OsError otherwise.
  std::int64_t Render(const std::string& path);

  SimLog& log_;
  SimLoop& loop_;
  SimFiles& files_;
  std::map<std::string, std::int64_t> durations_;  // SimFiles::Key -> ms
  std::vector<SimMediaGraph*> graphs_;
};

class SimMediaGraph : public platform::MediaGraph {
 public:
  explicit SimMediaGraph(SimMedia& media);
  ~SimMediaGraph() override;

  void SetActive(bool active) override;
  bool Active() const override { return active_; }
  void RenderFile(const std::string& path) override;
  void Clear() override;
  void Run() override;
  void Pause() override;
  void Stop() override;
  platform::MediaState State() const override;
  std::int64_t CurrentPosition() override;
  std::int64_t StopPosition() override;
  void SetCurrentPosition(std::int64_t position) override;
  void SetVolume(int volume) override;
  int Volume() const override { return volume_; }
  void SetHandlers(platform::MediaHandlers handlers) override { handlers_ = std::move(handlers); }

  // The file rendered, empty when none.
  const std::string& File() const { return file_; }
  // Told of every change a video window shows.
  void AddWatcher(std::function<void()> watcher) { watchers_.push_back(std::move(watcher)); }

 private:
  enum class Motion { Stopped, Paused, Playing };
  void Require(bool rendered, const char* what) const;
  // Freezes the running position at the clock's now.
  void Settle();
  void ArmEnd();
  void Changed();
  std::string Label() const;

  SimMedia& media_;
  bool active_ = false;
  bool rendered_ = false;
  Motion run_ = Motion::Stopped;
  std::string file_;
  std::int64_t duration_ = 0;  // units
  std::int64_t position_ = 0;  // units, at runSince_
  std::int64_t stop_ = 0;      // units
  std::uint64_t runSince_ = 0;
  int volume_ = platform::kMaxMediaVolume;
  platform::MediaHandlers handlers_;
  std::unique_ptr<platform::Timer> end_;
  std::vector<std::function<void()>> watchers_;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

class SimVideoWindow : public SimControl, public platform::VideoWindow {
 public:
  SimVideoWindow(SimWindow& page, SimMediaGraph& graph, SimLog& log);

  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return fullScreen_ ? saved_ : bounds_; }
  void SetVisible(bool visible) override;
  bool IsVisible() const override { return visible_; }
  void SetStretched(bool stretched) override { stretched_ = stretched; }
  bool Stretched() const { return stretched_; }
  void EnterFullScreen() override;
  void LeaveFullScreen() override;
  bool IsFullScreen() const override { return fullScreen_; }
  void BringToFront() override;

  void PaintOn(SimCanvas& canvas) override;
  DialogControl DialogState() const override;

 private:
  SimMediaGraph& graph_;
  SimLog& log_;
  bool stretched_ = false;
  bool fullScreen_ = false;
  platform::Rect saved_{0, 0, 0, 0};
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

}  // namespace vx::sim
