#include <gtest/gtest.h>

#include <fstream>

#include "host/application.h"
#include "host/startup.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_edit.h"
#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_pictures.h"
#include "tests/support/sim_fixture.h"

namespace vx {
namespace {

using platform::MakeColor;

// "سلام" in the system code page of Persian Windows.
constexpr char kSalam[] = "\xD3\xE1\xC7\xE3";

class ControlsScreenshotTest : public ::testing::Test {
 protected:
  ControlsScreenshotTest() {
    auto& page = project.AddPage("Main");
    page.width = 320;
    page.height = 200;
    page.flags.windowColor = MakeColor(240, 240, 240);

    auto& sign = page.AddText("Sign");
    sign.bounds = {10, 10, 100, 20};
    sign.caption = "Hi";
    sign.transparent = false;
    sign.background = MakeColor(255, 255, 0);

    auto& farsi = page.AddText("Farsi");
    farsi.bounds = {10, 40, 200, 30};
    farsi.caption = kSalam;
    farsi.rightToLeft = true;
    farsi.font.name = "DejaVu Sans";
    farsi.font.charset = 178;  // ARABIC_CHARSET
    farsi.font.size = 14;

    auto& box = page.AddShape("Box");
    box.bounds = {220, 10, 40, 30};
    box.brushStyle = 1;
    box.penStyle = 1;
    box.brushColor = MakeColor(255, 0, 0);
    box.penColor = 0;

    auto& edit = page.AddEdit("Name");
    edit.bounds = {10, 80, 120, 22};
    edit.text = "abc";
    edit.border = 0;  // code 0: a single border, sunken with the 3-D look

    auto& button = page.AddButton("Go");
    button.bounds = {150, 80, 80, 25};
    button.caption = "Go";

    auto& picture = page.AddPicture("Dot");
    picture.bounds = {250, 60, 20, 20};
    picture.stretch = true;
    picture.fileName = "dot.png";
    picture.image = sim::EncodePng(RgbaImage(4, 3, {0, 0, 255, 255}));

    // Made in this order, so the text lies above the shape.
    auto& under = page.AddShape("Under");
    under.bounds = {10, 130, 30, 30};
    under.brushStyle = 1;
    under.penStyle = 0;
    under.brushColor = MakeColor(0, 160, 0);
    auto& over = page.AddText("Over");
    over.bounds = {20, 140, 40, 20};
    over.transparent = false;
    over.background = MakeColor(255, 0, 255);

    auto& timer = page.AddTimer("Clock");
    timer.interval = 100;
  }

  void Load() {
    test::InstallPresentation(desktop, project);
    ASSERT_EQ(test::ExitCodeOf([&] { app = StartPlayer(desktop.Platform()); }), std::nullopt);
    window = desktop.forms.FindByName("VX_APPLICATION_FORM1");
    ASSERT_NE(window, nullptr);
  }

  platform::Color At(int x, int y) { return ColorOf(window->PixelAt(x, y)); }

  // Whether any pixel of the area is much darker than the page.
  bool Inked(const RgbaImage& shot, platform::Rect area) {
    for (int y = area.top; y < area.Bottom(); ++y)
      for (int x = area.left; x < area.Right(); ++x)
        if (shot.At(x, y).r < 128) return true;
    return false;
  }

  sim::SimDesktop desktop;
  tools::ProjectModel project;
  std::unique_ptr<Application> app;
  sim::SimWindow* window = nullptr;
};

TEST_F(ControlsScreenshotTest, EveryControlKindOnThePage) {
  Load();
  const RgbaImage shot = window->Snapshot();
  ASSERT_EQ(shot.Width(), 320);
  ASSERT_EQ(shot.Height(), 200);
  std::ofstream(::testing::TempDir() + "controls_page.png", std::ios::binary) << window->Screenshot();

  EXPECT_EQ(At(5, 5), MakeColor(240, 240, 240));    // the page
  EXPECT_EQ(At(105, 25), MakeColor(255, 255, 0));   // the text's own colour
  EXPECT_EQ(At(111, 25), MakeColor(240, 240, 240)); // just beside it

  // Right to left: the Persian word sits at the right end of its box.
  EXPECT_TRUE(Inked(shot, {110, 40, 100, 30}));
  EXPECT_FALSE(Inked(shot, {10, 40, 100, 30}));

  EXPECT_EQ(At(220, 10), 0u);                   // the shape's outline
  EXPECT_EQ(At(240, 25), MakeColor(255, 0, 0)); // and its brush

  EXPECT_EQ(At(10, 80), MakeColor(128, 128, 128));  // the edit's sunken border
  EXPECT_EQ(At(11, 81), MakeColor(64, 64, 64));
  EXPECT_EQ(At(125, 95), 0xFFFFFFu);                // its colour

  EXPECT_EQ(At(150, 80), 0xFFFFFFu);                // the button's raised border
  EXPECT_EQ(At(229, 104), MakeColor(64, 64, 64));
  EXPECT_EQ(At(153, 83), platform::kButtonFaceColor);

  EXPECT_EQ(At(255, 65), MakeColor(0, 0, 255));     // the stretched picture
  EXPECT_EQ(At(269, 79), MakeColor(0, 0, 255));

  EXPECT_EQ(At(12, 132), MakeColor(0, 160, 0));     // z-order: text above shape
  EXPECT_EQ(At(30, 150), MakeColor(255, 0, 255));
}

TEST_F(ControlsScreenshotTest, TypedTextShowsInTheEditBox) {
  Load();
  auto* edit = dynamic_cast<TVXEdit*>(app->forms[0]->Components().Find("OBJName"));
  ASSERT_NE(edit, nullptr);
  auto& box = dynamic_cast<sim::SimEditBox&>(edit->Box());
  const RgbaImage before = window->Snapshot();
  box.SetSelection(3, 0);
  box.TypeText(std::string("d\b\b") + kSalam);
  EXPECT_EQ(edit->Text(), std::string("ab") + kSalam);
  EXPECT_TRUE(box.HasFocus());
  EXPECT_NE(window->Snapshot(), before);
}

TEST_F(ControlsScreenshotTest, HiddenObjectsAreNotDrawn) {
  project.pages[0].AddShape("Ghost").bounds = {280, 150, 20, 20};
  std::get<tools::ShapeModel>(project.pages[0].objects.back()).visible = false;
  std::get<tools::ShapeModel>(project.pages[0].objects.back()).brushColor = 0;
  Load();
  EXPECT_EQ(At(290, 160), MakeColor(240, 240, 240));
}

}  // namespace
}  // namespace vx
