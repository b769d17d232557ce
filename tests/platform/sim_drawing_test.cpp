#include <gtest/gtest.h>
#include <zlib.h>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "util/error.h"

namespace vx {
namespace {

using platform::PictureFormat;

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string Le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

// A 2 x 2 bottom-up 24-bit bitmap: bottom row blue, white; top row red, green.
std::string SmallBitmap() {
  std::string pixels;
  pixels += std::string("\xFF\x00\x00" "\xFF\xFF\xFF", 6) + std::string(2, '\0');
  pixels += std::string("\x00\x00\xFF" "\x00\xFF\x00", 6) + std::string(2, '\0');
  std::string info = Le32(40) + Le32(2) + Le32(2) + Le16(1) + Le16(24) + Le32(0) + Le32(0) + Le32(0) + Le32(0) +
                     Le32(0) + Le32(0);
  return "BM" + Le32(static_cast<std::uint32_t>(14 + info.size() + pixels.size())) + Le32(0) + Le32(54) + info + pixels;
}

// One 1 x 1 frame per colour, 100 ms each.
std::string TwoFrameGif() {
  std::string g = "GIF89a" + Le16(1) + Le16(1) + std::string("\x80\x00\x00", 3);  // 2-colour global table
  g += std::string("\xFF\x00\x00" "\x00\x00\xFF", 6);
  for (int colour = 0; colour < 2; ++colour) {
    g += std::string("\x21\xF9\x04\x00", 4) + Le16(10) + std::string("\x00\x00", 2);
    g += "," + Le16(0) + Le16(0) + Le16(1) + Le16(1) + std::string(1, '\0');
    // LZW, minimum code size 2: clear (4), the index, end (5).
    g += std::string("\x02\x02", 2) + std::string(1, static_cast<char>(colour == 0 ? 0x44 : 0x4C)) +
         std::string("\x01\x00", 2);
  }
  return g + ";";
}

TEST(SimPictures, PngRoundTrip) {
  RgbaImage image(3, 2, {10, 20, 30, 255});
  image.At(2, 1) = {200, 100, 50, 128};
  const auto picture = sim::DecodePng(sim::EncodePng(image));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->frames.size(), 1u);
  EXPECT_EQ(picture->frames[0].image, image);
}

TEST(SimPictures, BitmapRowsAreBottomUp) {
  const auto picture = sim::DecodeBitmap(SmallBitmap());
  ASSERT_TRUE(picture);
  const RgbaImage& i = picture->frames[0].image;
  EXPECT_EQ(i.At(0, 0), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(i.At(1, 0), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(i.At(0, 1), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(i.At(1, 1), (Rgba{255, 255, 255, 255}));
}

TEST(SimPictures, AnimatedGifKeepsItsFrames) {
  const auto picture = sim::DecodeGif(TwoFrameGif());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->frames.size(), 2u);
  EXPECT_EQ(picture->frames[0].image.At(0, 0), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(picture->frames[1].image.At(0, 0), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(picture->frames[1].delayMs, 100);
}

TEST(SimPictures, EveryDecoderRefusesGarbageAndTruncation) {
  sim::SimPictures pictures;
  const std::string png = sim::EncodePng(RgbaImage(5, 5, {1, 2, 3, 255}));
  const std::vector<std::string> inputs = {"", "x", std::string(100, '\0'), png.substr(0, png.size() / 2),
                                           SmallBitmap().substr(0, 60), TwoFrameGif().substr(0, 20),
                                           "\xFF\xD8\xFF\xE0garbage", "BM" + std::string(60, '\xFF')};
  for (const std::string& bytes : inputs)
    for (PictureFormat f : {PictureFormat::Jpeg, PictureFormat::Bitmap, PictureFormat::Png, PictureFormat::Gif,
                            PictureFormat::Metafile, PictureFormat::Icon}) {
      const auto picture = pictures.Decode(bytes, f);
      if (picture) {
        EXPECT_FALSE(picture->frames.empty());
      }
    }
  EXPECT_FALSE(pictures.Decode(png, PictureFormat::Jpeg));
  EXPECT_FALSE(pictures.Decode(SmallBitmap(), PictureFormat::Png));
}

TEST(SimPictures, HugeDimensionsAreRefusedBeforeAllocation) {
  std::string bmp = SmallBitmap();
  bmp.replace(18, 4, Le32(100000));
  bmp.replace(22, 4, Le32(100000));
  EXPECT_FALSE(sim::DecodeBitmap(bmp));
  std::string gif = TwoFrameGif();
  gif.replace(6, 4, Le16(65535) + Le16(65535));
  EXPECT_FALSE(sim::DecodeGif(gif));
  // A picture that packs well still reads: the least-bytes check of PNG
  // refuses only files too short to hold their rows.
  const std::string flat = sim::EncodePng(RgbaImage(1000, 3000, {9, 9, 9, 255}));
  ASSERT_LT(flat.size(), std::size_t{1000} * 3000 / 100);
  EXPECT_TRUE(sim::DecodePng(flat));
  std::string claimed = sim::EncodePng(RgbaImage(2, 2, {9, 9, 9, 255}));
  claimed.replace(16, 8, std::string("\x00\x00\x1F\x40\x00\x00\x1F\x40", 8));  // 8000 x 8000
  const std::uint32_t crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const unsigned char*>(claimed.data()) + 12, 17));
  for (int i = 0; i < 4; ++i) claimed[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
  EXPECT_FALSE(sim::DecodePng(claimed));
  EXPECT_FALSE(RgbaImage::SizeAllowed(kMaxPictureSide + 1, 1));
  EXPECT_THROW(RgbaImage(20000, 20000), Error);
}

class PaintListener : public platform::WindowListener {
 public:
  void OnPaint(platform::Canvas& canvas) override {
    platform::Brush brush;
    brush.color = platform::MakeColor(255, 0, 0);
    canvas.SetBrush(brush);
    canvas.SetOrigin({5, 5});
    canvas.Rectangle(0, 0, 10, 10);
    platform::TextStyle style;
    style.font.name = "DejaVu Sans";
    style.font.size = 12;
    canvas.WriteText({0, 20, 80, 30}, text, style);
  }
  std::string text = "Hello";
};

TEST(SimWindowPaint, ScreenshotHoldsWhatTheListenerDrew) {
  sim::SimDesktop desktop;
  PaintListener listener;
  platform::WindowOptions options;
  options.listener = &listener;
  auto window = desktop.forms.OpenWindow(options);
  auto& sim = static_cast<sim::SimWindow&>(*window);
  window->SetFrameStyle(platform::FrameStyle::None);
  window->SetClientSize({100, 60});
  EXPECT_EQ(sim.PixelAt(0, 0), RgbaOf(platform::kButtonFaceColor));
  EXPECT_EQ(sim.PixelAt(5, 5), (Rgba{0, 0, 0, 255}));      // outline, moved by the origin
  EXPECT_EQ(sim.PixelAt(10, 10), (Rgba{255, 0, 0, 255}));  // fill
  EXPECT_EQ(sim.PixelAt(15, 15), RgbaOf(platform::kButtonFaceColor));
  int dark = 0;
  const RgbaImage shot = sim.Snapshot();
  for (int y = 25; y < 55; ++y)
    for (int x = 5; x < 85; ++x) dark += shot.At(x, y).r < 100;
  EXPECT_GT(dark, 20);  // the text is there
  const auto decoded = sim::DecodePng(sim.Screenshot());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->frames[0].image, shot);
}

TEST(SimWindowPaint, PersianTextRightToLeftDrawsOnTheRight) {
  sim::SimDesktop desktop;
  PaintListener listener;
  listener.text = "\xC8\xE1\xE5";  // yes
  platform::WindowOptions options;
  options.listener = &listener;
  auto window = desktop.forms.OpenWindow(options);
  window->SetFrameStyle(platform::FrameStyle::None);
  window->SetClientSize({100, 60});
  const RgbaImage shot = static_cast<sim::SimWindow&>(*window).Snapshot();
  int dark = 0;
  for (int y = 25; y < 55; ++y)
    for (int x = 5; x < 85; ++x) dark += shot.At(x, y).r < 100;
  EXPECT_GT(dark, 5);
}

}  // namespace
}  // namespace vx
