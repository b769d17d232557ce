#include <gtest/gtest.h>

#include <string>

#include "util/imaging/metafile_frame.h"

namespace vx::imaging {
namespace {

std::string Le16(int v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string Le32(std::uint32_t v) { return Le16(static_cast<int>(v & 0xFFFF)) + Le16(static_cast<int>(v >> 16)); }

// A record: size in words, function, parameters as given (y before x).
std::string Record(int function, std::initializer_list<int> params) {
  std::string r = Le32(static_cast<std::uint32_t>(3 + params.size())) + Le16(function);
  for (int p : params) r += Le16(p);
  return r;
}

std::string StandardHeader(int version = 0x0300, std::uint32_t fileWords = 0) {
  return Le16(1) + Le16(9) + Le16(version) + Le32(fileWords) + Le16(0) + Le32(0) + Le16(0);
}

std::string Placeable(int left, int top, int right, int bottom, int inch) {
  return Le32(0x9AC6CDD7) + Le16(0) + Le16(left) + Le16(top) + Le16(right) + Le16(bottom) + Le16(inch) + Le32(0) +
         Le16(0);
}

const std::string kEof = Record(0, {});

TEST(MetafileFrame, PlaceableBoundsInTheirUnitsPerInch) {
  // 1440 units per inch, 2 by 1 inches, shown at 96 dpi.
  const std::string wmf = Placeable(100, 50, 100 + 2880, 50 + 1440, 1440) + StandardHeader() + kEof;
  const auto frame = ReadMetafileFrame(wmf, 96, 96);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->recordsAt, 22u);
  EXPECT_EQ(frame->left, 100);
  EXPECT_EQ(frame->top, 50);
  EXPECT_EQ(frame->width, 2880);
  EXPECT_EQ(frame->height, 1440);
  EXPECT_EQ(frame->pixelWidth, 192);
  EXPECT_EQ(frame->pixelHeight, 96);
  // Other screens, other pixels; a tiny picture keeps one pixel.
  EXPECT_EQ(ReadMetafileFrame(wmf, 120, 144)->pixelHeight, 144);
  EXPECT_EQ(ReadMetafileFrame(Placeable(0, 0, 1, 1, 1440) + StandardHeader() + kEof, 96, 96)->pixelWidth, 1);
}

TEST(MetafileFrame, PlaceableHeaderMustBeSound) {
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 0) + StandardHeader() + kEof, 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 0, 100, 1440) + StandardHeader() + kEof, 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440) + "garbage of some length", 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440), 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440) + StandardHeader(0x0200) + kEof, 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440) + StandardHeader() + kEof, 0, 96));
  // The header's file size says the file is cut short.
  const std::string whole = StandardHeader(0x0300, 12) + kEof;  // 9 + 3 words
  EXPECT_TRUE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440) + whole, 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(Placeable(0, 0, 100, 100, 1440) + whole.substr(0, 20), 96, 96));
}

TEST(MetafileFrame, WithoutPlaceableHeaderTheWindowRecordsGiveTheSize) {
  // The extent comes first, the origin later, after another record.
  const std::string wmf = StandardHeader() + Record(0x0103, {8}) + Record(0x020C, {-300, 400}) +
                          Record(0x020B, {300, -20}) + Record(0x020B, {7, 7}) + kEof;
  const auto frame = ReadMetafileFrame(wmf, 96, 96);
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->recordsAt, 0u);
  EXPECT_EQ(frame->left, -20);
  EXPECT_EQ(frame->top, 300);
  EXPECT_EQ(frame->width, 400);
  EXPECT_EQ(frame->height, -300);  // y runs up
  EXPECT_EQ(frame->pixelWidth, 400);
  EXPECT_EQ(frame->pixelHeight, 300);
  // Without an extent the size is unknown.
  EXPECT_FALSE(ReadMetafileFrame(StandardHeader() + Record(0x020B, {0, 0}) + kEof, 96, 96));
  // Records after the end are not read.
  EXPECT_FALSE(ReadMetafileFrame(StandardHeader() + kEof + Record(0x020C, {10, 10}), 96, 96));
}

TEST(MetafileFrame, BrokenRecordsEndTheSearch) {
  // A record claiming more words than there are, one of size 0, a cut one.
  const std::string big = Le32(0x7FFFFFFF) + Le16(0x020C) + Le16(10) + Le16(10);
  EXPECT_FALSE(ReadMetafileFrame(StandardHeader() + big, 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(StandardHeader() + Le32(0) + Le16(0x020C) + Record(0x020C, {5, 5}), 96, 96));
  EXPECT_FALSE(ReadMetafileFrame(StandardHeader() + Record(0x020C, {5, 5}).substr(0, 8), 96, 96));
  EXPECT_FALSE(ReadMetafileFrame("", 96, 96));
  EXPECT_FALSE(ReadMetafileFrame("BM not a metafile at all", 96, 96));
  // An enhanced metafile is not an old one.
  EXPECT_FALSE(ReadMetafileFrame(Le32(1) + Le32(108) + std::string(32, '\0') + " EMF", 96, 96));
}

}  // namespace
}  // namespace vx::imaging
