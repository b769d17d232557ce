// The hover poller, the edit boxes' hover and focus colours, and the hint.

#include "tests/host/object_events_fixture.h"

#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_text.h"

namespace vx {
namespace {

constexpr platform::Color kWhite = 0xFFFFFF;
constexpr platform::Color kHover = platform::MakeColor(0, 255, 0);
constexpr platform::Color kHoverFont = platform::MakeColor(0, 0, 128);
constexpr platform::Color kEnter = platform::MakeColor(0, 0, 255);
constexpr platform::Color kEnterFont = platform::MakeColor(255, 255, 0);

class PollerTest : public test::ObjectEventsTest {};

struct EdgeCase {
  const char* name;
  int x, y;
  bool inside;
};

class PollerEdgeTest : public PollerTest, public ::testing::WithParamInterface<EdgeCase> {};

// A button at (50, 50), 100 x 20.
TEST_P(PollerEdgeTest, OnlyStrictlyInsideIsUnderTheCursor) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  LogAll(b, "B");
  Start();
  MoveTo(GetParam().x, GetParam().y);
  Tick();
  EXPECT_EQ(LogText(), GetParam().inside ? "Benter," : "");
  EXPECT_EQ(Object<TVXButton>("B")->Tag, GetParam().inside ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, PollerEdgeTest,
                         ::testing::Values(EdgeCase{"LeftEdge", 50, 60, false}, EdgeCase{"TopEdge", 60, 50, false},
                                           EdgeCase{"RightEdge", 150, 60, false},
                                           EdgeCase{"BottomEdge", 60, 70, false},
                                           EdgeCase{"JustInsideTopLeft", 51, 51, true},
                                           EdgeCase{"JustInsideBottomRight", 149, 69, true}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(PollerTest, EntersOnceAndLeavesOnce) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  LogAll(b, "B");
  Start();
  MoveTo(60, 60);
  Tick();
  Tick();
  MoveTo(300, 300);
  Tick();
  Tick();
  EXPECT_EQ(LogText(), "Benter,Bleave,");
}

TEST_F(PollerTest, AHiddenPageEntersNothingAndLeavesWhatItHovered) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  LogAll(b, "B");
  Start();
  MoveTo(60, 60);
  Tick();
  Window().Hide();
  Tick();
  EXPECT_EQ(LogText(), "Benter,Bleave,");
  Tick();
  EXPECT_EQ(LogText(), "Benter,Bleave,");
}

TEST_F(PollerTest, AnInvisibleControlIsNotEntered) {
  auto& b = Page1().AddButton("B");
  b.bounds = {50, 50, 100, 20};
  b.visible = false;
  LogAll(b, "B");
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(LogText(), "");
  EXPECT_EQ(Object<TVXButton>("B")->Tag, 0);
}

TEST_F(PollerTest, ATextOnlyHasItsTagSet) {
  auto& t = Page1().AddText("T");
  t.bounds = {50, 50, 100, 20};
  Start();
  // Put under the cursor without a move: only the poller sees it.
  desktop.input.SetCursorPos(Client(60, 60));
  Tick();
  EXPECT_EQ(Object<TVXText>("T")->Tag, 1);
  desktop.input.SetCursorPos(Client(300, 300));
  Tick();
  EXPECT_EQ(Object<TVXText>("T")->Tag, 0);
}

TEST_F(PollerTest, AnEnterScriptThatDeletesTheNextControlIsSafe) {
  for (const char* name : {"B1", "B2"}) {
    auto& b = Page1().AddButton(name);
    b.bounds = {50, 50, 100, 20};
    LogAll(b, name);
  }
  std::get<tools::ButtonModel>(Page1().objects.front()).scripts.mouseEnter = "10(\"B2\",\"\").0";
  Start();
  MoveTo(60, 60);
  Tick();
  EXPECT_EQ(LogText(), "");
  EXPECT_EQ(Object<TVXButton>("B2"), nullptr);
  Tick();
  MoveTo(300, 300);
  Tick();
  EXPECT_EQ(LogText(), "B1leave,");
}

class EditHoverTest : public test::ObjectEventsTest {
 protected:
  // An edit at (50, 100), 100 x 20, with colour events.
  void AddEdit(bool colorEvents = true) {
    auto& e = Page1().AddEdit("E");
    e.bounds = {50, 100, 100, 20};
    e.colorEvents = colorEvents;
    e.color = kWhite;
    e.font.color = 0;
    e.colorHover = kHover;
    e.colorHoverFont = kHoverFont;
    e.colorEnter = kEnter;
    e.colorEnterFont = kEnterFont;
    LogAll(e, "E");
  }
  TVXEdit& E() { return *Object<TVXEdit>("E"); }
};

TEST_F(EditHoverTest, HoverColoursComeAndGo) {
  AddEdit();
  Start();
  MoveTo(60, 110);
  Tick();
  EXPECT_EQ(E().Color(), kHover);
  EXPECT_EQ(E().FontColor(), kHoverFont);
  EXPECT_EQ(E().BoundsRect(), (platform::Rect{50, 100, 100, 20}));  // back after the nudge
  MoveTo(300, 300);
  Tick();
  EXPECT_EQ(E().Color(), kWhite);
  EXPECT_EQ(E().FontColor(), 0u);
  EXPECT_EQ(LogText(), "Eenter,Eleave,");
}

TEST_F(EditHoverTest, TheFocusedEditIsNeitherEnteredNorLeft) {
  AddEdit();
  Start();
  MoveTo(60, 110);
  Tick();
  Press();  // the control takes the press: focus (enter), down, click
  Release();
  EXPECT_EQ(E().Tag, 2);
  EXPECT_EQ(E().Color(), kEnter);
  EXPECT_EQ(E().FontColor(), kEnterFont);
  EXPECT_EQ(LogText(), "Eenter,Eenter,Edown,Eup,");
  MoveTo(300, 300);
  Tick();
  MoveTo(60, 110);
  Tick();
  EXPECT_EQ(LogText(), "Eenter,Eenter,Edown,Eup,");
  EXPECT_EQ(E().Color(), kEnter);
  // The focus leaves with a press on the page, the cursor still over it.
  desktop.user.MoveTo(Client(300, 300));
  Press();
  Release();
  EXPECT_EQ(E().Tag, 0);
  EXPECT_EQ(E().Color(), kWhite);
  EXPECT_EQ(E().FontColor(), 0u);
}

TEST_F(EditHoverTest, FocusExitRestoresTheNormalColoursEvenWithoutColourEvents) {
  AddEdit(false);
  Start();
  MoveTo(60, 110);
  Tick();
  EXPECT_EQ(E().Color(), kWhite);  // no hover colour
  E().SetColor(platform::MakeColor(1, 2, 3));
  E().SetFontColor(platform::MakeColor(4, 5, 6));
  Press();
  Release();
  EXPECT_EQ(E().Color(), platform::MakeColor(1, 2, 3));  // no focus colour either
  MoveTo(300, 300);
  Press();
  EXPECT_EQ(E().Color(), kWhite);
  EXPECT_EQ(E().FontColor(), 0u);
}

TEST_F(EditHoverTest, AnEditOnAnInactivePageShowsNoHoverAndRunsNoEnter) {
  AddEdit();
  Page1().width = 200;
  Page1().height = 200;
  tools::PageModel& second = project.AddPage("Second");
  second.width = 200;
  second.height = 200;
  second.flags.centred = false;
  Start();
  Window(2).Show();
  Window(1).Show();
  desktop.forms.Activate(&Window(2));
  MoveTo(60, 110);
  Tick();
  EXPECT_EQ(E().Tag, 1);
  EXPECT_EQ(E().Color(), kWhite);
  EXPECT_EQ(LogText(), "");
}

class HintTest : public test::ObjectEventsTest {
 protected:
  void AddHintedText(const std::string& hint) {
    auto& t = Page1().AddText("T");
    t.bounds = {50, 50, 100, 20};
    t.hint = hint;
    project.hintPause = 500;
    project.hintHidePause = 2500;
    project.hintScript = "$h=$h+$_hint+\";\"";
  }
  const std::optional<platform::HintWindow>& Shown() { return desktop.forms.ShownHint(); }
};

TEST_F(HintTest, TheLongPartIsTheApplicationHintTheShortPartShowsAfterThePause) {
  AddHintedText("Next|Go to the next page");
  Start();
  MoveTo(60, 60);
  EXPECT_EQ(app->values.GetStrVar("_hint"), "Go to the next page");
  EXPECT_EQ(app->values.GetStrVar("h"), "Go to the next page;");
  desktop.loop.Advance(490);
  EXPECT_FALSE(Shown().has_value());
  desktop.loop.Advance(20);
  ASSERT_TRUE(Shown().has_value());
  EXPECT_EQ(Shown()->text, "Next");
  const platform::Point cursor = Client(60, 60);
  EXPECT_EQ(Shown()->at, (platform::Point{cursor.x, cursor.y + 20}));
  EXPECT_EQ(Shown()->color, project.hintColor);
  desktop.loop.Advance(2500);
  EXPECT_FALSE(Shown().has_value());
  MoveTo(300, 300);
  EXPECT_EQ(app->values.GetStrVar("h"), "Go to the next page;;");
}

TEST_F(HintTest, LeavingTheControlHidesItsHint) {
  AddHintedText("Plain");
  Start();
  MoveTo(60, 60);
  desktop.loop.Advance(600);
  ASSERT_TRUE(Shown().has_value());
  EXPECT_EQ(Shown()->text, "Plain");
  MoveTo(300, 300);
  EXPECT_FALSE(Shown().has_value());
  EXPECT_EQ(app->values.GetStrVar("_hint"), "");
}

TEST_F(HintTest, WithHintFollowsMouseTheHintWindowFollowsTheCursor) {
  AddHintedText("Here");
  project.hintFollowsMouse = true;
  Start();
  MoveTo(60, 60);
  Tick();  // the poller shows it at once
  ASSERT_TRUE(Shown().has_value());
  MoveTo(90, 65);
  Tick();
  const platform::Point cursor = Client(90, 65);
  ASSERT_TRUE(Shown().has_value());
  EXPECT_EQ(Shown()->at, (platform::Point{cursor.x, cursor.y + 20}));
  MoveTo(300, 300);
  Tick();
  EXPECT_FALSE(Shown().has_value());
}

TEST_F(HintTest, WithoutHintFollowsMouseTheHintStaysWhereItShowed) {
  AddHintedText("Here");
  Start();
  MoveTo(60, 60);
  desktop.loop.Advance(600);
  ASSERT_TRUE(Shown().has_value());
  const platform::Point first = Shown()->at;
  MoveTo(90, 65);
  Tick();
  EXPECT_EQ(Shown()->at, first);
}

}  // namespace
}  // namespace vx
