#include "util/services.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

class ServicesTest : public ::testing::Test {
 protected:
  std::unique_ptr<platform::Window> Open(const std::string& name) {
    auto w = desktop.forms.OpenWindow({});
    w->SetName(name);
    return w;
  }
  sim::SimDesktop desktop;
};

TEST_F(ServicesTest, FindFormByNameIgnoresCaseAndTakesTheFirst) {
  auto first = Open("VX_APPLICATION_FORM2");
  auto second = Open("vx_application_form2");
  EXPECT_EQ(FindFormByName(desktop.forms, "vx_application_form2"), first.get());
  EXPECT_EQ(FindFormByName(desktop.forms, "VX_APPLICATION_FORM3"), nullptr);
  first.reset();
  EXPECT_EQ(FindFormByName(desktop.forms, "VX_APPLICATION_FORM2"), second.get());
}

TEST_F(ServicesTest, FindFormByNameFoldsOnlyLatinLetters) {
  auto w = Open("\xC7\xE1\xDD");
  EXPECT_EQ(FindFormByName(desktop.forms, "\xC7\xE1\xDD"), w.get());
  EXPECT_EQ(FindFormByName(desktop.forms, "\xE7\xE1\xDD"), nullptr);
}

TEST_F(ServicesTest, CenterFormUsesTheWorkAreaAndTruncatesHalves) {
  desktop.display.SetScreen({1024, 768}, {0, 0, 1024, 738});
  auto w = Open("Page");
  w->SetBounds({5, 5, 100, 100});
  CenterForm(desktop.Platform(), "PAGE");
  EXPECT_EQ(w->Bounds(), (platform::Rect{462, 319, 100, 100}));

  desktop.display.SetScreen({1024, 768}, {100, 30, 901, 701});
  w->SetBounds({0, 0, 101, 51});
  CenterForm(desktop.Platform(), "page");
  // 100 + 450 - 50 and 30 + 350 - 25
  EXPECT_EQ(w->Bounds(), (platform::Rect{500, 355, 101, 51}));
}

TEST_F(ServicesTest, CenterFormOfAMissingWindowDoesNothing) {
  auto w = Open("Page");
  w->SetBounds({7, 8, 10, 10});
  CenterForm(desktop.Platform(), "Other");
  EXPECT_EQ(w->Bounds(), (platform::Rect{7, 8, 10, 10}));
}

TEST_F(ServicesTest, ToggledKeyIsNotDown) {
  desktop.input.SetToggled(platform::vk::Capital, true);
  EXPECT_FALSE(IsKeyDown(desktop.input, platform::vk::Capital));
  desktop.input.SetKeyDown(platform::vk::Capital, true);
  EXPECT_TRUE(IsKeyDown(desktop.input, platform::vk::Capital));
}

TEST_F(ServicesTest, ShowErrorShowsAnErrorBoxAndHaltsOnlyWhenAsked) {
  EXPECT_EQ(test::ExitCodeOf([&] { ShowError(desktop.Platform(), "My Show", "went wrong", false); }),
            std::nullopt);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].caption, "My Show");
  EXPECT_EQ(desktop.dialogs.Shown()[0].text, "went wrong");
  EXPECT_EQ(desktop.dialogs.Shown()[0].flags & 0xF0u, platform::mb::IconError);
  EXPECT_EQ(test::ExitCodeOf([&] { ShowError(desktop.Platform(), "My Show", "fatal", true); }), 1);
  EXPECT_EQ(desktop.dialogs.Shown().size(), 2u);
}

TEST_F(ServicesTest, KillWindowProcessEndsOnlyForALiveWindow) {
  auto w = Open("Main");
  const platform::Window* gone = w.get();
  w.reset();
  EXPECT_EQ(test::ExitCodeOf([&] { KillWindowProcess(desktop.Platform(), gone); }), std::nullopt);
  EXPECT_EQ(test::ExitCodeOf([&] { KillWindowProcess(desktop.Platform(), nullptr); }), std::nullopt);
  auto live = Open("Main");
  EXPECT_EQ(test::ExitCodeOf([&] { KillWindowProcess(desktop.Platform(), live.get()); }), 1);
  EXPECT_EQ(desktop.process.ExitCode(), 1);
}

TEST_F(ServicesTest, FontsComeAndGoAndRefusalsAreSilent) {
  InstallFont(desktop.fonts, "C:\\f\\a.ttf");
  desktop.fonts.Refuse("C:\\f\\bad.ttf");
  InstallFont(desktop.fonts, "C:\\f\\bad.ttf");
  EXPECT_EQ(desktop.fonts.Installed().size(), 1u);
  UninstallFont(desktop.fonts, "C:\\f\\a.ttf");
  UninstallFont(desktop.fonts, "C:\\f\\never.ttf");
  EXPECT_TRUE(desktop.fonts.Installed().empty());
}

}  // namespace
}  // namespace vx
