#pragma once
// Controls hosted from outside the runtime: the Flash player, the browser.

#include <memory>

namespace vx::platform {

class Window;

class FlashPlayer {
 public:
  virtual ~FlashPlayer() = default;
  virtual void SetVisible(bool visible) = 0;
};

class HostedControls {
 public:
  virtual ~HostedControls() = default;
  // The Flash player control on the given window, or null when the player is
  // not installed.
  virtual std::unique_ptr<FlashPlayer> CreateFlashPlayer(Window& owner) = 0;
};

}  // namespace vx::platform
