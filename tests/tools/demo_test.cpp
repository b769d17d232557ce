// The demo presentation, played with its own tour: the source in
// examples/demo must keep working as the runtime grows.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/sim/sim_pictures.h"
#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxpack/manifest.h"
#include "tools/vxrun/headless_player.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const fs::path kDemo = fs::path(VX_SOURCE_DIR) / "examples" / "demo";
const fs::path kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class DemoTest : public ::testing::Test {
 protected:
  DemoTest() : work_(fs::temp_directory_path() / ("vx-demo-" + std::to_string(::getpid()))) {
    fs::create_directories(work_ / "source");
    fs::create_directories(work_ / "shots");
  }
  ~DemoTest() override { fs::remove_all(work_); }

  // The source as it stands in the checkout, as vxpack builds it.
  std::string Executable() {
    const tools::SourceProject source = tools::ReadSourceFolder(kDemo.string());
    const std::string player =
        test::PeBuilder().Section(".text", std::string(0x200, '\xC3'), 0x60000020).Build();
    const std::string exe = tools::WithRcDataResources(player, tools::WriteResources(source.model, source.key));
    return exe + test::ExecutableWithTrailer(test::kDeliveredTrailer).substr(256);
  }
  std::string Play() {
    tools::HeadlessOptions options;
    options.screenshotFolder = (work_ / "shots").string();
    std::ostringstream out;
    status = tools::RunHeadless(Executable(), ReadAll(kDemo / "tour.txt"), options, out);
    return out.str();
  }
  platform::Picture Shot(const std::string& name) {
    auto picture = sim::DecodePng(ReadAll(work_ / "shots" / name));
    return picture ? *picture : platform::Picture{};
  }

  int status = -1;

 private:
  fs::path work_;
};

// The pixels of a band of rows that differ from the page colour.
int InkInRows(const platform::Picture& shot, int top, int bottom, Rgba page) {
  int ink = 0;
  if (shot.frames.empty()) return 0;
  const RgbaImage& image = shot.frames.front().image;
  for (int y = top; y < bottom && y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (!(image.At(x, y) == page)) ++ink;
  return ink;
}

TEST_F(DemoTest, TheTourVisitsEveryPageWithoutAnError) {
  if (!fs::exists(kFont)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  const std::string trace = Play();
  EXPECT_EQ(status, 0) << trace;
  EXPECT_EQ(trace.find("error"), std::string::npos) << trace;
  EXPECT_NE(trace.find("$visitor = \"Ada\""), std::string::npos) << trace;
  EXPECT_NE(trace.find("#seconds = 2"), std::string::npos) << trace;
  // No keeps the page, Yes goes on.
  const auto no = trace.find("msgbox [Vexorelle] Show the Persian page now? -> 7");
  const auto yes = trace.find("msgbox [Vexorelle] Show the Persian page now? -> 6");
  ASSERT_NE(no, std::string::npos) << trace;
  ASSERT_NE(yes, std::string::npos) << trace;
  EXPECT_EQ(trace.find("show VX_APPLICATION_FORM2"), trace.find("show VX_APPLICATION_FORM2", yes)) << trace;
  EXPECT_NE(trace.find("show VX_APPLICATION_FORM3"), std::string::npos) << trace;
  EXPECT_NE(trace.find("presentation ended with exit code 1"), std::string::npos) << trace;

  // Today's Persian date is written into the second text by the page's show
  // script; the greeting into the first page's.
  const Rgba persianPage{0xE8, 0xF0, 0xF4, 255};
  EXPECT_GT(InkInRows(Shot("4-persian.png"), 100, 130, persianPage), 100);
  const Rgba welcomePage{0xF4, 0xF1, 0xE8, 255};
  EXPECT_GT(InkInRows(Shot("3-greeted.png"), 160, 184, welcomePage), 100);
  EXPECT_GT(InkInRows(Shot("3-greeted.png"), 300, 320, welcomePage), 100);  // the seconds

  // The ring handed the box a new mouse-up script, which turned it green.
  const platform::Picture box = Shot("7-new-script.png");
  ASSERT_FALSE(box.frames.empty());
  EXPECT_EQ(box.frames.front().image.At(120, 90), (Rgba{0x60, 0xC0, 0x60, 255}));

  // The window page: the slider made it translucent at the level pressed,
  // the caption followed, the frameless page was dragged, and Done turned
  // the tiled background grey.
  EXPECT_NE(trace.find("look VX_APPLICATION_FORM4 left to right, alpha 128, colour FFFFFF"), std::string::npos)
      << trace;
  EXPECT_NE(trace.find("caption VX_APPLICATION_FORM4 [Vexorelle - window, translucency 128]"), std::string::npos)
      << trace;
  const auto frameless = trace.find("frame VX_APPLICATION_FORM4 none");
  ASSERT_NE(frameless, std::string::npos) << trace;
  EXPECT_NE(trace.find("place VX_APPLICATION_FORM4", frameless), std::string::npos) << trace;
  const platform::Picture before = Shot("8-window.png"), grey = Shot("9-grey.png");
  ASSERT_FALSE(before.frames.empty());
  ASSERT_FALSE(grey.frames.empty());
  const Rgba tile = before.frames.front().image.At(620, 300);
  const Rgba greyTile = grey.frames.front().image.At(620, 300);
  EXPECT_FALSE(tile.r == tile.g && tile.g == tile.b);
  EXPECT_TRUE(greyTile.r == greyTile.g && greyTile.g == greyTile.b) << int(greyTile.r) << "," << int(greyTile.g);
}

TEST_F(DemoTest, TheMediaPagePlaysItsChimeAndItsVideo) {
  if (!fs::exists(kFont)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  const std::string trace = Play();
  EXPECT_EQ(status, 0) << trace;
  // The chime made by vxpack plays with the page and reaches its end.
  EXPECT_NE(trace.find("chime.wav 700 ms"), std::string::npos) << trace;
  EXPECT_NE(trace.find("script VEXORELLE_NEW_SOUNDGraphComplete OBJchime"), std::string::npos) << trace;
  // The position text follows the playing video.
  const auto first = trace.find("$_clip_pos = \"00:00:01\"");
  ASSERT_NE(first, std::string::npos) << trace;
  EXPECT_NE(trace.find("$_clip_pos = \"00:00:04\"", first), std::string::npos) << trace;
  EXPECT_NE(trace.find("$_clip_totalpos = \"00:00:06\""), std::string::npos) << trace;
  EXPECT_NE(trace.find("video full screen"), std::string::npos) << trace;
  EXPECT_NE(trace.find("video normal"), std::string::npos) << trace;
  // Before Play the video is hidden; while it plays its window shows.
  const platform::Picture before = Shot("8-media-before.png");
  const platform::Picture playing = Shot("9-media-playing.png");
  ASSERT_FALSE(before.frames.empty());
  ASSERT_FALSE(playing.frames.empty());
  EXPECT_EQ(before.frames.front().image.At(180, 180), (Rgba{0xF0, 0xF0, 0xF0, 255}));
  EXPECT_EQ(playing.frames.front().image.At(180, 180), (Rgba{0, 160, 64, 255}));
}

TEST_F(DemoTest, TheWebPageShowsItsEmbeddedPageAndItsVxLinkRunsAScript) {
  if (!fs::exists(kFont)) GTEST_SKIP() << "fonts-dejavu-core is not installed";
  const std::string trace = Play();
  EXPECT_EQ(status, 0) << trace;
  const auto shown = trace.find("browser on VX_APPLICATION_FORM6: navigate ");
  ASSERT_NE(shown, std::string::npos) << trace;
  EXPECT_NE(trace.find("VXTEMP\\lesson.htm", shown), std::string::npos) << trace;
  EXPECT_NE(trace.find("$_vx = \"hello\""), std::string::npos) << trace;
  EXPECT_EQ(trace.find("navigate vx:hello"), std::string::npos) << trace;
  const platform::Picture web = Shot("10-web.png");
  ASSERT_FALSE(web.frames.empty());
  // The pane, and below it the text the link's script wrote.
  EXPECT_EQ(web.frames.front().image.At(300, 200), (Rgba{255, 255, 255, 255}));
  EXPECT_GT(InkInRows(web, 340, 360, Rgba{0xF0, 0xF0, 0xF0, 255}), 20);
}

}  // namespace
}  // namespace vx
