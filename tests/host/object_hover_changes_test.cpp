// The hover poller while its own enter and leave scripts change the page:
// each control as the tick began gets one turn, in that order; what goes
// meanwhile is skipped, what comes is seen from the next tick, and an object
// made under a name that went takes that name's turn.

#include "tests/host/object_events_fixture.h"

#include "objects/vx_button.h"
#include "objects/vx_image.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_pictures.h"

namespace vx {
namespace {

class PollerChangesTest : public test::ObjectEventsTest {
 protected:
  tools::ButtonModel& Button(const std::string& name) {
    auto& b = Page1().AddButton(name);
    b.bounds = {50, 50, 100, 20};
    LogAll(b, name);
    return b;
  }
  tools::PictureModel& Picture(const std::string& name) {
    auto& p = Page1().AddPicture(name);
    p.bounds = {50, 50, 100, 20};
    p.image = sim::EncodePng(RgbaImage(4, 4, {10, 20, 30, 255}));
    p.fileName = "p.png";
    LogAll(p, name);
    return p;
  }
};

TEST_F(PollerChangesTest, AnObjectMadeByAnEnterScriptIsEnteredFromTheNextTick) {
  Button("B").scripts.mouseEnter = Log("Benter") + "\r\n40(\"text\",\"n\")\r\n10(\"n\",\"\").7(40,40)\r\n" +
                                   "10(\"n\",\"\").8(100,50)";
  Start();
  MoveTo(60, 60);
  Tick();
  ASSERT_NE(Object<TVXText>("n"), nullptr);
  EXPECT_EQ(Object<TVXText>("n")->Tag, 0);
  Tick();
  EXPECT_EQ(Object<TVXText>("n")->Tag, 1);
  EXPECT_EQ(LogText(), "Benter,");
}

TEST_F(PollerChangesTest, AnObjectMadeUnderTheNameOfOneThatWentTakesItsTurn) {
  Button("B1").scripts.mouseEnter = "10(\"B2\",\"\").0\r\n40(\"text\",\"B2\")\r\n10(\"b2\",\"\").7(50,50)\r\n" +
                                    std::string("10(\"b2\",\"\").8(100,20)");
  Button("B2");
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(Object<TVXButton>("B2"), nullptr);
  auto* replacement = Object<TVXText>("b2");
  ASSERT_NE(replacement, nullptr);
  EXPECT_EQ(replacement->Tag, 1);
  EXPECT_EQ(LogText(), "");
}

TEST_F(PollerChangesTest, ALeaveScriptThatDeletesItsOwnControlIsSafe) {
  Button("B").scripts.mouseLeave = Log("Bleave") + "\r\n10(\"B\",\"\").0";
  Button("C").bounds = {200, 50, 100, 20};
  Start();
  MoveTo(60, 60);
  Tick();
  MoveTo(210, 60);
  Tick();
  EXPECT_EQ(Object<TVXButton>("B"), nullptr);
  EXPECT_EQ(LogText(), "Benter,Bleave,Center,");
  desktop.loop.RunPosted();  // now it is freed
  Tick();
  MoveTo(400, 400);
  Tick();
  EXPECT_EQ(LogText(), "Benter,Bleave,Center,Cleave,");
}

TEST_F(PollerChangesTest, AControlMovedToAnotherPageByAnEnterScriptIsNotEnteredHere) {
  project.AddPage("Second").flags.hidden = true;
  Button("B1").scripts.mouseEnter = Log("B1enter") + "\r\n10(\"B2\",\"\").11(\"Second\")";
  Button("B2");
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(Object<TVXButton>("B2"), nullptr);
  auto* moved = Object<TVXButton>("B2", 2);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->Tag, 0);
  Tick();
  EXPECT_EQ(LogText(), "B1enter,");
}

// Bringing the first to the front puts it after the second in the list, but
// the tick keeps the order it began with: each is entered once.
TEST_F(PollerChangesTest, AZOrderChangeByAnEnterScriptVisitsEachControlOnce) {
  Picture("P1").scripts.mouseEnter = Log("P1enter") + "\r\n10(\"P1\",\"\").1";
  Picture("P2").scripts.mouseEnter = Log("P2enter") + "\r\n10(\"P1\",\"\").2";
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(LogText(), "P1enter,P2enter,");
  Tick();
  EXPECT_EQ(LogText(), "P1enter,P2enter,");
  MoveTo(300, 300);
  Tick();
  // P1 went to the back again: it is first once more.
  EXPECT_EQ(LogText(), "P1enter,P2enter,P1leave,P2leave,");
}

// An enter script deleting the control that comes next and one already
// visited: the visited one was entered, the next one is skipped.
TEST_F(PollerChangesTest, AnEnterScriptDeletingControlsBeforeAndAfterIt) {
  Picture("P1");
  Picture("P2").scripts.mouseEnter = Log("P2enter") + "\r\n10(\"P1\",\"\").0\r\n10(\"P3\",\"\").0";
  Picture("P3");
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(LogText(), "P1enter,P2enter,");
  EXPECT_EQ(Object<TVXImage>("P1"), nullptr);
  EXPECT_EQ(Object<TVXImage>("P3"), nullptr);
  desktop.loop.RunPosted();
  MoveTo(300, 300);
  Tick();
  EXPECT_EQ(LogText(), "P1enter,P2enter,P2leave,");
}

}  // namespace
}  // namespace vx
