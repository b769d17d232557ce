#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

using platform::SystemSetting;

class ShutdownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::InstallPresentation(desktop, test::OnePageProject());
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
  }
  // A second page, as the loader would make it.
  TVXForm& AddPage(int number) {
    app->forms.push_back(std::make_unique<TVXForm>(*app));
    TVXForm& page = *app->forms.back();
    page.SetName("VX_APPLICATION_FORM" + std::to_string(number));
    return page;
  }
  void ChangeEverything() {
    SaveSystemSettings(*app);
    auto& d = desktop.display;
    d.SetSystemSetting(SystemSetting::CursorShadow, false);
    d.SetSystemSetting(SystemSetting::ScreenSaver, false);
    d.SetSystemSetting(SystemSetting::MenuFade, false);
    d.SetSystemSetting(SystemSetting::SwapMouseButtons, true);
    d.SetSystemSetting(SystemSetting::FontSmoothing, false);
    for (const char* font : {"C:\\fonts\\a.ttf", "C:\\fonts\\b.ttf"}) {
      app->project.fonts.push_back(font);
      desktop.fonts.InstallFontFile(font);
    }
    desktop.files.AddDirectory(app->ExtractionFolder());
    for (const char* entry : {"page.htm", "pages\\b.cur", "media/c.ani"}) {
      app->project.embeddedFiles.push_back(entry);
    }
    for (const char* file : {"page.htm", "b.cur", "c.ani", "keep.txt"})
      desktop.files.AddFile(app->ExtractionFolder() + file, "data");
  }
  void ExpectSystemPutBack() {
    auto& d = desktop.display;
    EXPECT_TRUE(d.GetSystemSetting(SystemSetting::CursorShadow));
    EXPECT_TRUE(d.GetSystemSetting(SystemSetting::ScreenSaver));
    EXPECT_TRUE(d.GetSystemSetting(SystemSetting::MenuFade));
    EXPECT_TRUE(d.GetSystemSetting(SystemSetting::FontSmoothing));
    EXPECT_FALSE(d.GetSystemSetting(SystemSetting::SwapMouseButtons));
    EXPECT_TRUE(desktop.fonts.Installed().empty());
    EXPECT_EQ(desktop.files.FilesUnder(app->ExtractionFolder()),
              std::set<std::string>{sim::SimFiles::Key(app->ExtractionFolder() + "keep.txt")});
  }

  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(ShutdownTest, TerminateAppPutsEverythingBack) {
  ChangeEverything();
  TerminateApp(*app);
  ExpectSystemPutBack();
  EXPECT_EQ(app->MainForm()->Window().Bounds().left, 10000);
}

TEST_F(ShutdownTest, AFailingStepDoesNotStopTheOthers) {
  ChangeEverything();
  // The first font cannot be removed, and one extracted file is locked.
  desktop.fonts.Refuse("C:\\fonts\\a.ttf");
  desktop.files.InjectOpenError(app->ExtractionFolder() + "b.cur");
  app->project.ChangeResolution = true;
  app->savedDisplayMode = 99;  // the adapter refuses it
  TerminateApp(*app);
  using platform::SystemSetting;
  EXPECT_TRUE(desktop.display.GetSystemSetting(SystemSetting::CursorShadow));
  EXPECT_FALSE(desktop.display.GetSystemSetting(SystemSetting::SwapMouseButtons));
  EXPECT_EQ(desktop.fonts.Installed().count("C:\\fonts\\b.ttf"), 0u);
  EXPECT_FALSE(desktop.files.FileExists(app->ExtractionFolder() + "c.ani"));
  EXPECT_FALSE(desktop.files.FileExists(app->ExtractionFolder() + "page.htm"));
  EXPECT_TRUE(desktop.files.FileExists(app->ExtractionFolder() + "keep.txt"));
}

TEST_F(ShutdownTest, ALeftHandedMouseStaysLeftHanded) {
  desktop.display.SetSystemSetting(SystemSetting::SwapMouseButtons, true);
  SaveSystemSettings(*app);
  desktop.display.SetSystemSetting(SystemSetting::SwapMouseButtons, false);
  TerminateApp(*app);
  EXPECT_TRUE(desktop.display.GetSystemSetting(SystemSetting::SwapMouseButtons));
}

TEST_F(ShutdownTest, NothingSavedMeansNothingTouched) {
  app->savedSettings.reset();
  desktop.display.SetSystemSetting(SystemSetting::ScreenSaver, false);
  desktop.log.Clear();
  TerminateApp(*app);
  EXPECT_FALSE(desktop.display.GetSystemSetting(SystemSetting::ScreenSaver));
}

TEST_F(ShutdownTest, DisplayModeGoesBackWhenTheProjectChangedIt) {
  app->project.ChangeResolution = true;
  app->savedDisplayMode = 3;
  ASSERT_TRUE(desktop.display.ChangeDisplayMode(1));
  TerminateApp(*app);
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 3);
}

TEST_F(ShutdownTest, ClosingPage1CleansUpAndEndsWithExitCode1) {
  ChangeEverything();
  EXPECT_EQ(test::ExitCodeOf([&] { app->MainForm()->Window().RequestClose(); }), 1);
  ExpectSystemPutBack();
  EXPECT_TRUE(app->values.GetBoolVar("close"));
}

TEST_F(ShutdownTest, ClosingASecondaryPageKeepsTheProgramRunning) {
  TVXForm& page2 = AddPage(2);
  page2.Window().Show();
  EXPECT_EQ(test::ExitCodeOf([&] { page2.Window().RequestClose(); }), std::nullopt);
  EXPECT_FALSE(page2.Window().IsVisible());
  EXPECT_TRUE(app->MainForm()->Window().IsVisible());
}

TEST_F(ShutdownTest, ClosingTheLastVisiblePageEndsOnlyAfterNavigation) {
  TVXForm& page2 = AddPage(2);
  page2.Window().Show();
  app->MainForm()->Window().Hide();
  EXPECT_FALSE(app->values.GetBoolVar("close"));
  EXPECT_EQ(test::ExitCodeOf([&] { page2.Window().RequestClose(); }), std::nullopt);

  page2.Window().Show();
  page2.PageNavigated = true;
  EXPECT_EQ(test::ExitCodeOf([&] { page2.Window().RequestClose(); }), 1);
}

TEST_F(ShutdownTest, NavigationFromAnObjectScriptCountsForTheLastPage) {
  TVXForm& page2 = AddPage(2);
  page2.Window().Show();
  app->MainForm()->Window().Hide();
  // A button's script runs on the main form and marks it.
  app->MainForm()->PageNavigated = true;
  EXPECT_EQ(test::ExitCodeOf([&] { page2.Window().RequestClose(); }), 1);
}

TEST_F(ShutdownTest, ShowEventWithInterval2EndsTheProcess) {
  TVXForm& main = *app->MainForm();
  main.showevent().SetInterval(2);
  main.showevent().SetEnabled(true);
  EXPECT_EQ(test::ExitCodeOf([&] { desktop.loop.Advance(5); }), std::nullopt);
  EXPECT_EQ(test::ExitCodeOf([&] { desktop.loop.Advance(10); }), 1);
}

}  // namespace
}  // namespace vx
