#include "platform/live/live_hosted.h"

#ifdef VX_HAVE_WEBKIT
#include "platform/live/web_browser.h"
#include "platform/live/web_download.h"
#include "platform/live/web_flash.h"
#include "platform/sim/sim_forms.h"
#endif

namespace vx::live {

std::unique_ptr<platform::PluginLibrary> LiveHosted::LoadPluginLibrary(const std::string& path) {
  log_.Add("plugin load " + path + " " + kPluginRefusedReason);
  return nullptr;
}

std::unique_ptr<platform::WebBrowser> LiveHosted::CreateBrowser(platform::Window& owner,
                                                                platform::ControlListener* listener) {
#ifdef VX_HAVE_WEBKIT
  if (panes_ != nullptr) {
    return std::make_unique<LiveBrowser>(dynamic_cast<sim::SimWindow&>(owner), listener, log_, panes_->Loop(),
                                         *panes_);
  }
#endif
  return sim_.CreateBrowser(owner, listener);
}

std::unique_ptr<platform::FlashPlayer> LiveHosted::CreateFlashPlayer(platform::Window& owner,
                                                                    platform::ControlListener* listener) {
#ifdef VX_HAVE_WEBKIT
  if (panes_ != nullptr && panes_->HasFlashPlayer())
    return std::make_unique<LiveFlash>(dynamic_cast<sim::SimWindow&>(owner), listener, log_, panes_->Loop(), *panes_);
#endif
  return sim_.CreateFlashPlayer(owner, listener);
}

bool LiveHosted::DownloadToFile(const std::string& address, const std::string& file) {
#ifdef VX_HAVE_WEBKIT
  if (files_ != nullptr) return live::DownloadToFile(*files_, log_, address, file);
#endif
  return sim_.DownloadToFile(address, file);
}

}  // namespace vx::live
