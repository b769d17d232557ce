#include <gtest/gtest.h>

#include "host/application.h"
#include "host/component_factory.h"
#include "host/pages.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_button.h"
#include "objects/vx_edit.h"
#include "objects/vx_image.h"
#include "objects/vx_shape.h"
#include "objects/vx_text.h"
#include "objects/vx_timer.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"
#include "script/shift.h"
#include "tests/support/sim_fixture.h"
#include "tools/common/container_writer.h"
#include "util/error.h"

namespace vx {
namespace {

constexpr char kFailure[] =
    "Application could not be intialized, run the application again or recompile your Corvantis\x99 project."
    "\r\n\r\nDetailed Error:\r\n";

class ObjectLoaderTest : public ::testing::Test {
 protected:
  ObjectLoaderTest() { project.AddPage("Main"); }

  tools::PageModel& Page(std::size_t i = 0) { return project.pages[i]; }

  void Load() {
    test::InstallPresentation(desktop, project);
    ASSERT_EQ(Start(), std::nullopt);
  }
  std::optional<int> Start() {
    return test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); });
  }

  template <typename T>
  T& Object(const std::string& name, std::size_t page = 0) {
    TVXObject* o = app->forms.at(page)->Components().Find("OBJ" + name);
    EXPECT_NE(o, nullptr) << name;
    T* typed = dynamic_cast<T*>(o);
    if (typed == nullptr) throw std::runtime_error("no object " + name);
    return *typed;
  }

  std::vector<std::string> ZOrder(std::size_t page = 0) {
    std::vector<std::string> names;
    for (const auto& o : app->forms.at(page)->Components().InZOrder()) names.push_back(o->Name);
    return names;
  }

  std::string FailureText() {
    return desktop.dialogs.Shown().empty() ? std::string() : desktop.dialogs.Shown().back().text;
  }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
};

std::string SmallPng(Rgba colour) {
  RgbaImage image(4, 3, colour);
  return sim::EncodePng(image);
}

TEST_F(ObjectLoaderTest, TextLeftFieldCarriesTheEnabledDigit) {
  auto& on = Page().AddText("On");
  on.bounds = {100, 20, 50, 15};
  auto& off = Page().AddText("Off");
  off.bounds = {100, 40, 50, 15};
  off.enabled = false;
  Load();
  auto& a = Object<TVXText>("On");
  auto& b = Object<TVXText>("Off");
  // The fields read "1011" and "1010"; top is stored one higher.
  EXPECT_EQ(a.BoundsRect(), (platform::Rect{100, 20, 50, 15}));
  EXPECT_TRUE(a.Enabled());
  EXPECT_EQ(b.BoundsRect().left, 100);
  EXPECT_FALSE(b.Enabled());
}

TEST_F(ObjectLoaderTest, TextHeaderSetsFontColoursAndLayout) {
  auto& t = Page().AddText("Title");
  t.caption = "Hello";
  t.font = {"Arial", 178, 14, true, false, true, false, platform::MakeColor(200, 10, 20)};
  t.rightToLeft = true;
  t.transparent = false;
  t.alignment = 2;
  t.layout = 3;
  t.colorEvents = true;
  t.background = platform::MakeColor(1, 2, 3);
  t.colorHover = platform::MakeColor(4, 5, 6);
  t.colorClick = platform::MakeColor(7, 8, 9);
  t.cursor = 7;
  t.hint = "say \\qhi\\q";
  t.scripts.mouseUp = "10(\"a\")\n10(\"b\")";
  Load();
  auto& o = Object<TVXText>("Title");
  EXPECT_EQ(o.Caption, "Hello");
  EXPECT_EQ(o.Font.name, "Arial");
  EXPECT_EQ(o.Font.charset, 178);
  EXPECT_EQ(o.Font.size, 14);
  EXPECT_TRUE(o.Font.bold);
  EXPECT_FALSE(o.Font.italic);
  EXPECT_TRUE(o.Font.underline);
  EXPECT_EQ(o.FontColor, platform::MakeColor(200, 10, 20));
  EXPECT_EQ(o.ColorNormal, o.FontColor);
  EXPECT_TRUE(o.RightToLeft);
  EXPECT_FALSE(o.Transparent);
  EXPECT_EQ(o.Alignment, platform::TextAlignment::Center);
  EXPECT_EQ(o.Layout, platform::TextLayout::Bottom);
  EXPECT_TRUE(o.ColorEvents);
  EXPECT_EQ(o.Color, platform::MakeColor(1, 2, 3));
  EXPECT_EQ(o.ColorHover, platform::MakeColor(4, 5, 6));
  EXPECT_EQ(o.ColorClick, platform::MakeColor(7, 8, 9));
  EXPECT_EQ(o.RealCursor, 7);
  EXPECT_EQ(o.Cursor, 7);
  EXPECT_EQ(o.Hint, "say \"hi\"");
  EXPECT_TRUE(o.ShowHint);
  EXPECT_EQ(o.evntMUp, (LineList{"10(\"a\")", "10(\"b\")"}));
  EXPECT_TRUE(o.Placed());
}

TEST_F(ObjectLoaderTest, EmptyHintSwitchesHintsOff) {
  Page().AddButton("Go").hint = "";
  Load();
  EXPECT_FALSE(Object<TVXButton>("Go").ShowHint);
}

TEST_F(ObjectLoaderTest, ShapeFormCodesWithTheVariantFlag) {
  auto& round = Page().AddShape("Round");
  round.form = 1;
  round.variant = true;
  auto& square = Page().AddShape("Box");
  square.form = 1;
  auto& line = Page().AddShape("Back");
  line.form = 3;
  line.variant = true;
  auto& plain = Page().AddShape("Fwd");
  plain.form = 3;
  auto& hot = Page().AddShape("Hot");
  hot.form = 8;
  hot.penStyle = 1;  // solid, then cleared by the form
  hot.hint = "Map";
  hot.points = {{0, 0}, {30, 5}, {-2, 40}};
  Load();
  EXPECT_EQ(Object<VxShapeObject>("Round").Shape.Shape(), stRoundRect);
  EXPECT_EQ(Object<VxShapeObject>("Box").Shape.Shape(), stRectangle);
  EXPECT_EQ(Object<VxShapeObject>("Back").Shape.Shape(), stLine);
  EXPECT_TRUE(Object<VxShapeObject>("Back").Shape.Reverse());
  EXPECT_FALSE(Object<VxShapeObject>("Fwd").Shape.Reverse());
  auto& area = Object<VxShapeObject>("Hot");
  EXPECT_EQ(area.Shape.Shape(), stPolygon);
  EXPECT_EQ(area.Shape.Pen().style, platform::PenStyle::Clear);
  EXPECT_EQ(area.Tag, 8);  // the form code rides in the tag
  EXPECT_EQ(area.Hint, "Map");
  ASSERT_EQ(area.Shape.Points.size(), 3u);
  EXPECT_EQ(area.Shape.Points[1], (platform::Point{30, 5}));
  EXPECT_EQ(area.Shape.Points[2], (platform::Point{-2, 40}));
}

TEST_F(ObjectLoaderTest, ShapeColoursStylesAndInvertingPen) {
  auto& s = Page().AddShape("S");
  s.brushStyle = 0;  // clear
  s.penStyle = 3;    // dash
  s.invertPen = true;
  s.brushColor = platform::MakeColor(10, 20, 30);
  s.penColor = platform::MakeColor(40, 50, 60);
  s.form = 2;
  s.bounds = {5, 6, 70, 80};
  Load();
  const TVXShape& shape = Object<VxShapeObject>("S").Shape;
  EXPECT_EQ(shape.Shape(), stEllipse);
  EXPECT_EQ(shape.Brush().style, platform::BrushStyle::Clear);
  EXPECT_EQ(shape.Brush().color, platform::MakeColor(10, 20, 30));
  EXPECT_EQ(shape.Pen().style, platform::PenStyle::Dash);
  EXPECT_EQ(shape.Pen().mode, platform::PenMode::Invert);
  EXPECT_EQ(shape.Pen().color, platform::MakeColor(40, 50, 60));
  EXPECT_EQ(shape.BoundsRect(), (platform::Rect{5, 6, 70, 80}));
  EXPECT_EQ(shape.Parent(), &app->forms[0]->Components());
}

TEST_F(ObjectLoaderTest, EditTakesThePasswordByteRaw) {
  auto& e = Page().AddEdit("Pin");
  e.passwordChar = '*';
  e.maxLength = 4;
  e.charCase = 1;
  e.border = 1;  // code 1: no border
  e.color = platform::MakeColor(250, 250, 200);
  e.colorEnter = platform::MakeColor(1, 1, 1);
  e.colorEnterFont = platform::MakeColor(2, 2, 2);
  e.text = "ab";
  e.changeScript = "x=1";
  Load();
  auto& edit = Object<TVXEdit>("Pin");
  EXPECT_EQ(edit.PasswordChar(), '*');
  EXPECT_EQ(edit.MaxLength(), 4);
  EXPECT_EQ(edit.CharCase(), platform::CharCase::Upper);
  EXPECT_EQ(edit.BorderStyle(), platform::EditBorderStyle::None);
  EXPECT_EQ(edit.Color(), platform::MakeColor(250, 250, 200));
  EXPECT_EQ(edit.ColorNormal, platform::MakeColor(250, 250, 200));
  EXPECT_EQ(edit.ColorEnter, platform::MakeColor(1, 1, 1));
  EXPECT_EQ(edit.ColorEnterF, platform::MakeColor(2, 2, 2));
  EXPECT_EQ(edit.evntCH, (LineList{"x=1"}));
  EXPECT_EQ(edit.Text(), "AB");
  auto* box = dynamic_cast<sim::SimEditBox*>(&edit.Box());
  ASSERT_NE(box, nullptr);
  box->SetSelection(2, 0);
  box->TypeText("cde");  // the fourth character is refused
  EXPECT_EQ(edit.Text(), "ABCD");
  EXPECT_EQ(box->ShownText(), "****");
}

TEST_F(ObjectLoaderTest, EditWithoutPasswordShowsItsText) {
  Page().AddEdit("Name").text = "Rostam";
  Load();
  auto& edit = Object<TVXEdit>("Name");
  EXPECT_EQ(edit.PasswordChar(), '\0');
  EXPECT_TRUE(edit.Box().IsVisible());
  EXPECT_EQ(dynamic_cast<sim::SimEditBox&>(edit.Box()).ShownText(), "Rostam");
}

TEST_F(ObjectLoaderTest, ButtonHeaderAndFields) {
  auto& b = Page().AddButton("Ok");
  b.caption = "OK";
  b.isDefault = true;
  b.enabled = false;
  b.rightToLeft = true;
  b.font.italic = true;
  b.tabOrder = 3;
  b.cursor = 9;
  b.bounds = {10, 20, 80, 30};
  Load();
  auto& o = Object<TVXButton>("Ok");
  EXPECT_EQ(o.Caption(), "OK");
  EXPECT_TRUE(o.Default());
  EXPECT_FALSE(o.Enabled());
  EXPECT_FALSE(o.NativeButton().IsEnabled());
  EXPECT_TRUE(o.RightToLeft());
  EXPECT_TRUE(o.Look().font.italic);
  EXPECT_EQ(o.TabOrder(), 3);
  EXPECT_EQ(o.Cursor, 9);
  EXPECT_EQ(o.RealCursor, 0);  // the button's record does not set it
  EXPECT_EQ(o.NativeButton().Bounds(), (platform::Rect{10, 20, 80, 30}));
}

TEST_F(ObjectLoaderTest, PictureGoesThroughIdataInTheTempFolder) {
  auto& p = Page().AddPicture("Photo");
  p.fileName = "holiday\\photo.png";
  p.image = SmallPng({255, 0, 0, 255});
  p.bounds = {1, 2, 40, 30};
  p.stretch = true;
  Load();
  auto& image = Object<TVXImage>("Photo");
  const std::string path = app->tempFolder + "IDATA.png";
  EXPECT_EQ(image.ImgPath, path);
  EXPECT_EQ(desktop.files.Contents(path), p.image);
  EXPECT_EQ(image.Picture().Width(), 4);
  EXPECT_EQ(image.DestRect(), (platform::Rect{0, 0, 40, 30}));
}

TEST_F(ObjectLoaderTest, EveryPictureReusesTheFileOfItsExtension) {
  auto& first = Page().AddPicture("A");
  first.fileName = "a.png";
  first.image = SmallPng({255, 0, 0, 255}) + std::string(100, '\0');  // longer than the next
  auto& second = Page().AddPicture("B");
  second.fileName = "b.PNG";
  second.image = SmallPng({0, 0, 255, 255});
  Load();
  // Only the last picture is left, and nothing of the one before it.
  EXPECT_EQ(desktop.files.Contents(app->tempFolder + "IDATA.png"), second.image);
  EXPECT_EQ(ColorOf(Object<TVXImage>("B").Picture().frames[0].image.At(0, 0)), platform::MakeColor(0, 0, 255));
}

TEST_F(ObjectLoaderTest, PictureHeaderCarriesTheTransparentColour) {
  RgbaImage bmp(2, 1, {0, 255, 0, 255});
  bmp.At(1, 0) = {9, 9, 9, 255};
  auto& p = Page().AddPicture("Key");
  p.fileName = "k.png";
  p.image = sim::EncodePng(bmp);
  p.transparent = true;
  p.transparentColor = platform::MakeColor(0, 255, 0);
  Load();
  auto& image = Object<TVXImage>("Key");
  EXPECT_TRUE(image.Transparent);
  EXPECT_EQ(image.TransparentColor, platform::MakeColor(0, 255, 0));
}

TEST_F(ObjectLoaderTest, MissingPictureResourceEndsTheStartUp) {
  auto& p = Page().AddPicture("Gone");
  p.image = SmallPng({1, 2, 3, 255});
  p.fileName = "x.png";
  desktop.files.SetOwnExecutable(test::kOwnExecutable, test::ExecutableWithTrailer(test::kDeliveredTrailer));
  for (const auto& r : tools::WriteResources(project))
    if (r.name != "IDATA1") desktop.files.SetOwnResource(r.name, r.bytes);
  EXPECT_EQ(Start(), 1);
  EXPECT_EQ(FailureText(), std::string(kFailure) + "The picture resource IDATA1 is missing.");
}

TEST_F(ObjectLoaderTest, UnreadablePictureEndsTheStartUp) {
  auto& p = Page().AddPicture("Junk");
  p.image = "not a picture";
  p.fileName = "x.png";
  test::InstallPresentation(desktop, project);
  EXPECT_EQ(Start(), 1);
  EXPECT_NE(FailureText().find("cannot be read"), std::string::npos) << FailureText();
}

TEST_F(ObjectLoaderTest, NonNumberInANumericFieldEndsTheStartUp) {
  Page().AddTimer("Tick").interval = 987654;
  test::InstallPresentation(desktop, project);
  std::string pdata = tools::WriteContainer(project);
  const std::string number = ShiftEncode("987654", tools::kDefaultProjectKey);
  const auto at = pdata.find(number);
  ASSERT_NE(at, std::string::npos);
  pdata.replace(at, number.size(), ShiftEncode("98x654", tools::kDefaultProjectKey));
  desktop.files.SetOwnResource("PDATA", pdata);
  EXPECT_EQ(Start(), 1);
  ASSERT_EQ(FailureText().rfind(kFailure, 0), 0u) << FailureText();
  EXPECT_NE(FailureText().find("98x654"), std::string::npos) << FailureText();
}

TEST_F(ObjectLoaderTest, TimerRecord) {
  auto& t = Page().AddTimer("Clock");
  t.interval = 250;
  t.numberOfLoops = 3;
  t.script = "a=1\nb=2";
  auto& idle = Page().AddTimer("Idle");
  idle.enabled = false;
  Load();
  auto& clock = Object<TVXTimer>("Clock");
  EXPECT_TRUE(clock.Enabled());
  EXPECT_EQ(clock.Interval(), 250u);
  EXPECT_EQ(clock.NumberOfLoops, 3);
  EXPECT_EQ(clock.TickCount, 0);
  EXPECT_EQ(clock.evntTimer, (LineList{"a=1", "b=2"}));
  EXPECT_FALSE(Object<TVXTimer>("Idle").Enabled());
}

TEST_F(ObjectLoaderTest, ZOrderAfterLoadingKeepsTimersBelow) {
  Page().AddText("A");
  Page().AddEdit("B");
  Page().AddTimer("T");
  Page().AddShape("C");
  auto& second = project.AddPage("Two");
  second.AddTimer("U");
  second.AddButton("D");
  Load();
  EXPECT_EQ(ZOrder(0), (std::vector<std::string>{"OBJT", "OBJA", "OBJB", "OBJC"}));
  EXPECT_EQ(ZOrder(1), (std::vector<std::string>{"OBJU", "OBJD"}));
}

TEST_F(ObjectLoaderTest, ObjectsOfOnePageShareNoName) {
  Page().AddText("Same");
  Page().AddShape("Same");
  test::InstallPresentation(desktop, project);
  EXPECT_EQ(Start(), 1);
  EXPECT_EQ(FailureText(), std::string(kFailure) + "A component named OBJSame already exists.");
}

TEST_F(ObjectLoaderTest, SameNameOnTwoPagesIsFine) {
  Page().AddText("Same");
  project.AddPage("Two").AddText("Same");
  Load();
  EXPECT_NE(app->forms.at(1)->Components().Find("OBJSame"), nullptr);
}

TEST(ComponentFactory, ClonesByClassNameWithoutRegardToCase) {
  sim::SimDesktop desktop;
  test::InstallPresentation(desktop, test::OnePageProject());
  std::unique_ptr<Application> app = StartPlayer(desktop.Platform());
  TVXForm& page = *app->forms[0];
  TVXObject& text = CloneComponent(*app, page, "tvxtext");
  EXPECT_EQ(text.Name, "new_vexorelle_new_text");
  EXPECT_EQ(text.Kind(), ObjectKind::Text);
  EXPECT_FALSE(text.Placed());
  EXPECT_EQ(CloneComponent(*app, page, "TVXTimer").Name, "new_vexorelle_new_timer");
  EXPECT_EQ(page.Components().InZOrder().back()->Kind(), ObjectKind::Timer);
  EXPECT_THROW(CloneComponent(*app, page, "TVXSoundless"), Error);
}

TEST(ComponentFactory, CursorNumbers) {
  EXPECT_EQ(GetCursorByNum(0), 0);
  EXPECT_EQ(GetCursorByNum(12), 12);
  EXPECT_EQ(GetCursorByNum(13), 13);  // custom cursor 1
  EXPECT_EQ(GetCursorByNum(-5), 0);
}

TEST_F(ObjectLoaderTest, PageQueriesAnswerForPagesAndObjects) {
  Page().width = 300;
  Page().height = 200;
  Page().AddText("Shown");
  Page().AddText("Hidden").visible = false;
  project.AddPage("Other").width = 123;
  Load();
  app->forms[0]->Window().Show();
  PageQueries& q = *app->eval.pages;
  EXPECT_EQ(q.CurrentPageNumber(), 1);
  EXPECT_EQ(q.PageClientSize(""), (platform::Size{300, 200}));
  EXPECT_EQ(q.PageClientSize("other").width, 123);
  EXPECT_THROW(q.PageClientSize("nowhere"), Error);
  EXPECT_TRUE(q.ObjectVisible("Shown"));
  EXPECT_FALSE(q.ObjectVisible("Hidden"));
  EXPECT_THROW(q.ObjectVisible("Nobody"), Error);
  EXPECT_THROW(q.MediaVolume("Shown"), Error);
  const platform::Rect bounds = app->forms[0]->Window().Bounds();
  EXPECT_EQ(q.CurrentPageOrigin(), (platform::Point{bounds.left, bounds.top}));
  const platform::Point origin = app->forms[0]->Window().ClientOrigin();
  EXPECT_EQ(q.ScreenToCurrentPage({origin.x + 7, origin.y + 9}), (platform::Point{7, 9}));
}

}  // namespace
}  // namespace vx
