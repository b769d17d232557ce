#include "tools/vxrun/presentation_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace vx::tools {
namespace {

class ReadWholeFileTest : public ::testing::Test {
 protected:
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vx-read-whole-" + std::to_string(::getpid()));
  void SetUp() override { std::filesystem::create_directories(folder); }
  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(ReadWholeFileTest, AFileAndAnEmptyOne) {
  std::ofstream(folder / "show.exe", std::ios::binary) << std::string("MZ\0\x01", 4);
  std::ofstream(folder / "empty.exe", std::ios::binary).flush();
  std::string bytes = "old";
  ASSERT_TRUE(ReadWholeFile((folder / "show.exe").string(), bytes));
  EXPECT_EQ(bytes, std::string("MZ\0\x01", 4));
  ASSERT_TRUE(ReadWholeFile((folder / "empty.exe").string(), bytes));
  EXPECT_EQ(bytes, "");
}

TEST_F(ReadWholeFileTest, AFolderAPipeAndNothingAreNoFile) {
  std::string bytes;
  // A folder opens as a stream and once asked for an impossible buffer.
  std::filesystem::create_directories(folder / "folder.exe");
  EXPECT_FALSE(ReadWholeFile((folder / "folder.exe").string(), bytes));
  // Opening a pipe without a writer would wait for ever.
  ASSERT_EQ(::mkfifo((folder / "pipe.exe").c_str(), 0600), 0);
  EXPECT_FALSE(ReadWholeFile((folder / "pipe.exe").string(), bytes));
  EXPECT_FALSE(ReadWholeFile((folder / "missing.exe").string(), bytes));
}


// Executables are read into their own buffer (in huge pages when large):
// every size reads back byte for byte, and the bytes outlive the reader.
TEST_F(ReadWholeFileTest, ExecutablesOfEverySizeReadBackWhole) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{5}, (std::size_t{2} << 20) - 1, std::size_t{2} << 20,
                                 (std::size_t{5} << 20) + 3}) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
    const auto path = folder / ("show" + std::to_string(size) + ".exe");
    std::ofstream(path, std::ios::binary) << bytes;
    std::optional<sim::FileBytes> read = ReadExecutableFile(path.string());
    ASSERT_TRUE(read.has_value()) << size;
    const sim::FileBytes copy = *read;
    read.reset();
    EXPECT_TRUE(copy.View() == bytes) << size;
  }
  std::filesystem::create_directories(folder / "folder.exe");
  EXPECT_FALSE(ReadExecutableFile((folder / "folder.exe").string()).has_value());
  EXPECT_FALSE(ReadExecutableFile((folder / "missing.exe").string()).has_value());
}

}  // namespace
}  // namespace vx::tools
