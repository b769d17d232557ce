#include "util/trailer.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "tests/support/sim_fixture.h"
#include "util/error.h"

namespace vx {
namespace {

class TrailerTest : public ::testing::Test {
 protected:
  sim::SimDesktop desktop;
  platform::Files& files = desktop.files;
  const std::string path = "C:\\apps\\player.exe";
};

std::string Count(std::uint32_t n) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
  return s;
}

TEST_F(TrailerTest, DeliveredExecutableYieldsItsThreeByteBlock) {
  desktop.files.AddFile(path, test::ExecutableWithTrailer(test::kDeliveredTrailer));
  std::string block;
  ASSERT_TRUE(ReadTrailer(files, path, block));
  EXPECT_EQ(block, "0\r\n");
}

TEST_F(TrailerTest, AppendThenReadGivesTheStreamBackAndHidesAnOlderTrailer) {
  desktop.files.AddFile(path, test::ExecutableWithTrailer("old block"));
  const std::string fresh("new\0block\xFF", 10);
  ASSERT_TRUE(AppendTrailer(files, path, fresh));
  std::string block;
  ASSERT_TRUE(ReadTrailer(files, path, block));
  EXPECT_EQ(block, fresh);
  // The old trailer is still in the file, in front of the new one.
  EXPECT_NE(desktop.files.Contents(path).find("old block"), std::string::npos);
}

TEST_F(TrailerTest, EmptyStreamRoundTrips) {
  desktop.files.AddFile(path, "MZ");
  ASSERT_TRUE(AppendTrailer(files, path, ""));
  EXPECT_EQ(desktop.files.Contents(path), "MZ" + Count(4));
  std::string block = "untouched";
  ASSERT_TRUE(ReadTrailer(files, path, block));
  EXPECT_EQ(block, "");
}

TEST_F(TrailerTest, CountOfExactlyTheFileSizeIsAccepted) {
  const std::string body = "whole file";
  desktop.files.AddFile(path, body + Count(static_cast<std::uint32_t>(body.size() + 4)));
  std::string block;
  ASSERT_TRUE(ReadTrailer(files, path, block));
  EXPECT_EQ(block, body);
}

struct BadCount {
  const char* what;
  std::string contents;
};

class TrailerRejects : public TrailerTest, public ::testing::WithParamInterface<BadCount> {};

TEST_P(TrailerRejects, LeavesTheStreamUntouched) {
  desktop.files.AddFile(path, GetParam().contents);
  std::string block = "untouched";
  EXPECT_FALSE(ReadTrailer(files, path, block)) << GetParam().what;
  EXPECT_EQ(block, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Counts, TrailerRejects,
    ::testing::Values(BadCount{"count beyond the file", "abc" + Count(8)},
                      BadCount{"count of all ones", "abc" + Count(0xFFFFFFFF)},
                      BadCount{"count below four", "abcdef" + Count(3)},
                      BadCount{"count zero", "abcdef" + Count(0)},
                      BadCount{"file shorter than a count", "ab"},
                      BadCount{"empty file", ""}));

TEST_F(TrailerTest, MissingFileGivesFalseFromBothAndCreatesNothing) {
  std::string block = "untouched";
  EXPECT_FALSE(ReadTrailer(files, path, block));
  EXPECT_FALSE(AppendTrailer(files, path, "x"));
  EXPECT_FALSE(files.FileExists(path));
  EXPECT_EQ(block, "untouched");
}

TEST_F(TrailerTest, ReadFailureIsAnError) {
  desktop.files.AddFile(path, test::ExecutableWithTrailer("0\r\n"));
  desktop.files.InjectReadError(path);
  std::string block;
  EXPECT_THROW(ReadTrailer(files, path, block), OsError);
}

TEST_F(TrailerTest, AFailedAppendLeavesTheFileAsItWas) {
  const std::string image = test::ExecutableWithTrailer(test::kDeliveredTrailer);
  desktop.files.AddFile(path, image);
  desktop.files.InjectWriteError(path);  // half of the bytes land, then the write fails
  EXPECT_THROW(AppendTrailer(files, path, "1\r\nsettings"), OsError);
  EXPECT_EQ(desktop.files.Contents(path), image);
  std::string block;
  ASSERT_TRUE(ReadTrailer(files, path, block));
  EXPECT_EQ(block, "0\r\n");
}

}  // namespace
}  // namespace vx
