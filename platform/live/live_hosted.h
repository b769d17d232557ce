#pragma once
// The hosted controls of the native player: the simulated ones, but a
// plug-in library (a Windows DLL) is never loaded. The plug-in's host stays
// empty, as for a library that is missing, and the log says why.

#include <memory>
#include <string>

#include "platform/hosted.h"
#include "platform/sim/sim_log.h"

namespace vx::live {

// The log line of a refused library, after "plugin load PATH ".
inline constexpr const char* kPluginRefusedReason =
    "refused: a Windows library; the native player does not load plug-in libraries";

class LiveHosted : public platform::HostedControls {
 public:
  LiveHosted(platform::HostedControls& sim, sim::SimLog& log) : sim_(sim), log_(log) {}

  std::unique_ptr<platform::FlashPlayer> CreateFlashPlayer(platform::Window& owner,
                                                           platform::ControlListener* listener) override {
    return sim_.CreateFlashPlayer(owner, listener);
  }
  std::unique_ptr<platform::WebBrowser> CreateBrowser(platform::Window& owner,
                                                      platform::ControlListener* listener) override {
    return sim_.CreateBrowser(owner, listener);
  }
  std::unique_ptr<platform::PluginHost> CreatePluginHost(platform::Window& owner,
                                                         platform::ControlListener* listener) override {
    return sim_.CreatePluginHost(owner, listener);
  }
  // Its code would be x86 Windows code: running it natively is impossible,
  // and running it any other way would run code the person never chose to.
  std::unique_ptr<platform::PluginLibrary> LoadPluginLibrary(const std::string& path) override;
  bool DownloadToFile(const std::string& address, const std::string& file) override {
    return sim_.DownloadToFile(address, file);
  }

 private:
  platform::HostedControls& sim_;
  sim::SimLog& log_;
};

}  // namespace vx::live
