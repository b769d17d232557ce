#include <gtest/gtest.h>

#include <memory>

#include "host/application.h"
#include "host/pages.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

constexpr platform::Color kRed = platform::MakeColor(255, 0, 0);
constexpr platform::Color kGreen = platform::MakeColor(0, 255, 0);

class PageVisualsTest : public ::testing::Test {
 protected:
  tools::PageModel& AddPage(const std::string& name, platform::Color colour, int w = 40, int h = 30) {
    tools::PageModel& page = project.AddPage(name);
    page.width = w;
    page.height = h;
    page.flags.frame = 3;
    page.flags.centred = false;
    page.flags.windowColor = colour;
    return page;
  }
  void Start() {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
    desktop.forms.Activate(&Win(1));
  }
  sim::SimWindow& Win(int n) { return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(n)); }
  TVXForm& Form(int n) { return *app->forms[static_cast<std::size_t>(n - 1)]; }
  int CountOf(const RgbaImage& image, Rgba colour) {
    int n = 0;
    for (const Rgba& p : image.Pixels()) n += p == colour ? 1 : 0;
    return n;
  }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
};

TEST_F(PageVisualsTest, FlipAndInvertFiltersOfTheRecordShowOnThePage) {
  RgbaImage picture(2, 1);
  picture.At(0, 0) = {255, 0, 0, 255};
  picture.At(1, 0) = {0, 0, 255, 255};
  tools::PageModel& page = AddPage("Main", kGreen, 4, 2);
  page.background = sim::EncodePng(picture);
  page.flags.flipHorizontal = true;
  page.flags.invert = true;
  Start();
  // Flipped: blue then red; inverted: yellow then cyan. The window colour
  // is left alone.
  EXPECT_EQ(Win(1).PixelAt(0, 0), (Rgba{255, 255, 0, 255}));
  EXPECT_EQ(Win(1).PixelAt(1, 0), (Rgba{0, 255, 255, 255}));
  EXPECT_EQ(Win(1).PixelAt(2, 0), (Rgba{0, 255, 0, 255}));
}

TEST_F(PageVisualsTest, LightnessFromTheRecordAndTheFilteredPictureIsKept) {
  RgbaImage picture(2, 2, {100, 100, 100, 255});
  tools::PageModel& page = AddPage("Main", kGreen, 4, 4);
  page.background = sim::EncodePng(picture);
  page.lightness = 50;
  Start();
  EXPECT_EQ(Win(1).PixelAt(1, 1), (Rgba{150, 150, 150, 255}));
  Win(1).Repaint();
  Win(1).Repaint();
  EXPECT_EQ(Form(1).Background().Computations(), 1);
  Form(1).page.background.lightness = -50;
  Win(1).Repaint();
  EXPECT_EQ(Win(1).PixelAt(1, 1), (Rgba{50, 50, 50, 255}));
  EXPECT_EQ(Form(1).Background().Computations(), 2);
  // A new picture of the same size is noticed too.
  Form(1).page.background.picture->frames.front().image.Fill({10, 10, 10, 255});
  Win(1).Repaint();
  EXPECT_EQ(Win(1).PixelAt(1, 1), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(Form(1).Background().Computations(), 3);
}

TEST_F(PageVisualsTest, ShowTransitionRunsFromTheOldPageToTheNewOne) {
  AddPage("One", kRed);
  tools::PageModel& two = AddPage("Two", kGreen);
  two.flags.transition = 11;  // wipe; direction digit 0: from the top
  two.flags.transitionDuration = 500;
  Start();
  ASSERT_FALSE(Win(2).IsVisible());  // left to navigation
  const RgbaImage oldPage = Win(1).Snapshot();
  ASSERT_EQ(CountOf(oldPage, {255, 0, 0, 255}), 40 * 30);

  ShowPageByName(*app, "Two");
  ASSERT_TRUE(Win(2).IsVisible());
  EXPECT_TRUE(Form(2).Transition().Running());
  EXPECT_EQ(Win(2).Snapshot(), oldPage);  // the first frame is what was there

  desktop.loop.Advance(250);
  const RgbaImage middle = Win(2).Snapshot();
  EXPECT_NE(middle, oldPage);
  EXPECT_GT(CountOf(middle, {255, 0, 0, 255}), 0);
  EXPECT_GT(CountOf(middle, {0, 255, 0, 255}), 0);
  EXPECT_EQ(middle.At(20, 0), (Rgba{0, 255, 0, 255}));   // the top is new
  EXPECT_EQ(middle.At(20, 29), (Rgba{255, 0, 0, 255}));  // the bottom still old

  desktop.loop.Advance(300);
  EXPECT_FALSE(Form(2).Transition().Running());
  const RgbaImage end = Win(2).Snapshot();
  EXPECT_NE(end, middle);
  EXPECT_EQ(CountOf(end, {0, 255, 0, 255}), 40 * 30);
  Form(2).Transition().Stop();
  Win(2).Repaint();
  EXPECT_EQ(Win(2).Snapshot(), end);  // the plain page
  EXPECT_FALSE(Win(2).Look().doubleBuffered);  // buffering only while it ran
}

TEST_F(PageVisualsTest, TransitionOfTheFirstPageStartsFromTheDesktop) {
  tools::PageModel& page = AddPage("Main", kRed);
  page.flags.transition = 12;  // fade
  page.flags.transitionDuration = 200;
  Start();
  const Rgba desktopColour = RgbaOf(sim::kDesktopColor);
  EXPECT_EQ(Win(1).PixelAt(5, 5), desktopColour);
  desktop.loop.Advance(100);
  const Rgba half = Win(1).PixelAt(5, 5);
  EXPECT_NE(half, desktopColour);
  EXPECT_NE(half, (Rgba{255, 0, 0, 255}));
  desktop.loop.Advance(150);
  EXPECT_EQ(Win(1).PixelAt(5, 5), (Rgba{255, 0, 0, 255}));
}

TEST_F(PageVisualsTest, BitmapMaskTransitionShowsDarkPartsFirst) {
  RgbaImage mask(2, 1);
  mask.At(0, 0) = {0, 0, 0, 255};
  mask.At(1, 0) = {255, 255, 255, 255};
  desktop.files.AddFile("C:\\Shows\\mask.png", sim::EncodePng(mask));
  tools::PageModel& page = AddPage("Main", kRed);
  page.flags.transition = 13;
  page.flags.transitionDuration = 400;
  page.transitionMask = "C:\\Shows\\mask.png";
  Start();
  desktop.loop.Advance(200);
  EXPECT_EQ(Win(1).PixelAt(5, 10), (Rgba{255, 0, 0, 255}));        // dark half: the page
  EXPECT_EQ(Win(1).PixelAt(35, 10), RgbaOf(sim::kDesktopColor));  // light half: not yet
  desktop.loop.Advance(250);
  EXPECT_EQ(Win(1).PixelAt(35, 10), (Rgba{255, 0, 0, 255}));
}

TEST_F(PageVisualsTest, HidingThePageEndsItsTransition) {
  tools::PageModel& page = AddPage("Main", kRed);
  page.flags.transition = 2;
  page.flags.transitionDuration = 1000;
  Start();
  ASSERT_TRUE(Form(1).Transition().Running());
  Win(1).Hide();
  EXPECT_FALSE(Form(1).Transition().Running());
  desktop.loop.Advance(50);  // the timer is off: nothing paints a hidden page
  Win(1).Show();
  EXPECT_TRUE(Form(1).Transition().Running());  // every show plays it again
}

TEST_F(PageVisualsTest, PagesLargerThanA4KScreenShowWithoutTheirTransition) {
  tools::PageModel& page = AddPage("Big", kRed, 3841, 2160);
  page.flags.transition = 12;
  page.flags.transitionDuration = 1000;
  Start();
  EXPECT_FALSE(Form(1).Transition().Running());
  EXPECT_EQ(Win(1).PixelAt(3840, 2159), (Rgba{255, 0, 0, 255}));  // the plain page at once
}

TEST_F(PageVisualsTest, PagesAsLargeAsA4KScreenShowTheirTransition) {
  tools::PageModel& page = AddPage("Most", kRed, 3840, 2160);
  page.flags.transition = 12;
  page.flags.transitionDuration = 1000;
  Start();
  EXPECT_TRUE(Form(1).Transition().Running());
}

TEST_F(PageVisualsTest, TransitionEndsWhenThePageGrowsPastTheLimit) {
  tools::PageModel& page = AddPage("Main", kRed);
  page.flags.transition = 12;
  page.flags.transitionDuration = 1000;
  Start();
  ASSERT_TRUE(Form(1).Transition().Running());
  Win(1).SetClientSize({4000, 2200});
  desktop.loop.Advance(20);
  EXPECT_FALSE(Form(1).Transition().Running());
  EXPECT_EQ(Win(1).PixelAt(5, 5), (Rgba{255, 0, 0, 255}));
}

TEST_F(PageVisualsTest, PageCursorFromTheRecord) {
  tools::PageModel& page = AddPage("Main", kRed);
  page.cursor = 7;
  AddPage("Other", kGreen).cursor = 14;
  Start();
  EXPECT_EQ(Win(1).CursorNumber(), 7);
  EXPECT_EQ(Win(2).CursorNumber(), 14);
  EXPECT_EQ(GetCursorByNum(0), 0);
  EXPECT_EQ(GetCursorByNum(12), 12);
  EXPECT_EQ(GetCursorByNum(13), 13);
  EXPECT_EQ(GetCursorByNum(-4), 0);
}

}  // namespace
}  // namespace vx
