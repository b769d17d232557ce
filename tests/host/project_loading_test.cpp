#include <gtest/gtest.h>

#include "host/application.h"
#include "host/project_loader.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"

namespace vx {
namespace {

using platform::SystemSetting;

constexpr char kFailure[] =
    "Application could not be intialized, run the application again or recompile your Corvantis\x99 project."
    "\r\n\r\nDetailed Error:\r\n";

class ProjectLoadingTest : public ::testing::Test {
 protected:
  std::optional<int> Start() {
    return test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); });
  }
  // The presentation's PDATA replaced by bytes of the test's choosing.
  void BreakContainer(std::string pdata) { desktop.files.SetOwnResource("PDATA", std::move(pdata)); }

  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(ProjectLoadingTest, LoadsTheTitleAndProjectScripts) {
  auto project = test::OnePageProject();
  project.title = "Atlas";
  project.errorScript = "5(\"oops\")";
  test::InstallPresentation(desktop, project);
  ASSERT_EQ(Start(), std::nullopt);
  EXPECT_EQ(app->project.title, "Atlas");
  EXPECT_EQ(ApplicationTitle(*app), "Atlas");
  EXPECT_EQ(app->project.OnErrorScript, (LineList{"5(\"oops\")"}));
  EXPECT_TRUE(desktop.dialogs.Shown().empty());
}

TEST_F(ProjectLoadingTest, MissingContainerShowsTheFailureBoxAndEnds) {
  test::InstallPresentation(desktop, test::OnePageProject());
  desktop.files.SetOwnResource("PDATA", "");
  sim::SimDesktop bare;
  bare.files.SetOwnExecutable(test::kOwnExecutable, test::ExecutableWithTrailer(test::kDeliveredTrailer));
  EXPECT_EQ(test::ExitCodeOf([&] { app = StartPlayer(bare.Platform()); }), 1);
  ASSERT_EQ(bare.dialogs.Shown().size(), 1u);
  const auto& box = bare.dialogs.Shown()[0];
  EXPECT_EQ(box.text, std::string(kFailure) + "Resource PDATA not found");
  EXPECT_EQ(box.caption, "demo");  // the executable's name while no title is known
  EXPECT_EQ(box.flags & 0xF0u, platform::mb::IconError);
  EXPECT_FALSE(bare.log.Contains("show VX_APPLICATION_FORM1"));
}

TEST_F(ProjectLoadingTest, UndecodableContainerNamesTheStreamError) {
  test::InstallPresentation(desktop, test::OnePageProject());
  BreakContainer(std::string(64, '\x42'));
  EXPECT_EQ(Start(), 1);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  const std::string& text = desktop.dialogs.Shown()[0].text;
  EXPECT_EQ(text.rfind(kFailure, 0), 0u) << text;
  EXPECT_NE(text.find("Project container"), std::string::npos) << text;
}

TEST_F(ProjectLoadingTest, AFailedLoadPutsBackFontsAndSettingsItChanged) {
  test::InstallPresentation(desktop, test::OnePageProject());
  // Options that switch the screen saver off and swap the buttons, a font,
  // then a function record without its "-": the load fails after both.
  tools::ContainerBuilder c(tools::kDefaultProjectKey);
  std::string options("\x00\x00\xFF\xFF\x00\x00\x00", 7);
  options += std::string(7, '\x00') + c.Encode("2500");
  c.Field("VXC1").Field("Broken").RawField(options).Field("500").RawField(std::string("\x00\x00", 2));
  c.Field("800x600 1 Colors 60 Hertz");
  for (int script = 6; script <= 10; ++script) c.Field("");
  c.Record("FONT", "C:\\fonts\\show.ttf").Record("FUNC", "nohyphen");
  BreakContainer(c.Finish());

  EXPECT_EQ(Start(), 1);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].text.rfind(kFailure, 0), 0u);
  EXPECT_TRUE(desktop.log.Contains("setting ScreenSaver=0"));
  EXPECT_TRUE(desktop.log.Contains("font installed C:\\fonts\\show.ttf"));
  EXPECT_TRUE(desktop.display.GetSystemSetting(SystemSetting::ScreenSaver));
  EXPECT_FALSE(desktop.display.GetSystemSetting(SystemSetting::SwapMouseButtons));
  EXPECT_TRUE(desktop.fonts.Installed().empty());
}

TEST_F(ProjectLoadingTest, OptionsAndFontsLastForTheRunAndGoAtExit) {
  auto project = test::OnePageProject();
  project.noCursorShadow = true;
  project.noMenuFade = true;
  project.fonts = {"C:\\fonts\\a.ttf", "C:\\fonts\\b.ttf"};
  test::InstallPresentation(desktop, project);
  ASSERT_EQ(Start(), std::nullopt);
  EXPECT_FALSE(desktop.display.GetSystemSetting(SystemSetting::CursorShadow));
  EXPECT_FALSE(desktop.display.GetSystemSetting(SystemSetting::MenuFade));
  EXPECT_EQ(desktop.fonts.Installed().size(), 2u);
  TerminateApp(*app);
  EXPECT_TRUE(desktop.display.GetSystemSetting(SystemSetting::CursorShadow));
  EXPECT_TRUE(desktop.display.GetSystemSetting(SystemSetting::MenuFade));
  EXPECT_TRUE(desktop.fonts.Installed().empty());
}

}  // namespace
}  // namespace vx
