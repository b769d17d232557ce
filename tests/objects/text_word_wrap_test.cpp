// A text's word wrap (header t1, method 20): without it the caption keeps
// one line and is cut at the box; with it the caption breaks into lines.

#include <gtest/gtest.h>

#include <fstream>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

// Two texts 70 pixels wide whose caption is much wider: "Cut" without word
// wrap, "Wrapped" with it; white on the white page, so only glyphs ink.
class TextWordWrapTest : public ::testing::Test {
 protected:
  TextWordWrapTest() {
    auto& page = project.AddPage("Main");
    page.width = 260;
    page.height = 100;
    page.flags.windowColor = 0xFFFFFF;
    for (auto [name, left, wrap] : {std::tuple{"Cut", 10, false}, std::tuple{"Wrapped", 130, true}}) {
      auto& text = page.AddText(name);
      text.bounds = {left, 10, 70, 60};
      text.caption = "MM MM MM MM";
      text.font.size = 12;
      text.wordWrap = wrap;
      text.transparent = false;
    }
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
    window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
    sim::SimSurface scratch({1, 1});
    sim::SimCanvas canvas(scratch);
    platform::FontSpec font = Text("Cut").Font;
    lineHeight = canvas.MeasureText("M", font).height;
  }
  TVXText& Text(const std::string& name) {
    return dynamic_cast<TVXText&>(*app->MainForm()->Components().Find("OBJ" + name));
  }
  void Run(const std::string& script) { DoActions(*app, app->MainForm(), script); }
  bool Inked(platform::Rect area) {
    const RgbaImage shot = window->Snapshot();
    for (int y = area.top; y < area.Bottom(); ++y)
      for (int x = area.left; x < area.Right(); ++x)
        if (shot.At(x, y).r < 128) return true;
    return false;
  }
  // Below the first line of the text at left.
  bool SecondLineInked(int left) { return Inked({left, 10 + lineHeight, 70, 60 - lineHeight}); }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
  sim::SimWindow* window = nullptr;
  int lineHeight = 0;
};

TEST_F(TextWordWrapTest, WithoutWordWrapOneLineCutAtTheBoxWithItSeveral) {
  std::ofstream(::testing::TempDir() + "word_wrap.png", std::ios::binary) << window->Screenshot();
  ASSERT_GT(lineHeight, 5);
  ASSERT_LT(2 * lineHeight, 60);
  EXPECT_FALSE(Text("Cut").WordWrap);
  EXPECT_TRUE(Inked({10, 10, 70, lineHeight}));
  EXPECT_FALSE(SecondLineInked(10));
  // The line goes on to the box's right edge and no further.
  EXPECT_TRUE(Inked({70, 10, 10, lineHeight}));
  EXPECT_FALSE(Inked({80, 0, 50, 100}));

  EXPECT_TRUE(Inked({130, 10, 70, lineHeight}));
  EXPECT_TRUE(SecondLineInked(130));
}

TEST_F(TextWordWrapTest, MethodTwentySwitchesWordWrapBothWays) {
  Run("10(\"Cut\",\"Main\").20(1)");
  EXPECT_TRUE(SecondLineInked(10));
  Run("10(\"Cut\",\"Main\").20(0)\n10(\"Wrapped\",\"Main\").20(0)");
  EXPECT_FALSE(SecondLineInked(10));
  EXPECT_FALSE(SecondLineInked(130));
  EXPECT_TRUE(Inked({130, 10, 70, lineHeight}));
}

TEST_F(TextWordWrapTest, AnUnwrappedLineAlignedRightIsCutAtTheLeft) {
  // Alignment code 3: the right edge; the line's start overhangs the box.
  Run("10(\"Cut\",\"Main\").19(3)");
  ASSERT_EQ(Text("Cut").Alignment, platform::TextAlignment::Right);
  EXPECT_FALSE(SecondLineInked(10));
  EXPECT_TRUE(Inked({10, 10, 8, lineHeight}));
  EXPECT_TRUE(Inked({72, 10, 8, lineHeight}));
  EXPECT_FALSE(Inked({0, 0, 10, 100}));
}

}  // namespace
}  // namespace vx
