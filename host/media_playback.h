#pragma once
// Sound and video playback around the media graphs: play, pause, stop,
// load and seek for the object methods; loops with a count and a delay;
// the media a page starts by itself; full screen and its Escape cancel.
// The graph events and timers that drive it are in
// host/object_events/media_events.cpp.

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/loop.h"
#include "platform/media.h"

namespace vx {

class Application;
class TVXForm;
class TVXObject;
class TVXSound;
class TVXVideo;
class TFilterGraph;
class TNamedTimer;

// The process-wide media state (Application::media).
struct MediaPlayback {
  // The video shown full screen: its page and component name (none: null).
  TVXForm* fullScreenPage = nullptr;
  std::string fullScreenVideo;
  // What SetVolume applies: the volume code 50 stored last, to the sound
  // that played last on the main form.
  int storedVolume = platform::kMaxMediaVolume;
  std::string currentSound;
  // Per page: the video it starts by itself (the last one loaded wins)
  // with its VideoTimer, and the full-screen cancel timer.
  struct PageMedia {
    std::string pendingVideo;
    std::unique_ptr<platform::Timer> VideoTimer;
    std::unique_ptr<platform::Timer> CancelFullscreen;
  };
  std::map<const TVXForm*, PageMedia> pages;
};

// The graph of a sound, or the "FIL" graph of a video on its page; null for
// other kinds or a video whose graph has gone.
platform::MediaGraph* GraphOf(TVXForm& page, TVXObject& object);
TFilterGraph* GetGraph(TVXForm& page, const std::string& videoComponentName);

// Clear, deactivate and reactivate: an empty graph ready to render.
void ResetGraph(platform::MediaGraph& graph);

void PlayMedia(Application& app, TVXForm& page, TVXObject& object);
void PauseMedia(TVXForm& page, TVXObject& object);
void StopMedia(TVXForm& page, TVXObject& object);
// Code 57: the path already after path macros.
void LoadMedia(TVXForm& page, TVXObject& object, const std::string& path);
// Code 79: units of 100 ns.
void SeekMedia(TVXForm& page, TVXObject& object, std::int64_t units);
// Code 89.
void SetVideoFullScreen(Application& app, TVXForm& page, TVXVideo& video, bool on);
// Code 7 on a video: the still picture follows, the graph stops and goes
// inactive, the window hides.
void VideoMoved(TVXForm& page, TVXVideo& video);

// A run-time timer of the page by name ("TIM", "LOP" + name), stopped;
// one of the same name goes first.
TNamedTimer& CreatePageTimer(Application& app, TVXForm& page, const std::string& name, unsigned intervalMs,
                             void (*handler)(Application&, TVXForm&, TNamedTimer&));
// Off the page; freed once no script runs.
void FreePageTimer(Application& app, TVXForm& page, TNamedTimer& timer);

// Loading: the page starts this video through its VideoTimer.
void SetPendingVideo(Application& app, TVXForm& page, const std::string& videoComponentName);
MediaPlayback::PageMedia* PageMediaOf(Application& app, const TVXForm& page);

// The volume of the main form's current sound graph := the stored volume.
void SetVolume(Application& app);

// TerminateApp: every sound and video graph of every page stops.
void StopAllMedia(Application& app);

}  // namespace vx
