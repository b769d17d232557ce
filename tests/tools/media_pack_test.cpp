// A sound and a video from a vxpack source folder: packed with their media
// files as embedded files, played headless to their end.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/pe_builder.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "tools/common/pe_writer.h"
#include "tools/vxpack/manifest.h"
#include "tools/vxrun/headless_player.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}

// 8 kHz, 8-bit mono.
std::string Wave(int milliseconds) {
  const std::uint32_t data = static_cast<std::uint32_t>(milliseconds) * 8;
  const std::string fmt =
      std::string("\x01\x00\x01\x00", 4) + Le32(8000) + Le32(8000) + std::string("\x01\x00\x08\x00", 4);
  return "RIFF" + Le32(36 + data) + "WAVE" + "fmt " + Le32(16) + fmt + "data" + Le32(data) + std::string(data, '\x80');
}

// Just the main header of an AVI: frames of 40 ms.
std::string Avi(std::uint32_t frames) {
  std::string avih = Le32(40000) + std::string(12, '\0') + Le32(frames) + std::string(36, '\0');
  std::string hdrl = "hdrl" + std::string("avih") + Le32(static_cast<std::uint32_t>(avih.size())) + avih;
  return "RIFF" + Le32(static_cast<std::uint32_t>(4 + 8 + hdrl.size())) + "AVI " + "LIST" +
         Le32(static_cast<std::uint32_t>(hdrl.size())) + hdrl;
}

class MediaPackTest : public ::testing::Test {
 protected:
  MediaPackTest() : dir_(fs::temp_directory_path() / ("vx-media-pack-" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
  }
  ~MediaPackTest() override { fs::remove_all(dir_); }

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

  fs::path dir_;
  int status = -1;
};

TEST_F(MediaPackTest, APackedSoundPlaysWithItsPageAndItsFinishShowsPageTwo) {
  Write("bell.wav", Wave(700));
  Write("clip.avi", Avi(25));  // one second
  Write("project.yaml", R"yaml(title: Media
options: {extract-all-embedded: yes}
embedded: [bell.wav, clip.avi]
pages:
  - name: One
    objects:
      - sound: bell
        file: "[embed]bell.wav"
        play-with-page: yes
        volume: 10000
        start-script: "#rang=1"
        finish-script: "15(\"Two\")"
  - name: Two
    objects:
      - video: clip
        bounds: [10, 10, 80, 60]
        file: "[embed]clip.avi"
        play-with-page: yes
        finish-script: "#seen=1"
)yaml");
  const std::string trace = Play("wait 300\nwait 600\nwait 1200\n");
  EXPECT_EQ(status, 0) << trace;
  const auto at = [&](const std::string& text) { return trace.find(text); };
  ASSERT_NE(at("media run "), std::string::npos) << trace;
  EXPECT_NE(at("bell.wav 700 ms"), std::string::npos) << trace;
  EXPECT_NE(at("#rang = 1"), std::string::npos) << trace;
  const auto finish = at("script VEXORELLE_NEW_SOUNDGraphComplete OBJbell");
  ASSERT_NE(finish, std::string::npos) << trace;
  const auto shown = trace.find("show VX_APPLICATION_FORM2", finish);
  EXPECT_NE(shown, std::string::npos) << trace;
  // The video of page 2 started with its page and played to its end.
  EXPECT_NE(at("clip.avi 1000 ms"), std::string::npos) << trace;
  EXPECT_NE(at("#seen = 1"), std::string::npos) << trace;
}

}  // namespace
}  // namespace vx
