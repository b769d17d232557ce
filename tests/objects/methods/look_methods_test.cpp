// Methods 12-48, 68 and 70: what texts, edits, buttons, pictures and shapes
// look like after them, on the page's pixels where the picture is the point.

#include <fstream>

#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_image.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_controls.h"
#include "tests/objects/methods/methods_fixture.h"

namespace vx {
namespace {

using platform::MakeColor;
using test::MethodsTest;

class LookMethodsTest : public MethodsTest {
 protected:
  void Show() {
    Load();
    app->MainForm()->Window().Show();
    window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
    ASSERT_NE(window, nullptr);
  }
  platform::Color At(int x, int y) { return ColorOf(window->PixelAt(x, y)); }
  // Whether a pixel of the area is much darker than the white page.
  bool Inked(platform::Rect area) {
    const RgbaImage shot = window->Snapshot();
    for (int y = area.top; y < area.Bottom(); ++y)
      for (int x = area.left; x < area.Right(); ++x)
        if (shot.At(x, y).r < 128) return true;
    return false;
  }
  sim::SimWindow* window = nullptr;
};

TEST_F(LookMethodsTest, TextCaptionFontColoursLayoutAndAlignment) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").12(\"Hello\")\n"
                "10(\"Label\",\"Main\").13(\"Tahoma,12,178,B,U\")\n"
                "10(\"Label\",\"Main\").14(\"FF0000\")\n"
                "10(\"Label\",\"Main\").16(\"00FF00\")\n"
                "10(\"Label\",\"Main\").17(\"0000ff\")\n"
                "10(\"Label\",\"Main\").18(2)\n"
                "10(\"Label\",\"Main\").19(3)\n"
                "10(\"Label\",\"Main\").20(1)\n"
                "10(\"Label\",\"Main\").23(1)\n"
                "10(\"Label\",\"Main\").24(0)"),
            std::nullopt);
  const TVXText& t = Obj<TVXText>("Label");
  EXPECT_EQ(t.Caption, "Hello");
  EXPECT_EQ(t.Font.name, "Tahoma");
  EXPECT_EQ(t.Font.size, 12);
  EXPECT_EQ(t.Font.charset, 178);
  EXPECT_TRUE(t.Font.bold && t.Font.underline && !t.Font.italic);
  EXPECT_EQ(t.FontColor, MakeColor(255, 0, 0));
  EXPECT_EQ(t.ColorHover, MakeColor(0, 255, 0));
  EXPECT_EQ(t.ColorClick, MakeColor(0, 0, 255));
  EXPECT_EQ(t.Layout, platform::TextLayout::Center);
  EXPECT_EQ(t.Alignment, platform::TextAlignment::Right);
  EXPECT_TRUE(t.WordWrap);
  EXPECT_TRUE(t.ColorEvents);
  EXPECT_FALSE(t.AutoSize);
  // A code outside the table gives the top and the left.
  EXPECT_EQ(Run("10(\"Label\",\"Main\").18(7)\n10(\"Label\",\"Main\").19(0)"), std::nullopt);
  EXPECT_EQ(t.Layout, platform::TextLayout::Top);
  EXPECT_EQ(t.Alignment, platform::TextAlignment::Left);
  // A font text with a size that is no number fails the statement.
  EXPECT_EQ(Run("10(\"Label\",\"Main\").13(\"Tahoma,big,178\")"), "Line #1: 'big' is not a valid integer value");
}

TEST_F(LookMethodsTest, ATextsBackgroundColourLeavesItsNormalFontColour) {
  Load();
  auto& t = Obj<TVXText>("Label");
  const platform::Color normal = t.ColorNormal;
  EXPECT_EQ(Run("10(\"Label\",\"Main\").15(\"FFFF00\")\n10(\"Label\",\"Main\").22(0)"), std::nullopt);
  EXPECT_EQ(t.Color, MakeColor(255, 255, 0));
  EXPECT_EQ(t.ColorNormal, normal);
  EXPECT_FALSE(t.Transparent);
  // The edit's ColorNormal is its background: both change.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").15(\"112233\")"), std::nullopt);
  EXPECT_EQ(Obj<TVXEdit>("Name").Color(), MakeColor(0x11, 0x22, 0x33));
  EXPECT_EQ(Obj<TVXEdit>("Name").ColorNormal, MakeColor(0x11, 0x22, 0x33));
}

TEST_F(LookMethodsTest, AMovedOpaqueTextShowsAtTheTopLeftCorner) {
  Show();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").22(0)\n10(\"Label\",\"Main\").15(\"FFFF00\")"), std::nullopt);
  EXPECT_EQ(At(100, 40), MakeColor(255, 255, 0));
  EXPECT_EQ(Run("10(\"Label\",\"Main\").7(1,1)"), std::nullopt);
  std::ofstream(::testing::TempDir() + "moved_text.png", std::ios::binary) << window->Screenshot();
  // Right of the caption, at the corner's row.
  EXPECT_EQ(At(70, 0), MakeColor(255, 255, 0));
  EXPECT_EQ(At(79, 19), MakeColor(255, 255, 0));
  EXPECT_EQ(At(80, 0), 0xFFFFFFu);
  EXPECT_EQ(At(100, 45), 0xFFFFFFu);
  EXPECT_EQ(Run("10(\"Label\",\"Main\").4(0)"), std::nullopt);
  EXPECT_EQ(At(70, 0), 0xFFFFFFu);
}

TEST_F(LookMethodsTest, EditProperties) {
  Load();
  EXPECT_EQ(Run("10(\"Name\",\"Main\").25(\"*x\")\n"
                "10(\"Name\",\"Main\").26(5)\n"
                "10(\"Name\",\"Main\").27(3)\n"
                "10(\"Name\",\"Main\").28(1)\n"
                "10(\"Name\",\"Main\").29(\"010101\")\n"
                "10(\"Name\",\"Main\").30(\"020202\")\n"
                "10(\"Name\",\"Main\").31(\"030303\")\n"
                "10(\"Name\",\"Main\").32(\"040404\")\n"
                "10(\"Name\",\"Main\").33(0)\n"
                "10(\"Name\",\"Main\").34(1)\n"
                "10(\"Name\",\"Main\").35(1)\n"
                "10(\"Name\",\"Main\").36(0)\n"
                "10(\"Name\",\"Main\").37(2)"),
            std::nullopt);
  auto& e = Obj<TVXEdit>("Name");
  auto& box = dynamic_cast<sim::SimEditBox&>(e.Box());
  EXPECT_EQ(box.PasswordChar(), '*');
  EXPECT_EQ(box.ShownText(), "***");
  EXPECT_EQ(box.MaxLength(), 5);
  // Past the end of the page's two controls: the last place.
  EXPECT_EQ(e.TabOrder(), 1);
  EXPECT_EQ(Obj<TVXButton>("Go").TabOrder(), 0);
  EXPECT_EQ(e.CharCase(), platform::CharCase::Upper);
  EXPECT_EQ(box.Text(), "ABC");  // the case applies to what is there
  EXPECT_EQ(e.ColorHover, MakeColor(1, 1, 1));
  EXPECT_EQ(e.ColorHoverF, MakeColor(2, 2, 2));
  EXPECT_EQ(e.ColorEnter, MakeColor(3, 3, 3));
  EXPECT_EQ(e.ColorEnterF, MakeColor(4, 4, 4));
  EXPECT_FALSE(box.AutoSelect());
  EXPECT_EQ(e.BorderStyle(), platform::EditBorderStyle::None);
  EXPECT_EQ(e.BevelInner(), platform::BevelCut::Lowered);
  EXPECT_EQ(e.BevelOuter(), platform::BevelCut::Raised);
  EXPECT_EQ(e.BevelKind(), platform::BevelKind::Tile);
  // Codes outside the tables keep what is there.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").28(9)\n10(\"Name\",\"Main\").37(-1)"), std::nullopt);
  EXPECT_EQ(e.CharCase(), platform::CharCase::Upper);
  EXPECT_EQ(e.BevelKind(), platform::BevelKind::Tile);
  // An empty text takes the password character away.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").25(\"\")"), std::nullopt);
  EXPECT_EQ(box.PasswordChar(), '\0');
  EXPECT_EQ(box.ShownText(), "ABC");
  // The caption method sets the text.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").12(\"new\")"), std::nullopt);
  EXPECT_EQ(e.Text(), "NEW");
}

TEST_F(LookMethodsTest, SelectAllOnEntryByTheKeyboardNotByAPress) {
  Load();
  auto& e = Obj<TVXEdit>("Name");
  auto& box = dynamic_cast<sim::SimEditBox&>(e.Box());
  EXPECT_EQ(Run("10(\"Name\",\"Main\").33(1)"), std::nullopt);
  box.Focus();
  EXPECT_EQ(box.SelectionStart(), 0);
  EXPECT_EQ(box.SelectionLength(), 3);
  app->MainForm()->Window().ClearFocus();
  box.SetSelection(1, 0);
  box.Click();
  EXPECT_EQ(box.SelectionLength(), 0);
}

TEST_F(LookMethodsTest, AnEditsBevelIsDrawnInsideItsBorder) {
  Show();
  // No border, no bevel kind; then a raised inner and a lowered outer cut.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").34(1)\n10(\"Name\",\"Main\").37(3)\n"
                "10(\"Name\",\"Main\").35(0)\n10(\"Name\",\"Main\").36(1)"),
            std::nullopt);
  const platform::Color before = At(40, 60);
  EXPECT_EQ(before, 0xFFFFFFu);  // kind none: no bevel yet
  EXPECT_EQ(Run("10(\"Name\",\"Main\").37(2)"), std::nullopt);  // tile
  EXPECT_EQ(At(40, 60), MakeColor(128, 128, 128));  // the lowered outer cut's shadow
  EXPECT_EQ(At(41, 61), 0xFFFFFFu);                 // the raised inner cut's light
  EXPECT_EQ(At(139, 81), 0xFFFFFFu);                // the lowered outer cut's light
  EXPECT_EQ(At(138, 80), MakeColor(128, 128, 128)); // the raised inner cut's shadow
}

TEST_F(LookMethodsTest, ButtonDefaultAndFocusRectangle) {
  Show();
  auto& b = Obj<TVXButton>("Go");
  auto& button = dynamic_cast<sim::SimButton&>(b.NativeButton());
  EXPECT_EQ(Run("10(\"Go\",\"Main\").38(1)\n10(\"Go\",\"Main\").12(\"Send\")\n10(\"Go\",\"Main\").27(4)"),
            std::nullopt);
  EXPECT_TRUE(button.IsDefault());
  EXPECT_EQ(button.Caption(), "Send");
  EXPECT_EQ(b.TabOrder(), 1);
  EXPECT_EQ(Obj<TVXEdit>("Name").TabOrder(), 0);
  EXPECT_EQ(Run("10(\"Go\",\"Main\").38(0)"), std::nullopt);
  button.Focus();
  // The dotted rectangle three pixels in; gone with 20(0).
  EXPECT_EQ(At(153, 63), 0u);
  EXPECT_EQ(Run("10(\"Go\",\"Main\").20(0)"), std::nullopt);
  EXPECT_FALSE(button.FocusRectShown());
  EXPECT_EQ(At(153, 63), platform::kButtonFaceColor);
}

TEST_F(LookMethodsTest, PictureScalingAndTransparentColour) {
  Show();
  EXPECT_EQ(At(221, 21), MakeColor(0, 0, 255));  // 4 x 4 at the corner
  EXPECT_EQ(At(230, 30), 0xFFFFFFu);
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").40(1)"), std::nullopt);
  EXPECT_EQ(At(230, 30), MakeColor(0, 0, 255));  // stretched over the box
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").40(0)\n10(\"Dot\",\"Main\").41(1)"), std::nullopt);
  EXPECT_EQ(At(221, 21), 0xFFFFFFu);
  EXPECT_EQ(At(229, 29), MakeColor(0, 0, 255));  // centred
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").39(1)\n10(\"Dot\",\"Main\").42(0)"), std::nullopt);
  EXPECT_TRUE(Obj<TVXImage>("Dot").Proportional);
  EXPECT_FALSE(Obj<TVXImage>("Dot").Loop());
  // A PNG is no bitmap: the colour is kept but leaves nothing out.
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").68(\"0000FF\")"), std::nullopt);
  EXPECT_EQ(Obj<TVXImage>("Dot").TransparentColor, MakeColor(0, 0, 255));
  EXPECT_EQ(At(229, 29), MakeColor(0, 0, 255));
  // Errors of 68 are swallowed.
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").68(1/0)"), std::nullopt);
}

TEST_F(LookMethodsTest, ShapeFillOutlineAndKind) {
  Show();
  EXPECT_EQ(Run("10(\"Box\",\"Main\").45(\"00FF00\")\n10(\"Box\",\"Main\").44(\"FF0000\")"), std::nullopt);
  EXPECT_EQ(At(240, 115), MakeColor(0, 255, 0));
  EXPECT_EQ(At(220, 100), MakeColor(255, 0, 0));
  EXPECT_EQ(Run("10(\"Box\",\"Main\").15(\"0000FF\")"), std::nullopt);
  EXPECT_EQ(At(240, 115), MakeColor(0, 0, 255));
  EXPECT_EQ(Run("10(\"Box\",\"Main\").43(0)\n10(\"Box\",\"Main\").34(0)"), std::nullopt);
  EXPECT_EQ(At(240, 115), 0xFFFFFFu);  // clear brush
  EXPECT_EQ(At(220, 100), 0xFFFFFFu);  // clear pen
  const auto& shape = Obj<VxShapeObject>("Box").Shape;
  EXPECT_EQ(Run("10(\"Box\",\"Main\").47(1)\n10(\"Box\",\"Main\").48(1)"), std::nullopt);
  EXPECT_EQ(shape.Pen().mode, platform::PenMode::Invert);
  EXPECT_EQ(shape.Shape(), stRoundRect);
  EXPECT_EQ(Run("10(\"Box\",\"Main\").47(0)\n10(\"Box\",\"Main\").48(0)"), std::nullopt);
  EXPECT_EQ(shape.Pen().mode, platform::PenMode::Copy);
  EXPECT_EQ(shape.Shape(), stRectangle);
}

TEST_F(LookMethodsTest, LinePlacementRisingAndFalling) {
  Show();
  const auto& ray = Obj<VxShapeObject>("Ray");
  EXPECT_EQ(Run("10(\"Ray\",\"Main\").70(10,50,110,20)"), std::nullopt);
  EXPECT_TRUE(ray.Shape.Reverse());
  EXPECT_EQ(ray.BoundsRect(), (platform::Rect{10, 20, 100, 30}));
  std::ofstream(::testing::TempDir() + "rising_line.png", std::ios::binary) << window->Screenshot();
  EXPECT_TRUE(Inked({106, 19, 5, 4}));   // the top right end
  EXPECT_TRUE(Inked({9, 46, 4, 5}));     // the bottom left end
  EXPECT_TRUE(Inked({57, 32, 5, 5}));    // the middle
  EXPECT_FALSE(Inked({10, 20, 8, 5}));   // the corner it does not pass
  EXPECT_EQ(Run("10(\"Ray\",\"Main\").70(10,20,110,50)"), std::nullopt);
  EXPECT_FALSE(ray.Shape.Reverse());
  EXPECT_EQ(ray.BoundsRect(), (platform::Rect{10, 20, 100, 30}));
  EXPECT_TRUE(Inked({10, 20, 4, 4}));
  EXPECT_FALSE(Inked({100, 20, 10, 5}));
  // The points in the other order give the same line.
  EXPECT_EQ(Run("10(\"Ray\",\"Main\").70(110,50,10,20)"), std::nullopt);
  EXPECT_FALSE(ray.Shape.Reverse());
  // Along an axis the box is one pixel thick, so the line shows.
  EXPECT_EQ(Run("10(\"Ray\",\"Main\").70(200,10,200,60)"), std::nullopt);
  EXPECT_EQ(ray.BoundsRect(), (platform::Rect{200, 10, 1, 50}));
  EXPECT_TRUE(Inked({200, 30, 1, 5}));
}

}  // namespace
}  // namespace vx
