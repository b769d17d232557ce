// Flash movies, browsers and plug-ins on the simulated desktop: loading,
// the deferred navigation, the events and their variables, the methods, the
// plug-in start and the missing Flash player.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/application.h"
#include "host/hosted_objects.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "objects/vx_media.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_hosted.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

const std::string kStart = "C:\\pages\\start.htm";
const std::string kPlugin = "C:\\plug\\player.dll";

class HostedTest : public ::testing::Test {
 protected:
  HostedTest() {
    auto& page = project.AddPage("Main");
    page.width = 400;
    page.height = 300;
    auto& web = page.AddBrowser("Web");
    web.bounds = {10, 20, 200, 150};
    web.tabOrder = 3;
    web.defPath = kStart;
    web.addressScript = "$went=$_vx";
    web.beforeNavigateScript = "$seen=$seen+$_url+\";\"";
    web.navigateCompleteScript = "#done=#done+1";
    project.AddPage("Second");
  }

  tools::PageModel& Main() { return project.pages.front(); }
  tools::BrowserModel& WebModel() { return std::get<tools::BrowserModel>(Main().objects[0]); }

  void Load() {
    test::InstallPresentation(desktop, project);
    ASSERT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); }), std::nullopt)
        << ::testing::PrintToString(desktop.log.Lines());
    app->MainForm()->Window().Show();
  }
  // Loaded, and the "NAV" timer has ticked.
  void LoadAndSettle() {
    Load();
    desktop.loop.Advance(50);
    desktop.loop.RunPosted();
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
  TVXBrowser& Web() { return dynamic_cast<TVXBrowser&>(*Objects().Find("OBJWeb")); }
  sim::SimBrowser& WebControl() { return dynamic_cast<sim::SimBrowser&>(Web().Browser()); }
  std::string Str(const std::string& name) { return app->values.GetStrVar(name); }
  double Num(const std::string& name) { return app->values.GetNumVar(name); }
  std::size_t LogIndex(const std::string& line) {
    const auto lines = desktop.log.Lines();
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
  }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
};

// --- browsers --------------------------------------------------------------

TEST_F(HostedTest, TheBrowserIsPlacedAndNavigatedOnlyByTheFirstTickOfNav) {
  Load();
  auto* nav = dynamic_cast<TNamedTimer*>(Objects().Find("NAV"));
  ASSERT_NE(nav, nullptr);
  EXPECT_TRUE(nav->Enabled());
  EXPECT_EQ(WebControl().Location(), "");
  EXPECT_NE(Web().BoundsRect(), (platform::Rect{10, 20, 200, 150}));
  desktop.loop.Advance(50);
  desktop.loop.RunPosted();
  EXPECT_EQ(WebControl().Location(), kStart);
  EXPECT_EQ(Web().BoundsRect(), (platform::Rect{10, 20, 200, 150}));
  EXPECT_EQ(Web().TabOrder(), 3);
  EXPECT_TRUE(WebControl().AcceptsDroppedFiles());
  EXPECT_EQ(Objects().Find("NAV"), nullptr);
  EXPECT_EQ(Num("done"), 1);
  EXPECT_EQ(Str("seen"), kStart + ";");
}

TEST_F(HostedTest, TwoBrowsersOnTwoPagesShareOneNavTimer) {
  auto& other = project.pages[1].AddBrowser("Other");
  other.defPath = "C:\\pages\\other.htm";
  Load();
  // One timer, on the main form; none on the second page.
  EXPECT_NE(Objects().Find("NAV"), nullptr);
  EXPECT_EQ(app->forms[1]->Components().Find("NAV"), nullptr);
  EXPECT_EQ(app->hosting->deferred.size(), 2u);
  desktop.loop.Advance(20);
  auto& second = dynamic_cast<TVXBrowser&>(*app->forms[1]->Components().Find("OBJOther"));
  EXPECT_EQ(WebControl().Location(), kStart);
  EXPECT_EQ(dynamic_cast<sim::SimBrowser&>(second.Browser()).Location(), "C:\\pages\\other.htm");
  EXPECT_TRUE(app->hosting->deferred.empty());
}

TEST_F(HostedTest, AnUpperCaseVxLinkRunsTheAddressScriptAndNeverNavigates) {
  LoadAndSettle();
  WebControl().ClickLink("VX:next");
  EXPECT_EQ(Str("_vx"), "next");
  EXPECT_EQ(Str("went"), "next");
  EXPECT_EQ(WebControl().Location(), kStart);
  EXPECT_EQ(WebControl().History().size(), 1u);
  // evntBN never heard of it.
  EXPECT_EQ(Str("seen"), kStart + ";");
}

TEST_F(HostedTest, CancelInTheBeforeNavigateScriptKeepsThePage) {
  WebModel().beforeNavigateScript = "!_cancel=#block";
  LoadAndSettle();
  app->values.SetNumVar("block", 1);
  WebControl().ClickLink("http://blocked/");
  EXPECT_TRUE(app->values.GetBoolVar("_cancel"));
  EXPECT_EQ(WebControl().Location(), kStart);
  app->values.SetNumVar("block", 0);
  WebControl().ClickLink("http://open/");
  EXPECT_FALSE(app->values.GetBoolVar("_cancel"));
  EXPECT_EQ(WebControl().Location(), "http://open/");
  EXPECT_EQ(Str("_url"), "http://open/");
  EXPECT_EQ(Str("_flags"), "0");
}

TEST_F(HostedTest, ANewWindowIsCancelledByCancel) {
  WebModel().newWindowScript = "!_cancel=1";
  LoadAndSettle();
  EXPECT_FALSE(WebControl().RequestNewWindow("http://popup/"));
  EXPECT_TRUE(desktop.log.Contains("browser on VX_APPLICATION_FORM1: new window http://popup/ cancelled"));
}

TEST_F(HostedTest, ANewWindowWithoutAScriptOpens) {
  LoadAndSettle();
  app->values.SetBoolVar("_cancel", true);
  EXPECT_TRUE(WebControl().RequestNewWindow("http://popup/"));
  EXPECT_FALSE(app->values.GetBoolVar("_cancel"));
}

TEST_F(HostedTest, ProgressStatusAndTitleReachTheirScripts) {
  WebModel().progressScript = "#p=#_progress";
  WebModel().statusScript = "$s=$_status";
  WebModel().titleScript = "$t=$_title";
  LoadAndSettle();
  WebControl().RaiseProgress(25, 100);
  WebControl().RaiseStatusText("Loading");
  WebControl().RaiseTitle("Lesson 1");
  EXPECT_EQ(Num("p"), 25);
  EXPECT_EQ(Num("_progressmax"), 100);
  EXPECT_EQ(Str("s"), "Loading");
  EXPECT_EQ(Str("t"), "Lesson 1");
}

TEST_F(HostedTest, TheHeaderFlagsSetTheBrowser) {
  WebModel().contextMenu = false;
  WebModel().textSelection = false;
  WebModel().scrollBars = false;
  WebModel().offline = true;
  Load();
  EXPECT_FALSE(WebControl().OwnContextMenu());
  EXPECT_TRUE(WebControl().Offline());
  EXPECT_EQ(WebControl().UiFlags(), platform::kDisableTextSelect | platform::kDontUseScrollBars);
}

TEST_F(HostedTest, ASetContextMenuFlagKeepsTheBrowsersOwnMenu) {
  Load();
  EXPECT_TRUE(WebControl().OwnContextMenu());
  EXPECT_EQ(WebControl().UiFlags(), 0u);
}

TEST_F(HostedTest, BrowserMethodsAndTheRefreshAfterEach) {
  LoadAndSettle();
  EXPECT_EQ(Run("10(\"Web\",\"Main\").49(\"C:\\pages\\two.htm\")"), std::nullopt);
  EXPECT_EQ(WebControl().Location(), "C:\\pages\\two.htm");
  EXPECT_EQ(Run("10(\"Web\",\"Main\").81"), std::nullopt);
  EXPECT_EQ(WebControl().Location(), kStart);
  EXPECT_EQ(Run("10(\"Web\",\"Main\").82"), std::nullopt);
  EXPECT_EQ(WebControl().Location(), "C:\\pages\\two.htm");
  EXPECT_EQ(Run("10(\"Web\",\"Main\").63(0)\n10(\"Web\",\"Main\").64(0)\n10(\"Web\",\"Main\").34(0)"), std::nullopt);
  EXPECT_EQ(WebControl().UiFlags(),
            platform::kDisableTextSelect | platform::kDontUseScrollBars | platform::kDontUse3DBorders);
  EXPECT_EQ(Run("10(\"Web\",\"Main\").63(1)\n10(\"Web\",\"Main\").58(0)\n10(\"Web\",\"Main\").62(1)"), std::nullopt);
  EXPECT_EQ(WebControl().UiFlags(), platform::kDontUseScrollBars | platform::kDontUse3DBorders);
  EXPECT_FALSE(WebControl().OwnContextMenu());
  EXPECT_TRUE(WebControl().Offline());
  // 9 methods so far, each followed by one refresh.
  const auto lines = desktop.log.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "browser on VX_APPLICATION_FORM1: refresh"), 9);
}

TEST_F(HostedTest, AFailingRefreshAfterAMethodIsIgnoredButAFailingMethodIsNot) {
  LoadAndSettle();
  WebControl().FailRefresh(true);
  EXPECT_EQ(Run("10(\"Web\",\"Main\").84"), std::nullopt);
  EXPECT_EQ(Run("10(\"Web\",\"Main\").83"), "Line #1: Unspecified error");
  WebControl().FailRefresh(false);
  // Nothing to go forward to: the control's error reaches the runner.
  EXPECT_NE(Run("10(\"Web\",\"Main\").82"), std::nullopt);
}

TEST_F(HostedTest, ADownloadToAnUnwritableFileIsIgnored) {
  desktop.hosted.SetDownload("http://x/a.txt", "abc");
  desktop.files.AddDirectory("C:\\out");
  desktop.files.AddFile("C:\\out\\locked.txt", "old");
  desktop.files.SetReadOnly("C:\\out\\locked.txt");
  LoadAndSettle();
  EXPECT_EQ(Run("10(\"Web\",\"Main\").85(\"http://x/a.txt\",\"C:\\out\\locked.txt\")"), std::nullopt);
  EXPECT_EQ(platform::ReadWholeFile(desktop.files, "C:\\out\\locked.txt"), "old");
  EXPECT_EQ(Run("10(\"Web\",\"Main\").85(\"http://x/a.txt\",\"C:\\out\\new.txt\")"), std::nullopt);
  EXPECT_EQ(platform::ReadWholeFile(desktop.files, "C:\\out\\new.txt"), "abc");
  EXPECT_EQ(Run("10(\"Web\",\"Main\").85(\"http://x/none\",\"C:\\out\\n2.txt\")"), std::nullopt);
  EXPECT_FALSE(desktop.files.FileExists("C:\\out\\n2.txt"));
}

TEST_F(HostedTest, PrintAndPageSetupPromptPreviewDoesNot) {
  LoadAndSettle();
  EXPECT_EQ(Run("10(\"Web\",\"Main\").86\n10(\"Web\",\"Main\").87\n10(\"Web\",\"Main\").88"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("browser on VX_APPLICATION_FORM1: print (prompt)"));
  EXPECT_TRUE(desktop.log.Contains("browser on VX_APPLICATION_FORM1: print preview"));
  EXPECT_TRUE(desktop.log.Contains("browser on VX_APPLICATION_FORM1: page setup (prompt)"));
}

TEST_F(HostedTest, CommandFortyMakesABrowserReachableByItsName) {
  LoadAndSettle();
  EXPECT_EQ(Run("40(\"Browser\",\"Help\")\n10(\"help\",\"Main\").49(\"C:\\pages\\help.htm\")"), std::nullopt);
  auto* made = dynamic_cast<TVXBrowser*>(Objects().Find("OBJhelp"));
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->Visible());
  EXPECT_EQ(dynamic_cast<sim::SimBrowser&>(made->Browser()).Location(), "C:\\pages\\help.htm");
}

// --- Flash -----------------------------------------------------------------

class FlashTest : public HostedTest {
 protected:
  FlashTest() {
    auto& before = Main().AddText("Before");
    before.bounds = {5, 6, 70, 20};
    auto& movie = Main().AddFlash("Movie");
    movie.bounds = {30, 40, 160, 120};
    movie.movie = "C:\\movies\\intro.swf";
    movie.quality = 2;
    movie.scaleMode = 3;
    movie.menu = false;
    movie.playing = true;
    movie.loop = false;
    movie.startFrame = 4;
    movie.background = platform::MakeColor(0x12, 0x34, 0x56);
    movie.fsCommandScript = "$c=$_command+\"|\"+$_args";
    movie.flashCallScript = "$r=$_request";
    auto& after = Main().AddText("After");
    after.bounds = {7, 8, 90, 30};
    desktop.hosted.SetFlashInstalled(true);
  }
  TVXFlash& Movie() { return dynamic_cast<TVXFlash&>(*Objects().Find("OBJMovie")); }
  sim::SimFlashPlayer& Player() { return dynamic_cast<sim::SimFlashPlayer&>(Movie().Player()); }
};

TEST_F(FlashTest, TheRecordSetsThePlayer) {
  Load();
  EXPECT_EQ(Movie().BoundsRect(), (platform::Rect{30, 40, 160, 120}));
  EXPECT_EQ(Player().Movie(), "C:\\movies\\intro.swf");
  EXPECT_EQ(Player().Quality(), 2);
  EXPECT_EQ(Player().ScaleMode(), 3);
  EXPECT_FALSE(Player().MenuShown());
  EXPECT_EQ(Player().FrameNum(), 4);
  EXPECT_EQ(Player().Background(), "123456");
  EXPECT_TRUE(Player().Playing());
  EXPECT_FALSE(Player().Looping());
  EXPECT_TRUE(Movie().ShowHint);
}

TEST_F(FlashTest, TheMovieEventsSetTheirVariables) {
  Load();
  Player().RaiseFSCommand("quit", "now");
  Player().RaiseFlashCall("<invoke name=\"x\"/>");
  EXPECT_EQ(Str("c"), "quit|now");
  EXPECT_EQ(Str("r"), "<invoke name=\"x\"/>");
}

TEST_F(FlashTest, FlashMethodsAndTextFunction32) {
  Load();
  EXPECT_EQ(Run("10(\"Movie\",\"Main\").57(\"C:\\movies\\two.swf\")\n10(\"Movie\",\"Main\").56\n"
                "10(\"Movie\",\"Main\").42(1)\n10(\"Movie\",\"Main\").58(1)\n10(\"Movie\",\"Main\").59(1)\n"
                "10(\"Movie\",\"Main\").60(2)\n10(\"Movie\",\"Main\").61(7.5)\n"
                "10(\"Movie\",\"Main\").80(\"score\",\"42\")\n$v=32(\"Movie\",\"score\")"),
            std::nullopt);
  EXPECT_EQ(Player().Movie(), "C:\\movies\\two.swf");
  EXPECT_FALSE(Player().Playing());
  EXPECT_TRUE(Player().Looping());
  EXPECT_TRUE(Player().MenuShown());
  EXPECT_EQ(Player().Quality(), 1);
  EXPECT_EQ(Player().ScaleMode(), 2);
  EXPECT_EQ(Player().FrameNum(), 8);
  EXPECT_EQ(Str("v"), "42");
  EXPECT_EQ(Run("10(\"Movie\",\"Main\").54"), std::nullopt);
  EXPECT_TRUE(Player().Playing());
}

TEST_F(FlashTest, TextFunction32OnAnotherKindFails) {
  Load();
  EXPECT_NE(Run("$v=32(\"Before\",\"score\")"), std::nullopt);
}

TEST_F(FlashTest, CommandFortyMakesAMovieReachableByItsName) {
  Load();
  EXPECT_EQ(Run("40(\"flash\",\"Extra\")\n10(\"extra\",\"Main\").57(\"C:\\m.swf\")"), std::nullopt);
  auto* made = dynamic_cast<TVXFlash*>(Objects().Find("OBJextra"));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(dynamic_cast<sim::SimFlashPlayer&>(made->Player()).Movie(), "C:\\m.swf");
}

TEST_F(FlashTest, WithoutThePlayerTheBoxShowsAndTheProgramEndsAfterTheCleanUp) {
  desktop.hosted.SetFlashInstalled(false);
  project.noScreenSaver = true;
  test::InstallPresentation(desktop, project);
  EXPECT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); }), 1);
  const auto lines = desktop.log.Lines();
  const auto box = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.rfind("msgbox [Flash ActiveX] Running this application requiers Flash ActiveX to be installed.\r"
                   "This ActiveX can be downloaded from docs/hosted-controls.md\r\r",
                   0) == 0;
  });
  ASSERT_NE(box, lines.end());
  // The screen saver the presentation switched off is back on before the end.
  const auto restored = std::find(box, lines.end(), "setting ScreenSaver=1");
  const auto exit = std::find(box, lines.end(), "exit 1");
  EXPECT_LT(restored, exit);
  EXPECT_NE(exit, lines.end());
}

TEST_F(FlashTest, WithIgnoreMissingFlashTheMovieIsLeftOutAndThePageLoads) {
  desktop.hosted.SetFlashInstalled(false);
  project.ignoreMissingFlash = true;
  Load();
  EXPECT_EQ(Objects().Find("OBJMovie"), nullptr);
  // The movie's fields did not fall on the text before it.
  EXPECT_EQ(Objects().Find("OBJBefore")->BoundsRect(), (platform::Rect{5, 6, 70, 20}));
  ASSERT_NE(Objects().Find("OBJAfter"), nullptr);
  EXPECT_EQ(Objects().Find("OBJAfter")->BoundsRect(), (platform::Rect{7, 8, 90, 30}));
  EXPECT_NE(Run("40(\"flash\",\"Extra\")"), std::nullopt);
}

TEST_F(FlashTest, APlayerThatLeavesOutMissingFlashLoadsThePageAndNotesIt) {
  desktop.hosted.SetFlashInstalled(false);
  project.ignoreMissingFlash = false;
  test::InstallPresentation(desktop, project);
  std::vector<std::string> notes;
  PlayerOptions options;
  options.leaveOutMissingFlash = true;
  options.note = [&notes](const std::string& line) { notes.push_back(line); };
  ASSERT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform(), options); }), std::nullopt)
      << ::testing::PrintToString(desktop.log.Lines());
  app->MainForm()->Window().Show();
  EXPECT_EQ(Objects().Find("OBJMovie"), nullptr);
  EXPECT_EQ(Objects().Find("OBJAfter")->BoundsRect(), (platform::Rect{7, 8, 90, 30}));
  EXPECT_EQ(notes, std::vector<std::string>{"flash movie left out: no Flash player"});
  for (const auto& line : desktop.log.Lines()) EXPECT_EQ(line.find("msgbox [Flash ActiveX]"), std::string::npos);
}

TEST_F(FlashTest, WithAPlayerInstalledTheOptionChangesNothing) {
  desktop.hosted.SetFlashInstalled(true);
  test::InstallPresentation(desktop, project);
  std::vector<std::string> notes;
  PlayerOptions options;
  options.leaveOutMissingFlash = true;
  options.note = [&notes](const std::string& line) { notes.push_back(line); };
  ASSERT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform(), options); }), std::nullopt);
  EXPECT_NE(Objects().Find("OBJMovie"), nullptr);
  EXPECT_TRUE(notes.empty());
}

// --- plug-ins --------------------------------------------------------------

class PluginTest : public HostedTest {
 protected:
  PluginTest() {
    auto& plug = Main().AddPlugin("Plug");
    plug.bounds = {50, 60, 120, 80};
    plug.path = kPlugin;
  }

  // Every export of the table, each recording its call.
  sim::SimPluginExports FullTable() {
    sim::SimPluginExports e;
    e["SetParentWindow"] = [this](const sim::SimPluginArgs& a) {
      host = a.host;
      return sim::SimPluginResult{};
    };
    e["Draw"] = [this](const sim::SimPluginArgs& a) {
      if (a.host != nullptr) a.host->Fill(platform::MakeColor(200, 0, 0));
      drawn.push_back(a.width * 1000 + a.height);
      return sim::SimPluginResult{};
    };
    e["SetPath"] = [this](const sim::SimPluginArgs& a) {
      path = a.text;
      return sim::SimPluginResult{};
    };
    e["Show"] = [](const sim::SimPluginArgs&) { return sim::SimPluginResult{}; };
    e["SetFile"] = [this](const sim::SimPluginArgs& a) {
      file = a.text;
      return sim::SimPluginResult{};
    };
    e["SetData"] = [this](const sim::SimPluginArgs& a) {
      data = a.number;
      return sim::SimPluginResult{};
    };
    e["GetFile"] = [](const sim::SimPluginArgs&) { return sim::SimPluginResult{"C:\\x.mp3", 0}; };
    e["GetData"] = [](const sim::SimPluginArgs&) { return sim::SimPluginResult{"", -17}; };
    e["Rewind"] = [this](const sim::SimPluginArgs&) {
      ++rewinds;
      return sim::SimPluginResult{};
    };
    return e;
  }

  TVXMPlugin& Plug() { return dynamic_cast<TVXMPlugin&>(*Objects().Find("OBJPlug")); }

  sim::SimPluginHost* host = nullptr;
  std::vector<int> drawn;
  std::string path, file;
  int data = 0;
  int rewinds = 0;
};

TEST_F(PluginTest, TheStartTimerRunsTheStartSequenceInOrder) {
  desktop.hosted.RegisterLibrary(kPlugin, FullTable());
  Load();
  auto* timer = dynamic_cast<TNamedTimer*>(Objects().Find("PPlug"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(Plug().LibraryIndex, 0);
  desktop.loop.Advance(20);
  EXPECT_EQ(Objects().Find("PPlug"), nullptr);
  EXPECT_EQ(Plug().LibraryIndex, 1);
  ASSERT_EQ(host, &Plug().Host());
  EXPECT_EQ(host->FillColor(), platform::MakeColor(200, 0, 0));
  EXPECT_EQ(path, "C:\\Shows");
  const std::size_t load = LogIndex("plugin load " + kPlugin);
  const std::size_t parent = LogIndex("plugin SetParentWindow(" + std::to_string(host->Handle()) + ")");
  const std::size_t draw = LogIndex("plugin Draw(dc,0,0,120,80)");
  const std::size_t setPath = LogIndex("plugin SetPath(\"C:\\Shows\")");
  const std::size_t show = LogIndex("plugin Show()");
  EXPECT_LT(load, parent);
  EXPECT_LT(parent, draw);
  EXPECT_LT(draw, setPath);
  EXPECT_LT(setPath, show);
  EXPECT_LT(show, desktop.log.Lines().size());
}

TEST_F(PluginTest, TheMethodsReachTheExports) {
  desktop.hosted.RegisterLibrary(kPlugin, FullTable());
  LoadAndSettle();
  EXPECT_EQ(Run("$name=\"C:\\song.mp3\"\n10(\"Plug\",\"Main\").65($name)\n10(\"Plug\",\"Main\").65(12.6)\n"
                "10(\"Plug\",\"Main\").66(\"Rewind\")\n10(\"Plug\",\"Main\").67(#level)\n"
                "10(\"Plug\",\"Main\").67($got)\n10(\"Plug\",\"Main\").8(300,200)"),
            std::nullopt);
  EXPECT_EQ(file, "C:\\song.mp3");
  EXPECT_EQ(data, 13);
  EXPECT_EQ(rewinds, 1);
  EXPECT_EQ(Num("level"), -17);
  EXPECT_EQ(Str("got"), "C:\\x.mp3");
  EXPECT_TRUE(desktop.log.Contains("plugin Draw(null,0,0,300,200)"));
  EXPECT_EQ(drawn.back(), 300200);
}

TEST_F(PluginTest, AWrongPrefixInSixtySevenShowsTheBoxAndTheScriptGoesOn) {
  desktop.hosted.RegisterLibrary(kPlugin, FullTable());
  LoadAndSettle();
  EXPECT_EQ(Run("10(\"Plug\",\"Main\").67(level)\n#after=1"), std::nullopt);
  EXPECT_TRUE(desktop.log.Contains("msgbox [Syntax Error] Vexorelle Syntax Error: Excepted (! / $ / #) -> 1"));
  EXPECT_EQ(Num("after"), 1);
  EXPECT_EQ(Num("level"), 0);
}

TEST_F(PluginTest, AMissingLibraryLeavesTheHostEmptyAndTheMethodsWithoutEffect) {
  LoadAndSettle();
  EXPECT_TRUE(desktop.log.Contains("plugin load " + kPlugin + " failed"));
  EXPECT_EQ(Plug().LibraryIndex, 0);
  EXPECT_EQ(app->hosting->plugins.size(), 1u);
  EXPECT_EQ(Run("10(\"Plug\",\"Main\").65(3)\n10(\"Plug\",\"Main\").66(\"Show\")\n10(\"Plug\",\"Main\").67(#x)\n"
                "10(\"Plug\",\"Main\").8(10,10)"),
            std::nullopt);
  EXPECT_EQ(dynamic_cast<sim::SimPluginHost&>(Plug().Host()).FillColor(), sim::kPluginHostColor);
  EXPECT_EQ(Objects().Find("PPlug"), nullptr);
}

TEST_F(PluginTest, ALibraryWithoutTheExportsLoadsAsNothing) {
  desktop.hosted.RegisterLibrary(kPlugin, {});
  LoadAndSettle();
  EXPECT_EQ(Plug().LibraryIndex, 1);
  EXPECT_EQ(Run("10(\"Plug\",\"Main\").65(3)\n10(\"Plug\",\"Main\").66(\"Show\")\n10(\"Plug\",\"Main\").67(#x)\n"
                "10(\"Plug\",\"Main\").67($y)\n10(\"Plug\",\"Main\").8(10,10)"),
            std::nullopt);
  const auto lines = desktop.log.Lines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("plugin ", 0) == 0; }),
            1);
}

TEST_F(PluginTest, AnErrorInSetParentWindowUnloadsAndEndsAfterTheCleanUp) {
  auto table = FullTable();
  table["SetParentWindow"] = [](const sim::SimPluginArgs&) -> sim::SimPluginResult {
    throw OsError("access violation");
  };
  desktop.hosted.RegisterLibrary(kPlugin, table);
  project.noScreenSaver = true;
  Load();
  EXPECT_EQ(test::ExitCodeOf([&] { desktop.loop.Advance(20); }), 1);
  const std::size_t unload = LogIndex("plugin unload " + kPlugin);
  const std::size_t restored = LogIndex("setting ScreenSaver=1");
  const std::size_t exit = LogIndex("exit 1");
  EXPECT_LT(unload, restored);
  EXPECT_LT(restored, exit);
  EXPECT_LT(exit, desktop.log.Lines().size());
  EXPECT_FALSE(desktop.log.Contains("plugin Show()"));
}

}  // namespace
}  // namespace vx
