// A browser, a Flash movie and a plug-in from a vxpack source folder, packed
// and played headless: the browser loads its start page after loading, a
// "vx:" link runs its address script, the plug-in's library is looked for,
// and the missing Flash player is left out or ends the run.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxpack/manifest.h"
#include "tools/vxrun/headless_player.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class HostedPackTest : public ::testing::Test {
 protected:
  HostedPackTest() : dir_(fs::temp_directory_path() / ("vx-hosted-pack-" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
  }
  ~HostedPackTest() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }

  std::string Play(const std::string& tour) {
    const tools::SourceProject source = tools::ReadSourceFolder(dir_.string());
    const std::string player = test::PeBuilder().Section(".text", std::string(0x200, '\xC3'), 0x60000020).Build();
    const std::string exe = tools::WithRcDataResources(player, tools::WriteResources(source.model, source.key));
    std::ostringstream out;
    status = tools::RunHeadless(exe + test::ExecutableWithTrailer(test::kDeliveredTrailer).substr(256), tour, {}, out);
    return out.str();
  }

  static std::string Project(bool ignoreMissingFlash) {
    return std::string("title: Hosted\noptions: {ignore-missing-flash: ") + (ignoreMissingFlash ? "yes" : "no") +
           R"yaml(}
pages:
  - name: One
    objects:
      - browser: web
        bounds: [10, 10, 200, 150]
        start-page: "C:\\lesson.htm"
        address-script: "$went=$_vx"
        before-navigate-script: "$asked=$_url"
      - flash: movie
        bounds: [220, 10, 100, 100]
        movie: "C:\\intro.swf"
      - plugin: player
        bounds: [220, 120, 80, 60]
        file: "C:\\player.dll"
      - text: after
        bounds: [10, 170, 100, 20]
        caption: Still here
)yaml";
  }

  fs::path dir_;
  int status = -1;
};

TEST_F(HostedPackTest, TheBrowserLoadsAndAVxLinkRunsItsScript) {
  Write("project.yaml", Project(true));
  const std::string trace = Play("wait 50\nlink 50 50 VX:next\nlink 50 50 C:\\two.htm\n");
  EXPECT_EQ(status, 0) << trace;
  const auto at = [&](const std::string& text) { return trace.find(text); };
  EXPECT_NE(at("browser on VX_APPLICATION_FORM1: navigate C:\\lesson.htm"), std::string::npos) << trace;
  EXPECT_NE(at("$went = \"next\""), std::string::npos) << trace;
  EXPECT_EQ(at("navigate VX:next"), std::string::npos) << trace;
  EXPECT_NE(at("$asked = \"C:\\two.htm\""), std::string::npos) << trace;
  // The sim has no plug-in libraries and no Flash player: both are left out.
  EXPECT_NE(at("plugin load C:\\player.dll failed"), std::string::npos) << trace;
  EXPECT_EQ(at("msgbox [Flash ActiveX]"), std::string::npos) << trace;
  EXPECT_NE(at("tour done"), std::string::npos) << trace;
}

TEST_F(HostedPackTest, WithoutIgnoreMissingFlashTheRunEndsAtTheMovie) {
  Write("project.yaml", Project(false));
  const std::string trace = Play("wait 50\n");
  EXPECT_EQ(status, 0) << trace;
  EXPECT_NE(trace.find("msgbox [Flash ActiveX]"), std::string::npos) << trace;
  EXPECT_NE(trace.find("presentation ended with exit code 1"), std::string::npos) << trace;
}

TEST_F(HostedPackTest, ALinkWhereNoBrowserIsFailsTheTour) {
  Write("project.yaml", Project(true));
  const std::string trace = Play("wait 50\nlink 390 290 http://x/\n");
  EXPECT_EQ(status, 1) << trace;
  EXPECT_NE(trace.find("tour error: line 2: link: no browser at 390,290"), std::string::npos) << trace;
}

}  // namespace
}  // namespace vx
