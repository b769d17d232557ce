#include "platform/live/live_hosted.h"

namespace vx::live {

std::unique_ptr<platform::PluginLibrary> LiveHosted::LoadPluginLibrary(const std::string& path) {
  log_.Add("plugin load " + path + " " + kPluginRefusedReason);
  return nullptr;
}

}  // namespace vx::live
