#include "host/media_playback.h"

#include "host/application.h"
#include "host/object_events/object_events.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "script/app_thread.h"
#include "util/error.h"

namespace vx {

TFilterGraph* GetGraph(TVXForm& page, const std::string& videoComponentName) {
  return dynamic_cast<TFilterGraph*>(page.Components().Find(CompanionName("FIL", videoComponentName)));
}

platform::MediaGraph* GraphOf(TVXForm& page, TVXObject& object) {
  if (auto* sound = dynamic_cast<TVXSound*>(&object)) return &sound->Graph();
  if (dynamic_cast<TVXVideo*>(&object) != nullptr)
    if (TFilterGraph* graph = GetGraph(page, object.Name)) return &graph->Graph();
  return nullptr;
}

void ResetGraph(platform::MediaGraph& graph) {
  graph.Clear();
  graph.SetActive(false);
  graph.SetActive(true);
}

namespace {

platform::MediaGraph& RequireGraph(TVXForm& page, TVXVideo& video) {
  TFilterGraph* graph = GetGraph(page, video.Name);
  if (graph == nullptr) throw Error("The media graph of " + video.Name + " is missing.");
  return graph->Graph();
}

bool Loaded(platform::MediaState state) {
  return state == platform::MediaState::Paused || state == platform::MediaState::Playing;
}

}  // namespace

void PlayMedia(Application& app, TVXForm& page, TVXObject& object) {
  if (auto* sound = dynamic_cast<TVXSound*>(&object)) {
    platform::MediaGraph& graph = sound->Graph();
    if (!Loaded(graph.State())) {
      ResetGraph(graph);
      graph.RenderFile(sound->FileName);
    }
    graph.Run();
    if (&page == app.MainForm()) app.media->currentSound = sound->Name;
  } else if (auto* video = dynamic_cast<TVXVideo*>(&object)) {
    platform::MediaGraph& graph = RequireGraph(page, *video);
    if (!Loaded(graph.State())) {
      ResetGraph(graph);
      graph.RenderFile(video->Path);
    }
    graph.Run();
  }
}

void PauseMedia(TVXForm& page, TVXObject& object) {
  if (platform::MediaGraph* graph = GraphOf(page, object)) graph->Pause();
}

void StopMedia(TVXForm& page, TVXObject& object) {
  if (auto* sound = dynamic_cast<TVXSound*>(&object)) {
    sound->Graph().Stop();
  } else if (auto* video = dynamic_cast<TVXVideo*>(&object)) {
    platform::MediaGraph& graph = RequireGraph(page, *video);
    graph.Stop();
    graph.Clear();
    graph.SetActive(false);
    video->SetVisible(false);
  }
}

void LoadMedia(TVXForm& page, TVXObject& object, const std::string& path) {
  platform::MediaGraph* graph = GraphOf(page, object);
  if (graph == nullptr) return;
  try {
    ResetGraph(*graph);
  } catch (const Error&) {
    // The render below says whether the graph can take the file.
  }
  if (auto* sound = dynamic_cast<TVXSound*>(&object)) sound->FileName = path;
  if (auto* video = dynamic_cast<TVXVideo*>(&object)) video->Path = path;
  graph->RenderFile(path);
}

void SeekMedia(TVXForm& page, TVXObject& object, std::int64_t units) {
  platform::MediaGraph* graph = GraphOf(page, object);
  if (graph == nullptr) return;
  graph->CurrentPosition();
  graph->StopPosition();
  graph->SetCurrentPosition(units);
  graph->Run();
}

namespace {

void CancelFullscreenTimer(Application& app, TVXForm& page) {
  if (!app.platform.input.IsKeyDown(platform::vk::Escape)) return;
  MediaPlayback& media = *app.media;
  if (media.fullScreenPage != nullptr) {
    auto* video = dynamic_cast<TVXVideo*>(media.fullScreenPage->Components().Find(media.fullScreenVideo));
    TVXForm* videoPage = media.fullScreenPage;
    if (video != nullptr) SetVideoFullScreen(app, *videoPage, *video, false);
    media.fullScreenPage = nullptr;
    media.fullScreenVideo.clear();
  }
  if (auto* own = PageMediaOf(app, page); own != nullptr && own->CancelFullscreen) own->CancelFullscreen->SetEnabled(false);
}

}  // namespace

MediaPlayback::PageMedia* PageMediaOf(Application& app, const TVXForm& page) {
  auto it = app.media->pages.find(&page);
  return it == app.media->pages.end() ? nullptr : &it->second;
}

void SetVideoFullScreen(Application& app, TVXForm& page, TVXVideo& video, bool on) {
  MediaPlayback& media = *app.media;
  if (on) {
    if (media.fullScreenPage != nullptr) return;
    const platform::Rect r = video.BoundsRect();
    video.TempLeft = r.left;
    video.TempTop = r.top;
    video.TempWidth = r.width;
    video.TempHeight = r.height;
    video.SetAlignClient(true);
    if (video.Window() != nullptr) video.Window()->EnterFullScreen();
    media.fullScreenPage = &page;
    media.fullScreenVideo = video.Name;
    MediaPlayback::PageMedia& own = media.pages[&page];
    if (!own.CancelFullscreen)
      own.CancelFullscreen = app.platform.loop.CreateTimer(1, [&app, &page] { CancelFullscreenTimer(app, page); });
    own.CancelFullscreen->SetEnabled(true);
    return;
  }
  video.SetAlignClient(false);
  if (video.Window() != nullptr) video.Window()->LeaveFullScreen();
  video.SetBounds({video.TempLeft, video.TempTop, video.TempWidth, video.TempHeight});
  media.fullScreenPage = nullptr;
  media.fullScreenVideo.clear();
}

void VideoMoved(TVXForm& page, TVXVideo& video) {
  const platform::Rect r = video.BoundsRect();
  if (TVXObject* still = page.Components().Find(CompanionName("IMG", video.Name))) {
    platform::Rect s = still->BoundsRect();
    s.left = r.left;
    s.top = r.top;
    still->SetBounds(s);
  }
  if (TFilterGraph* graph = GetGraph(page, video.Name)) {
    graph->Graph().Stop();
    graph->Graph().SetActive(false);
  }
  video.SetVisible(false);
}

TNamedTimer& CreatePageTimer(Application& app, TVXForm& page, const std::string& name, unsigned intervalMs,
                             void (*handler)(Application&, TVXForm&, TNamedTimer&)) {
  PageObjects& objects = page.Components();
  if (auto* old = dynamic_cast<TNamedTimer*>(objects.Find(name))) FreePageTimer(app, page, *old);
  auto timer = std::make_unique<TNamedTimer>(app.platform.loop, intervalMs,
                                             [&app, &page, handler](TNamedTimer& t) { handler(app, page, t); });
  timer->Name = name;
  TVXObject& added = objects.Add(std::move(timer));
  added.Place(objects);
  return static_cast<TNamedTimer&>(added);
}

void FreePageTimer(Application& app, TVXForm& page, TNamedTimer& timer) {
  timer.SetEnabled(false);
  PageObjects& objects = page.Components();
  objects.Retire(timer);
  app.platform.loop.PostToMainThread([&app, &objects, alive = objects.Alive()] {
    if (alive.expired() || app.scripts->main.state.runs > 0) return;
    objects.FreeRetired();
  });
}

void SetPendingVideo(Application& app, TVXForm& page, const std::string& videoComponentName) {
  MediaPlayback::PageMedia& own = app.media->pages[&page];
  own.pendingVideo = videoComponentName;
  if (!own.VideoTimer) {
    own.VideoTimer = app.platform.loop.CreateTimer(1, [&app, &page] {
      if (TVXForm* main = app.MainForm()) main->Events().VideoTimerTimer(page);
    });
  }
  own.VideoTimer->SetEnabled(true);
}

void SetVolume(Application& app) {
  TVXForm* main = app.MainForm();
  if (main == nullptr || app.media->currentSound.empty()) return;
  if (auto* sound = dynamic_cast<TVXSound*>(main->Components().Find(app.media->currentSound)))
    sound->Graph().SetVolume(app.media->storedVolume);
}

void StopAllMedia(Application& app) {
  for (const auto& form : app.forms) {
    for (const auto& object : form->Components().InZOrder()) {
      try {
        if (auto* sound = dynamic_cast<TVXSound*>(object.get())) sound->Graph().Stop();
        else if (auto* graph = dynamic_cast<TFilterGraph*>(object.get())) graph->Graph().Stop();
      } catch (const Error&) {
        // One graph that cannot stop keeps no other from stopping.
      }
    }
  }
}

}  // namespace vx
