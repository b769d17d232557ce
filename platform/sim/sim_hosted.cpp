#include "platform/sim/sim_hosted.h"

#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_forms.h"
#include "platform/sim/sim_loop.h"
#include "util/error.h"

namespace vx::sim {

namespace {

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool Contains(platform::Rect r, platform::Point p) {
  return p.x >= r.left && p.y >= r.top && p.x < r.left + r.width && p.y < r.top + r.height;
}

template <typename T>
T* TopmostAt(SimWindow& window, platform::Point at) {
  T* found = nullptr;
  for (SimControl* control : window.Controls())
    if (auto* c = dynamic_cast<T*>(control); c != nullptr && c->Shown() && Contains(c->Area(), at)) found = c;
  return found;
}

// A library of registered functions; every call goes in the log.
class SimPluginLibrary : public platform::PluginLibrary {
 public:
  SimPluginLibrary(SimLog& log, std::string path, const SimPluginExports& exports)
      : log_(log), path_(std::move(path)), exports_(exports) {}

  bool HasExport(const std::string& name) const override { return !unloaded_ && exports_.count(name) != 0; }
  void CallWithWindow(const std::string& name, platform::PluginHost& host) override {
    SimPluginArgs a;
    a.host = dynamic_cast<SimPluginHost*>(&host);
    Invoke(name, std::to_string(a.host != nullptr ? a.host->Handle() : 0), a);
  }
  void CallDraw(const std::string& name, platform::PluginHost* host, int x, int y, int width, int height) override {
    SimPluginArgs a;
    a.host = dynamic_cast<SimPluginHost*>(host);
    a.x = x;
    a.y = y;
    a.width = width;
    a.height = height;
    Invoke(name,
           std::string(a.host != nullptr ? "dc" : "null") + "," + std::to_string(x) + "," + std::to_string(y) +
               "," + std::to_string(width) + "," + std::to_string(height),
           a);
  }
  void CallWithText(const std::string& name, const std::string& text) override {
    SimPluginArgs a;
    a.text = text;
    Invoke(name, "\"" + text + "\"", a);
  }
  void CallWithNumber(const std::string& name, std::int32_t number) override {
    SimPluginArgs a;
    a.number = number;
    Invoke(name, std::to_string(number), a);
  }
  void Call(const std::string& name) override { Invoke(name, "", {}); }
  std::string CallForText(const std::string& name) override { return Invoke(name, "", {}).text; }
  std::int32_t CallForNumber(const std::string& name) override { return Invoke(name, "", {}).number; }
  void Unload() override {
    unloaded_ = true;
    log_.Add("plugin unload " + path_);
  }

 private:
  SimPluginResult Invoke(const std::string& name, const std::string& shown, const SimPluginArgs& args) {
    const auto found = exports_.find(name);
    if (unloaded_ || found == exports_.end()) throw OsError("The export " + name + " is missing.");
    log_.Add("plugin " + name + "(" + shown + ")");
    return found->second(args);
  }

  SimLog& log_;
  std::string path_;
  SimPluginExports exports_;
  bool unloaded_ = false;
};

}  // namespace

// ---------------------------------------------------------------------------

template <typename I>
SimHostedControl<I>::SimHostedControl(SimWindow& window, platform::ControlListener* listener, SimLog& log,
                                      std::string what)
    : SimControl(window, listener), log_(log), what_(std::move(what)) {}

template <typename I>
void SimHostedControl<I>::SetBounds(platform::Rect bounds) {
  bounds_ = bounds;
  Changed();
}
template <typename I>
void SimHostedControl<I>::SetVisible(bool visible) {
  visible_ = visible;
  Changed();
}
template <typename I>
void SimHostedControl<I>::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}
template <typename I>
void SimHostedControl<I>::BringToFront() {
  window_->RaiseControl(this);
}
template <typename I>
void SimHostedControl<I>::Focus() {
  window_->FocusControl(this);
}
template <typename I>
DialogControl SimHostedControl<I>::DialogState() const {
  return SimControl::DialogState();
}
template <typename I>
void SimHostedControl<I>::Note(const std::string& what) const {
  log_.Add(what_ + " on " + window_->Name() + ": " + what);
}

template class SimHostedControl<platform::FlashPlayer>;
template class SimHostedControl<platform::WebBrowser>;
template class SimHostedControl<platform::PluginHost>;

// ---------------------------------------------------------------------------

SimFlashPlayer::SimFlashPlayer(SimWindow& window, platform::ControlListener* listener, SimLog& log, SimLoop& loop)
    : SimHostedControl(window, listener, log, "flash"), loop_(loop) {}

void SimFlashPlayer::SetMovie(const std::string& path) {
  movie_ = path;
  frame_ = 0;
  Note("movie " + path);
}
void SimFlashPlayer::SetQuality(int quality) {
  quality_ = quality;
  Note("quality " + std::to_string(quality));
}
void SimFlashPlayer::SetLoop(bool loop) {
  looping_ = loop;
  Note(std::string("loop ") + (loop ? "on" : "off"));
}
void SimFlashPlayer::SetFrameNum(int frame) {
  frame_ = frame;
  Note("frame " + std::to_string(frame));
}
void SimFlashPlayer::SetScaleMode(int mode) {
  scaleMode_ = mode;
  Note("scale mode " + std::to_string(mode));
}
void SimFlashPlayer::SetMenu(bool shown) {
  menu_ = shown;
  Note(std::string("menu ") + (shown ? "on" : "off"));
}
void SimFlashPlayer::SetBackgroundColor(const std::string& rrggbb) {
  background_ = rrggbb;
  Note("background " + rrggbb);
}
void SimFlashPlayer::Play() {
  playing_ = true;
  Note("play");
  Changed();
}
void SimFlashPlayer::Stop() {
  playing_ = false;
  Note("stop");
  Changed();
}
void SimFlashPlayer::SetVariable(const std::string& name, const std::string& value) {
  variables_[name] = value;
  Note("set " + name + " = " + value);
}
std::string SimFlashPlayer::GetVariable(const std::string& name) {
  const auto found = variables_.find(name);
  Note("get " + name);
  return found != variables_.end() ? found->second : std::string();
}
void SimFlashPlayer::RaiseFSCommand(const std::string& command, const std::string& args) {
  Note("fscommand " + command + " " + args);
  if (handlers_.fsCommand) loop_.Dispatch([&] { handlers_.fsCommand(command, args); });
}
void SimFlashPlayer::RaiseFlashCall(const std::string& request) {
  Note("flash call " + request);
  if (handlers_.flashCall) loop_.Dispatch([&] { handlers_.flashCall(request); });
}
void SimFlashPlayer::PaintOn(SimCanvas& canvas) { canvas.FillRect(bounds_, kFlashStageColor); }

// ---------------------------------------------------------------------------

SimBrowser::SimBrowser(SimWindow& window, platform::ControlListener* listener, SimLog& log, SimLoop& loop)
    : SimHostedControl(window, listener, log, "browser"), loop_(loop) {}

bool SimBrowser::Allowed(const std::string& address) {
  bool cancel = false;
  if (handlers_.beforeNavigate) {
    platform::NavigationRequest request{address, "0", "", "", ""};
    loop_.Dispatch([&] { handlers_.beforeNavigate(request, cancel); });
  }
  if (cancel) Note("navigation to " + address + " cancelled");
  return !cancel;
}

// The document arrives from the loop, as a real one does.
void SimBrowser::Arrive(const std::string& address) {
  Note("navigate " + address);
  Changed();
  loop_.PostToMainThread([this, address, alive = std::weak_ptr<const int>(alive_)] {
    if (alive.expired()) return;
    if (handlers_.navigateComplete) loop_.Dispatch([&] { handlers_.navigateComplete(address); });
  });
}

void SimBrowser::Navigate(const std::string& address) {
  if (!Allowed(address)) return;
  history_.resize(at_);
  history_.push_back(address);
  at_ = history_.size();
  Arrive(address);
}

void SimBrowser::GoBack() {
  // The control's own failure when there is nowhere to go.
  if (at_ < 2) throw OsError("Unspecified error");
  if (!Allowed(history_[at_ - 2])) return;
  --at_;
  Arrive(history_[at_ - 1]);
}

void SimBrowser::GoForward() {
  if (at_ >= history_.size()) throw OsError("Unspecified error");
  if (!Allowed(history_[at_])) return;
  ++at_;
  Arrive(history_[at_ - 1]);
}

void SimBrowser::Refresh() {
  if (failRefresh_) throw OsError("Unspecified error");
  Note("refresh");
}
void SimBrowser::StopLoading() { Note("stop"); }
void SimBrowser::SetOffline(bool offline) {
  offline_ = offline;
  Note(std::string("offline ") + (offline ? "on" : "off"));
}
void SimBrowser::SetUiFlags(unsigned flags) {
  uiFlags_ = flags;
  Note("ui flags " + std::to_string(flags));
}
void SimBrowser::SetOwnContextMenu(bool own) {
  ownMenu_ = own;
  Note(std::string("context menu ") + (own ? "own" : "none"));
}
void SimBrowser::SetAcceptDroppedFiles(bool accept) {
  acceptDrop_ = accept;
  Note(std::string("accept dropped files ") + (accept ? "on" : "off"));
}
void SimBrowser::Print() { Note("print (prompt)"); }
void SimBrowser::PrintPreview() { Note("print preview"); }
void SimBrowser::PageSetup() { Note("page setup (prompt)"); }

bool SimBrowser::RequestNewWindow(const std::string& address) {
  bool cancel = false;
  if (handlers_.newWindow) loop_.Dispatch([&] { handlers_.newWindow(cancel); });
  Note("new window " + address + (cancel ? " cancelled" : " opened"));
  return !cancel;
}
void SimBrowser::RaiseProgress(int progress, int progressMax) {
  if (handlers_.progress) loop_.Dispatch([&] { handlers_.progress(progress, progressMax); });
}
void SimBrowser::RaiseStatusText(const std::string& text) {
  if (handlers_.statusText) loop_.Dispatch([&] { handlers_.statusText(text); });
}
void SimBrowser::RaiseTitle(const std::string& title) {
  if (handlers_.title) loop_.Dispatch([&] { handlers_.title(title); });
}

std::string SimBrowser::Location() const { return at_ == 0 ? std::string() : history_[at_ - 1]; }

void SimBrowser::PaintOn(SimCanvas& canvas) { canvas.FillRect(bounds_, kBrowserPageColor); }

// ---------------------------------------------------------------------------

SimPluginHost::SimPluginHost(SimWindow& window, platform::ControlListener* listener, SimLog& log)
    : SimHostedControl(window, listener, log, "plugin host") {
  tabStop_ = false;
}

void SimPluginHost::Fill(platform::Color color) {
  fill_ = color;
  Changed();
}

void SimPluginHost::PaintOn(SimCanvas& canvas) { canvas.FillRect(bounds_, fill_); }

// ---------------------------------------------------------------------------

void SimHosted::RegisterLibrary(const std::string& path, SimPluginExports exports) {
  libraries_[Upper(path)] = std::move(exports);
}

void SimHosted::SetDownload(const std::string& address, std::string bytes) { downloads_[address] = std::move(bytes); }

SimBrowser* SimHosted::BrowserAt(SimWindow& window, platform::Point at) { return TopmostAt<SimBrowser>(window, at); }
SimFlashPlayer* SimHosted::FlashAt(SimWindow& window, platform::Point at) {
  return TopmostAt<SimFlashPlayer>(window, at);
}

std::unique_ptr<platform::FlashPlayer> SimHosted::CreateFlashPlayer(platform::Window& owner,
                                                                    platform::ControlListener* listener) {
  if (!flashInstalled_) return nullptr;
  return std::make_unique<SimFlashPlayer>(dynamic_cast<SimWindow&>(owner), listener, log_, loop_);
}

std::unique_ptr<platform::WebBrowser> SimHosted::CreateBrowser(platform::Window& owner,
                                                               platform::ControlListener* listener) {
  return std::make_unique<SimBrowser>(dynamic_cast<SimWindow&>(owner), listener, log_, loop_);
}

std::unique_ptr<platform::PluginHost> SimHosted::CreatePluginHost(platform::Window& owner,
                                                                  platform::ControlListener* listener) {
  return std::make_unique<SimPluginHost>(dynamic_cast<SimWindow&>(owner), listener, log_);
}

std::unique_ptr<platform::PluginLibrary> SimHosted::LoadPluginLibrary(const std::string& path) {
  const auto found = libraries_.find(Upper(path));
  if (found == libraries_.end()) {
    log_.Add("plugin load " + path + " failed");
    return nullptr;
  }
  log_.Add("plugin load " + path);
  return std::make_unique<SimPluginLibrary>(log_, path, found->second);
}

bool SimHosted::DownloadToFile(const std::string& address, const std::string& file) {
  const auto found = downloads_.find(address);
  if (found == downloads_.end()) {
    log_.Add("download " + address + " failed");
    return false;
  }
  try {
    platform::WriteWholeFile(files_, file, found->second);
  } catch (const Error&) {
    log_.Add("download " + address + " -> " + file + " failed");
    return false;
  }
  log_.Add("download " + address + " -> " + file);
  return true;
}

}  // namespace vx::sim
