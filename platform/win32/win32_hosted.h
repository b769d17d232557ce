#pragma once
// The hosted controls on Windows: the Shockwave Flash control and the
// system's web-browser control in an ActiveX container of our own
// (win32_activex.*), plug-in libraries through the system loader, and
// downloads through the system's URL service.

#include <memory>
#include <string>

#include "platform/hosted.h"

namespace vx::win32 {

class Win32Loop;

class Win32Hosted : public platform::HostedControls {
 public:
  explicit Win32Hosted(Win32Loop& loop) : loop_(loop) {}

  std::unique_ptr<platform::FlashPlayer> CreateFlashPlayer(platform::Window& owner,
                                                           platform::ControlListener* listener) override;
  std::unique_ptr<platform::WebBrowser> CreateBrowser(platform::Window& owner,
                                                      platform::ControlListener* listener) override;
  std::unique_ptr<platform::PluginHost> CreatePluginHost(platform::Window& owner,
                                                         platform::ControlListener* listener) override;
  std::unique_ptr<platform::PluginLibrary> LoadPluginLibrary(const std::string& path) override;
  bool DownloadToFile(const std::string& address, const std::string& file) override;

 private:
  Win32Loop& loop_;
};

}  // namespace vx::win32
