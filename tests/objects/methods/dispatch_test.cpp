// The dispatcher and the arrangement methods 0-11.

#include "objects/methods/object_methods.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_image.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "platform/sim/sim_controls.h"
#include "tests/objects/methods/methods_fixture.h"

namespace vx {
namespace {

using test::MethodsTest;

TEST_F(MethodsTest, PositionCountsFromOneAndSizeIsTaken) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").7(1,1)"), std::nullopt);
  EXPECT_EQ(Obj<TVXText>("Label").BoundsRect(), (platform::Rect{0, 0, 80, 20}));
  EXPECT_EQ(Run("10(\"Box\",\"Main\").7(5+5, 2*10)\n10(\"Box\",\"Main\").8(11.5,12.5)"), std::nullopt);
  // Halves to even: 11.5 is 12, 12.5 is 12.
  EXPECT_EQ(Obj<VxShapeObject>("Box").BoundsRect(), (platform::Rect{9, 19, 12, 12}));
  EXPECT_EQ(Run("10(\"Name\",\"Main\").7(3,4)"), std::nullopt);
  auto& box = dynamic_cast<sim::SimEditBox&>(Obj<TVXEdit>("Name").Box());
  EXPECT_EQ(box.Bounds(), (platform::Rect{2, 3, 100, 22}));
}

TEST_F(MethodsTest, FlagsAreTheNearestIntegerAboveZero) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").4(0.5)"), std::nullopt);
  EXPECT_FALSE(Obj<TVXText>("Label").Visible());
  EXPECT_EQ(Run("10(\"Label\",\"Main\").4(1.5)"), std::nullopt);
  EXPECT_TRUE(Obj<TVXText>("Label").Visible());
  EXPECT_EQ(Run("10(\"Go\",\"Main\").3(-1)"), std::nullopt);
  EXPECT_FALSE(Obj<TVXButton>("Go").NativeButton().IsEnabled());
}

TEST_F(MethodsTest, ArgumentsBeyondTheCommasAreEmpty) {
  Load();
  // One comma: the second argument is read, the third is not (a number
  // expression that is empty fails).
  EXPECT_EQ(Run("10(\"Box\",\"Main\").8(30,40)"), std::nullopt);
  const auto error = Run("10(\"Box\",\"Main\").8(30)");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(*error, "Line #1: '' is not a valid integer value");
  // A comma inside quotes is no separator: the hint is the whole text.
  EXPECT_EQ(Run("10(\"Label\",\"Main\").10(\"a,b\")"), std::nullopt);
  EXPECT_EQ(Obj<TVXText>("Label").Hint, "a,b");
  EXPECT_TRUE(Obj<TVXText>("Label").ShowHint);
}

TEST_F(MethodsTest, ACodeThatIsNoNumberIsTheConversionError) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").x7(1,1)"), "Line #1: 'x7' is not a valid integer value");
  EXPECT_EQ(Run("10(\"Label\",\"Main\").abc"), "Line #1: 'abc' is not a valid integer value");
  // No object, no error: the statement never reaches the method.
  EXPECT_EQ(Run("10(\"Nobody\",\"Main\").abc"), std::nullopt);
  // Codes without a handler do nothing.
  EXPECT_EQ(Run("10(\"Label\",\"Main\").21(1)\n10(\"Label\",\"Main\").46\n10(\"Label\",\"Main\").999"),
            std::nullopt);
}

TEST_F(MethodsTest, AMethodForAnotherKindDoesNothing) {
  Load();
  const platform::Rect before = Obj<TVXImage>("Dot").BoundsRect();
  EXPECT_EQ(Run("10(\"Dot\",\"Main\").12(\"abc\")\n10(\"Dot\",\"Main\").25(\"*\")\n10(\"Dot\",\"Main\").70(1,2,3,4)"),
            std::nullopt);
  EXPECT_EQ(Obj<TVXImage>("Dot").BoundsRect(), before);
  // A timer has no position, and 70 is for lines only.
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").7(5,5)\n10(\"Box\",\"Main\").70(1,2,30,40)"), std::nullopt);
  EXPECT_EQ(Obj<VxShapeObject>("Box").BoundsRect(), (platform::Rect{220, 100, 40, 30}));
}

TEST_F(MethodsTest, ATimerRestartsItsCountOnlyOnARealChange) {
  Load();
  auto& clock = Obj<TVXTimer>("Clock");
  ASSERT_TRUE(clock.Enabled());
  clock.TickCount = 2;
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").3(1)"), std::nullopt);
  EXPECT_EQ(clock.TickCount, 2);
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").3(0)"), std::nullopt);
  EXPECT_FALSE(clock.Enabled());
  EXPECT_EQ(clock.TickCount, 0);
  clock.TickCount = 1;
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").3(0)"), std::nullopt);
  EXPECT_EQ(clock.TickCount, 1);
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").3(1)"), std::nullopt);
  EXPECT_TRUE(clock.Enabled());
  EXPECT_EQ(clock.TickCount, 0);
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").69(250)"), std::nullopt);
  EXPECT_EQ(clock.Interval(), 250u);
  EXPECT_EQ(Run("10(\"Clock\",\"Main\").69(0)"), std::nullopt);
  EXPECT_FALSE(clock.Enabled());
}

TEST_F(MethodsTest, ZOrderMovesWithinTheKindsLayer) {
  Load();
  PageObjects& objects = app->MainForm()->Components();
  EXPECT_EQ(Run("10(\"Box\",\"Main\").2"), std::nullopt);
  EXPECT_EQ(objects.InZOrder().front().get(), Find("Box"));
  EXPECT_EQ(Run("10(\"Box\",\"Main\").1"), std::nullopt);
  EXPECT_EQ(objects.InZOrder().back().get(), Find("Box"));
  // Native controls: the platform's order of child controls follows.
  auto* window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
  EXPECT_EQ(Run("10(\"Name\",\"Main\").1"), std::nullopt);
  EXPECT_EQ(window->Controls().back(), dynamic_cast<sim::SimControl*>(&Obj<TVXEdit>("Name").Box()));
  EXPECT_EQ(Run("10(\"Name\",\"Main\").2"), std::nullopt);
  EXPECT_EQ(window->Controls().front(), dynamic_cast<sim::SimControl*>(&Obj<TVXEdit>("Name").Box()));
}

TEST_F(MethodsTest, CursorAndReadingOrderReachTheNativeControl) {
  Load();
  EXPECT_EQ(Run("10(\"Go\",\"Main\").9(7)\n10(\"Go\",\"Main\").6(1)"), std::nullopt);
  auto& button = dynamic_cast<sim::SimButton&>(Obj<TVXButton>("Go").NativeButton());
  EXPECT_EQ(button.CursorNumber(), 7);
  EXPECT_TRUE(button.Look().rightToLeft);
  EXPECT_EQ(Run("10(\"Box\",\"Main\").9(-3)\n10(\"Label\",\"Main\").9(13)"), std::nullopt);
  EXPECT_EQ(Obj<VxShapeObject>("Box").Shape.Cursor, 0);  // a negative number is the default
  EXPECT_EQ(Obj<TVXText>("Label").Cursor, 13);
}

TEST_F(MethodsTest, MovingToAnUnknownPageLeavesTheObject) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").11(\"Nowhere\")"), std::nullopt);
  EXPECT_NE(Find("Label"), nullptr);
  EXPECT_EQ(Find("Label")->Page(), &app->MainForm()->Components());
}

TEST_F(MethodsTest, MovingToAnotherPageTakesTheObjectAndItsControl) {
  Load();
  EXPECT_EQ(Run("10(\"Label\",\"Main\").11(\"SECOND\")\n10(\"Go\",\"Main\").11(\"second\")"), std::nullopt);
  EXPECT_EQ(Find("Label"), nullptr);
  ASSERT_NE(Find("Label", 2), nullptr);
  EXPECT_EQ(Find("Label", 2)->Page(), &app->forms[1]->Components());
  auto& button = dynamic_cast<sim::SimButton&>(Obj<TVXButton>("Go", 2).NativeButton());
  EXPECT_EQ(&button.Owner(), desktop.forms.FindByName("VX_APPLICATION_FORM2"));
  EXPECT_TRUE(button.IsVisible());
  // Statements now find it on its new page only.
  EXPECT_EQ(Run("10(\"Go\",\"Second\").12(\"Moved\")\n10(\"Go\",\"Main\").12(\"Lost\")"), std::nullopt);
  EXPECT_EQ(button.Caption(), "Moved");
}

TEST_F(MethodsTest, APageThatHasTheNameTakesNoSecondObjectOfIt) {
  project.pages[1].AddText("Label");
  Load();
  TVXObject* label = Find("Label");
  EXPECT_EQ(Run("10(\"Label\",\"Main\").11(\"Second\")"), std::nullopt);
  EXPECT_EQ(Find("Label"), label);
  EXPECT_NE(Find("Label", 2), label);
}

TEST_F(MethodsTest, DeletingTakesTheObjectAtOnceAndFreesItAfterTheScripts) {
  Load();
  auto* window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
  const std::size_t controls = window->Controls().size();
  EXPECT_EQ(Run("10(\"Name\",\"Main\").0\n10(\"Clock\",\"Main\").0"), std::nullopt);
  EXPECT_EQ(Find("Name"), nullptr);
  EXPECT_EQ(Find("Clock"), nullptr);
  // Later statements that name them do nothing.
  EXPECT_EQ(Run("10(\"Name\",\"Main\").12(\"x\")"), std::nullopt);
  EXPECT_TRUE(app->MainForm()->Components().HasRetired());
  desktop.loop.RunPosted();
  EXPECT_FALSE(app->MainForm()->Components().HasRetired());
  EXPECT_EQ(window->Controls().size(), controls - 1);
}

TEST_F(MethodsTest, DeletingTakesTheCompanionsToo) {
  Load();
  PageObjects& objects = app->MainForm()->Components();
  auto companion = std::make_unique<TVXText>();
  companion->Name = "TRKLabel";
  TVXObject& track = objects.Add(std::move(companion));
  track.Place(objects);
  EXPECT_EQ(Run("10(\"Label\",\"Main\").0"), std::nullopt);
  EXPECT_EQ(objects.Find("TRKLabel"), nullptr);
  EXPECT_EQ(objects.Find("OBJLabel"), nullptr);
  EXPECT_NE(objects.Find("OBJName"), nullptr);
}

}  // namespace
}  // namespace vx
