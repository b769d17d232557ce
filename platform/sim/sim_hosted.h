#pragma once
// Simulated hosted controls. The Flash player and the browser keep their
// state and put every call in the log; the browser keeps a navigation
// history (back and forward work) and asks its before-navigate handler on
// every navigation. Tests and tours raise the controls' own events (a link
// clicked, a new window, progress, status, title, an FS command, a Flash
// call). Plug-in libraries are tables of functions a test registers under
// a path; any other path fails to load like a missing file.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hosted.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_log.h"

namespace vx::sim {

class SimLoop;
class SimFiles;
class SimWindow;
class SimPluginHost;

// The colour a host shows until its plug-in fills it.
inline constexpr platform::Color kPluginHostColor = platform::MakeColor(48, 48, 48);
inline constexpr platform::Color kBrowserPageColor = platform::MakeColor(255, 255, 255);
inline constexpr platform::Color kFlashStageColor = platform::MakeColor(0, 0, 96);

// What a simulated plug-in export receives and answers.
struct SimPluginArgs {
  SimPluginHost* host = nullptr;  // SetParentWindow; Draw (null: null device context)
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;
  std::int32_t number = 0;
};
struct SimPluginResult {
  std::string text;
  std::int32_t number = 0;
};
using SimPluginExport = std::function<SimPluginResult(const SimPluginArgs&)>;
using SimPluginExports = std::map<std::string, SimPluginExport>;

// Control's common state for the hosted kinds.
template <typename Interface>
class SimHostedControl : public SimControl, public Interface {
 public:
  SimHostedControl(SimWindow& window, platform::ControlListener* listener, SimLog& log, std::string what);

  void SetBounds(platform::Rect bounds) override;
  platform::Rect Bounds() const override { return bounds_; }
  void SetVisible(bool visible) override;
  bool IsVisible() const override { return visible_; }
  void SetEnabled(bool enabled) override;
  bool IsEnabled() const override { return enabled_; }
  void SetLook(const platform::ControlLook& look) override { look_ = look; }
  platform::ControlLook Look() const override { return look_; }
  void SetTabStop(bool on) override { tabStop_ = on; }
  bool TabStop() const { return tabStop_; }
  void SetTabOrder(int order) override { tabOrder_ = order; }
  int TabOrder() const override { return tabOrder_; }
  void MoveInTabOrder(int place) override { MoveInTabSequence(place); }
  void BringToFront() override;
  void SendToBack() override { Lower(); }
  void SetCursor(int cursorNumber) override { cursor_ = cursorNumber; }
  void SetParentWindow(platform::Window& window) override { MoveTo(window); }
  void Focus() override;
  bool HasFocus() const override { return Focused(); }
  DialogControl DialogState() const override;

 protected:
  // "flash on VX_APPLICATION_FORM1: " and the like.
  void Note(const std::string& what) const;
  SimLog& log_;
  std::string what_;
};

class SimFlashPlayer : public SimHostedControl<platform::FlashPlayer> {
 public:
  SimFlashPlayer(SimWindow& window, platform::ControlListener* listener, SimLog& log, SimLoop& loop);

  void SetMovie(const std::string& path) override;
  void SetQuality(int quality) override;
  void SetLoop(bool loop) override;
  void SetFrameNum(int frame) override;
  void SetScaleMode(int mode) override;
  void SetMenu(bool shown) override;
  void SetBackgroundColor(const std::string& rrggbb) override;
  void Play() override;
  void Stop() override;
  void SetVariable(const std::string& name, const std::string& value) override;
  std::string GetVariable(const std::string& name) override;
  void SetHandlers(platform::FlashHandlers handlers) override { handlers_ = std::move(handlers); }

  // The movie's own events.
  void RaiseFSCommand(const std::string& command, const std::string& args);
  void RaiseFlashCall(const std::string& request);

  const std::string& Movie() const { return movie_; }
  bool Playing() const { return playing_; }
  bool Looping() const { return looping_; }
  bool MenuShown() const { return menu_; }
  int Quality() const { return quality_; }
  int ScaleMode() const { return scaleMode_; }
  int FrameNum() const { return frame_; }
  const std::string& Background() const { return background_; }

  void PaintOn(SimCanvas& canvas) override;

 private:
  SimLoop& loop_;
  platform::FlashHandlers handlers_;
  std::string movie_;
  std::string background_;
  std::map<std::string, std::string> variables_;
  bool playing_ = false;
  bool looping_ = false;
  bool menu_ = true;
  int quality_ = 0;
  int scaleMode_ = 0;
  int frame_ = 0;
};

class SimBrowser : public SimHostedControl<platform::WebBrowser> {
 public:
  SimBrowser(SimWindow& window, platform::ControlListener* listener, SimLog& log, SimLoop& loop);

  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Refresh() override;
  void StopLoading() override;
  void SetOffline(bool offline) override;
  void SetUiFlags(unsigned flags) override;
  unsigned UiFlags() const override { return uiFlags_; }
  void SetOwnContextMenu(bool own) override;
  void SetAcceptDroppedFiles(bool accept) override;
  void Print() override;
  void PrintPreview() override;
  void PageSetup() override;
  void SetHandlers(platform::BrowserHandlers handlers) override { handlers_ = std::move(handlers); }

  // A person clicks a link to the address: the same navigation.
  void ClickLink(const std::string& address) { Navigate(address); }
  // A link asks for a new window; true when the handler let it open.
  bool RequestNewWindow(const std::string& address);
  void RaiseProgress(int progress, int progressMax);
  void RaiseStatusText(const std::string& text);
  void RaiseTitle(const std::string& title);

  // Refresh fails as a control may (nothing to refresh, busy).
  void FailRefresh(bool fail) { failRefresh_ = fail; }
  // The page shown; empty before the first navigation.
  std::string Location() const;
  const std::vector<std::string>& History() const { return history_; }
  bool Offline() const { return offline_; }
  bool OwnContextMenu() const { return ownMenu_; }
  bool AcceptsDroppedFiles() const { return acceptDrop_; }

  void PaintOn(SimCanvas& canvas) override;

 private:
  // Asks the before-navigate handler; true when the navigation may go on.
  bool Allowed(const std::string& address);
  void Arrive(const std::string& address);

  SimLoop& loop_;
  platform::BrowserHandlers handlers_;
  std::vector<std::string> history_;
  std::size_t at_ = 0;  // history_[at_ - 1] is shown
  unsigned uiFlags_ = 0;
  bool offline_ = false;
  bool ownMenu_ = true;
  bool acceptDrop_ = false;
  bool failRefresh_ = false;
  std::shared_ptr<const int> alive_ = std::make_shared<const int>(0);
};

class SimPluginHost : public SimHostedControl<platform::PluginHost> {
 public:
  SimPluginHost(SimWindow& window, platform::ControlListener* listener, SimLog& log);
  // What a plug-in draws: the host's area in one colour.
  void Fill(platform::Color color);
  platform::Color FillColor() const { return fill_; }
  // The handle a plug-in gets: the host's sequence on its window, from 1.
  std::uintptr_t Handle() const { return static_cast<std::uintptr_t>(Sequence()) + 1; }
  void PaintOn(SimCanvas& canvas) override;

 private:
  platform::Color fill_ = kPluginHostColor;
};

class SimHosted : public platform::HostedControls {
 public:
  SimHosted(SimLog& log, SimLoop& loop, SimFiles& files) : log_(log), loop_(loop), files_(files) {}

  void SetFlashInstalled(bool installed) { flashInstalled_ = installed; }
  // A library under this path (compared without regard to case).
  void RegisterLibrary(const std::string& path, SimPluginExports exports);
  // What a download of the address gives; an address not set fails.
  void SetDownload(const std::string& address, std::string bytes);

  // The topmost shown control of the kind at a client point of the window.
  static SimBrowser* BrowserAt(SimWindow& window, platform::Point at);
  static SimFlashPlayer* FlashAt(SimWindow& window, platform::Point at);

  std::unique_ptr<platform::FlashPlayer> CreateFlashPlayer(platform::Window& owner,
                                                           platform::ControlListener* listener) override;
  std::unique_ptr<platform::WebBrowser> CreateBrowser(platform::Window& owner,
                                                      platform::ControlListener* listener) override;
  std::unique_ptr<platform::PluginHost> CreatePluginHost(platform::Window& owner,
                                                         platform::ControlListener* listener) override;
  std::unique_ptr<platform::PluginLibrary> LoadPluginLibrary(const std::string& path) override;
  bool DownloadToFile(const std::string& address, const std::string& file) override;

 private:
  SimLog& log_;
  SimLoop& loop_;
  SimFiles& files_;
  bool flashInstalled_ = false;
  std::map<std::string, SimPluginExports> libraries_;  // upper-cased path
  std::map<std::string, std::string> downloads_;
};

}  // namespace vx::sim
