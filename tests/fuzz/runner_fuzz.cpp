// Any script given to the action runner ends: it runs through, fails with
// the runner's "Line #n: ..." error, or ends the simulated process; nothing
// crashes, nothing else escapes. The script runs on page 1 of a small fixed
// presentation (a text, an edit box, a button, a picture, a shape, a timer,
// a second page, author functions); after a NUL byte the rest of the input
// becomes the body of the author function called 108, so scripts can call
// scripts. A statement budget ends endless loops; afterwards a second of
// virtual time lets the timers the script started fire.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tests/fuzz/fuzz_player.h"
#include "tools/common/container_writer.h"
#include "tools/common/project_model.h"
#include "util/error.h"

namespace {

vx::tools::ProjectModel Presentation(const std::string& functionBody) {
  vx::tools::ProjectModel project;
  project.AddFunction("Fuzzed", functionBody);
  project.AddFunction("Count", "#calls = #calls + 1");
  project.AddFunction("Threaded", "#t = #t + 1").slot = 1;
  project.AddEmbeddedFile("notes.txt", "one\r\ntwo\r\n");
  vx::tools::PageModel& main = project.AddPage("Main");
  main.AddText("Label1").caption = "Hello";
  main.AddEdit("Edit1").bounds = {10, 40, 120, 22};
  auto& button = main.AddButton("Button1");
  button.bounds = {10, 70, 80, 25};
  button.scripts.mouseUp = "#clicks = #clicks + 1";
  auto& picture = main.AddPicture("Image1");
  picture.bounds = {200, 10, 4, 4};
  picture.image = std::string("BM", 2);  // not a picture: loads as nothing
  auto& shape = main.AddShape("Shape1");
  shape.bounds = {200, 100, 50, 50};
  shape.form = 2;
  auto& timer = main.AddTimer("Timer1");
  timer.enabled = false;
  timer.interval = 100;
  timer.script = "#ticks = #ticks + 1";
  project.AddPage("Second").AddText("Label2").caption = "Page two";
  return project;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string script(input.substr(0, split));
  const std::string body(split == std::string_view::npos ? std::string_view() : input.substr(split + 1));

  std::vector<vx::PeResource> resources;
  try {
    resources = vx::tools::WriteResources(Presentation(body));
  } catch (const vx::Error&) {
    return 0;  // a body the container cannot carry
  }
  vx::sim::SimDesktop desktop;
  vx::fuzz::KeepOffRealDisk(desktop);
  vx::fuzz::InstallPresentation(desktop, resources, false);
  std::unique_ptr<vx::Application> app;
  try {
    app = vx::fuzz::StartBounded(desktop);
    app->MainForm()->Window().Show();
    try {
      vx::DoActions(*app, app->MainForm(), script);
    } catch (const vx::Error&) {
    }
    desktop.loop.Advance(1000);
  } catch (const vx::sim::ProcessExited&) {
  }
  return 0;
}
