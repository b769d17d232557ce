#include "platform/live/live_hosted.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_hosted.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"

namespace vx::live {
namespace {

const std::string kPlugin = "C:\\plug\\player.dll";

// A presentation with a plug-in whose library the simulated system has; the
// native player's hosted controls still refuse to load it.
class LiveHostedTest : public ::testing::Test {
 protected:
  LiveHostedTest() {
    tools::ProjectModel project = test::OnePageProject();
    auto& plug = project.pages.front().AddPlugin("Plug");
    plug.bounds = {50, 60, 120, 80};
    plug.path = kPlugin;
    sim::SimPluginExports exports;
    exports["SetParentWindow"] = [this](const sim::SimPluginArgs&) {
      ++calls;
      return sim::SimPluginResult{};
    };
    exports["Show"] = [this](const sim::SimPluginArgs&) {
      ++calls;
      return sim::SimPluginResult{};
    };
    desktop.hosted.RegisterLibrary(kPlugin, exports);
    test::InstallPresentation(desktop, project);
  }

  bool Logged(const std::string& line) {
    const auto lines = desktop.log.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  sim::SimDesktop desktop;
  LiveHosted hosted{desktop.hosted, desktop.log};
  int calls = 0;
};

TEST_F(LiveHostedTest, ThePluginHostStaysEmptyAndTheLogSaysWhy) {
  platform::Platform platform = desktop.Platform();
  platform::Platform live{platform.forms,   platform.loop,    platform.dialogs,  platform.files,
                          platform.display, platform.fonts,   platform.pictures, platform.input,
                          platform.process, hosted,           platform.clipboard, platform.registry,
                          platform.media};
  const std::unique_ptr<Application> app = StartPlayer(live);
  app->MainForm()->Window().Show();
  desktop.loop.Advance(50);
  auto& plug = dynamic_cast<TVXMPlugin&>(*app->MainForm()->Components().Find("OBJPlug"));
  EXPECT_EQ(plug.LibraryIndex, 0);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(dynamic_cast<sim::SimPluginHost&>(plug.Host()).FillColor(), sim::kPluginHostColor);
  EXPECT_TRUE(Logged("plugin load " + kPlugin + " " + kPluginRefusedReason));
  EXPECT_FALSE(Logged("plugin load " + kPlugin));
}

TEST_F(LiveHostedTest, TheSimulatedSystemWouldHaveLoadedIt) {
  // The same presentation on the simulated desktop: the refusal above is the
  // native player's, not a library the system lacks.
  const std::unique_ptr<Application> app = StartPlayer(desktop.Platform());
  app->MainForm()->Window().Show();
  desktop.loop.Advance(50);
  EXPECT_EQ(dynamic_cast<TVXMPlugin&>(*app->MainForm()->Components().Find("OBJPlug")).LibraryIndex, 1);
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace vx::live
