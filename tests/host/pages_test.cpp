#include <gtest/gtest.h>

#include <set>

#include "host/application.h"
#include "host/display_mode.h"
#include "host/page_loader.h"
#include "host/pages.h"
#include "host/project.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "script/shift.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

constexpr std::int8_t kKey = 7;

// The decoded page-flag field, 35 positions and a duration.
struct Flags {
  std::string p = std::string(35, '\0');
  Flags() { p[1] = '0', p[10] = '0', p[21] = '0'; }
  Flags& Flag(int pos, bool on = true) { return p[pos - 1] = on ? '\1' : '\0', *this; }
  Flags& Digit(int pos, int d) { return p[pos - 1] = static_cast<char>('0' + d), *this; }
  Flags& Byte(int pos, int v) { return p[pos - 1] = static_cast<char>(v), *this; }
  // A colour read from D(P): the stored bytes minus twice the key.
  Flags& TwiceDecodedColor(int pos, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const std::string c = ShiftEncode(std::string{static_cast<char>(r), static_cast<char>(g), static_cast<char>(b)}, kKey);
    p.replace(static_cast<std::size_t>(pos - 1), 3, c);
    return *this;
  }
  Flags& Transition(int code, const std::string& duration) {
    p[34] = static_cast<char>(code);
    p.resize(35);
    p += duration;
    return *this;
  }
};

class PagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.tempFolder = "C:\\Temp\\";
    app.shiftKey.Set(kKey);
    app.forms.push_back(std::make_unique<TVXForm>(app));
    app.MainForm()->SetName("VX_APPLICATION_FORM1");
  }
  void Field(int w, const std::string& decoded) {
    ContainerField f;
    f.counter = w;
    f.decoded = decoded;
    f.raw = ShiftEncode(decoded, kKey);
    loader.PageField(f);
  }
  void Page(const std::string& name, int width, int height, const Flags& flags) {
    loader.PageStart(name);
    Field(13, std::to_string(width));
    Field(14, std::to_string(height));
    Field(24, flags.p);
  }
  sim::SimWindow& Win(int n) { return *desktop.forms.FindByName("VX_APPLICATION_FORM" + std::to_string(n)); }

  sim::SimDesktop desktop;
  Application app{desktop.Platform()};
  Project project;
  PageLoader loader{app, project};
};

TEST_F(PagesTest, PagesAreNumberedAndTheMainFormKeepsItsName) {
  Page("Intro", 100, 100, Flags());
  Page("Second", 100, 100, Flags());
  Page("third", 100, 100, Flags());
  EXPECT_EQ(app.pageCount, 3);
  ASSERT_EQ(app.forms.size(), 3u);
  EXPECT_EQ(app.MainForm()->Name(), "VX_APPLICATION_FORM1");
  EXPECT_EQ(app.forms[2]->Name(), "VX_APPLICATION_FORM3");
  EXPECT_EQ(app.formDB[0], TFormDB{});
  EXPECT_EQ(app.formDB[2].Name, "Second");
  EXPECT_EQ(PageNumberByName(app, "THIRD"), 3);
  EXPECT_EQ(PageNumberByName(app, "missing"), -1);
  EXPECT_EQ(GetFormByNum(app, 2), &app.forms[1]->Window());
}

TEST_F(PagesTest, FirstPageRecordExtractsEmbeddedFiles) {
  project.embeddedFiles.push_back("a.htm");
  project.ExtractAllEmbedded = true;
  desktop.files.SetOwnResource("DATAE1", "x");
  loader.PageStart("Intro");
  EXPECT_TRUE(desktop.files.FileExists("C:\\Temp\\VXTEMP\\a.htm"));
}

TEST_F(PagesTest, MinusOneSizesGiveTheScreenSize) {
  desktop.display.SetScreen({800, 600}, {0, 0, 800, 570});
  Page("Full", -1, -1, Flags().Digit(2, 1).Digit(11, 3));
  loader.Finish();
  EXPECT_EQ(Win(1).ClientSize(), (platform::Size{800, 600}));
  EXPECT_EQ(Win(1).GetFrameStyle(), platform::FrameStyle::None);
  EXPECT_FALSE(app.PageDragging);
}

TEST_F(PagesTest, CentredInTheWorkAreaOrAtTheTopLeft) {
  desktop.display.SetScreen({1024, 768}, {0, 0, 1024, 738});
  Page("Centred", 200, 100, Flags().Digit(2, 0).Digit(11, 2));
  Page("Corner", 200, 100, Flags().Digit(2, 1).Digit(11, 0));
  loader.Finish();
  EXPECT_EQ(Win(1).Bounds(), (platform::Rect{412, 319, 200, 100}));
  EXPECT_TRUE(app.PageDragging);
  EXPECT_EQ(Win(2).Bounds().left, 0);
  EXPECT_EQ(Win(2).Bounds().top, 0);
  EXPECT_EQ(Win(2).GetFrameStyle(), platform::FrameStyle::Single);
  EXPECT_EQ(Win(2).ClientSize(), (platform::Size{200, 100}));
}

TEST_F(PagesTest, FrameCodesWithTheResizableFlag) {
  const struct {
    int digit;
    bool resizable;
    platform::FrameStyle frame;
  } cases[] = {{0, true, platform::FrameStyle::Sizeable},   {0, false, platform::FrameStyle::Single},
               {1, true, platform::FrameStyle::SizeableToolWindow}, {1, false, platform::FrameStyle::ToolWindow},
               {2, true, platform::FrameStyle::None}};
  for (const auto& c : cases) Page("p", 50, 50, Flags().Digit(11, c.digit).Flag(7, c.resizable));
  loader.Finish();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Win(i + 1).GetFrameStyle(), cases[i].frame) << i;
}

TEST_F(PagesTest, WindowLookFromTheFlags) {
  loader.PageStart("Look");
  Field(15, "128");
  Flags flags;
  flags.Flag(1).Flag(3).Flag(5).Flag(8).Flag(12).Flag(14).Flag(26).Flag(30).Flag(34);
  flags.TwiceDecodedColor(27, 1, 2, 3).TwiceDecodedColor(31, 10, 20, 30);
  Field(24, flags.p);
  const platform::WindowLook look = Win(1).Look();
  EXPECT_TRUE(look.rightToLeft);
  EXPECT_TRUE(look.horizontalScrollBar);
  EXPECT_FALSE(look.verticalScrollBar);
  EXPECT_TRUE(look.alphaBlend);
  EXPECT_EQ(look.alphaValue, 128);
  EXPECT_TRUE(look.transparentColorKey);
  EXPECT_EQ(look.transparentColor, platform::MakeColor(1, 2, 3));
  EXPECT_TRUE(look.doubleBuffered);
  EXPECT_EQ(look.color, platform::MakeColor(10, 20, 30));
  EXPECT_EQ(Win(1).GetBorderIcons(), (platform::BorderIcons{true, false, true, false}));
  EXPECT_TRUE(Win(1).StaysOnTop());
  EXPECT_FALSE(Win(1).IsVisible());  // flag 34: hidden after loading
}

TEST_F(PagesTest, TransitionCodeFourteenIsNeverTheMaskEffect) {
  std::set<int> seen;
  for (int i = 0; i < 300; ++i) {
    Page("t", 10, 10, Flags().Transition(14, "500"));
    const int effect = app.forms.back()->page.transition.effect;
    EXPECT_GE(effect, 1);
    EXPECT_LE(effect, 12);
    seen.insert(effect);
  }
  EXPECT_EQ(seen.size(), 12u);
  EXPECT_EQ(app.forms.back()->page.transition.durationMs, 500);
}

TEST_F(PagesTest, TransitionOptionsOnlyForTheirEffect) {
  Page("wipe", 10, 10, Flags().Transition(11, "300"));
  Field(25, std::string("\0" "0\1\1", 4));
  EXPECT_EQ(app.forms.back()->page.transition.direction, 4);
  EXPECT_FALSE(app.forms.back()->page.transition.option1);  // wipe takes no flags
  Page("none", 10, 10, Flags());
  Field(25, std::string("\0" "3\1\1", 4));
  EXPECT_EQ(app.forms.back()->page.transition.effect, 0);
  EXPECT_EQ(app.forms.back()->page.transition.direction, 0);
  // No transition: shown, once start-up is over.
  EXPECT_FALSE(Win(2).IsVisible());
  ShowPagesAfterLoading(app);
  EXPECT_TRUE(Win(2).IsVisible());
  EXPECT_FALSE(Win(1).IsVisible());  // page 1 is the message loop's to show
}

TEST_F(PagesTest, ScriptsOfThePage) {
  loader.PageStart("s");
  Field(31, "a\1b");
  Field(34, "w");
  EXPECT_EQ(app.MainForm()->PageShowScript, (LineList{"a", "b"}));
  EXPECT_EQ(app.MainForm()->PageWheelScript, (LineList{"w"}));
}

TEST_F(PagesTest, NavigationKeepsThePlaceAndSizeOfTheOldPage) {
  Page("small", 640, 480, Flags().Digit(2, 1));
  Page("big", 800, 600, Flags().Digit(2, 1));
  loader.Finish();
  Win(1).SetBounds({10, 10, Win(1).Bounds().width, Win(1).Bounds().height});
  Win(1).Show();
  desktop.forms.Activate(&Win(1));
  Win(2).Hide();
  ShowPageByName(app, "BIG");
  EXPECT_TRUE(Win(2).IsVisible());
  EXPECT_FALSE(Win(1).IsVisible());
  EXPECT_EQ(Win(2).Bounds().left, 10);
  EXPECT_EQ(Win(2).Bounds().top, 10);
  EXPECT_EQ(Win(2).ClientSize(), (platform::Size{640, 480}));
  ShowPageByName(app, "big");     // already shown
  ShowPageByName(app, "nowhere");  // no such page
  EXPECT_TRUE(Win(2).IsVisible());
  EXPECT_EQ(CurrentPageNumber(app), 2);
}

TEST_F(PagesTest, BackgroundPictureFromThePageResource) {
  RgbaImage red(4, 2, {255, 0, 0, 255});
  desktop.files.SetOwnResource("BDATAG1", sim::EncodePng(red));
  Page("bg", 8, 4, Flags().Digit(22, 2).Digit(11, 3));
  Field(23, "");
  loader.Finish();
  ASSERT_TRUE(app.MainForm()->page.background.picture.has_value());
  EXPECT_FALSE(desktop.files.FileExists("C:\\Temp\\c.tmp"));
  // Tiled: the 4 x 2 picture fills the 8 x 4 page.
  EXPECT_EQ(Win(1).PixelAt(7, 3), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(Win(1).PixelAt(0, 0), (Rgba{255, 0, 0, 255}));
  const std::string png = Win(1).Screenshot();
  EXPECT_EQ(png.substr(1, 3), "PNG");
}

TEST_F(PagesTest, UnreadableOrMissingBackground) {
  desktop.files.SetOwnResource("BDATAG1", "garbage");
  EXPECT_FALSE(GetBG(app, 1).has_value());
  EXPECT_FALSE(desktop.files.FileExists("C:\\Temp\\c.tmp"));
  EXPECT_THROW(GetBG(app, 2), Error);
  Page("bg", 8, 4, Flags());
  Field(23, "");  // page 1 reads BDATAG1: garbage, no picture, no error
  EXPECT_FALSE(app.MainForm()->page.background.picture.has_value());
}

TEST_F(PagesTest, CentredBackgroundOnTheWindowColour) {
  RgbaImage blue(2, 2, {0, 0, 255, 255});
  desktop.files.SetOwnResource("BDATAG1", sim::EncodePng(blue));
  Page("bg", 6, 6, Flags().Digit(22, 1).Digit(11, 3).TwiceDecodedColor(31, 0, 255, 0));
  Field(23, "");
  loader.Finish();
  EXPECT_EQ(Win(1).PixelAt(2, 2), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(Win(1).PixelAt(3, 3), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(Win(1).PixelAt(1, 1), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(Win(1).PixelAt(4, 4), (Rgba{0, 255, 0, 255}));
}

class DisplayModeTest : public PagesTest {
 protected:
  void Modes(std::vector<platform::DisplayMode> modes, int current) {
    desktop.display.SetModes(modes, current);
    desktop.display.SetScreen({modes[static_cast<std::size_t>(current)].width,
                               modes[static_cast<std::size_t>(current)].height},
                              {0, 0, 800, 570});
    for (const auto& m : modes) app.displayModes.push_back(DisplayModeText(m));
    project.ChangeResolution = true;
  }
};

TEST_F(DisplayModeTest, SeventyFiveHertzFallsBackToSixty) {
  Modes({{800, 600, 32, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 75}}, 0);
  project.requestedMode = "1024x768 65536 Colors 75 Hertz";
  ChangeDisplayModeFor(app, project);
  EXPECT_TRUE(app.values.GetBoolVar("_resolutionOK"));
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 1);
  EXPECT_EQ(app.savedDisplayMode, 0);
}

TEST_F(DisplayModeTest, ExactModeAndSameSizeOnly) {
  Modes({{800, 600, 32, 60}, {1024, 768, 16, 60}, {1024, 768, 32, 75}}, 0);
  project.requestedMode = "1024x768 1 Colors 75 Hertz";
  ChangeDisplayModeFor(app, project);
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 2);
  project.requestedMode = "1024x768 256 Colors 60 Hertz";
  desktop.display.RefuseMode(1);
  ChangeDisplayModeFor(app, project);  // same size: the first that works
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 2);
  EXPECT_TRUE(app.values.GetBoolVar("_resolutionOK"));
}

TEST_F(DisplayModeTest, NoModeWithoutExitIsOnlyAFlag) {
  Modes({{800, 600, 32, 60}}, 0);
  project.requestedMode = "640x480 256 Colors 60 Hertz";
  ChangeDisplayModeFor(app, project);
  EXPECT_FALSE(app.values.GetBoolVar("_resolutionOK"));
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 0);
}

TEST_F(DisplayModeTest, NoModeWithExitShowsTheBoxAndEnds) {
  Modes({{800, 600, 32, 60}}, 0);
  project.requestedMode = "640x480 256 Colors 60 Hertz";
  project.ExitOnBadResolution = true;
  const auto code = test::ExitCodeOf([&] { ChangeDisplayModeFor(app, project); });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(desktop.dialogs.Shown().size(), 1u);
  EXPECT_EQ(desktop.dialogs.Shown()[0].caption, "Screen Resolution");
  EXPECT_EQ(desktop.dialogs.Shown()[0].text,
            "Your system does not support the screen resolution which this application can run in.\r"
            "Try running this program with another Monitor. Application will now terminate.");
  EXPECT_TRUE(desktop.dialogs.Shown()[0].flags & platform::mb::TaskModal);
}

TEST_F(DisplayModeTest, UnknownDepthEndsAfterPuttingTheSystemBack) {
  Modes({{800, 600, 24, 60}}, 0);
  app.project.fonts.push_back("C:\\f.ttf");
  desktop.fonts.InstallFontFile("C:\\f.ttf");
  project.requestedMode = "800x600 1 Colors 60 Hertz";
  const auto code = test::ExitCodeOf([&] { ChangeDisplayModeFor(app, project); });
  EXPECT_EQ(code, 1);
  EXPECT_TRUE(desktop.fonts.Installed().empty());
}

TEST_F(DisplayModeTest, NothingWithoutTheRequest) {
  Modes({{800, 600, 32, 60}, {640, 480, 32, 60}}, 0);
  project.ChangeResolution = false;
  project.requestedMode = "640x480 1 Colors 60 Hertz";
  ChangeDisplayModeFor(app, project);
  EXPECT_EQ(desktop.display.CurrentModeIndex(), 0);
}

}  // namespace
}  // namespace vx
