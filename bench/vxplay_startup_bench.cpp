// The native player's start-up to page 1 of the demo, up to the first frame
// of the virtual screen the host window draws: the file read once, the
// sandbox loaded, the player started, page 1 shown and composed. The GTK
// window itself is left out (its cost is the display server's).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/live/sandbox.h"
#include "platform/live/sandboxed_files.h"
#include "platform/sim/sim_desktop.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxpack/manifest.h"
#include "tools/vxrun/presentation_file.h"

namespace {

const std::string& DemoFile() {
  static const std::string path = [] {
    const vx::tools::SourceProject project = vx::tools::ReadSourceFolder(VX_SOURCE_DIR "/examples/demo");
    std::string player;
    vx::tools::ReadWholeFile(VX_SOURCE_DIR "/tests/fuzz/corpus/pe_resources/bare.exe", player);
    const std::string exe = vx::tools::WithRcDataResources(player, vx::tools::WriteResources(project.model, project.key)) +
                            vx::tools::TrailerBytes(project.splash);
    const std::string out = (std::filesystem::temp_directory_path() / "vx-vxplay-bench-demo.exe").string();
    std::ofstream(out, std::ios::binary).write(exe.data(), static_cast<std::streamsize>(exe.size()));
    return out;
  }();
  return path;
}

void BM_VxplayStartupToPage1(benchmark::State& state) {
  const std::string& path = DemoFile();
  const std::string data = (std::filesystem::temp_directory_path() / "vx-vxplay-bench-data").string();
  std::filesystem::remove_all(data);
  for (auto _ : state) {
    std::string bytes;
    vx::tools::ReadWholeFile(path, bytes);
    vx::sim::SimDesktop desktop;
    vx::tools::PlaceOwnExecutable(desktop, std::move(bytes), "demo.exe");
    vx::live::SandboxedFiles files(desktop.files, std::filesystem::path(path).parent_path().string());
    const vx::live::Sandbox sandbox(data);
    sandbox.Load(files, desktop.registry);
    vx::platform::Platform platform{desktop.forms,   desktop.loop,      desktop.dialogs,   files,
                                    desktop.display, desktop.fonts,     desktop.pictures,  desktop.input,
                                    desktop.process, desktop.hosted,    desktop.clipboard, desktop.registry,
                                    desktop.media};
    std::unique_ptr<vx::Application> app = vx::StartPlayer(platform);
    app->MainForm()->Window().Show();
    const vx::platform::Size screen = desktop.display.ScreenSize();
    const vx::RgbaImage frame = desktop.forms.ScreenImage({0, 0, screen.width, screen.height});
    benchmark::DoNotOptimize(frame.Pixels().data());
    if (!desktop.log.Contains("show VX_APPLICATION_FORM1")) state.SkipWithError("page 1 was not shown");
  }
  std::filesystem::remove_all(data);
}
BENCHMARK(BM_VxplayStartupToPage1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
