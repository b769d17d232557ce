// The transition options of the page record (field 25 and the sizes) reach
// the effect the page shows.

#include <gtest/gtest.h>

#include <memory>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

constexpr Rgba kBlue{0, 0, 255, 255}, kGreen{0, 255, 0, 255};

class PageTransitionOptionsTest : public ::testing::Test {
 protected:
  // One 40 x 30 page whose picture is blue on the left half, green on the
  // right; it shows from the desktop.
  tools::PageModel& Page(int effect) {
    RgbaImage picture(40, 30, kGreen);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 20; ++x) picture.At(x, y) = kBlue;
    tools::PageModel& page = project.AddPage("Main");
    page.width = 40;
    page.height = 30;
    page.flags.frame = 3;
    page.flags.centred = false;
    page.background = sim::EncodePng(picture);
    page.flags.transition = effect;
    page.flags.transitionDuration = 1000;
    return page;
  }
  void StartAndAdvance(unsigned ms) {
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
    desktop.loop.Advance(ms);
    ASSERT_TRUE(app->MainForm()->Transition().Running());
  }
  Rgba At(int x, int y) { return desktop.forms.FindByName("VX_APPLICATION_FORM1")->PixelAt(x, y); }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
  const Rgba desktopColour = RgbaOf(sim::kDesktopColor);
};

TEST_F(PageTransitionOptionsTest, SlideInFromTheLeft) {
  Page(9).transitionDirection = 1;  // digit 1: from the left
  StartAndAdvance(500);
  EXPECT_EQ(At(5, 10), kGreen);  // the page's right half has come in
  EXPECT_EQ(At(30, 10), desktopColour);
}

TEST_F(PageTransitionOptionsTest, SlideOutByFlagThree) {
  tools::PageModel& page = Page(9);
  page.transitionDirection = 1;
  page.transitionOption1 = true;  // the desktop moves out, the page stays
  StartAndAdvance(500);
  EXPECT_EQ(At(5, 10), kBlue);
  EXPECT_EQ(At(30, 10), desktopColour);
}

TEST_F(PageTransitionOptionsTest, RollSplitByFlagFour) {
  tools::PageModel& page = Page(8);
  page.transitionDirection = 1;
  page.transitionOption2 = true;  // closing in from both sides
  StartAndAdvance(400);
  EXPECT_EQ(At(1, 10), kBlue);
  EXPECT_EQ(At(38, 10), kGreen);
  EXPECT_EQ(At(20, 10), desktopColour);
}

TEST_F(PageTransitionOptionsTest, BlocksInOrderOfTheRecordsSizes) {
  tools::PageModel& page = Page(1);
  page.transitionOption1 = true;  // in reading order
  page.transitionSize1 = 20;      // two blocks, each half the page
  page.transitionSize2 = 30;
  StartAndAdvance(250);
  EXPECT_EQ(At(19, 29), kBlue);
  EXPECT_EQ(At(20, 0), desktopColour);
}

}  // namespace
}  // namespace vx
