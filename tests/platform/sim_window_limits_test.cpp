// Pages larger than a picture may be: showing them and showing others over
// them must not fail (the whole-player fuzzer found a show that threw).

#include <gtest/gtest.h>

#include <memory>

#include "platform/sim/sim_desktop.h"
#include "util/rgba_image.h"

namespace vx::sim {
namespace {

class SimWindowLimitsTest : public ::testing::Test {
 protected:
  std::unique_ptr<platform::Window> Open(platform::Rect bounds) {
    auto w = desktop.forms.OpenWindow(platform::WindowOptions{});
    w->SetFrameStyle(platform::FrameStyle::None);
    w->SetBounds(bounds);
    return w;
  }
  SimDesktop desktop;
};

TEST_F(SimWindowLimitsTest, AWindowTooLargeToPictureShowsWithoutAScreenBehind) {
  auto huge = Open({0, 0, 32767, 32767});
  ASSERT_FALSE(RgbaImage::SizeAllowed(32767, 32767));
  EXPECT_NO_THROW(huge->Show());
  EXPECT_TRUE(huge->IsVisible());
  EXPECT_EQ(huge->ScreenBehind().Width(), 0);
}

TEST_F(SimWindowLimitsTest, AWindowShownOverATooLargeOneSeesItAsItsFrameColour) {
  auto huge = Open({0, 0, 32767, 32767});
  huge->Show();
  auto small = Open({10, 10, 40, 30});
  ASSERT_NO_THROW(small->Show());
  const RgbaImage behind = small->ScreenBehind();
  ASSERT_EQ(behind.Width(), 40);
  ASSERT_EQ(behind.Height(), 30);
  EXPECT_EQ(behind.At(5, 5), RgbaOf(platform::kButtonFaceColor));
}

}  // namespace
}  // namespace vx::sim
