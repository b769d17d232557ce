#include <gtest/gtest.h>

#include "platform/sim/sim_pictures.h"

namespace vx {
namespace {

constexpr Rgba kClear{0, 0, 0, 0}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255},
    kWhite{255, 255, 255, 255}, kBlack{0, 0, 0, 255};

std::string Le32(std::int64_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}
std::string Le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

constexpr int kRle8 = 1, kRle4 = 2;

// A bitmap file with a four-colour palette: 0 red, 1 green, 2 blue, 3 white.
std::string RleBitmap(int width, int height, int bpp, int compression, const std::string& stream) {
  const std::string info = Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(static_cast<std::uint16_t>(bpp)) +
                           Le32(compression) + Le32(static_cast<std::int64_t>(stream.size())) + Le32(0) + Le32(0) +
                           Le32(4) + Le32(0);
  const std::string palette = Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
  const std::size_t pixelsAt = 14 + info.size() + palette.size();
  return "BM" + Le32(static_cast<std::int64_t>(pixelsAt + stream.size())) + Le32(0) +
         Le32(static_cast<std::int64_t>(pixelsAt)) + info + palette + stream;
}

RgbaImage Read(const std::string& file) {
  const auto picture = sim::DecodeBitmap(file);
  if (!picture) return {};
  EXPECT_EQ(picture->frames.size(), 1u);
  return picture->frames.front().image;
}

// Rows top to bottom.
void ExpectRows(const RgbaImage& image, const std::vector<std::vector<Rgba>>& rows) {
  ASSERT_EQ(image.Height(), static_cast<int>(rows.size()));
  for (int y = 0; y < image.Height(); ++y) {
    ASSERT_EQ(image.Width(), static_cast<int>(rows[static_cast<std::size_t>(y)].size()));
    for (int x = 0; x < image.Width(); ++x)
      EXPECT_EQ(image.At(x, y), rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) << x << "," << y;
  }
}

TEST(RleBitmaps, Rle8RunsAndLineEndsFillFromTheBottom) {
  // Bottom row: two blue, one white; line end; next row one red then the
  // line ends early; the top row is never reached.
  const std::string stream = Bytes({2, 2, 1, 3, 0, 0, 1, 0, 0, 0, 0, 1});
  ExpectRows(Read(RleBitmap(3, 3, 8, kRle8, stream)), {{kClear, kClear, kClear},
                                                        {kRed, kClear, kClear},
                                                        {kBlue, kBlue, kWhite}});
}

TEST(RleBitmaps, Rle8AbsoluteGroupsArePaddedToWords) {
  // Three pixels take a pad byte, then a run follows; four take none.
  const std::string stream = Bytes({0, 3, 0, 1, 2, 0xEE, 1, 3, 0, 0, 0, 4, 3, 2, 1, 0, 0, 1});
  ExpectRows(Read(RleBitmap(4, 2, 8, kRle8, stream)), {{kWhite, kBlue, kGreen, kRed},
                                                        {kRed, kGreen, kBlue, kWhite}});
}

TEST(RleBitmaps, Rle4TakesTheHighNibbleFirst) {
  // A run of five alternates 2,3,2,3,2; an absolute group of three nibbles
  // (two bytes) and one of five (three bytes, one pad).
  const std::string stream = Bytes({5, 0x23, 0, 0, 0, 3, 0x01, 0x20, 0, 0, 0, 5, 0x32, 0x10, 0x30, 0xEE, 0, 1});
  ExpectRows(Read(RleBitmap(5, 3, 4, kRle4, stream)), {{kWhite, kBlue, kGreen, kRed, kWhite},
                                                        {kRed, kGreen, kBlue, kClear, kClear},
                                                        {kBlue, kWhite, kBlue, kWhite, kBlue}});
}

TEST(RleBitmaps, DeltaMovesRightAndUpLeavingPixelsClear) {
  // One red at (0, bottom), a delta of 2 right and 1 up, one green there.
  const std::string stream = Bytes({1, 0, 0, 2, 2, 1, 1, 1, 0, 1});
  ExpectRows(Read(RleBitmap(4, 3, 8, kRle8, stream)), {{kClear, kClear, kClear, kClear},
                                                        {kClear, kClear, kClear, kGreen},
                                                        {kRed, kClear, kClear, kClear}});
}

TEST(RleBitmaps, RunsAndDeltasPastTheRowOrTheTopAreCutOff) {
  // A run of 255 on a 3-wide row stays in the row, an absolute group too;
  // the next row is only reached by the line end.
  ExpectRows(Read(RleBitmap(3, 2, 8, kRle8, Bytes({255, 1, 0, 4, 2, 2, 2, 2, 0, 0, 1, 3, 0, 1}))),
             {{kWhite, kClear, kClear}, {kGreen, kGreen, kGreen}});
  // A delta right past the end drops the rest of the row, not the next row.
  ExpectRows(Read(RleBitmap(3, 2, 8, kRle8, Bytes({1, 1, 0, 2, 9, 0, 2, 3, 0, 0, 1, 2, 0, 1}))),
             {{kBlue, kClear, kClear}, {kGreen, kClear, kClear}});
  // A delta above the top ends the picture.
  ExpectRows(Read(RleBitmap(2, 2, 8, kRle8, Bytes({1, 0, 0, 2, 0, 200, 2, 3, 0, 1}))),
             {{kClear, kClear}, {kRed, kClear}});
  // Thousands of runs without a line end cannot leave the bottom row.
  std::string runs;
  for (int i = 0; i < 5000; ++i) runs += Bytes({255, 1});
  ExpectRows(Read(RleBitmap(2, 2, 8, kRle8, runs)), {{kClear, kClear}, {kGreen, kGreen}});
}

TEST(RleBitmaps, ShortStreamsKeepWhatTheyDrewAndOddIndicesAreBlack) {
  // No end-of-bitmap, a dangling delta, an absolute group cut short.
  ExpectRows(Read(RleBitmap(2, 1, 8, kRle8, Bytes({1, 3}))), {{kWhite, kClear}});
  ExpectRows(Read(RleBitmap(2, 1, 8, kRle8, Bytes({1, 3, 0, 2, 1}))), {{kWhite, kClear}});
  ExpectRows(Read(RleBitmap(4, 1, 8, kRle8, Bytes({0, 4, 1, 2}))), {{kGreen, kBlue, kClear, kClear}});
  ExpectRows(Read(RleBitmap(2, 1, 8, kRle8, Bytes({0}))), {{kClear, kClear}});
  // Index 9 is beyond the four colours.
  ExpectRows(Read(RleBitmap(2, 1, 8, kRle8, Bytes({2, 9, 0, 1}))), {{kBlack, kBlack}});
}

TEST(RleBitmaps, RefusedWhereTheFormatDoesNotAllowThem) {
  const std::string stream = Bytes({1, 1, 0, 1});
  EXPECT_TRUE(sim::DecodeBitmap(RleBitmap(1, 1, 8, kRle8, stream)));
  EXPECT_TRUE(sim::DecodeBitmap(RleBitmap(1, 1, 4, kRle4, stream)));
  EXPECT_FALSE(sim::DecodeBitmap(RleBitmap(1, 1, 4, kRle8, stream)));   // RLE8 needs 8 bits
  EXPECT_FALSE(sim::DecodeBitmap(RleBitmap(1, 1, 8, kRle4, stream)));   // RLE4 needs 4 bits
  EXPECT_FALSE(sim::DecodeBitmap(RleBitmap(1, -1, 8, kRle8, stream)));  // only bottom-up
  EXPECT_FALSE(sim::DecodeBitmap(RleBitmap(kMaxPictureSide + 1, 1, 8, kRle8, stream)));
  EXPECT_FALSE(sim::DecodeBitmap(RleBitmap(1, 1, 8, 5, stream)));  // an unknown compression
  // An icon's colours are never run-length coded.
  const std::string bmp = RleBitmap(1, 2, 8, kRle8, stream);
  const std::string dib = bmp.substr(14);
  const std::string icon = Le16(0) + Le16(1) + Le16(1) + Bytes({1, 1, 0, 0}) + Le16(1) + Le16(8) +
                           Le32(static_cast<std::int64_t>(dib.size())) + Le32(22) + dib;
  EXPECT_FALSE(sim::DecodeIcon(icon));
}

}  // namespace
}  // namespace vx
