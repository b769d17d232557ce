#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_pictures.h"

namespace vx {
namespace {

std::string Segment(int marker, const std::string& data) {
  const auto n = data.size() + 2;
  return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)} +
         data;
}

// An 8 x 8 grey progressive JPEG whose DC scan comes scans times (the
// repeats are only warned about by libjpeg).
std::string ProgressiveJpeg(int scans) {
  std::string j = "\xFF\xD8";
  j += Segment(0xDB, std::string(1, '\0') + std::string(64, '\x01'));
  j += Segment(0xC2, std::string("\x08\x00\x08\x00\x08\x01\x01\x11\x00", 9));
  j += Segment(0xC4, std::string("\x00\x01", 2) + std::string(15, '\0') + std::string(1, '\0'));  // DC: one code
  for (int i = 0; i < scans; ++i) j += Segment(0xDA, std::string("\x01\x01\x00\x00\x00\x00", 6)) + "\x7F";
  return j + "\xFF\xD9";
}

TEST(PictureLimits, ProgressiveJpegWithEndlessScansIsRefused) {
  const auto ordinary = sim::DecodeJpeg(ProgressiveJpeg(10));
  ASSERT_TRUE(ordinary);
  EXPECT_EQ(ordinary->frames.front().image.At(3, 3), (Rgba{128, 128, 128, 255}));
  EXPECT_TRUE(sim::DecodeJpeg(ProgressiveJpeg(256)));
  EXPECT_FALSE(sim::DecodeJpeg(ProgressiveJpeg(300)));
}

}  // namespace
}  // namespace vx
