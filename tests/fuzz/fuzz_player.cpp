#include "tests/fuzz/fuzz_player.h"

#include <exception>
#include <utility>

#include "host/app_events.h"
#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "script/app_thread.h"

namespace vx::fuzz {

namespace {

constexpr int kEnter = 0x0D, kTab = 0x09, kEscape = 0x1B, kSpace = 0x20, kLetterA = 0x41, kF1 = 0x70,
              kDown = 0x28;

platform::Point OnActive(sim::SimDesktop& desktop, int x, int y) {
  platform::Window* active = desktop.forms.ActiveWindow();
  const platform::Point origin = active != nullptr ? active->ClientOrigin() : platform::Point{0, 0};
  return {origin.x + x, origin.y + y};
}

// Nested modal pages each get the same short visit; the statement budget
// bounds how many a presentation can open.
void VisitModal(sim::SimDesktop& desktop, sim::SimWindow& window) {
  desktop.loop.Advance(20);
  if (!window.IsVisible()) return;
  desktop.user.Click(OnActive(desktop, 20, 20));
  desktop.user.Key(kEnter);
}

}  // namespace

void KeepOffRealDisk(sim::SimDesktop& desktop) { desktop.fonts.UseRealFontFiles(false); }

void InstallPresentation(sim::SimDesktop& desktop, const std::vector<PeResource>& resources,
                         bool showSplash) {
  std::string image = "MZ" + std::string(254, '\x90');
  const std::string block = showSplash ? "1\r\n" : "0\r\n";
  image += block;
  const auto count = static_cast<std::uint32_t>(block.size() + 4);
  for (int i = 0; i < 4; ++i) image.push_back(static_cast<char>((count >> (8 * i)) & 0xFF));
  desktop.files.SetOwnExecutable("C:\\Shows\\show.exe", image);
  for (const PeResource& resource : resources) desktop.files.SetOwnResource(resource.name, resource.bytes);
}

std::unique_ptr<Application> StartBounded(sim::SimDesktop& desktop) {
  // Every frame of a transition is painted on the virtual clock: at the
  // player's limit a 4K page alone would spend the input's whole time limit.
  PlayerOptions options;
  options.transitionPixelLimit = 320 * 240;
  std::unique_ptr<Application> app = StartPlayer(desktop.Platform(), std::move(options));
  app->scripts->LimitStatements(kStatementBudget);
  Application& running = *app;
  desktop.loop.SetErrorHandler(
      [&running](const std::exception& e) { ApplicationEvents1Exception(running, e.what()); });
  desktop.forms.SetModalLoop([&desktop](sim::SimWindow& window) { VisitModal(desktop, window); });
  return app;
}

void RunTour(sim::SimDesktop& desktop, Application& app) {
  sim::SimUser& user = desktop.user;
  app.MainForm()->Window().Show();
  desktop.loop.Advance(50);
  for (const auto& [x, y] : {std::pair{5, 5}, {40, 12}, {120, 60}, {300, 200}, {600, 400}}) {
    user.Click(OnActive(desktop, x, y));
    desktop.loop.Advance(30);
  }
  user.Click(OnActive(desktop, 60, 30), platform::MouseButton::Right);
  user.MoveTo(OnActive(desktop, 200, 150));
  user.Wheel(true);
  user.Wheel(false);
  for (int key : {kTab, kLetterA, kSpace, kDown, kF1, kEnter}) {
    user.Key(key);
    desktop.loop.Advance(10);
  }
  (void)user.Type("Hi 12");
  desktop.loop.Advance(1000);
  user.Key(kEscape);
  if (platform::Window* active = desktop.forms.ActiveWindow()) active->RequestClose();
  desktop.loop.Advance(500);
  desktop.loop.RunPosted();
}

}  // namespace vx::fuzz
