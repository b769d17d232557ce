// An edit box of automatic size (header t7, method 24) is as high as one
// line of its font with its margins, border and bevel, whatever height the
// record or a script gives it.

#include <gtest/gtest.h>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_edit.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_desktop.h"
#include "script/runner.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

// "Auto" (t7 set) and "Fixed" (t7 clear), both authored 100 pixels high.
class EditAutoSizeTest : public ::testing::Test {
 protected:
  EditAutoSizeTest() {
    auto& page = project.AddPage("Main");
    page.width = 320;
    page.height = 200;
    for (auto [name, left, autoSize] : {std::tuple{"Auto", 20, true}, std::tuple{"Fixed", 160, false}}) {
      auto& edit = page.AddEdit(name);
      edit.bounds = {left, 20, 120, 100};
      edit.autoSize = autoSize;
      edit.font.size = 10;
      edit.border = 0;     // a single border, with the 3-D look
      edit.bevelKind = 3;  // no bevel
    }
    test::InstallPresentation(desktop, project);
    app = StartPlayer(desktop.Platform());
    app->MainForm()->Window().Show();
  }
  TVXEdit& Edit(const std::string& name) {
    return dynamic_cast<TVXEdit&>(*app->MainForm()->Components().Find("OBJ" + name));
  }
  void Run(const std::string& script) { DoActions(*app, app->MainForm(), script); }
  // A line of the font as the sim's text layout measures it.
  static int LineOf(const platform::FontSpec& font) {
    sim::SimSurface scratch({1, 1});
    sim::SimCanvas canvas(scratch);
    return canvas.MeasureText("X", font).height;
  }
  // A left click at a point of the page's client area.
  void ClickAt(int x, int y) {
    const platform::Point origin = app->MainForm()->Window().ClientOrigin();
    desktop.user.Click({origin.x + x, origin.y + y});
  }

  tools::ProjectModel project;
  sim::SimDesktop desktop;
  std::unique_ptr<Application> app;
};

TEST_F(EditAutoSizeTest, TheRecordsAutoSizeTakesTheFontsLineAndTheBorder) {
  TVXEdit& e = Edit("Auto");
  const int line = LineOf(e.Look().font);
  ASSERT_GT(line, 5);
  // Two pixels above and below the line, and the 3-D border's two on each side.
  EXPECT_EQ(e.BoundsRect().height, line + 4 + 4);
  EXPECT_EQ(e.Box().Bounds().height, e.BoundsRect().height);
  EXPECT_EQ(e.BoundsRect().width, 120);
  EXPECT_EQ(Edit("Fixed").BoundsRect().height, 100);
}

TEST_F(EditAutoSizeTest, AClickFarBelowTheLineGoesToThePageNotTheBox) {
  ClickAt(80, 20 + 80);
  EXPECT_FALSE(Edit("Auto").Box().HasFocus());
  ClickAt(220, 20 + 80);
  EXPECT_TRUE(Edit("Fixed").Box().HasFocus());
  ClickAt(80, 22);
  EXPECT_TRUE(Edit("Auto").Box().HasFocus());
}

TEST_F(EditAutoSizeTest, MethodTwentyFourFitsTheHeightAndKeepsItFitted) {
  TVXEdit& e = Edit("Fixed");
  Run("10(\"Fixed\",\"Main\").24(1)");
  EXPECT_TRUE(e.AutoSize());
  const int fitted = e.BoundsRect().height;
  EXPECT_EQ(fitted, LineOf(e.Look().font) + 8);
  ClickAt(220, 20 + 80);
  EXPECT_FALSE(e.Box().HasFocus());
  // A size from a script keeps the width only.
  Run("10(\"Fixed\",\"Main\").8(150,90)");
  EXPECT_EQ(e.BoundsRect().width, 150);
  EXPECT_EQ(e.BoundsRect().height, fitted);
  // A bigger font makes it higher.
  Run("10(\"Fixed\",\"Main\").13(\"Tahoma,24,1\")");
  EXPECT_EQ(e.BoundsRect().height, LineOf(e.Look().font) + 8);
  EXPECT_GT(e.BoundsRect().height, fitted);
  // Switched off, the box keeps its height until it is given another.
  const int big = e.BoundsRect().height;
  Run("10(\"Fixed\",\"Main\").24(0)");
  EXPECT_EQ(e.BoundsRect().height, big);
  Run("10(\"Fixed\",\"Main\").8(150,90)");
  EXPECT_EQ(e.BoundsRect().height, 90);
}

TEST_F(EditAutoSizeTest, TheBorderAndTheBevelCountInTheHeight) {
  TVXEdit& e = Edit("Auto");
  const int line = LineOf(e.Look().font);
  e.SetCtl3D(false);  // a flat single line
  EXPECT_EQ(e.BoundsRect().height, line + 4 + 2);
  Run("10(\"Auto\",\"Main\").34(1)");  // no border
  EXPECT_EQ(e.BorderStyle(), platform::EditBorderStyle::None);
  EXPECT_EQ(e.BoundsRect().height, line + 4);
  // A bevel with two cuts adds a pixel each above and below.
  Run("10(\"Auto\",\"Main\").35(1)\n10(\"Auto\",\"Main\").36(2)\n10(\"Auto\",\"Main\").37(2)");
  EXPECT_EQ(e.BoundsRect().height, line + 4 + 4);
}

}  // namespace
}  // namespace vx
