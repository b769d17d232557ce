#include <gtest/gtest.h>

#include "host/pages.h"
#include "platform/sim/sim_pictures.h"
#include "tests/script/page_commands_fixture.h"

namespace vx {
namespace {

constexpr Rgba kRed{200, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

// Page 1 has a 20 x 10 red background drawn at the top left.
class BackgroundCommandsTest : public test::PageCommandsTest {
 protected:
  BackgroundCommandsTest() { project.pages[0].background = sim::EncodePng(RgbaImage(20, 10, kRed)); }
  const BackgroundSettings& Background() { return Form(1).page.background; }
  Rgba ShotAt(int x, int y) {
    const auto shot = sim::DecodePng(Win(1).Screenshot());
    return shot ? shot->frames.front().image.At(x, y) : Rgba{};
  }
};

TEST_F(BackgroundCommandsTest, AFilterChangedAtRunTimeShowsAndRepaintsOnce) {
  Start();
  EXPECT_EQ(ShotAt(5, 5), kRed);
  const int repaints = Win(1).Repaints();
  EXPECT_EQ(Run("84(1)"), std::nullopt);
  EXPECT_EQ(Win(1).Repaints(), repaints + 1);
  EXPECT_EQ(ShotAt(5, 5), (Rgba{60, 60, 60, 255}));  // (299 * 200 + 500) / 1000
  EXPECT_EQ(Run("84(1)"), std::nullopt);  // no change, no repaint
  EXPECT_EQ(Win(1).Repaints(), repaints + 1);
  EXPECT_EQ(Run("84(0)\r\n91(50)"), std::nullopt);
  EXPECT_EQ(Win(1).Repaints(), repaints + 3);
  EXPECT_EQ(ShotAt(5, 5), (Rgba{250, 50, 50, 255}));
}

TEST_F(BackgroundCommandsTest, EveryCodeReachesItsOwnSettingUnchanged) {
  Start();
  struct Flag {
    const char* code;
    bool BackgroundSettings::*setting;
  };
  for (const Flag& f : {Flag{"83", &BackgroundSettings::smoothStretch}, Flag{"84", &BackgroundSettings::greyScale},
                        Flag{"85", &BackgroundSettings::flipHorizontal},
                        Flag{"86", &BackgroundSettings::flipVertical}, Flag{"87", &BackgroundSettings::emboss},
                        Flag{"88", &BackgroundSettings::invert}, Flag{"89", &BackgroundSettings::transparent}}) {
    for (bool on : {true, false}) {
      const BackgroundSettings before = Background();
      EXPECT_EQ(Run(std::string(f.code) + "(" + (on ? "1" : "0") + ")"), std::nullopt);
      BackgroundSettings expected = before;
      expected.*f.setting = on;
      EXPECT_EQ(FiltersOf(Background()), FiltersOf(expected)) << f.code;
      EXPECT_EQ(Background().*f.setting, on) << f.code;
      EXPECT_EQ(Background().smoothStretch, expected.smoothStretch) << f.code;
      EXPECT_EQ(Background().transparent, expected.transparent) << f.code;
    }
  }
  struct Value {
    const char* code;
    int BackgroundSettings::*setting;
  };
  int n = 300;  // beyond every filter's range: the imager clamps, not the command
  for (const Value& v : {Value{"91", &BackgroundSettings::lightness}, Value{"92", &BackgroundSettings::blur},
                         Value{"93", &BackgroundSettings::contrast}, Value{"94", &BackgroundSettings::saturation},
                         Value{"95", &BackgroundSettings::sharpen}, Value{"96", &BackgroundSettings::sponge}}) {
    BackgroundSettings expected = Background();
    expected.*v.setting = ++n;
    EXPECT_EQ(Run(std::string(v.code) + "(" + std::to_string(n) + ")"), std::nullopt);
    EXPECT_EQ(FiltersOf(Background()), FiltersOf(expected)) << v.code;
  }
  EXPECT_EQ(Run("91(-20)"), std::nullopt);
  EXPECT_EQ(Background().lightness, -20);
}

TEST_F(BackgroundCommandsTest, DrawStyleOutsideZeroToFiveLeavesTheStyle) {
  Start();
  EXPECT_EQ(Run("82(3)"), std::nullopt);
  EXPECT_EQ(Background().drawMode, BackgroundDrawMode::Stretched);
  EXPECT_EQ(ShotAt(50, 30), kRed);
  const int repaints = Win(1).Repaints();
  for (const char* line : {"82(6)", "82(-1)", "82(4294967299)"}) {
    EXPECT_EQ(Run(line), std::nullopt);
    EXPECT_EQ(Background().drawMode, BackgroundDrawMode::Stretched) << line;
  }
  EXPECT_EQ(Win(1).Repaints(), repaints);
  EXPECT_EQ(Run("82(1)"), std::nullopt);
  EXPECT_EQ(Background().drawMode, BackgroundDrawMode::Centred);
  EXPECT_EQ(ShotAt(0, 0), RgbaOf(test::kPageOneColour));
  EXPECT_EQ(ShotAt(30, 20), kRed);
}

TEST_F(BackgroundCommandsTest, TheImagersTransparentColourShowsThePage) {
  Start();
  EXPECT_EQ(Run("90(\"C80000\")"), std::nullopt);
  EXPECT_EQ(ShotAt(5, 5), kRed);  // only while transparent
  EXPECT_EQ(Run("89(1)"), std::nullopt);
  EXPECT_EQ(ShotAt(5, 5), RgbaOf(test::kPageOneColour));
  EXPECT_EQ(Run("90(\"000000\")"), std::nullopt);
  EXPECT_EQ(ShotAt(5, 5), kRed);
}

TEST_F(BackgroundCommandsTest, APictureFileReplacesTheBackground) {
  desktop.files.AddFile("C:\\Shows\\blue.png", sim::EncodePng(RgbaImage(4, 4, kBlue)));
  Start();
  const int repaints = Win(1).Repaints();
  EXPECT_EQ(Run("81(\"C:\\Shows\\blue.png\")"), std::nullopt);
  EXPECT_EQ(Win(1).Repaints(), repaints + 1);
  EXPECT_EQ(ShotAt(1, 1), kBlue);
  EXPECT_EQ(ShotAt(5, 5), RgbaOf(test::kPageOneColour));
}

TEST_F(BackgroundCommandsTest, AMissingOrUnreadablePictureFailsAndKeepsTheOldOne) {
  desktop.files.AddFile("C:\\Shows\\notes.png", "not a picture at all");
  Start();
  const auto missing = Run("81(\"C:\\Shows\\none.png\")");
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(*missing, "Line #1: Cannot open file \"C:\\Shows\\none.png\". The system cannot find the file specified");
  EXPECT_EQ(Run("81(\"C:\\Shows\\notes.png\")"), "Line #1: The picture C:\\Shows\\notes.png cannot be read.");
  ASSERT_TRUE(Background().picture.has_value());
  EXPECT_EQ(Background().picture->frames.front().image.Width(), 20);
  EXPECT_EQ(ShotAt(5, 5), kRed);
}

TEST_F(BackgroundCommandsTest, AValueThatIsNoNumberFailsWithTheEvaluatorsMessage) {
  Start();
  for (const char* code : {"82", "83", "84", "89", "91", "96"}) {
    EXPECT_EQ(Run(std::string(code) + "(abc)"), "Line #1: " + EvaluatorMessage("abc")) << code;
  }
  EXPECT_EQ(Background().lightness, 0);
}

}  // namespace
}  // namespace vx
