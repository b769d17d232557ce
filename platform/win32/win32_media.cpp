#include "platform/win32/win32_media.h"

#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_loop.h"
#include "platform/win32/win32_text.h"
#include "util/error.h"
#include "util/media_volume.h"

// After the backend's own headers, which include <windows.h> their way.
#include <dshow.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace vx::win32 {

namespace {

constexpr long kEventClockChanged = 13;  // EC_CLOCK_CHANGED
constexpr long kEventComplete = 1;        // EC_COMPLETE

template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() { Reset(); }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p_; }
  T* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T** Out() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (p_ != nullptr) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

void Check(HRESULT hr, const std::string& what) {
  if (FAILED(hr)) throw OsError(what + ": " + HresultText(hr));
}

const wchar_t kMediaWindowClass[] = L"VXMediaEvents";

// Whether any pin of the filter is connected.
bool Connected(IBaseFilter* filter) {
  Com<IEnumPins> pins;
  if (FAILED(filter->EnumPins(pins.Out()))) return false;
  bool connected = false;
  IPin* pin = nullptr;
  while (!connected && pins->Next(1, &pin, nullptr) == S_OK) {
    IPin* other = nullptr;
    if (SUCCEEDED(pin->ConnectedTo(&other)) && other != nullptr) {
      connected = true;
      other->Release();
    }
    pin->Release();
  }
  return connected;
}

}  // namespace

class Win32MediaGraph : public platform::MediaGraph {
 public:
  explicit Win32MediaGraph(Win32Media& media) : media_(media) { media_.graphs_.insert(this); }
  ~Win32MediaGraph() override {
    media_.graphs_.erase(this);
    Release();
  }

  void SetActive(bool active) override {
    if (active == Active()) return;
    if (!active) {
      Release();
      Changed();
      return;
    }
    Check(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                           reinterpret_cast<void**>(builder_.Out())),
          "Cannot create the filter graph");
    Check(builder_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(control_.Out())), "No media control");
    Check(builder_->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(seeking_.Out())), "No media seeking");
    Check(builder_->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(events_.Out())), "No media events");
    events_->SetNotifyWindow(reinterpret_cast<OAHWND>(media_.hwnd_), kMediaEventMessage,
                             reinterpret_cast<LONG_PTR>(this));
  }
  bool Active() const override { return static_cast<bool>(builder_); }

  void RenderFile(const std::string& path) override {
    if (!Active()) SetActive(true);
    Trace("media render " + path);
    const std::wstring wide = Widen(path);
    // The GDI video renderer goes in first, so that a video is drawn with it
    // rather than with a Direct3D renderer that needs a working 3-D device
    // (Wine's default, VMR-9, draws nothing without one). A file without
    // video leaves it unconnected, and it goes again.
    Com<IBaseFilter> renderer;
    if (SUCCEEDED(CoCreateInstance(CLSID_VideoRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                   reinterpret_cast<void**>(renderer.Out()))))
      builder_->AddFilter(renderer.Get(), L"Video Renderer");
    const HRESULT hr = builder_->RenderFile(wide.c_str(), nullptr);
    if (renderer && !Connected(renderer.Get())) builder_->RemoveFilter(renderer.Get());
    if (FAILED(hr)) {
      Trace("media cannot render " + path + ": " + HresultText(hr));
      Check(hr, "Cannot render the file \"" + path + "\"");
    }
    rendered_ = true;
    file_ = path;
    audio_.Reset();
    if (SUCCEEDED(builder_->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(audio_.Out()))))
      audio_->put_Volume(LinearToAttenuation(volume_));
    // Every graph manager answers for a video window; one without a video
    // renderer fails each call on it, which the window then ignores.
    video_.Reset();
    builder_->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(video_.Out()));
    Changed();
  }

  void Clear() override {
    if (!Active()) return;
    if (control_) control_->Stop();
    // Every filter goes: the graph is empty but stays.
    Com<IEnumFilters> list;
    if (SUCCEEDED(builder_->EnumFilters(list.Out()))) {
      std::vector<IBaseFilter*> filters;
      IBaseFilter* filter = nullptr;
      while (list->Next(1, &filter, nullptr) == S_OK) filters.push_back(filter);
      for (IBaseFilter* f : filters) {
        builder_->RemoveFilter(f);
        f->Release();
      }
    }
    audio_.Reset();
    video_.Reset();
    rendered_ = false;
    file_.clear();
    Changed();
  }

  void Run() override {
    Require("run");
    Check(control_->Run(), "Cannot run " + file_);
    Trace("media run " + file_);
  }
  void Pause() override {
    Require("pause");
    Check(control_->Pause(), "Cannot pause " + file_);
    Trace("media pause " + file_);
  }
  void Stop() override {
    if (!Active()) return;
    Check(control_->Stop(), "Cannot stop " + file_);
    Trace("media stop " + file_);
  }

  platform::MediaState State() const override {
    using platform::MediaState;
    if (!Active() || !rendered_) return MediaState::Uninitialised;
    OAFilterState state = State_Stopped;
    if (FAILED(control_->GetState(100, &state))) return MediaState::Uninitialised;
    switch (state) {
      case State_Running: return MediaState::Playing;
      case State_Paused: return MediaState::Paused;
      default: return MediaState::Stopped;
    }
  }

  std::int64_t CurrentPosition() override {
    Require("tell the position");
    LONGLONG at = 0;
    Check(seeking_->GetCurrentPosition(&at), "Cannot tell the position of " + file_);
    return at;
  }
  std::int64_t StopPosition() override {
    Require("tell the stop position");
    LONGLONG at = 0;
    Check(seeking_->GetStopPosition(&at), "Cannot tell the stop position of " + file_);
    return at;
  }
  void SetCurrentPosition(std::int64_t position) override {
    Require("seek");
    LONGLONG at = position;
    Check(seeking_->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning),
          "Cannot seek in " + file_);
  }

  void SetVolume(int volume) override {
    volume_ = std::clamp(volume, 0, platform::kMaxMediaVolume);
    if (audio_) audio_->put_Volume(LinearToAttenuation(volume_));
  }
  int Volume() const override { return volume_; }
  void SetHandlers(platform::MediaHandlers handlers) override { handlers_ = std::move(handlers); }

  // The renderer's window, while the graph has one.
  IVideoWindow* Video() const { return video_.Get(); }
  void AddWatcher(std::function<void()> watcher) { watchers_.push_back(std::move(watcher)); }
  void RemoveWatchers() { watchers_.clear(); }

  // Every waiting event, each handler through the loop's guard.
  void DrainEvents() {
    long code = 0;
    LONG_PTR p1 = 0;
    LONG_PTR p2 = 0;
    while (events_ && events_->GetEvent(&code, &p1, &p2, 0) == S_OK) {
      events_->FreeEventParams(code, p1, p2);
      if (code == kEventComplete) {
        Trace("media complete " + file_);
        if (handlers_.completed) media_.loop_.Dispatch(handlers_.completed);
      } else if (code == kEventClockChanged) {
        if (handlers_.started) media_.loop_.Dispatch(handlers_.started);
      }
      // A handler may have rebuilt or released the graph.
      if (media_.graphs_.count(this) == 0) return;
    }
  }

 private:
  void Require(const char* what) const {
    if (!Active()) throw OsError(std::string("The media graph is not active: cannot ") + what + ".");
    if (!rendered_) throw OsError(std::string("The media graph holds no file: cannot ") + what + ".");
  }
  void Changed() {
    for (const auto& watcher : watchers_) watcher();
  }
  void Release() {
    if (control_) control_->Stop();
    if (video_) {
      video_->put_Visible(OAFALSE);
      video_->put_Owner(0);
    }
    if (events_) events_->SetNotifyWindow(0, 0, 0);
    video_.Reset();
    audio_.Reset();
    events_.Reset();
    seeking_.Reset();
    control_.Reset();
    builder_.Reset();
    rendered_ = false;
    file_.clear();
  }

  Win32Media& media_;
  Com<IGraphBuilder> builder_;
  Com<IMediaControl> control_;
  Com<IMediaSeeking> seeking_;
  Com<IMediaEventEx> events_;
  Com<IBasicAudio> audio_;
  Com<IVideoWindow> video_;
  bool rendered_ = false;
  std::string file_;
  int volume_ = platform::kMaxMediaVolume;
  platform::MediaHandlers handlers_;
  std::vector<std::function<void()>> watchers_;
};

// The renderer's window, made a child of the page whenever the graph has
// one; bounds and visibility are kept here and applied to each new one.
class Win32VideoWindow : public platform::VideoWindow {
 public:
  Win32VideoWindow(HWND page, Win32MediaGraph& graph) : page_(page), graph_(graph) {
    graph_.AddWatcher([this] { Apply(); });
  }
  ~Win32VideoWindow() override { graph_.RemoveWatchers(); }

  void SetBounds(platform::Rect bounds) override {
    bounds_ = bounds;
    Apply();
  }
  platform::Rect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override {
    visible_ = visible;
    Apply();
  }
  bool IsVisible() const override { return visible_; }
  void SetStretched(bool stretched) override { stretched_ = stretched; }
  void EnterFullScreen() override {
    fullScreen_ = true;
    Apply();
  }
  void LeaveFullScreen() override {
    fullScreen_ = false;
    Apply();
  }
  bool IsFullScreen() const override { return fullScreen_; }
  // The renderer's window is a native child: above every windowless object
  // of the page already.
  void BringToFront() override { Apply(); }

 private:
  void Apply() {
    IVideoWindow* video = graph_.Video();
    if (video == nullptr) return;
    OAHWND owner = 0;
    video->get_Owner(&owner);
    if (owner != reinterpret_cast<OAHWND>(page_)) {
      // An audio-only graph has no renderer window to own.
      if (FAILED(video->put_Owner(reinterpret_cast<OAHWND>(page_)))) return;
      video->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
      video->put_MessageDrain(reinterpret_cast<OAHWND>(page_));
      Trace("video window on the page");
    }
    long full = OAFALSE;
    video->get_FullScreenMode(&full);
    if (fullScreen_) {
      // The renderer covers the monitor that shows its window.
      if (full == OAFALSE) video->put_FullScreenMode(OATRUE);
      return;
    }
    if (full != OAFALSE) video->put_FullScreenMode(OAFALSE);
    const HRESULT placed = video->SetWindowPosition(bounds_.left, bounds_.top, bounds_.width, bounds_.height);
    const HRESULT shown = video->put_Visible(visible_ ? OATRUE : OAFALSE);
    Trace("video window " + std::to_string(bounds_.left) + "," + std::to_string(bounds_.top) + " " +
          std::to_string(bounds_.width) + "x" + std::to_string(bounds_.height) + (visible_ ? " shown" : " hidden") +
          (FAILED(placed) || FAILED(shown) ? ": " + HresultText(FAILED(placed) ? placed : shown) : std::string()));
  }

  HWND page_;
  Win32MediaGraph& graph_;
  platform::Rect bounds_{0, 0, 0, 0};
  bool visible_ = false;
  bool stretched_ = false;
  bool fullScreen_ = false;
};

Win32Media::Win32Media(Win32Loop& loop) : loop_(loop) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = ModuleInstance();
  wc.lpszClassName = kMediaWindowClass;
  RegisterClassW(&wc);
  hwnd_ = CreateWindowExW(0, kMediaWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(), nullptr);
  if (hwnd_ != nullptr) SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Media::~Win32Media() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Win32Media::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMediaEventMessage) {
    auto* media = reinterpret_cast<Win32Media*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    auto* graph = reinterpret_cast<Win32MediaGraph*>(lParam);
    // A graph freed since it posted has nothing more to say.
    if (media != nullptr && media->graphs_.count(graph) != 0) graph->DrainEvents();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::unique_ptr<platform::MediaGraph> Win32Media::CreateGraph() { return std::make_unique<Win32MediaGraph>(*this); }

std::unique_ptr<platform::VideoWindow> Win32Media::CreateVideoWindow(platform::Window& page,
                                                                     platform::MediaGraph& graph) {
  auto* window = dynamic_cast<Win32Window*>(&page);
  auto* own = dynamic_cast<Win32MediaGraph*>(&graph);
  if (window == nullptr || own == nullptr) throw OsError("A video window needs a page and a graph of this player.");
  return std::make_unique<Win32VideoWindow>(window->Handle(), *own);
}

}  // namespace vx::win32
