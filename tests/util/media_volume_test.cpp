#include "util/media_volume.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(MediaVolumeTest, LinearVolumeBecomesHundredthsOfADecibel) {
  EXPECT_EQ(LinearToAttenuation(10000), 0);
  EXPECT_EQ(LinearToAttenuation(5000), -602);
  EXPECT_EQ(LinearToAttenuation(1000), -2000);
  EXPECT_EQ(LinearToAttenuation(100), -4000);
  EXPECT_EQ(LinearToAttenuation(1), -8000);
  EXPECT_EQ(LinearToAttenuation(0), -10000);
  // Out of range: clamped first.
  EXPECT_EQ(LinearToAttenuation(-5), -10000);
  EXPECT_EQ(LinearToAttenuation(20000), 0);
}

}  // namespace
}  // namespace vx
