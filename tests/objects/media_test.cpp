// Sounds and videos on the simulated desktop: loading, playing, loops,
// seeking, the position variables, full screen, and files that do not play.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/media_playback.h"
#include "host/startup.h"
#include "host/terminate.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_image.h"
#include "objects/vx_media.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_media.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/event_text.h"
#include "util/error.h"

namespace vx {
namespace {

using platform::MediaState;

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}

// 8 kHz, 8-bit mono: 8 bytes a millisecond.
std::string Wave(int milliseconds) {
  const std::uint32_t data = static_cast<std::uint32_t>(milliseconds) * 8;
  std::string fmt = std::string("\x01\x00\x01\x00", 4) + Le32(8000) + Le32(8000) + std::string("\x01\x00\x08\x00", 4);
  return "RIFF" + Le32(36 + data) + "WAVE" + "fmt " + Le32(16) + fmt + "data" + Le32(data) +
         std::string(data, '\x80');
}

// Just an AVI main header: frames of 40 ms.
std::string Avi(std::uint32_t frames) {
  const std::string avih = Le32(40000) + std::string(12, '\0') + Le32(frames) + std::string(36, '\0');
  const std::string hdrl = "hdrl" + std::string("avih") + Le32(static_cast<std::uint32_t>(avih.size())) + avih;
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + 8 + hdrl.size())) + "AVI " + "LIST" +
         Le32(static_cast<std::uint32_t>(hdrl.size())) + hdrl;
}

const std::string kBell = "C:\\media\\bell.wav";
const std::string kClip = "C:\\media\\clip.avi";

class MediaTest : public ::testing::Test {
 protected:
  MediaTest() {
    auto& page = project.AddPage("Main");
    page.width = 320;
    page.height = 240;
    auto& bell = page.AddSound("Bell");
    bell.fileName = kBell;
    bell.volume = 5000;
    bell.finishScript = "#done=#done+1";
    bell.startScript = "#started=#started+1";
    auto& clip = page.AddVideo("Clip");
    clip.bounds = {10, 20, 160, 120};
    clip.path = kClip;
    clip.volume = 7000;
    clip.finishScript = "#vdone=#vdone+1";
    project.AddPage("Second");
    desktop.files.AddFile(kBell, Wave(1000));
    desktop.files.AddFile(kClip, "not a header the sim reads");
    desktop.media.SetDuration(kClip, 3000);
  }

  tools::PageModel& Main() { return project.pages.front(); }
  tools::SoundModel& BellModel() { return std::get<tools::SoundModel>(Main().objects[0]); }
  tools::VideoModel& ClipModel() { return std::get<tools::VideoModel>(Main().objects[1]); }

  void Load() {
    test::InstallPresentation(desktop, project);
    ASSERT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); }), std::nullopt);
  }

  std::optional<std::string> Run(const std::string& script) {
    try {
      DoActions(*app, app->MainForm(), script);
    } catch (const Error& e) {
      return std::string(e.what());
    }
    return std::nullopt;
  }

  PageObjects& Objects() { return app->MainForm()->Components(); }
  TVXSound& Bell() { return dynamic_cast<TVXSound&>(*Objects().Find("OBJBell")); }
  TVXVideo& Clip() { return dynamic_cast<TVXVideo&>(*Objects().Find("OBJClip")); }
  platform::MediaGraph& ClipGraph() { return dynamic_cast<TFilterGraph&>(*Objects().Find("FILClip")).Graph(); }
  double Num(const std::string& name) { return app->values.GetNumVar(name); }
  void Advance(std::uint64_t ms) { desktop.loop.Advance(ms); }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
};

TEST_F(MediaTest, LoadingMakesTheCompanionsAndReadsTheHeader) {
  Load();
  EXPECT_NE(Objects().Find("SNDBell"), nullptr);
  EXPECT_NE(Objects().Find("FILClip"), nullptr);
  EXPECT_NE(Objects().Find("TRKClip"), nullptr);
  EXPECT_NE(Objects().Find("IMGClip"), nullptr);
  EXPECT_EQ(Bell().FileName, kBell);
  EXPECT_EQ(Bell().Graph().Volume(), 5000);
  EXPECT_EQ(Clip().Volume, 7000);
  EXPECT_EQ(ClipGraph().Volume(), 7000);
  EXPECT_EQ(Clip().BoundsRect(), (platform::Rect{10, 20, 160, 120}));
  // Without PlayWithPageStart: no start timer, the video hidden, nothing plays.
  EXPECT_EQ(Objects().Find("TIMOBJBell"), nullptr);
  EXPECT_FALSE(Clip().Visible());
  EXPECT_EQ(Bell().Graph().State(), MediaState::Uninitialised);
  // The still picture's file does not exist: it stays empty, no error.
  auto& still = dynamic_cast<TVXImage&>(*Objects().Find("IMGClip"));
  EXPECT_EQ(still.BoundsRect(), Clip().BoundsRect());
  EXPECT_EQ(still.ImgPath, app->tempFolder + "FILClip.bmp");
}

TEST_F(MediaTest, ASoundThatPlaysWithThePageHasItsRunningTimer) {
  BellModel().playWithPageStart = true;
  Load();
  auto* timer = dynamic_cast<TNamedTimer*>(Objects().Find("TIMOBJBell"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  Advance(20);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Playing);
  // It stays, stopped.
  ASSERT_EQ(Objects().Find("TIMOBJBell"), timer);
  EXPECT_FALSE(timer->Enabled());
  Advance(20);
  EXPECT_EQ(Num("started"), 1);
}

TEST_F(MediaTest, TheVolumeIsItsFourDigitsAndFullVolumeIsWrittenAs9999) {
  BellModel().volume = 123;  // "0123"
  ClipModel().volume = 10000;
  Load();
  EXPECT_EQ(Bell().Graph().Volume(), 123);
  EXPECT_EQ(Clip().Volume, 9999);
}

TEST_F(MediaTest, ThreeLoopsPlayThreeTimesAndEndTheLoop) {
  BellModel().loop = true;
  BellModel().numberOfLoops = 3;
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54"), std::nullopt);
  Advance(5000);
  EXPECT_EQ(Num("done"), 3);
  EXPECT_FALSE(Bell().Loop);
  EXPECT_EQ(Bell().LoopCount, 0);
  Advance(5000);
  EXPECT_EQ(Num("done"), 3);
}

TEST_F(MediaTest, EndlessLoopEndsWhenLoopIsClearedAndThePendingDelayDoesNothing) {
  BellModel().loop = true;
  BellModel().numberOfLoops = 0;
  BellModel().delayBetweenLoops = 400;
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54"), std::nullopt);
  Advance(1000 + 400 + 1000 + 400 + 1000 + 100);
  EXPECT_EQ(Num("done"), 3);
  // The third end made the delay timer; the loop is cleared before it fires.
  ASSERT_NE(Objects().Find("LOPOBJBell"), nullptr);
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").42(0)"), std::nullopt);
  Advance(2000);
  EXPECT_EQ(Num("done"), 3);
  EXPECT_NE(Bell().Graph().State(), MediaState::Playing);
  EXPECT_EQ(Objects().Find("LOPOBJBell"), nullptr);
}

TEST_F(MediaTest, LoopMethodsSetTheCountAndTheDelay) {
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").42(1)\n10(\"Bell\",\"Main\").52(2)\n10(\"Bell\",\"Main\").53(250)\n"
                "10(\"Bell\",\"Main\").51(1)"),
            std::nullopt);
  EXPECT_TRUE(Bell().Loop);
  EXPECT_EQ(Bell().NumberOfLoops, 2);
  EXPECT_EQ(Bell().DelayBetweenLoops, 250);
  EXPECT_TRUE(Bell().PlayWithPageStart);
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54"), std::nullopt);
  Advance(1000);
  EXPECT_EQ(Num("done"), 1);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Stopped);
  Advance(300);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Playing);
  Advance(1000);
  EXPECT_EQ(Num("done"), 2);
  EXPECT_FALSE(Bell().Loop);
}

TEST_F(MediaTest, PlayResumesAPausedVideoAndReloadsAStoppedOneHidden) {
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").54"), std::nullopt);
  Advance(1000);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").55"), std::nullopt);
  EXPECT_EQ(ClipGraph().State(), MediaState::Paused);
  const auto at = ClipGraph().CurrentPosition();
  EXPECT_EQ(at, 1000 * platform::kMediaUnitsPerMs);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_EQ(ClipGraph().State(), MediaState::Playing);
  EXPECT_EQ(ClipGraph().CurrentPosition(), at);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").56"), std::nullopt);
  EXPECT_EQ(ClipGraph().State(), MediaState::Uninitialised);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_EQ(ClipGraph().State(), MediaState::Playing);
  EXPECT_EQ(ClipGraph().CurrentPosition(), 0);
  EXPECT_FALSE(Clip().Window()->IsVisible());
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").4(1)"), std::nullopt);
  EXPECT_TRUE(Clip().Window()->IsVisible());
}

TEST_F(MediaTest, AShownVideoThatStopsIsHiddenUntilCodeFourShowsIt) {
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").4(1)\n10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_TRUE(Clip().Window()->IsVisible());
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").56\n10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_FALSE(Clip().Window()->IsVisible());
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").4(1)"), std::nullopt);
  EXPECT_TRUE(Clip().Window()->IsVisible());
}

TEST_F(MediaTest, SeekSetsHundredNanosecondUnitsAndPlays) {
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").57(\"" + kBell + "\")"), std::nullopt);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Stopped);
  desktop.files.AddFile("C:\\media\\long.wav", Wave(300000));
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").57(\"C:\\media\\long.wav\")\n10(\"Bell\",\"Main\").79(1500)"), std::nullopt);
  EXPECT_EQ(Bell().Graph().CurrentPosition(), 15000000);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Playing);
  // 214748 ms is the last that fits 32 bits.
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").79(214748)"), std::nullopt);
  EXPECT_EQ(Run("\n10(\"Bell\",\"Main\").79(214749)"), "Line #2: '2147490000' is not a valid integer value");
}

TEST_F(MediaTest, PositionVariablesOfAnHourTwoMinutesThreeSeconds) {
  const int ms = 3723000;
  desktop.files.AddFile(kBell, Wave(ms + 10000));
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").57(\"" + kBell + "\")"), std::nullopt);
  Bell().Graph().SetCurrentPosition(std::int64_t{ms} * platform::kMediaUnitsPerMs);
  Advance(500);
  EXPECT_EQ(Num("_bell_mss"), ms);
  EXPECT_EQ(Num("_bell_hour"), 1);
  EXPECT_EQ(Num("_bell_min"), 2);
  EXPECT_EQ(Num("_bell_sec"), 3);
  EXPECT_EQ(Num("_bell_totalmss"), ms + 10000);
  EXPECT_EQ(app->values.GetStrVar("_bell_pos"), "01:02:03");
  EXPECT_EQ(app->values.GetStrVar("_bell_totalpos"), "01:02:13");
}

TEST_F(MediaTest, ASecondFullScreenChangesNothingAndEscapeRestoresTheFirst) {
  auto& second = Main().AddVideo("Other");
  second.bounds = {200, 30, 80, 60};
  second.path = kClip;
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").89(1)"), std::nullopt);
  const platform::Size client = app->MainForm()->Window().ClientSize();
  EXPECT_EQ(Clip().BoundsRect(), (platform::Rect{0, 0, client.width, client.height}));
  EXPECT_TRUE(Clip().Window()->IsFullScreen());
  auto& other = dynamic_cast<TVXVideo&>(*Objects().Find("OBJOther"));
  EXPECT_EQ(Run("10(\"Other\",\"Main\").89(1)"), std::nullopt);
  EXPECT_FALSE(other.Window()->IsFullScreen());
  EXPECT_EQ(other.BoundsRect(), (platform::Rect{200, 30, 80, 60}));
  Advance(50);
  EXPECT_TRUE(Clip().Window()->IsFullScreen());
  desktop.input.SetKeyDown(platform::vk::Escape, true);
  Advance(20);
  desktop.input.SetKeyDown(platform::vk::Escape, false);
  EXPECT_FALSE(Clip().Window()->IsFullScreen());
  EXPECT_EQ(Clip().BoundsRect(), (platform::Rect{10, 20, 160, 120}));
  EXPECT_EQ(app->media->fullScreenPage, nullptr);
}

TEST_F(MediaTest, MovingAVideoStopsItAndItsStillFollows) {
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").4(1)\n10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").7(31,41)"), std::nullopt);
  EXPECT_FALSE(ClipGraph().Active());
  EXPECT_FALSE(Clip().Window()->IsVisible());
  EXPECT_EQ(Objects().Find("IMGClip")->BoundsRect().left, 30);
  EXPECT_EQ(Objects().Find("IMGClip")->BoundsRect().top, 40);
}

TEST_F(MediaTest, DeletingAVideoTakesItsGraphAndBar) {
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").0"), std::nullopt);
  EXPECT_EQ(Objects().Find("OBJClip"), nullptr);
  EXPECT_EQ(Objects().Find("FILClip"), nullptr);
  EXPECT_EQ(Objects().Find("TRKClip"), nullptr);
  Advance(1000);  // the freed bar's timer does not tick
}

TEST_F(MediaTest, VolumeAndStateTokens) {
  Load();
  app->MainForm()->Window().Show();  // the tokens look at the current page
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").50(12000)\n#v=@46%(\"Bell\")\n#s=@47%(\"Bell\")"), std::nullopt);
  EXPECT_EQ(Num("v"), 10000);
  EXPECT_EQ(Num("s"), 0);
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54\n#s=@47%(\"Bell\")"), std::nullopt);
  EXPECT_EQ(Num("s"), 1);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").54\n10(\"Clip\",\"Main\").55\n#s=@47%(\"Clip\")\n#v=@46%(\"Clip\")"),
            std::nullopt);
  EXPECT_EQ(Num("s"), 2);
  EXPECT_EQ(Num("v"), 7000);
}

TEST_F(MediaTest, StartAndFinishScriptsRunAndCanBeReplaced) {
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54"), std::nullopt);
  Advance(1100);
  EXPECT_EQ(Num("started"), 1);
  EXPECT_EQ(Num("done"), 1);
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").77(" + tools::EventText("#started=#started+10") + ")\n" +
                "10(\"Bell\",\"Main\").78(" + tools::EventText("#done=#done+10") + ")\n" +
                "10(\"Clip\",\"Main\").77(" + tools::EventText("#vstart=1") + ")\n" +
                "10(\"Bell\",\"Main\").56\n10(\"Bell\",\"Main\").79(0)\n10(\"Clip\",\"Main\").54"),
            std::nullopt);
  Advance(1100);
  EXPECT_EQ(Num("started"), 11);
  EXPECT_EQ(Num("done"), 11);
  EXPECT_EQ(Num("vstart"), 1);
}

TEST_F(MediaTest, FilesThatDoNotPlayFailTheStatementWithItsLine) {
  desktop.files.AddFile("C:\\media\\empty.wav", "");
  desktop.files.AddFile("C:\\media\\cut.wav", Wave(1000).substr(0, 30));
  desktop.files.AddFile("C:\\media\\text.wav", "hello");
  desktop.files.AddFile("C:\\media\\locked.wav", Wave(100));
  desktop.files.InjectReadError("C:\\media\\locked.wav");
  Load();
  for (const char* file : {"missing", "empty", "cut", "text", "locked"}) {
    const std::string path = std::string("C:\\media\\") + file + ".wav";
    const auto error = Run("#a=1\n10(\"Bell\",\"Main\").57(\"" + path + "\")");
    ASSERT_TRUE(error.has_value()) << file;
    EXPECT_EQ(error->rfind("Line #2: Cannot render the file", 0), 0U) << *error;
  }
  EXPECT_EQ(Bell().Graph().State(), MediaState::Uninitialised);
}

TEST_F(MediaTest, AVideoFileThatDoesNotPlayFailsPlayAndLoad) {
  desktop.files.AddFile("C:\\media\\cut.avi", Avi(0).substr(0, 20));
  ClipModel().path = "C:\\media\\gone.avi";
  Load();
  const auto play = Run("10(\"Clip\",\"Main\").54");
  ASSERT_TRUE(play.has_value());
  EXPECT_EQ(play->rfind("Line #1: Cannot render the file \"C:\\media\\gone.avi\"", 0), 0U) << *play;
  const auto load = Run("\n\n10(\"Clip\",\"Main\").57(\"C:\\media\\cut.avi\")");
  ASSERT_TRUE(load.has_value());
  EXPECT_EQ(load->rfind("Line #3: Cannot render", 0), 0U) << *load;
  EXPECT_EQ(ClipGraph().State(), MediaState::Uninitialised);
  // Nothing is left half made: a good file plays after them.
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").57(\"" + kClip + "\")\n10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_EQ(ClipGraph().State(), MediaState::Playing);
}

TEST_F(MediaTest, TimersThatStartMediaSwallowFilesThatDoNotPlay) {
  BellModel().playWithPageStart = true;
  BellModel().fileName = "C:\\media\\missing.wav";
  ClipModel().playWithPageStart = true;
  ClipModel().path = "C:\\media\\missing.avi";
  Load();
  EXPECT_NO_THROW(Advance(100));
  EXPECT_EQ(Bell().Graph().State(), MediaState::Uninitialised);
  EXPECT_EQ(ClipGraph().State(), MediaState::Uninitialised);
  EXPECT_FALSE(desktop.log.Contains("msgbox"));
}

TEST_F(MediaTest, APendingVideoStartsOnceThroughTheVideoTimer) {
  ClipModel().playWithPageStart = true;
  Load();
  EXPECT_TRUE(Clip().Visible());
  auto* own = PageMediaOf(*app, *app->MainForm());
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->pendingVideo, "OBJClip");
  Advance(20);
  EXPECT_EQ(ClipGraph().State(), MediaState::Playing);
  Advance(20);
  EXPECT_EQ(own->VideoTimer, nullptr);
  // The end without Loop hides the window and empties the graph.
  Advance(3100);
  EXPECT_EQ(Num("vdone"), 1);
  EXPECT_FALSE(Clip().Window()->IsVisible());
  EXPECT_FALSE(ClipGraph().Active());
}

TEST_F(MediaTest, TheVideoWindowShowsPlayingPausedAndStopped) {
  Load();
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").4(1)"), std::nullopt);
  auto& window = dynamic_cast<sim::SimWindow&>(app->MainForm()->Window());
  auto colour = [&] {
    const Rgba p = window.PixelAt(50, 60);
    return platform::MakeColor(p.r, p.g, p.b);
  };
  EXPECT_EQ(colour(), sim::kVideoStoppedColor);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").54"), std::nullopt);
  EXPECT_EQ(colour(), sim::kVideoPlayingColor);
  EXPECT_EQ(Run("10(\"Clip\",\"Main\").55"), std::nullopt);
  EXPECT_EQ(colour(), sim::kVideoPausedColor);
}

TEST_F(MediaTest, TerminateStopsEveryGraph) {
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54\n10(\"Clip\",\"Main\").54"), std::nullopt);
  TerminateApp(*app);
  EXPECT_EQ(Bell().Graph().State(), MediaState::Stopped);
  EXPECT_EQ(ClipGraph().State(), MediaState::Stopped);
}

TEST_F(MediaTest, CommandFortyMakesASoundReachableByName) {
  Load();
  app->MainForm()->Window().Show();  // made on the current page
  EXPECT_EQ(Run("40(\"Sound\",\"Chime\")\n10(\"chime\",\"Main\").57(\"" + kBell + "\")\n10(\"chime\",\"Main\").54"),
            std::nullopt);
  auto* chime = dynamic_cast<TVXSound*>(Objects().Find("OBJchime"));
  ASSERT_NE(chime, nullptr);
  EXPECT_NE(Objects().Find("SNDchime"), nullptr);
  EXPECT_EQ(chime->Graph().State(), MediaState::Playing);
  EXPECT_EQ(Run("40(\"sound\",\"chime\")"), "Line #1: Failed creating the component with name \"chime\".");
}

TEST_F(MediaTest, SetVolumeGivesTheStoredVolumeToTheCurrentSound) {
  Load();
  EXPECT_EQ(Run("10(\"Bell\",\"Main\").54\n10(\"Bell\",\"Main\").50(2500)"), std::nullopt);
  Bell().Graph().SetVolume(9000);
  SetVolume(*app);
  EXPECT_EQ(Bell().Graph().Volume(), 2500);
}

}  // namespace
}  // namespace vx
