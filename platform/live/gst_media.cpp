#include "platform/live/gst_media.h"

#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/live/letterbox.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_forms.h"
#include "util/error.h"

namespace vx::live {

namespace {

// How long a render may take to open and preroll a file before it counts
// as one that does not play.
constexpr GstClockTime kRenderWait = 10 * GST_SECOND;
constexpr guint kFramePollMs = 15;
constexpr int kDurationTries = 20;
constexpr gulong kDurationWaitUs = 25000;
constexpr std::int64_t kNsPerUnit = 100;

// Frees a GLib allocation at the end of the scope.
struct GFreeLater {
  void operator()(void* p) const { g_free(p); }
};
using GText = std::unique_ptr<gchar, GFreeLater>;

std::string ErrorOnBus(GstElement* pipeline) {
  GstBus* bus = gst_element_get_bus(pipeline);
  std::string text;
  while (GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    if (text.empty() && error != nullptr) text = error->message;
    if (error != nullptr) g_error_free(error);
    gst_message_unref(message);
  }
  gst_object_unref(bus);
  return text.empty() ? std::string("The file cannot be played.") : text;
}

GstFlowReturn TakeSample(GstSample* sample, VideoFrames& frames) {
  if (sample == nullptr) return GST_FLOW_OK;
  GstVideoInfo info;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstCaps* caps = gst_sample_get_caps(sample);
  GstMapInfo map;
  if (buffer != nullptr && caps != nullptr && gst_video_info_from_caps(&info, caps) &&
      RgbaImage::SizeAllowed(static_cast<int>(info.width), static_cast<int>(info.height)) &&
      gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    const int width = static_cast<int>(info.width);
    const int height = static_cast<int>(info.height);
    const std::size_t stride = static_cast<std::size_t>(GST_VIDEO_INFO_PLANE_STRIDE(&info, 0));
    const std::size_t row = static_cast<std::size_t>(width) * sizeof(Rgba);
    if (width > 0 && height > 0 && stride >= row && map.size >= stride * static_cast<std::size_t>(height - 1) + row) {
      RgbaImage frame(width, height);
      for (int y = 0; y < height; ++y) {
        std::memcpy(frame.Row(y), map.data + stride * static_cast<std::size_t>(y), row);
        // The picture is opaque whatever the padding byte says.
        Rgba* pixels = frame.Row(y);
        for (int x = 0; x < width; ++x) pixels[x].a = 255;
      }
      frames.Store(std::move(frame));
    }
    gst_buffer_unmap(buffer, &map);
  }
  gst_sample_unref(sample);
  return GST_FLOW_OK;
}

// The callbacks' data is the sink's own reference to the graph's frames.
VideoFrames& FramesOf(gpointer data) { return **static_cast<std::shared_ptr<VideoFrames>*>(data); }

GstFlowReturn OnSample(GstAppSink* sink, gpointer data) {
  return TakeSample(gst_app_sink_pull_sample(sink), FramesOf(data));
}

GstFlowReturn OnPreroll(GstAppSink* sink, gpointer data) {
  return TakeSample(gst_app_sink_pull_preroll(sink), FramesOf(data));
}

void ReleaseFrames(gpointer frames) { delete static_cast<std::shared_ptr<VideoFrames>*>(frames); }

GstElement* MakeAudioSink(sim::SimLog& log) {
  const std::string description = AudioSinkDescription(std::getenv("VX_AUDIO_SINK"));
  GError* error = nullptr;
  GstElement* sink = gst_parse_bin_from_description(description.c_str(), TRUE, &error);
  if (error != nullptr) {
    log.Add("media audio sink \"" + description + "\" not made: " + error->message);
    g_error_free(error);
    if (sink != nullptr) gst_object_unref(sink);
    return nullptr;
  }
  return sink;
}

GstElement* MakeVideoSink(const std::shared_ptr<VideoFrames>& frames) {
  GError* error = nullptr;
  GstElement* bin = gst_parse_bin_from_description(
      "videoconvert ! appsink name=frames max-buffers=1 drop=true caps=video/x-raw,format=RGBA", TRUE, &error);
  if (error != nullptr) {
    g_error_free(error);
    if (bin != nullptr) gst_object_unref(bin);
    return nullptr;
  }
  GstElement* sink = gst_bin_get_by_name(GST_BIN(bin), "frames");
  GstAppSinkCallbacks callbacks{};
  callbacks.new_sample = OnSample;
  callbacks.new_preroll = OnPreroll;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, new std::shared_ptr<VideoFrames>(frames),
                             ReleaseFrames);
  gst_object_unref(sink);
  return bin;
}

}  // namespace

std::string AudioSinkDescription(const char* fromEnvironment) {
  if (fromEnvironment == nullptr) return "autoaudiosink";
  std::string text = fromEnvironment;
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "autoaudiosink";
  text.erase(0, first);
  text.erase(text.find_last_not_of(" \t") + 1);
  return text;
}

platform::Rect PictureRect(platform::Rect bounds, platform::Size picture, bool stretched) {
  if (stretched || picture.width <= 0 || picture.height <= 0) return bounds;
  const Letterbox box = FitKeepingAspect(picture, {bounds.width, bounds.height});
  const int width = static_cast<int>(picture.width * box.scale + 0.5);
  const int height = static_cast<int>(picture.height * box.scale + 0.5);
  return {bounds.left + static_cast<int>(box.left + 0.5), bounds.top + static_cast<int>(box.top + 0.5), width,
          height};
}

// ---------------------------------------------------------------------------

void VideoFrames::Store(RgbaImage frame) {
  std::lock_guard<std::mutex> lock(mutex_);
  frame_ = std::move(frame);
  ++serial_;
}

RgbaImage VideoFrames::Newest() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return frame_;
}

void VideoFrames::Forget() {
  std::lock_guard<std::mutex> lock(mutex_);
  frame_ = RgbaImage();
  ++serial_;
}

// ---------------------------------------------------------------------------

GstMedia::GstMedia(sim::SimLog& log, sim::SimLoop& loop, platform::Files& files)
    : log_(log), loop_(loop), files_(files) {
  GError* error = nullptr;
  ready_ = gst_init_check(nullptr, nullptr, &error) == TRUE;
  if (!ready_) {
    startFailure_ = error != nullptr ? error->message : "GStreamer cannot start.";
    log_.Add("media unavailable: " + startFailure_);
  }
  if (error != nullptr) g_error_free(error);
}

GstMedia::~GstMedia() {
  if (folder_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string GstMedia::Stage(const std::string& path, const std::string& failure) {
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
  if (folder_.empty()) {
    GError* error = nullptr;
    GText made(g_dir_make_tmp("vxplay-media-XXXXXX", &error));
    if (made == nullptr) {
      const std::string why = error != nullptr ? error->message : "no temporary folder";
      if (error != nullptr) g_error_free(error);
      log_.Add("media cannot stage " + path + ": " + why);
      throw OsError(failure + why);
    }
    folder_ = made.get();
  }
  // The name keeps the extension: some demuxers are chosen by it.
  const std::size_t slash = path.find_last_of("\\/:");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  std::string extension;
  if (dot != std::string::npos)
    for (char c : name.substr(dot))
      if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.') extension.push_back(c);
  const std::string real = folder_ + "/" + std::to_string(++staged_) + extension;
  std::ofstream out(real, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    log_.Add("media cannot stage " + path);
    throw OsError(failure + "The file cannot be prepared for playing.");
  }
  return real;
}

std::unique_ptr<platform::MediaGraph> GstMedia::CreateGraph() { return std::make_unique<GstMediaGraph>(*this); }

std::unique_ptr<platform::VideoWindow> GstMedia::CreateVideoWindow(platform::Window& page,
                                                                   platform::MediaGraph& graph) {
  auto* window = dynamic_cast<sim::SimWindow*>(&page);
  auto* gstGraph = dynamic_cast<GstMediaGraph*>(&graph);
  if (window == nullptr || gstGraph == nullptr) throw OsError("A video window needs a page and a graph of this player.");
  return std::make_unique<GstVideoWindow>(*window, *gstGraph, log_);
}

// ---------------------------------------------------------------------------

GstMediaGraph::GstMediaGraph(GstMedia& media) : media_(media) {}

GstMediaGraph::~GstMediaGraph() { TearDown(); }

std::string GstMediaGraph::Label() const { return file_.empty() ? std::string("(empty)") : file_; }

void GstMediaGraph::Require(const char* what) const {
  if (!active_) throw OsError(std::string("The media graph is not active: cannot ") + what + ".");
  if (pipeline_ == nullptr) throw OsError(std::string("The media graph holds no file: cannot ") + what + ".");
}

void GstMediaGraph::Changed() {
  for (const auto& watcher : watchers_) watcher();
}

void GstMediaGraph::TearDown() {
  if (busWatch_ != 0) g_source_remove(busWatch_);
  busWatch_ = 0;
  if (pipeline_ != nullptr) {
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    gst_object_unref(pipeline_);
    pipeline_ = nullptr;
  }
  if (!staged_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(staged_, ignored);
    staged_.clear();
  }
  frames_->Forget();
  motion_ = Motion::Stopped;
  ended_ = false;
  hasVideo_ = false;
  file_.clear();
  stop_ = last_ = 0;
}

void GstMediaGraph::SetActive(bool active) {
  if (active == active_) return;
  if (!active) TearDown();
  active_ = active;
  media_.log_.Add(active ? "media active" : "media inactive");
  Changed();
}

void GstMediaGraph::RenderFile(const std::string& path) {
  if (!active_) SetActive(true);
  TearDown();
  Changed();
  const std::string failure = "Cannot render the file \"" + path + "\": ";
  if (!media_.ready_) {
    media_.log_.Add("media cannot render " + path + ": " + media_.startFailure_);
    throw OsError(failure + media_.startFailure_);
  }
  staged_ = media_.Stage(path, failure);
  auto fail = [&](const std::string& why) {
    media_.log_.Add("media cannot render " + path + ": " + why);
    TearDown();
    throw OsError(failure + why);
  };

  pipeline_ = gst_element_factory_make("playbin", nullptr);
  if (pipeline_ == nullptr) fail("GStreamer's playbin is not installed.");
  gst_object_ref_sink(pipeline_);
  GError* error = nullptr;
  GText uri(gst_filename_to_uri(staged_.c_str(), &error));
  if (error != nullptr) g_error_free(error);
  if (uri == nullptr) fail("The file has no address.");
  g_object_set(pipeline_, "uri", uri.get(), "volume", volume_ / static_cast<double>(platform::kMaxMediaVolume),
               nullptr);
  if (GstElement* audio = MakeAudioSink(media_.log_)) g_object_set(pipeline_, "audio-sink", audio, nullptr);
  if (GstElement* video = MakeVideoSink(frames_)) g_object_set(pipeline_, "video-sink", video, nullptr);

  // Ready to run at the beginning, as a rendered DirectShow graph is: a
  // file no decoder takes fails here.
  gst_element_set_state(pipeline_, GST_STATE_PAUSED);
  GstState state = GST_STATE_NULL;
  const GstStateChangeReturn prerolled = gst_element_get_state(pipeline_, &state, nullptr, kRenderWait);
  if (prerolled == GST_STATE_CHANGE_FAILURE) fail(ErrorOnBus(pipeline_));
  if (prerolled == GST_STATE_CHANGE_ASYNC) fail("The file did not open in time.");
  gint audioStreams = 0;
  gint videoStreams = 0;
  g_object_get(pipeline_, "n-audio", &audioStreams, "n-video", &videoStreams, nullptr);
  if (audioStreams + videoStreams == 0) fail("The file holds nothing to play.");
  hasVideo_ = videoStreams > 0;
  // A stream without a length in its header (an MP3 without a Xing frame)
  // gets one once the parser has read a little of it.
  for (int tries = 0; tries < kDurationTries && !LearnStop(); ++tries) g_usleep(kDurationWaitUs);

  GstBus* bus = gst_element_get_bus(pipeline_);
  busWatch_ = gst_bus_add_watch(bus, OnBus, this);
  gst_object_unref(bus);
  file_ = path;
  media_.log_.Add("media render " + path + " " + std::to_string(stop_ / platform::kMediaUnitsPerMs) + " ms");
  Changed();
}

bool GstMediaGraph::LearnStop() {
  gint64 duration = 0;
  if (stop_ <= 0 && pipeline_ != nullptr && gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration) &&
      duration > 0)
    stop_ = duration / kNsPerUnit;
  return stop_ > 0;
}

void GstMediaGraph::Clear() {
  if (!active_) return;
  TearDown();
  media_.log_.Add("media clear");
  Changed();
}

gboolean GstMediaGraph::OnBus(GstBus*, GstMessage* message, gpointer self) {
  auto* graph = static_cast<GstMediaGraph*>(self);
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
      if (graph->motion_ == Motion::Playing && !graph->ended_) {
        graph->ended_ = true;
        graph->last_ = graph->stop_;
        graph->PostCompletion();
      }
      break;
    case GST_MESSAGE_ERROR: {
      GError* error = nullptr;
      gst_message_parse_error(message, &error, nullptr);
      graph->media_.log_.Add("media error " + graph->Label() + ": " + (error != nullptr ? error->message : "?"));
      if (error != nullptr) g_error_free(error);
      // As a graph that aborts: it stops where it is.
      if (graph->pipeline_ != nullptr) gst_element_set_state(graph->pipeline_, GST_STATE_PAUSED);
      graph->motion_ = Motion::Stopped;
      graph->Changed();
      break;
    }
    case GST_MESSAGE_DURATION_CHANGED: {
      gint64 duration = 0;
      if (graph->pipeline_ != nullptr && gst_element_query_duration(graph->pipeline_, GST_FORMAT_TIME, &duration) &&
          duration > 0)
        graph->stop_ = duration / kNsPerUnit;
      break;
    }
    default: break;
  }
  return G_SOURCE_CONTINUE;
}

void GstMediaGraph::PostCompletion() {
  // Through the virtual loop's queue: the runtime runs only there.
  media_.loop_.PostToMainThread([this, alive = std::weak_ptr<const int>(alive_)] {
    if (alive.expired()) return;
    media_.log_.Add("media complete " + Label());
    if (handlers_.completed) handlers_.completed();
  });
}

void GstMediaGraph::Move(GstState state, const char* what) {
  if (gst_element_set_state(pipeline_, state) == GST_STATE_CHANGE_FAILURE) {
    const std::string why = ErrorOnBus(pipeline_);
    media_.log_.Add(std::string("media cannot ") + what + " " + Label() + ": " + why);
    throw OsError("Cannot " + std::string(what) + " the file \"" + file_ + "\": " + why);
  }
}

void GstMediaGraph::Run() {
  Require("run");
  const std::int64_t at = CurrentPosition();
  Move(GST_STATE_PLAYING, "run");
  motion_ = Motion::Playing;
  media_.log_.Add("media run " + Label() + " at " + std::to_string(at / platform::kMediaUnitsPerMs) + " ms");
  Changed();
  media_.loop_.PostToMainThread([this, alive = std::weak_ptr<const int>(alive_)] {
    if (alive.expired()) return;
    if (handlers_.started) handlers_.started();
  });
  // Run at the end: the end is reached again at once, as on the sim.
  if (ended_) PostCompletion();
}

void GstMediaGraph::Pause() {
  Require("pause");
  const std::int64_t at = CurrentPosition();
  Move(GST_STATE_PAUSED, "pause");
  motion_ = Motion::Paused;
  media_.log_.Add("media pause " + Label() + " at " + std::to_string(at / platform::kMediaUnitsPerMs) + " ms");
  Changed();
}

void GstMediaGraph::Stop() {
  if (!active_) return;
  if (pipeline_ != nullptr) {
    // Paused underneath: the position stays where it is.
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
  }
  motion_ = Motion::Stopped;
  media_.log_.Add("media stop " + Label());
  Changed();
}

platform::MediaState GstMediaGraph::State() const {
  using platform::MediaState;
  if (!active_ || pipeline_ == nullptr) return MediaState::Uninitialised;
  switch (motion_) {
    case Motion::Playing: return MediaState::Playing;
    case Motion::Paused: return MediaState::Paused;
    case Motion::Stopped: break;
  }
  return MediaState::Stopped;
}

std::int64_t GstMediaGraph::CurrentPosition() {
  Require("tell the position");
  LearnStop();
  if (ended_) return stop_;
  gint64 position = 0;
  // During a seek or a state change there is no answer: the last one holds.
  if (gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position) && position >= 0)
    last_ = std::min<std::int64_t>(position / kNsPerUnit, stop_ > 0 ? stop_ : position / kNsPerUnit);
  return last_;
}

std::int64_t GstMediaGraph::StopPosition() {
  Require("tell the stop position");
  LearnStop();
  return stop_;
}

void GstMediaGraph::SetCurrentPosition(std::int64_t position) {
  Require("seek");
  LearnStop();
  const std::int64_t to = std::clamp<std::int64_t>(position, 0, stop_);
  // The stop position is left as it is.
  if (!gst_element_seek_simple(pipeline_, GST_FORMAT_TIME,
                               static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                               to * kNsPerUnit))
    media_.log_.Add("media cannot seek " + Label());
  ended_ = false;
  last_ = to;
  media_.log_.Add("media seek " + Label() + " " + std::to_string(to / platform::kMediaUnitsPerMs) + " ms");
}

void GstMediaGraph::SetVolume(int volume) {
  volume_ = std::clamp(volume, 0, platform::kMaxMediaVolume);
  // Linear in amplitude, as the attenuation scale of the scripts' volume is.
  if (pipeline_ != nullptr)
    g_object_set(pipeline_, "volume", volume_ / static_cast<double>(platform::kMaxMediaVolume), nullptr);
}

// ---------------------------------------------------------------------------

GstVideoWindow::GstVideoWindow(sim::SimWindow& page, GstMediaGraph& graph, sim::SimLog& log)
    : SimControl(page, nullptr), graph_(graph), log_(log) {
  tabStop_ = false;
  graph_.AddWatcher([this, alive = std::weak_ptr<const int>(alive_)] {
    if (!alive.expired()) Changed();
  });
  poll_ = g_timeout_add(kFramePollMs, OnPoll, this);
}

GstVideoWindow::~GstVideoWindow() {
  if (poll_ != 0) g_source_remove(poll_);
}

gboolean GstVideoWindow::OnPoll(gpointer self) {
  auto* window = static_cast<GstVideoWindow*>(self);
  if (window->visible_ && window->graph_.Frames().Serial() != window->shown_) window->Changed();
  return G_SOURCE_CONTINUE;
}

void GstVideoWindow::SetBounds(platform::Rect bounds) {
  if (fullScreen_) saved_ = bounds;
  else bounds_ = bounds;
  Changed();
}

void GstVideoWindow::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  log_.Add(std::string(visible ? "video show " : "video hide ") + window_->Name());
  Changed();
}

void GstVideoWindow::SetStretched(bool stretched) {
  stretched_ = stretched;
  Changed();
}

void GstVideoWindow::EnterFullScreen() {
  if (fullScreen_) return;
  saved_ = bounds_;
  const platform::Size client = window_->ClientSize();
  bounds_ = {0, 0, client.width, client.height};
  fullScreen_ = true;
  log_.Add("video full screen " + window_->Name());
  Changed();
}

void GstVideoWindow::LeaveFullScreen() {
  if (!fullScreen_) return;
  fullScreen_ = false;
  bounds_ = saved_;
  log_.Add("video normal " + window_->Name());
  Changed();
}

void GstVideoWindow::BringToFront() { Raise(); }

void GstVideoWindow::PaintOn(sim::SimCanvas& canvas) {
  shown_ = graph_.Frames().Serial();
  canvas.FillRect(bounds_, platform::MakeColor(0, 0, 0));
  const RgbaImage frame = graph_.Frames().Newest();
  if (frame.Empty()) return;
  canvas.DrawImage(frame, PictureRect(bounds_, {frame.Width(), frame.Height()}, stretched_), true);
}

DialogControl GstVideoWindow::DialogState() const {
  DialogControl d = SimControl::DialogState();
  d.canFocus = false;
  d.tabStop = false;
  return d;
}

}  // namespace vx::live
