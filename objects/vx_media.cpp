#include "objects/vx_media.h"

#include "objects/page_objects.h"

namespace vx {

TFilterGraph::TFilterGraph(platform::Media& media) : graph_(media.CreateGraph()) {
  graph_->SetHandlers({[this] {
                         if (Hooks.OnGraphComplete) Hooks.OnGraphComplete();
                       },
                       [this] {
                         if (Hooks.OnDSEvent) Hooks.OnDSEvent(kClockChangedEvent);
                       }});
}

TVXSound::TVXSound(platform::Media& media) : TVXObject(ObjectKind::Sound), graph_(media.CreateGraph()) {
  graph_->SetHandlers({[this] {
                         if (Hooks.OnGraphComplete) Hooks.OnGraphComplete();
                       },
                       [this] {
                         if (Hooks.OnDSEvent) Hooks.OnDSEvent(kClockChangedEvent);
                       }});
}

void TVXVideo::BindGraph(platform::Media& media, platform::Window& page, platform::MediaGraph& graph) {
  window_ = media.CreateVideoWindow(page, graph);
  window_->SetBounds(bounds_);
  window_->SetVisible(visible_ && Placed());
}

void TVXVideo::SetAlignClient(bool fill) {
  alignClient_ = fill;
  if (fill && Page() != nullptr) {
    const platform::Size client = Page()->Window().ClientSize();
    SetBounds({0, 0, client.width, client.height});
  }
}

void TVXVideo::Place(PageObjects& page) {
  TVXControl::Place(page);
  if (window_) window_->SetVisible(visible_);
}

void TVXVideo::Raised() {
  if (window_) window_->BringToFront();
}

void TVXVideo::BoundsChanged() {
  if (window_) window_->SetBounds(bounds_);
}

void TVXVideo::VisibilityChanged() {
  if (window_) window_->SetVisible(visible_ && Placed());
}

TDSTrackBar::TDSTrackBar(platform::EventLoop& loop, std::function<platform::MediaGraph*()> graph)
    : graph_(std::move(graph)) {
  timer_ = loop.CreateTimer(kTimerInterval, [this] { Tick(); });
  timer_->SetEnabled(true);
}

TDSTrackBar::~TDSTrackBar() = default;

void TDSTrackBar::Tick() {
  platform::MediaGraph* graph = graph_ ? graph_() : nullptr;
  // A bar reports only while its graph holds a file.
  if (graph == nullptr || graph->State() == platform::MediaState::Uninitialised || !OnTimer) return;
  OnTimer(graph->CurrentPosition() / platform::kMediaUnitsPerMs, graph->StopPosition() / platform::kMediaUnitsPerMs);
}

TNamedTimer::TNamedTimer(platform::EventLoop& loop, unsigned intervalMs, std::function<void(TNamedTimer&)> onTick) {
  timer_ = loop.CreateTimer(intervalMs, [this, tick = std::move(onTick)] { tick(*this); });
}

TNamedTimer::~TNamedTimer() = default;

std::string CompanionName(const char* prefix, const std::string& objectName) {
  std::string out(prefix);
  if (objectName.size() > 3) out.append(objectName, 3, std::string::npos);
  return out;
}

}  // namespace vx
