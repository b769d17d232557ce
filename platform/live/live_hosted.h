#pragma once
// The hosted controls of the native player. Browser panes are WebKit views
// and downloads are real when the player has WebKit (web panes given);
// otherwise both stay the simulated ones. Flash movies play in the Ruffle
// web player where it is installed; elsewhere the Flash player is the sim's
// (none: a movie is left out). A plug-in library (a Windows DLL) is never
// loaded: the plug-in's host stays empty, as for a library that is missing,
// and the log says why.

#include <memory>
#include <string>

#include "platform/files.h"
#include "platform/hosted.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

class WebPanes;

// The log line of a refused library, after "plugin load PATH ".
inline constexpr const char* kPluginRefusedReason =
    "refused: a Windows library; the native player does not load plug-in libraries";

class LiveHosted : public platform::HostedControls {
 public:
  LiveHosted(platform::HostedControls& sim, sim::SimLog& log) : sim_(sim), log_(log) {}
  // panes: where browser panes go; files: where downloads are written.
  LiveHosted(platform::HostedControls& sim, sim::SimLog& log, WebPanes* panes, platform::Files* files)
      : sim_(sim), log_(log), panes_(panes), files_(files) {}

  // The web player when the player has it; else the sim's (none).
  std::unique_ptr<platform::FlashPlayer> CreateFlashPlayer(platform::Window& owner,
                                                           platform::ControlListener* listener) override;
  std::unique_ptr<platform::WebBrowser> CreateBrowser(platform::Window& owner,
                                                      platform::ControlListener* listener) override;
  std::unique_ptr<platform::PluginHost> CreatePluginHost(platform::Window& owner,
                                                         platform::ControlListener* listener) override {
    return sim_.CreatePluginHost(owner, listener);
  }
  // Its code would be x86 Windows code: running it natively is impossible,
  // and running it any other way would run code the person never chose to.
  std::unique_ptr<platform::PluginLibrary> LoadPluginLibrary(const std::string& path) override;
  bool DownloadToFile(const std::string& address, const std::string& file) override;

 private:
  platform::HostedControls& sim_;
  sim::SimLog& log_;
  WebPanes* panes_ = nullptr;
  platform::Files* files_ = nullptr;
};

}  // namespace vx::live
