#pragma once
// Sounds and videos played for real with GStreamer, for the native player.
// A graph is a playbin on a real copy of the presentation's file (the file
// may live only on the virtual disk); its bus is watched on the GTK loop,
// and what the runtime hears (completion, start) goes through the virtual
// loop's queue, so it runs where every other event runs. Video frames come
// to an appsink as RGBA and a video window draws the newest one into its
// page, so the picture scales, hides and goes full screen with the page.
// A file that does not play fails to render with the sim's message and a
// log line; nothing here ends the process.

#include <gst/gst.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/media.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_log.h"
#include "platform/sim/sim_loop.h"
#include "util/rgba_image.h"

namespace vx::live {

// The newest picture of a graph, written by GStreamer's streaming thread and
// read on the main thread.
class VideoFrames {
 public:
  void Store(RgbaImage frame);
  // A copy: the streaming thread goes on writing.
  RgbaImage Newest() const;
  // Grows with every stored frame; a window repaints when it moved.
  unsigned Serial() const { return serial_.load(); }
  void Forget();

 private:
  mutable std::mutex mutex_;
  RgbaImage frame_;
  std::atomic<unsigned> serial_{0};
};

// Where the sounds go: the description in the environment variable
// VX_AUDIO_SINK (a gst-launch element such as "fakesink sync=true", for tests
// and machines without sound), else GStreamer's automatic choice.
std::string AudioSinkDescription(const char* fromEnvironment);

class GstMediaGraph;

class GstMedia : public platform::Media {
 public:
  // Files are read through the presentation's file system (the virtual disk
  // and the executable's folder).
  GstMedia(sim::SimLog& log, sim::SimLoop& loop, platform::Files& files);
  ~GstMedia() override;
  GstMedia(const GstMedia&) = delete;
  GstMedia& operator=(const GstMedia&) = delete;

  std::unique_ptr<platform::MediaGraph> CreateGraph() override;
  std::unique_ptr<platform::VideoWindow> CreateVideoWindow(platform::Window& page,
                                                           platform::MediaGraph& graph) override;

 private:
  friend class GstMediaGraph;
  // A real file holding the presentation's file; vx::OsError as the sim
  // fails for a missing, unreadable or empty one.
  std::string Stage(const std::string& path, const std::string& failure);

  sim::SimLog& log_;
  sim::SimLoop& loop_;
  platform::Files& files_;
  bool ready_ = false;
  std::string startFailure_;
  std::string folder_;  // the real copies, removed at the end
  unsigned staged_ = 0;
};

class GstMediaGraph : public platform::MediaGraph {
 public:
  explicit GstMediaGraph(GstMedia& media);
  ~GstMediaGraph() override;
  GstMediaGraph(const GstMediaGraph&) = delete;
  GstMediaGraph& operator=(const GstMediaGraph&) = delete;

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

  const std::string& File() const { return file_; }
  bool HasVideo() const { return hasVideo_; }
  const VideoFrames& Frames() const { return *frames_; }
  // Told of every change a video window shows.
  void AddWatcher(std::function<void()> watcher) { watchers_.push_back(std::move(watcher)); }

 private:
  enum class Motion { Stopped, Paused, Playing };
  static gboolean OnBus(GstBus* bus, GstMessage* message, gpointer self);
  void Require(const char* what) const;
  // Drops the pipeline and the real copy of the file.
  void TearDown();
  void Changed();
  void Move(GstState state, const char* what);
  void PostCompletion();
  // Asks for the length while it is unknown; whether it is known.
  bool LearnStop();
  std::string Label() const;

  GstMedia& media_;
  bool active_ = false;
  GstElement* pipeline_ = nullptr;
  guint busWatch_ = 0;
  Motion motion_ = Motion::Stopped;
  bool ended_ = false;
  bool hasVideo_ = false;
  std::string file_;
  std::string staged_;
  std::int64_t stop_ = 0;  // units
  std::int64_t last_ = 0;  // units, the last position known
  int volume_ = platform::kMaxMediaVolume;
  platform::MediaHandlers handlers_;
  std::shared_ptr<VideoFrames> frames_ = std::make_shared<VideoFrames>();
  std::vector<std::function<void()>> watchers_;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

// A page's child showing a graph's newest frame, letter-boxed in its bounds
// unless stretched; black before the first frame.
class GstVideoWindow : public sim::SimControl, public platform::VideoWindow {
 public:
  GstVideoWindow(sim::SimWindow& page, GstMediaGraph& graph, sim::SimLog& log);
  ~GstVideoWindow() override;

  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return fullScreen_ ? saved_ : bounds_; }
  void SetVisible(bool visible) override;
  bool IsVisible() const override { return visible_; }
  void SetStretched(bool stretched) override;
  void EnterFullScreen() override;
  void LeaveFullScreen() override;
  bool IsFullScreen() const override { return fullScreen_; }
  void BringToFront() override;

  void PaintOn(sim::SimCanvas& canvas) override;
  DialogControl DialogState() const override;

 private:
  static gboolean OnPoll(gpointer self);

  GstMediaGraph& graph_;
  sim::SimLog& log_;
  bool stretched_ = false;
  bool fullScreen_ = false;
  platform::Rect saved_{0, 0, 0, 0};
  unsigned shown_ = 0;  // the frame serial last painted
  guint poll_ = 0;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

// Where a picture of the given size goes inside bounds: the whole bounds
// when stretched, else centred with its aspect kept.
platform::Rect PictureRect(platform::Rect bounds, platform::Size picture, bool stretched);

}  // namespace vx::live
