#include "host/startup.h"

#include <gtest/gtest.h>

#include "host/application.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  void GiveTrailer(const std::string& block) { test::InstallPresentation(desktop, test::OnePageProject(), block); }
  // Starts the player and shows page 1, as the message loop does.
  void Start() {
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
  }
  bool SplashWasShown() const { return desktop.log.Contains("show VXLoad"); }

  const std::string kExe = test::kOwnExecutable;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(StartupTest, DeliveredTrailerShowsPage1WithoutSplash) {
  GiveTrailer(test::kDeliveredTrailer);
  Start();
  EXPECT_FALSE(SplashWasShown());
  auto visible = desktop.forms.VisibleWindows();
  ASSERT_EQ(visible.size(), 1u);
  EXPECT_EQ(visible[0]->Name(), "VX_APPLICATION_FORM1");
  EXPECT_EQ(desktop.forms.FindByName("VXLoad"), nullptr);
}

TEST_F(StartupTest, TrailerLine1Of1ShowsTheSplashDuringStartUpOnly) {
  GiveTrailer("1\r\nmore settings\r\n");
  Start();
  const auto lines = desktop.log.Lines();
  const auto at = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
  ASSERT_TRUE(SplashWasShown());
  EXPECT_LT(at("show VXLoad"), at("destroy VXLoad"));
  EXPECT_LT(at("destroy VXLoad"), at("show VX_APPLICATION_FORM1"));
  EXPECT_EQ(desktop.forms.FindByName("VXLoad"), nullptr);
}

TEST_F(StartupTest, SplashNeedsExactly1OnLine1) {
  for (const std::string block : {"1 \r\n", "11\r\n", " 1", "0\r\n1\r\n"}) {
    sim::SimDesktop fresh;
    test::InstallPresentation(fresh, test::OnePageProject(), block);
    auto started = StartPlayer(fresh.Platform());
    EXPECT_FALSE(fresh.log.Contains("show VXLoad")) << block;
  }
  sim::SimDesktop bare;
  test::InstallPresentation(bare, test::OnePageProject(), "1");
  auto started = StartPlayer(bare.Platform());
  EXPECT_TRUE(bare.log.Contains("show VXLoad"));
}

TEST_F(StartupTest, CountBeyondTheFileMeansNoSplashAndNoError) {
  GiveTrailer("1\r\n");
  std::string image = desktop.files.Contents(kExe);
  image.replace(image.size() - 4, 4, std::string("\xFF\xFF\x00\x00", 4));
  desktop.files.SetOwnExecutable(kExe, image);
  Start();
  EXPECT_FALSE(SplashWasShown());
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
  EXPECT_TRUE(desktop.forms.FindByName("VX_APPLICATION_FORM1")->IsVisible());
}

TEST_F(StartupTest, UnreadableOwnFileShowsTheBoxAndEnds) {
  GiveTrailer(test::kDeliveredTrailer);
  desktop.files.InjectReadError(kExe);
  EXPECT_EQ(test::ExitCodeOf([&] { Start(); }), 1);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  const auto& box = desktop.dialogs.Shown()[0];
  EXPECT_EQ(box.text, "Executable file is corrupted.");
  EXPECT_EQ(box.caption, "VX.SYNTX ERR");
  EXPECT_EQ(box.flags & 0xF0u, platform::mb::IconError);
  EXPECT_FALSE(desktop.log.Contains("show VX_APPLICATION_FORM1"));
}

TEST_F(StartupTest, UnopenableOwnFileIsCorruptedToo) {
  GiveTrailer(test::kDeliveredTrailer);
  desktop.files.InjectOpenError(kExe);
  EXPECT_EQ(test::ExitCodeOf([&] { Start(); }), 1);
  EXPECT_EQ(desktop.dialogs.Shown().at(0).caption, "VX.SYNTX ERR");
}

TEST_F(StartupTest, MissingOwnFileCountsAsNoSplash) {
  GiveTrailer(test::kDeliveredTrailer);
  desktop.files.RemoveFile(kExe);
  Start();
  EXPECT_FALSE(SplashWasShown());
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(StartupTest, RecordsFoldersModesAndFlash) {
  GiveTrailer(test::kDeliveredTrailer);
  desktop.files.SetTempFolder("C:\\Users\\Ann\\Temp");
  desktop.display.SetModes({{640, 480, 8, 60}, {800, 600, 16, 72}, {1024, 768, 32, 60}, {1280, 1024, 24, 85}}, 2);
  Start();
  EXPECT_EQ(app->tempFolder, "C:\\Users\\Ann\\Temp\\");
  EXPECT_EQ(app->windowsFolder, "C:\\WINDOWS\\");
  EXPECT_EQ(app->programFolder, "C:\\Shows\\");
  EXPECT_EQ(app->ExtractionFolder(), "C:\\Users\\Ann\\Temp\\VXTEMP\\");
  EXPECT_EQ(app->displayModes,
            (std::vector<std::string>{"640x480 256 Colors 60 Hertz", "800x600 65536 Colors 72 Hertz",
                                      "1024x768 1 Colors 60 Hertz", "1280x1024 16777216 Colors 85 Hertz"}));
  EXPECT_FALSE(app->flashAvailable);
}

TEST_F(StartupTest, FlashHostIsMadeWhenThePlayerIsInstalled) {
  GiveTrailer(test::kDeliveredTrailer);
  desktop.hosted.SetFlashInstalled(true);
  Start();
  EXPECT_TRUE(app->flashAvailable);
}

TEST_F(StartupTest, NewFormsAreParkedUntilPlacedAndPage1WaitsForTheLoop) {
  GiveTrailer(test::kDeliveredTrailer);
  app = StartPlayer(desktop.Platform());
  TVXForm parked(*app);
  EXPECT_EQ(parked.Window().Bounds(), (platform::Rect{1024, 768, 1, 1}));
  EXPECT_EQ(parked.Window().GetFrameStyle(), platform::FrameStyle::None);
  EXPECT_FALSE(parked.Window().IsVisible());

  const auto& main = app->MainForm()->Window();
  EXPECT_FALSE(main.IsVisible());
  EXPECT_LT(main.Bounds().Right(), 1024);  // placed by its page record
  app->MainForm()->Window().Show();
  EXPECT_EQ(app->currentPageNumber, 1);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST(StartupPages, PagesShowOnlyAfterTheSplashAndOnlyWhenAsked) {
  sim::SimDesktop desktop;
  auto project = test::OnePageProject();
  project.AddPage("Hidden");                        // later pages start hidden
  project.AddPage("Shown").flags.hidden = false;   // unless the author says so
  test::InstallPresentation(desktop, project, "1\r\n");
  auto app = StartPlayer(desktop.Platform());
  const auto lines = desktop.log.Lines();
  const auto at = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
  EXPECT_FALSE(desktop.forms.FindByName("VX_APPLICATION_FORM2")->IsVisible());
  EXPECT_TRUE(desktop.forms.FindByName("VX_APPLICATION_FORM3")->IsVisible());
  EXPECT_LT(at("destroy VXLoad"), at("show VX_APPLICATION_FORM3"));
  EXPECT_FALSE(desktop.forms.FindByName("VX_APPLICATION_FORM1")->IsVisible());
}

}  // namespace
}  // namespace vx
