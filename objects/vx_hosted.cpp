#include "objects/vx_hosted.h"

#include "util/error.h"

namespace vx {

TVXFlash::TVXFlash(platform::HostedControls& hosted, platform::Window& page) : TVXNativeControl(ObjectKind::Flash) {
  player_ = hosted.CreateFlashPlayer(page, this);
  if (player_ == nullptr) throw Error("The Flash player is not installed.");
  bounds_ = {0, 0, 192, 192};
}

TVXFlash::~TVXFlash() = default;

TVXBrowser::TVXBrowser(platform::HostedControls& hosted, platform::Window& page)
    : TVXNativeControl(ObjectKind::Browser) {
  browser_ = hosted.CreateBrowser(page, this);
  if (browser_ == nullptr) throw Error("The system has no web-browser control.");
  bounds_ = {0, 0, 300, 150};
}

TVXBrowser::~TVXBrowser() = default;

void TVXBrowser::SetUiFlag(unsigned flag, bool on) {
  const unsigned flags = browser_->UiFlags();
  browser_->SetUiFlags(on ? flags | flag : flags & ~flag);
}

TVXMPlugin::TVXMPlugin(platform::HostedControls& hosted, platform::Window& page)
    : TVXNativeControl(ObjectKind::Plugin) {
  host_ = hosted.CreatePluginHost(page, this);
  if (host_ == nullptr) throw Error("No window for the plug-in.");
  bounds_ = {0, 0, 100, 100};
}

TVXMPlugin::~TVXMPlugin() = default;

}  // namespace vx
