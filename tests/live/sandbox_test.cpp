#include "platform/live/sandbox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <cstdint>
#include <string>

#include "platform/live/sandbox_paths.h"
#include "platform/live/sandboxed_files.h"
#include "platform/sim/sim_desktop.h"

namespace vx::live {
namespace {

constexpr std::uint32_t kCurrentUser = 0x80000001;  // HKEY_CURRENT_USER

namespace fs = std::filesystem;

// Every file under a folder with its bytes: what the test compares before
// and after a run.
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> out;
  if (!fs::exists(root)) return out;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (!e.is_regular_file()) {
      out[fs::relative(e.path(), root).string() + "/"] = "";
      continue;
    }
    std::ifstream in(e.path(), std::ios::binary);
    out[fs::relative(e.path(), root).string()] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  return out;
}

void Put(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class SandboxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("vx-sandbox-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    data = root / "data" / "vexorelle" / "show";
    beside = root / "cd";
    Put(beside / "show.exe", "MZ");
    Put(beside / "videos" / "intro.avi", "video bytes");
    Put(beside / "config.ini", "[a]\r\nb=1\r\n");
    Put(root / "outside.txt", "secret");
  }
  void TearDown() override { fs::remove_all(root); }

  // One run of a presentation: a fresh desktop, loaded, the work, saved.
  template <typename Work>
  void Run(Work work) {
    sim::SimDesktop desktop;
    desktop.files.SetOwnExecutable("C:\\Presentation\\show.exe", "MZ");
    SandboxedFiles files(desktop.files, beside.string());
    Sandbox sandbox(data.string());
    sandbox.Load(files, desktop.registry);
    work(files, desktop.registry);
    sandbox.Save(files, desktop.registry);
  }

  fs::path root, data, beside;
};

TEST_F(SandboxTest, FilesBesideTheExecutableAreReadButNeverWritten) {
  const auto before = Tree(beside);
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) {
    EXPECT_TRUE(f.FileExists("C:\\Presentation\\videos\\INTRO.AVI"));
    EXPECT_TRUE(f.DirectoryExists("c:\\presentation\\videos"));
    EXPECT_EQ(f.Disk().Contents("C:\\Presentation\\videos\\intro.avi"), "video bytes");
    EXPECT_EQ(f.ReadIniString("C:\\Presentation\\config.ini", "a", "b"), "1");
    f.WriteIniString("C:\\Presentation\\config.ini", "a", "b", "2");
    EXPECT_EQ(f.ReadIniString("C:\\Presentation\\config.ini", "a", "b"), "2");
    EXPECT_FALSE(f.FileExists("C:\\Presentation\\..\\..\\outside.txt"));
    EXPECT_FALSE(f.FileExists("C:\\Presentation\\nothing.txt"));
  });
  EXPECT_EQ(Tree(beside), before);
  // The changed copy is the presentation's, in its data folder; the
  // unchanged video is not copied there.
  EXPECT_EQ(Tree(data / "disk" / "C" / "PRESENTATION"),
            (std::map<std::string, std::string>{{"CONFIG.INI", "[a]\r\nb=2\r\n"}}));
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) { EXPECT_EQ(f.ReadIniString("C:\\Presentation\\config.ini", "a", "b"), "2"); });
}

TEST_F(SandboxTest, TheDiskTheRegistryAndIniFilesLastBetweenRunsNothingElseIsWritten) {
  const auto outsideBefore = Tree(root / "cd");
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) {
    f.MakeDirectory("C:\\Saves");
    auto game = f.Open("C:\\Saves\\game.dat", platform::OpenMode::Create);
    game->Write(std::string("score\0\n9", 8));
    game.reset();
    f.WriteIniString("settings.ini", "User", "Name", "Ali");
    r.CreateKey(kCurrentUser, "Software\\Show");
    r.WriteValue(kCurrentUser, "Software\\Show", "", {platform::RegistryValueKind::String, "line\nbreak"});
    r.WriteValue(kCurrentUser, "Software\\Show", "Count", {platform::RegistryValueKind::Integer, std::string("\x07\0\0\0", 4)});
    // Temporary and extracted files go at the end of the run.
    auto t = f.Open(f.TempFolder() + "extracted.bmp", platform::OpenMode::Create);
    t->Write("BM");
  });
  for (const auto& [path, bytes] : Tree(root)) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(path.starts_with("data/vexorelle/show/") || path == "data/" || path == "data/vexorelle/" ||
                path == "data/vexorelle/show/" || path == "outside.txt" || path.starts_with("cd"));
  }
  EXPECT_EQ(Tree(root / "cd"), outsideBefore);
  EXPECT_FALSE(fs::exists(data / "disk" / "C" / "TEMP"));
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) {
    EXPECT_EQ(f.Disk().Contents("c:\\saves\\GAME.DAT"), std::string("score\0\n9", 8));
    EXPECT_EQ(f.ReadIniString("settings.ini", "User", "Name"), "Ali");
    EXPECT_EQ(r.ReadValue(kCurrentUser, "SOFTWARE\\show", "")->data, "line\nbreak");
    EXPECT_EQ(r.ReadValue(kCurrentUser, "Software\\Show", "count")->kind, platform::RegistryValueKind::Integer);
    EXPECT_FALSE(f.FileExists(f.TempFolder() + "extracted.bmp"));
    f.RemoveFile("C:\\Saves\\game.dat");
  });
  EXPECT_FALSE(fs::exists(data / "disk" / "C" / "SAVES" / "GAME.DAT"));
  EXPECT_TRUE(fs::is_directory(data / "disk" / "C" / "SAVES"));
}

TEST_F(SandboxTest, PathsThatTryToLeaveStayInTheDataFolder) {
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) {
    for (const char* path : {"C:\\a\\..\\..\\..\\escape1.txt", "/tmp/escape2.txt", "\\\\server\\share\\escape3.txt",
                             "Q:\\..\\escape4.txt"})
      f.Disk().AddFile(path, "x");
  });
  for (const auto& [path, bytes] : Tree(root)) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(path.starts_with("data") || path == "outside.txt" || path.starts_with("cd"));
  }
  EXPECT_EQ(Tree(root / "cd").size(), 4u);  // show.exe, videos/, videos/intro.avi, config.ini
  EXPECT_TRUE(fs::exists(data / "disk" / "C" / "escape1.txt") || fs::exists(data / "disk" / "C" / "ESCAPE1.TXT"));
  EXPECT_TRUE(fs::exists(data / "disk" / "Q" / "ESCAPE4.TXT"));
}

TEST_F(SandboxTest, ADamagedRegistryFileKeepsItsGoodLines) {
  fs::create_directories(data);
  std::ofstream(RegistryFileOf(data.string())) << "K x313A534F4654\nV xZZ 0 x41\nV x41 9 x41\nV x42 0 x43\ngarbage\n";
  Run([]([[maybe_unused]] SandboxedFiles& f, [[maybe_unused]] sim::SimRegistry& r) {
    EXPECT_EQ(r.ReadValue(1, "SOFT", "B")->data, "C");
    EXPECT_EQ(r.ReadValue(1, "SOFT", "A"), std::nullopt);
  });
}

}  // namespace
}  // namespace vx::live
