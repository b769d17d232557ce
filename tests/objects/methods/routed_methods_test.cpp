// Object statements run by the objects' own events, through event routing:
// deleting the object whose script runs, replacing the script that runs.

#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "tests/objects/methods/methods_fixture.h"
#include "tools/common/event_text.h"

namespace vx {
namespace {

using platform::MouseButton;

class RoutedMethodsTest : public test::MethodsTest {
 protected:
  RoutedMethodsTest() {
    auto& page = project.pages.front();
    auto& self = page.AddText("Self");
    self.bounds = {10, 100, 60, 20};
    self.transparent = false;
    self.scripts.mouseDown = "10(\"Self\",\"Main\").0\n#after=1";
    self.scripts.mouseUp = "#up=1";
    auto& swap = page.AddText("Swap");
    swap.bounds = {100, 100, 60, 20};
    swap.transparent = false;
    swap.scripts.mouseDown = "#runs=#runs+1\n10(\"Swap\",\"Main\").71(" + tools::EventText("#runs=#runs+100") +
                             ")\n#runs=#runs+1";
    auto& hot = page.AddShape("Hot");
    hot.bounds = {200, 150, 30, 30};
    hot.brushStyle = 1;
    hot.scripts.mouseUp = "10(\"Hot\",\"Main\").0\n#hot=1";
    hot.scripts.mouseLeave = "#left=1";
    auto& gate = page.AddEdit("Gate");
    gate.bounds = {250, 100, 60, 22};
    gate.scripts.mouseDown = "10(\"Gate\",\"Main\").0\n#gate=1";
    auto& bomb = page.AddTimer("Bomb");
    bomb.interval = 10;
    bomb.script = "10(\"Bomb\",\"Main\").0\n#boom=#boom+1";
  }
  void Start() {
    Load();
    app->MainForm()->Window().Show();
    window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
  }
  void ClickAt(int x, int y) {
    const platform::Point o = window->ClientOrigin();
    desktop.user.MoveTo({o.x + x, o.y + y});
    desktop.loop.Advance(10);
    desktop.user.Press(MouseButton::Left);
    desktop.loop.Advance(10);
    desktop.user.Release(MouseButton::Left);
    desktop.loop.Advance(10);
  }
  double Num(const std::string& name) { return app->values.GetNumVar(name); }
  bool NoErrorBox() const {
    for (const std::string& line : desktop.log.Lines())
      if (line.starts_with("msgbox")) return false;
    return true;
  }
  sim::SimWindow* window = nullptr;
};

TEST_F(RoutedMethodsTest, ATextDeletedByItsOwnMouseDownScript) {
  Start();
  ClickAt(20, 110);
  EXPECT_EQ(Find("Self"), nullptr);
  EXPECT_EQ(Num("after"), 1);
  EXPECT_EQ(Num("up"), 0);  // gone before its release
  EXPECT_FALSE(app->MainForm()->Components().HasRetired());
  // The page goes on working.
  ClickAt(20, 110);
  ClickAt(110, 110);
  EXPECT_EQ(Num("runs"), 2);
  EXPECT_TRUE(NoErrorBox());
}

TEST_F(RoutedMethodsTest, AReplacedMouseDownScriptRunsAtTheNextPress) {
  Start();
  ClickAt(110, 110);
  EXPECT_EQ(Num("runs"), 2);  // the old script to its end
  ClickAt(110, 110);
  EXPECT_EQ(Num("runs"), 102);
  EXPECT_TRUE(NoErrorBox());
}

TEST_F(RoutedMethodsTest, AShapeAndAnEditDeletedByTheirOwnScripts) {
  Start();
  ClickAt(210, 160);
  EXPECT_EQ(Find("Hot"), nullptr);
  EXPECT_EQ(Num("hot"), 1);
  ClickAt(270, 110);
  EXPECT_EQ(Find("Gate"), nullptr);
  EXPECT_EQ(Num("gate"), 1);
  // Moving off where they were leaves nothing to leave.
  ClickAt(5, 5);
  EXPECT_EQ(Num("left"), 0);
  EXPECT_TRUE(NoErrorBox());
}

TEST_F(RoutedMethodsTest, ATimerDeletedByItsOwnTick) {
  Start();
  desktop.loop.Advance(100);
  EXPECT_EQ(Find("Bomb"), nullptr);
  EXPECT_EQ(Num("boom"), 1);
  EXPECT_TRUE(NoErrorBox());
}

}  // namespace
}  // namespace vx
