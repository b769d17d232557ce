#pragma once
// The hosted kinds: a Flash movie (the Flash player control), a web page
// (the browser control) and the host window of a media plug-in. Each is a
// native control of its page; the page host's handlers (event routing)
// reach their scripts through the hooks below.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "objects/vx_native.h"
#include "platform/hosted.h"

namespace vx {

class TVXFlash : public TVXNativeControl {
 public:
  // Throws vx::Error when the player is not installed.
  TVXFlash(platform::HostedControls& hosted, platform::Window& page);
  ~TVXFlash() override;

  LineList evntFC;
  LineList evntFS;
  // As the record gave them, applied by its last field.
  bool Playing = false;
  bool Loop = false;
  platform::FlashPlayer& Player() const { return *player_; }
  // What event routing attaches.
  void SetHandlers(platform::FlashHandlers handlers) { player_->SetHandlers(std::move(handlers)); }

 protected:
  platform::Control& NativeControl() const override { return *player_; }

 private:
  std::unique_ptr<platform::FlashPlayer> player_;
};

class TVXBrowser : public TVXNativeControl {
 public:
  TVXBrowser(platform::HostedControls& hosted, platform::Window& page);
  ~TVXBrowser() override;

  std::string DefPath;
  LineList evntBN;
  LineList evntAN;
  LineList evntNW;
  LineList evntAC;
  LineList evntPC;
  LineList evntSC;
  LineList evntTC;

  platform::WebBrowser& Browser() const { return *browser_; }
  void SetHandlers(platform::BrowserHandlers handlers) { browser_->SetHandlers(std::move(handlers)); }
  // A user-interface option on or off.
  void SetUiFlag(unsigned flag, bool on);
  // Loaded browsers are placed after loading: none of the z-order passes.
  bool InZOrderPasses() const override { return false; }

 protected:
  platform::Control& NativeControl() const override { return *browser_; }

 private:
  std::unique_ptr<platform::WebBrowser> browser_;
};

class TVXMPlugin : public TVXNativeControl {
 public:
  TVXMPlugin(platform::HostedControls& hosted, platform::Window& page);
  ~TVXMPlugin() override;

  std::string Path;
  // Its slot in the plug-in table (from 1); 0 until its library is loaded.
  int LibraryIndex = 0;

  platform::PluginHost& Host() const { return *host_; }

 protected:
  platform::Control& NativeControl() const override { return *host_; }

 private:
  std::unique_ptr<platform::PluginHost> host_;
};

}  // namespace vx
