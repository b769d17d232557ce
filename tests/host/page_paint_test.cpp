// How a page paints on the simulated desktop: changes mark an area, the
// loop's turn ends with one paint of it, and what a snapshot reads is the
// finished picture, the same as a paint of the whole page.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

constexpr platform::Color kPageColour = platform::MakeColor(0x20, 0x40, 0x60);

class PagePaintTest : public ::testing::Test {
 protected:
  PagePaintTest() {
    tools::PageModel& page = project.AddPage("Main");
    page.width = 200;
    page.height = 150;
    page.flags.frame = 3;
    page.flags.centred = false;
    page.flags.windowColor = kPageColour;
    tools::PageModel& second = project.AddPage("Second");
    second.width = 200;
    second.height = 150;
    second.flags.hidden = true;
    second.flags.centred = false;
  }
  // Opaque texts of their own colours, 30 x 20, on a grid.
  void AddTexts(tools::PageModel& page, int n) {
    for (int t = 0; t < n; ++t) {
      auto& text = page.AddText("t" + std::to_string(t));
      text.caption = "T" + std::to_string(t);
      text.transparent = false;
      text.background = platform::MakeColor(static_cast<std::uint8_t>(40 * t), 200, static_cast<std::uint8_t>(255 - 9 * t));
      text.bounds = {(t % 5) * 40, (t / 5) * 30, 30, 20};
    }
  }
  void Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
    desktop.loop.Advance(20);
  }
  sim::SimWindow& Win(int n = 1) { return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(n)); }
  TVXForm& Form(int n = 1) { return *app->forms[static_cast<std::size_t>(n - 1)]; }
  void Run(const std::string& script, int page = 1) { DoActions(*app, &Form(page), script); }
  // A turn of the message loop with nothing in it but its end.
  void Turn() {
    desktop.loop.Dispatch([] {});
  }
  TVXObject& Object(const std::string& name, int page = 1) { return *Form(page).Components().Find("OBJ" + name); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(PagePaintTest, MovesMarkTheirAreaAndTheTurnPaintsItOnce) {
  AddTexts(project.pages[0], 10);
  Start();
  Win().Snapshot();
  ASSERT_FALSE(Win().PendingArea().has_value());
  const int paints = Win().Repaints();
  Run("2(#i=1,5)\r\n10(\"t7\",\"\").7(#i*10,100)\r\n1");
  EXPECT_EQ(Win().Repaints(), paints);
  // From where it was (80, 30) to the last place (49, 99), 30 x 20 each.
  ASSERT_TRUE(Win().PendingArea().has_value());
  EXPECT_EQ(*Win().PendingArea(), (platform::Rect{9, 30, 101, 89}));
  Turn();
  EXPECT_EQ(Win().Repaints(), paints + 1);
  EXPECT_FALSE(Win().PendingArea().has_value());
  EXPECT_EQ(Win().LastPaintArea(), (platform::Rect{9, 30, 101, 89}));
  Turn();
  EXPECT_EQ(Win().Repaints(), paints + 1);
}

TEST_F(PagePaintTest, AnAreaOutsideTheClientAreaIsCutOrDropped) {
  AddTexts(project.pages[0], 1);
  Start();
  Win().Snapshot();
  Win().Invalidate({300, 0, 10, 10});
  EXPECT_FALSE(Win().PendingArea().has_value());
  Win().Invalidate({-10, -10, 20, 400});
  ASSERT_TRUE(Win().PendingArea().has_value());
  EXPECT_EQ(*Win().PendingArea(), (platform::Rect{0, 0, 10, 150}));
}

TEST_F(PagePaintTest, ASnapshotPaintsWhatIsPendingFirst) {
  AddTexts(project.pages[0], 3);
  Start();
  const Rgba before = Win().PixelAt(150, 120);
  EXPECT_EQ(before, RgbaOf(kPageColour));
  Run("10(\"t1\",\"\").7(141,111)");
  // The text's own corner, away from its caption.
  EXPECT_EQ(Win().PixelAt(168, 128), RgbaOf(std::get<tools::TextModel>(project.pages[0].objects[1]).background));
  EXPECT_EQ(Win().PixelAt(68, 18), RgbaOf(kPageColour));  // where it was
}

TEST_F(PagePaintTest, ARepaintMethodPaintsAtOnce) {
  AddTexts(project.pages[0], 3);
  Start();
  Win().Snapshot();
  const int paints = Win().Repaints();
  Run("10(\"t2\",\"\").5");
  EXPECT_EQ(Win().Repaints(), paints + 1);
  EXPECT_FALSE(Win().PendingArea().has_value());
}

// A page hidden after it was painted, changed while hidden, shown again.
TEST_F(PagePaintTest, AHiddenPagesChangesShowWhenItIsShownAgain) {
  AddTexts(project.pages[1], 3);
  Start();
  Win(2).Show();
  Turn();
  const platform::Color t0 = std::get<tools::TextModel>(project.pages[1].objects[0]).background;
  EXPECT_EQ(Win(2).PixelAt(27, 17), RgbaOf(t0));
  Win(2).Hide();
  Turn();
  Run("10(\"t0\",\"Second\").7(101,101)", 2);
  Win(2).Show();
  Turn();
  EXPECT_EQ(Win(2).PixelAt(27, 17), Win(2).PixelAt(190, 140));
  EXPECT_EQ(Win(2).PixelAt(127, 117), RgbaOf(t0));
}

// Partial paints against paints of the whole page, over random changes of
// texts over a background picture, a hot area that inverts what is under
// it, and a shape.
TEST_F(PagePaintTest, WhatIsPaintedInPartsIsWhatAWholePaintShows) {
  tools::PageModel& page = project.pages[0];
  RgbaImage background(50, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 50; ++x)
      background.At(x, y) = {static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 6), 90, 255};
  page.background = sim::EncodePng(background);
  AddTexts(page, 12);
  auto& ring = page.AddShape("ring");
  ring.form = 2;
  ring.bounds = {20, 20, 90, 70};
  ring.brushColor = platform::MakeColor(250, 250, 0);
  auto& hot = page.AddShape("hot");
  hot.form = 8;
  hot.points = {{0, 0}, {60, 5}, {30, 50}};
  hot.bounds = {60, 40, 70, 60};
  Start();
  std::mt19937 random(26);
  const std::vector<std::string> names = {"t0", "t3", "t5", "t8", "t11", "ring", "hot"};
  for (int round = 0; round < 40; ++round) {
    std::string script;
    for (int k = 0; k < 3; ++k) {
      const std::string& name = names[random() % names.size()];
      switch (random() % 4) {
        case 0:
          script += "10(\"" + name + "\",\"\").7(" + std::to_string(random() % 200) + "," +
                    std::to_string(random() % 150) + ")\r\n";
          break;
        case 1: script += "10(\"" + name + "\",\"\").4(" + std::to_string(random() % 2) + ")\r\n"; break;
        case 2: script += "10(\"" + name + "\",\"\").1\r\n"; break;
        case 3: script += "10(\"" + name + "\",\"\").2\r\n"; break;
      }
    }
    desktop.loop.Dispatch([&] { Run(script); });
    const RgbaImage parts = Win().Snapshot();
    Win().Repaint();
    const RgbaImage whole = Win().Snapshot();
    ASSERT_TRUE(parts.Pixels() == whole.Pixels()) << "round " << round << ":\n" << script;
  }
}

}  // namespace
}  // namespace vx
