#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_desktop.h"

namespace vx {
namespace {

constexpr char kSystemFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr char kInstalled[] = "C:\\Shows\\VXTEMP\\persian.ttf";

std::string RealBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether fontconfig's application fonts hold the file.
bool InAppFonts(const std::string& real) {
  FcFontSet* set = FcConfigGetFonts(FcConfigGetCurrent(), FcSetApplication);
  if (set == nullptr) return false;
  for (int i = 0; i < set->nfont; ++i) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch &&
        real == reinterpret_cast<const char*>(file))
      return true;
  }
  return false;
}

// The first and last columns that differ from white in the rows of box.
std::pair<int, int> InkColumns(const sim::SimSurface& surface, platform::Rect box) {
  int first = -1, last = -1;
  for (int x = 0; x < surface.GetSize().width; ++x)
    for (int y = box.top; y < box.top + box.height; ++y)
      if (surface.PixelAt(x, y) != Rgba{255, 255, 255, 255}) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

class SimFontsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kSystemFont)) GTEST_SKIP() << "no " << kSystemFont;
    desktop = std::make_unique<sim::SimDesktop>();
    desktop->files.AddFile(kInstalled, RealBytes(kSystemFont));
  }
  std::unique_ptr<sim::SimDesktop> desktop;
};

TEST_F(SimFontsTest, AnInstalledFileIsARealFontUntilRemoved) {
  ASSERT_TRUE(desktop->fonts.InstallFontFile(kInstalled));
  const std::string real = desktop->fonts.RealFontFile(kInstalled);
  ASSERT_FALSE(real.empty());
  EXPECT_TRUE(std::filesystem::exists(real));
  EXPECT_EQ(RealBytes(real), RealBytes(kSystemFont));
  EXPECT_TRUE(InAppFonts(real));
  // Installed twice, removed once: still there.
  ASSERT_TRUE(desktop->fonts.InstallFontFile(kInstalled));
  ASSERT_TRUE(desktop->fonts.RemoveFontFile(kInstalled));
  EXPECT_TRUE(InAppFonts(real));
  ASSERT_TRUE(desktop->fonts.RemoveFontFile(kInstalled));
  EXPECT_FALSE(InAppFonts(real));
  EXPECT_FALSE(std::filesystem::exists(real));
  EXPECT_TRUE(desktop->fonts.RealFontFile(kInstalled).empty());
}

TEST_F(SimFontsTest, NothingIsLeftBehindWhenTheDesktopGoes) {
  ASSERT_TRUE(desktop->fonts.InstallFontFile(kInstalled));
  const std::filesystem::path real = desktop->fonts.RealFontFile(kInstalled);
  ASSERT_FALSE(real.empty());
  const std::filesystem::path folder = real.parent_path();
  desktop.reset();
  EXPECT_FALSE(std::filesystem::exists(real));
  EXPECT_FALSE(std::filesystem::exists(folder));
  EXPECT_FALSE(InAppFonts(real.string()));
}

TEST_F(SimFontsTest, AFileThatIsNoFontIsAcceptedButNotGivenToTheDrawing) {
  desktop->files.AddFile("C:\\junk.ttf", "not a font at all");
  EXPECT_TRUE(desktop->fonts.InstallFontFile("C:\\junk.ttf"));
  EXPECT_TRUE(desktop->fonts.RealFontFile("C:\\junk.ttf").empty());
}

TEST_F(SimFontsTest, WithoutRealFontFilesAnInstalledFontIsOnlyRecorded) {
  desktop->fonts.UseRealFontFiles(false);
  ASSERT_TRUE(desktop->fonts.InstallFontFile(kInstalled));
  EXPECT_EQ(desktop->fonts.Installed().count(kInstalled), 1u);
  EXPECT_TRUE(desktop->fonts.RealFontFile(kInstalled).empty());
  ASSERT_TRUE(desktop->fonts.RemoveFontFile(kInstalled));
  EXPECT_EQ(desktop->fonts.Installed().count(kInstalled), 0u);
}

TEST_F(SimFontsTest, TextInTheInstalledFamilyIsDrawnAndPersianSitsAtTheRightEdge) {
  ASSERT_TRUE(desktop->fonts.InstallFontFile(kInstalled));
  sim::SimSurface surface({240, 90});
  surface.Clear(platform::MakeColor(255, 255, 255));
  sim::SimCanvas canvas(surface);
  platform::TextStyle style;
  style.font.name = "DejaVu Sans";
  style.font.size = 14;
  // "Salaam" in Windows-1256.
  const std::string persian = "\xD3\xE1\xC7\xE3";

  const platform::Rect latinBox{10, 0, 220, 30};
  canvas.WriteText(latinBox, "Hello", style);
  const auto [latinFirst, latinLast] = InkColumns(surface, latinBox);
  ASSERT_GE(latinFirst, 10);
  EXPECT_LT(latinFirst, 14);  // left-aligned
  EXPECT_LT(latinLast, 120);

  const platform::Rect rightBox{10, 30, 220, 30};
  style.alignment = platform::TextAlignment::Right;
  canvas.WriteText(rightBox, persian, style);
  const auto [rightFirst, rightLast] = InkColumns(surface, rightBox);
  ASSERT_GE(rightFirst, 0);
  EXPECT_LE(rightLast, 229);
  EXPECT_GE(rightLast, 224);  // at the right edge of the box
  EXPECT_GT(rightFirst, 120);

  const platform::Rect rtlBox{10, 60, 220, 30};
  style.alignment = platform::TextAlignment::Left;
  style.rightToLeft = true;  // right-to-left reading starts at the right
  canvas.WriteText(rtlBox, persian, style);
  const auto [rtlFirst, rtlLast] = InkColumns(surface, rtlBox);
  EXPECT_EQ(rtlFirst, rightFirst);
  EXPECT_EQ(rtlLast, rightLast);
}

}  // namespace
}  // namespace vx
