#pragma once
// Controls hosted from outside the runtime: the Flash player, the web
// browser and the host window of a media plug-in; the loader of plug-in
// libraries; the download of an address to a file. Texts are 8-bit in the
// system code page; a backend converts the controls' wide texts at its edge.
// Every failing call throws vx::OsError with the system's message.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms.h"
#include "platform/types.h"

namespace vx::platform {

class Window;

struct FlashHandlers {
  std::function<void(const std::string& command, const std::string& args)> fsCommand;
  std::function<void(const std::string& request)> flashCall;
};

// The Shockwave Flash control. Quality and scale mode are the control's own
// codes, passed through unchanged.
class FlashPlayer : public Control {
 public:
  virtual void SetMovie(const std::string& path) = 0;
  virtual void SetQuality(int quality) = 0;
  virtual void SetLoop(bool loop) = 0;
  virtual void SetFrameNum(int frame) = 0;
  virtual void SetScaleMode(int mode) = 0;
  virtual void SetMenu(bool shown) = 0;
  // Six hexadecimal digits RRGGBB.
  virtual void SetBackgroundColor(const std::string& rrggbb) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual void SetVariable(const std::string& name, const std::string& value) = 0;
  virtual std::string GetVariable(const std::string& name) = 0;
  virtual void SetHandlers(FlashHandlers handlers) = 0;
};

// A navigation the browser is about to make, each value as text.
struct NavigationRequest {
  std::string url;
  std::string flags;
  std::string targetFrame;
  std::string postData;
  std::string headers;
};

struct BrowserHandlers {
  // Setting cancel keeps the browser where it is.
  std::function<void(const NavigationRequest& request, bool& cancel)> beforeNavigate;
  std::function<void(const std::string& url)> navigateComplete;
  std::function<void(bool& cancel)> newWindow;
  std::function<void(int progress, int progressMax)> progress;
  std::function<void(const std::string& text)> statusText;
  std::function<void(const std::string& title)> title;
};

// The document host's user-interface options, as bits.
inline constexpr unsigned kDisableTextSelect = 1;
inline constexpr unsigned kDontUse3DBorders = 4;
inline constexpr unsigned kDontUseScrollBars = 8;

// The system's web-browser control.
class WebBrowser : public Control {
 public:
  virtual void Navigate(const std::string& address) = 0;
  virtual void GoBack() = 0;
  virtual void GoForward() = 0;
  // With the control's default level.
  virtual void Refresh() = 0;
  virtual void StopLoading() = 0;
  virtual void SetOffline(bool offline) = 0;
  virtual void SetUiFlags(unsigned flags) = 0;
  virtual unsigned UiFlags() const = 0;
  // True: the browser's own context menu; false: none.
  virtual void SetOwnContextMenu(bool own) = 0;
  virtual void SetAcceptDroppedFiles(bool accept) = 0;
  // Print and page setup wait, processing messages, until the document is
  // complete, and prompt unless the print options say not to; the preview
  // never prompts.
  virtual void Print() = 0;
  virtual void PrintPreview() = 0;
  virtual void PageSetup() = 0;
  virtual void SetHandlers(BrowserHandlers handlers) = 0;
};

// A plain window a media plug-in draws into.
class PluginHost : public Control {};

// A plug-in library: its exports by name, called with the signatures of the
// plug-in interface and the caller-cleans (cdecl) convention. Destroying it
// leaves the library loaded: libraries stay until the process ends. Each
// call needs an export of that name (HasExport); a call into the library
// that fails throws vx::Error.
class PluginLibrary {
 public:
  virtual ~PluginLibrary() = default;
  virtual bool HasExport(const std::string& name) const = 0;
  // (window handle of the host): SetParentWindow.
  virtual void CallWithWindow(const std::string& name, PluginHost& host) = 0;
  // (device context, x, y, width, height): Draw; a null host passes a null
  // device context, else one of the host's window.
  virtual void CallDraw(const std::string& name, PluginHost* host, int x, int y, int width, int height) = 0;
  // (text): SetPath, SetFile.
  virtual void CallWithText(const std::string& name, const std::string& text) = 0;
  // (32-bit integer): SetData.
  virtual void CallWithNumber(const std::string& name, std::int32_t number) = 0;
  // (): Show and any export code 66 names.
  virtual void Call(const std::string& name) = 0;
  // () -> text: GetFile.
  virtual std::string CallForText(const std::string& name) = 0;
  // () -> 32-bit integer: GetData.
  virtual std::int32_t CallForNumber(const std::string& name) = 0;
  // The one unloading there is: after its SetParentWindow failed.
  virtual void Unload() = 0;
};

class HostedControls {
 public:
  virtual ~HostedControls() = default;
  // The Flash player control on the given window, or null when the player is
  // not installed.
  virtual std::unique_ptr<FlashPlayer> CreateFlashPlayer(Window& owner, ControlListener* listener) = 0;
  // Null when the system has no browser control.
  virtual std::unique_ptr<WebBrowser> CreateBrowser(Window& owner, ControlListener* listener) = 0;
  virtual std::unique_ptr<PluginHost> CreatePluginHost(Window& owner, ControlListener* listener) = 0;
  // Null when the file is missing or no library.
  virtual std::unique_ptr<PluginLibrary> LoadPluginLibrary(const std::string& path) = 0;
  // Fetches the address into the file; false when that failed.
  virtual bool DownloadToFile(const std::string& address, const std::string& file) = 0;
};

}  // namespace vx::platform
