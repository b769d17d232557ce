#pragma once
// Sound and video playback: a media graph plays one file; a video window
// shows a graph's picture inside a page. Positions are in units of 100 ns;
// the volume is linear, 0 (silent) to 10000 (full). Notifications arrive
// on the main thread, from the message loop.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/types.h"
#include "platform/widget_settings.h"

namespace vx::platform {

class Window;

// 100-ns units in one millisecond.
inline constexpr std::int64_t kMediaUnitsPerMs = 10000;
inline constexpr int kMaxMediaVolume = 10000;

struct MediaHandlers {
  // The file played to its end.
  std::function<void()> completed;
  // Playback took a clock: the graph started running.
  std::function<void()> started;
};

// Every failing call throws vx::OsError with the system's message.
class MediaGraph {
 public:
  virtual ~MediaGraph() = default;

  // An inactive graph holds nothing and plays nothing; activating makes an
  // empty one.
  virtual void SetActive(bool active) = 0;
  virtual bool Active() const = 0;
  // Builds the graph that plays the file (activating it first); it stays
  // stopped at the beginning.
  virtual void RenderFile(const std::string& path) = 0;
  // Stops and removes everything the graph holds; it stays active. Nothing
  // on an inactive graph.
  virtual void Clear() = 0;
  virtual void Run() = 0;
  virtual void Pause() = 0;
  // Nothing on an inactive graph. The position stays where it is.
  virtual void Stop() = 0;
  virtual MediaState State() const = 0;

  virtual std::int64_t CurrentPosition() = 0;
  virtual std::int64_t StopPosition() = 0;
  // The current position, absolute; the stop position stays.
  virtual void SetCurrentPosition(std::int64_t position) = 0;

  // Clamped to 0 ... 10000; kept while the graph is rebuilt.
  virtual void SetVolume(int volume) = 0;
  virtual int Volume() const = 0;

  virtual void SetHandlers(MediaHandlers handlers) = 0;
};

// A child window of a page that shows the picture of one graph.
class VideoWindow {
 public:
  virtual ~VideoWindow() = default;
  // Client coordinates of the page.
  virtual void SetBounds(Rect bounds) = 0;
  virtual Rect Bounds() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool IsVisible() const = 0;
  // The picture fills the window whatever its aspect (else: letter-boxed).
  virtual void SetStretched(bool stretched) = 0;
  // The whole of the monitor that shows the window, and back.
  virtual void EnterFullScreen() = 0;
  virtual void LeaveFullScreen() = 0;
  virtual bool IsFullScreen() const = 0;
  virtual void BringToFront() = 0;
};

class Media {
 public:
  virtual ~Media() = default;
  virtual std::unique_ptr<MediaGraph> CreateGraph() = 0;
  // Created hidden at (0, 0), 0 x 0. The graph must outlive the window.
  virtual std::unique_ptr<VideoWindow> CreateVideoWindow(Window& page, MediaGraph& graph) = 0;
};

}  // namespace vx::platform
