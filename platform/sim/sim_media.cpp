#include "platform/sim/sim_media.h"

#include <algorithm>

#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_loop.h"
#include "util/error.h"

namespace vx::sim {

namespace {

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::optional<std::int64_t> WaveDuration(const std::string& b) {
  std::uint32_t bytesPerSecond = 0;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = Le32(b, at + 4);
    const std::size_t body = at + 8;
    if (id == "fmt ") {
      if (body + 12 > b.size()) return std::nullopt;
      bytesPerSecond = Le32(b, body + 8);
    } else if (id == "data") {
      if (bytesPerSecond == 0) return std::nullopt;
      // A file cut short plays what it holds.
      const std::uint64_t held = std::min<std::uint64_t>(size, b.size() - body);
      return static_cast<std::int64_t>(held * 1000 / bytesPerSecond);
    }
    at = body + size + (size & 1U);
  }
  return std::nullopt;
}

std::optional<std::int64_t> AviDuration(const std::string& b) {
  const std::size_t at = b.find("avih");
  if (at == std::string::npos || at + 8 + 20 > b.size()) return std::nullopt;
  const std::uint64_t microsPerFrame = Le32(b, at + 8);
  const std::uint64_t frames = Le32(b, at + 8 + 16);
  if (microsPerFrame == 0 || frames == 0) return std::nullopt;
  return static_cast<std::int64_t>(frames * microsPerFrame / 1000);
}

}  // namespace

std::optional<std::int64_t> MediaDurationFromHeader(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0) return std::nullopt;
  if (bytes.compare(8, 4, "WAVE") == 0) return WaveDuration(bytes);
  if (bytes.compare(8, 4, "AVI ") == 0) return AviDuration(bytes);
  return std::nullopt;
}

void SimMedia::SetDuration(const std::string& path, std::int64_t milliseconds) {
  durations_[SimFiles::Key(path)] = milliseconds;
}

std::int64_t SimMedia::Render(const std::string& path) {
  const std::string failure = "Cannot render the file \"" + path + "\": ";
  std::string bytes;
  try {
    if (!files_.FileExists(path)) throw OsError("The system cannot find the file specified.");
    auto file = files_.Open(path, platform::OpenMode::Read);
    bytes = file->Read(static_cast<std::size_t>(file->Size()));
  } catch (const OsError& e) {
    log_.Add("media cannot open " + path);
    throw OsError(failure + e.what());
  }
  if (bytes.empty()) {
    log_.Add("media empty " + path);
    throw OsError(failure + "The file is empty.");
  }
  if (auto ms = MediaDurationFromHeader(bytes)) return *ms;
  if (auto it = durations_.find(SimFiles::Key(path)); it != durations_.end()) return it->second;
  log_.Add("media unknown format " + path);
  throw OsError(failure + "The source filter for this file could not be loaded.");
}

std::unique_ptr<platform::MediaGraph> SimMedia::CreateGraph() { return std::make_unique<SimMediaGraph>(*this); }

std::unique_ptr<platform::VideoWindow> SimMedia::CreateVideoWindow(platform::Window& page,
                                                                   platform::MediaGraph& graph) {
  auto* window = dynamic_cast<SimWindow*>(&page);
  auto* simGraph = dynamic_cast<SimMediaGraph*>(&graph);
  if (window == nullptr || simGraph == nullptr) throw OsError("A video window needs a simulated page and graph.");
  return std::make_unique<SimVideoWindow>(*window, *simGraph, log_);
}

// ---------------------------------------------------------------------------

SimMediaGraph::SimMediaGraph(SimMedia& media) : media_(media) {
  media_.graphs_.push_back(this);
  end_ = media_.loop_.CreateTimer(0, [this] {
    end_->SetEnabled(false);
    position_ = stop_;
    runSince_ = media_.loop_.Now();
    media_.log_.Add("media complete " + Label());
    if (handlers_.completed) handlers_.completed();
  });
}

SimMediaGraph::~SimMediaGraph() {
  auto& graphs = media_.graphs_;
  graphs.erase(std::remove(graphs.begin(), graphs.end(), this), graphs.end());
}

std::string SimMediaGraph::Label() const { return file_.empty() ? std::string("(empty)") : file_; }

void SimMediaGraph::Require(bool rendered, const char* what) const {
  if (!active_) throw OsError(std::string("The media graph is not active: cannot ") + what + ".");
  if (!rendered) throw OsError(std::string("The media graph holds no file: cannot ") + what + ".");
}

void SimMediaGraph::Changed() {
  for (const auto& watcher : watchers_) watcher();
}

void SimMediaGraph::Settle() {
  if (run_ == Motion::Playing) {
    const auto elapsed = static_cast<std::int64_t>(media_.loop_.Now() - runSince_);
    position_ = std::min(stop_, position_ + elapsed * platform::kMediaUnitsPerMs);
  }
  runSince_ = media_.loop_.Now();
}

void SimMediaGraph::ArmEnd() {
  end_->SetEnabled(false);
  if (run_ != Motion::Playing) return;
  const std::int64_t left = std::max<std::int64_t>(0, stop_ - position_) / platform::kMediaUnitsPerMs;
  end_->SetInterval(static_cast<unsigned>(std::max<std::int64_t>(left, 1)));
  end_->SetEnabled(true);
}

void SimMediaGraph::SetActive(bool active) {
  if (active == active_) return;
  if (!active) {
    end_->SetEnabled(false);
    rendered_ = false;
    run_ = Motion::Stopped;
    file_.clear();
    position_ = stop_ = duration_ = 0;
  }
  active_ = active;
  media_.log_.Add(active ? "media active" : "media inactive");
  Changed();
}

void SimMediaGraph::RenderFile(const std::string& path) {
  if (!active_) SetActive(true);
  const std::int64_t ms = media_.Render(path);
  end_->SetEnabled(false);
  rendered_ = true;
  run_ = Motion::Stopped;
  file_ = path;
  duration_ = ms * platform::kMediaUnitsPerMs;
  position_ = 0;
  stop_ = duration_;
  media_.log_.Add("media render " + path + " " + std::to_string(ms) + " ms");
  Changed();
}

void SimMediaGraph::Clear() {
  if (!active_) return;
  end_->SetEnabled(false);
  rendered_ = false;
  run_ = Motion::Stopped;
  file_.clear();
  position_ = stop_ = duration_ = 0;
  media_.log_.Add("media clear");
  Changed();
}

void SimMediaGraph::Run() {
  Require(rendered_, "run");
  Settle();
  run_ = Motion::Playing;
  ArmEnd();
  media_.log_.Add("media run " + Label() + " at " + std::to_string(position_ / platform::kMediaUnitsPerMs) + " ms");
  Changed();
  // The clock-changed notification comes through the message queue.
  media_.loop_.PostToMainThread([this, alive = std::weak_ptr<const int>(alive_)] {
    if (alive.expired()) return;
    if (handlers_.started) handlers_.started();
  });
}

void SimMediaGraph::Pause() {
  Require(rendered_, "pause");
  Settle();
  run_ = Motion::Paused;
  ArmEnd();
  media_.log_.Add("media pause " + Label() + " at " + std::to_string(position_ / platform::kMediaUnitsPerMs) + " ms");
  Changed();
}

void SimMediaGraph::Stop() {
  if (!active_) return;
  Settle();
  run_ = Motion::Stopped;
  ArmEnd();
  media_.log_.Add("media stop " + Label());
  Changed();
}

platform::MediaState SimMediaGraph::State() const {
  using platform::MediaState;
  if (!active_ || !rendered_) return MediaState::Uninitialised;
  switch (run_) {
    case Motion::Playing: return MediaState::Playing;
    case Motion::Paused: return MediaState::Paused;
    case Motion::Stopped: break;
  }
  return MediaState::Stopped;
}

std::int64_t SimMediaGraph::CurrentPosition() {
  Require(rendered_, "tell the position");
  Settle();
  return position_;
}

std::int64_t SimMediaGraph::StopPosition() {
  Require(rendered_, "tell the stop position");
  return stop_;
}

void SimMediaGraph::SetCurrentPosition(std::int64_t position) {
  Require(rendered_, "seek");
  Settle();
  position_ = std::clamp<std::int64_t>(position, 0, stop_);
  ArmEnd();
  media_.log_.Add("media seek " + Label() + " " + std::to_string(position_ / platform::kMediaUnitsPerMs) + " ms");
}

void SimMediaGraph::SetVolume(int volume) {
  volume_ = std::clamp(volume, 0, platform::kMaxMediaVolume);
}

// ---------------------------------------------------------------------------

SimVideoWindow::SimVideoWindow(SimWindow& page, SimMediaGraph& graph, SimLog& log)
    : SimControl(page, nullptr), graph_(graph), log_(log) {
  tabStop_ = false;
  graph_.AddWatcher([this, alive = std::weak_ptr<const int>(alive_)] {
    if (!alive.expired()) Changed();
  });
}

void SimVideoWindow::SetBounds(platform::Rect bounds) {
  if (fullScreen_) saved_ = bounds;
  else bounds_ = bounds;
  Changed();
}

void SimVideoWindow::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  log_.Add(std::string(visible ? "video show " : "video hide ") + window_->Name());
  Changed();
}

void SimVideoWindow::EnterFullScreen() {
  if (fullScreen_) return;
  saved_ = bounds_;
  const platform::Size client = window_->ClientSize();
  bounds_ = {0, 0, client.width, client.height};
  fullScreen_ = true;
  log_.Add("video full screen " + window_->Name());
  Changed();
}

void SimVideoWindow::LeaveFullScreen() {
  if (!fullScreen_) return;
  fullScreen_ = false;
  bounds_ = saved_;
  log_.Add("video normal " + window_->Name());
  Changed();
}

void SimVideoWindow::BringToFront() { window_->RaiseControl(this); }

void SimVideoWindow::PaintOn(SimCanvas& canvas) {
  using platform::MediaState;
  platform::Color color = kVideoStoppedColor;
  switch (graph_.State()) {
    case MediaState::Playing: color = kVideoPlayingColor; break;
    case MediaState::Paused: color = kVideoPausedColor; break;
    default: break;
  }
  canvas.FillRect(bounds_, color);
}

DialogControl SimVideoWindow::DialogState() const {
  DialogControl d = SimControl::DialogState();
  d.canFocus = false;
  d.tabStop = false;
  return d;
}

}  // namespace vx::sim
