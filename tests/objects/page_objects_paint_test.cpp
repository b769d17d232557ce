// The page list paints only the objects that meet the canvas's paint area,
// bottom first, and marks areas on its window instead of painting.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "objects/page_objects.h"
#include "objects/vx_text.h"
#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_desktop.h"

namespace vx {
namespace {

class NoteText : public TVXText {
 public:
  // It draws nothing, so it hides nothing under it unless a test says so.
  explicit NoteText(std::vector<std::string>& painted, bool opaque = false) : painted_(painted) {
    Transparent = !opaque;
  }
  void Paint(platform::Canvas&) override { painted_.push_back(Name); }

 private:
  std::vector<std::string>& painted_;
};

class PageObjectsPaintTest : public ::testing::Test {
 protected:
  PageObjectsPaintTest() : window(desktop.forms.OpenWindow({})), objects(*window, nullptr) {
    window->SetClientSize({200, 100});
  }
  TVXObject& Add(const std::string& name, platform::Rect bounds, bool opaque = false) {
    auto text = std::make_unique<NoteText>(painted, opaque);
    text->Name = name;
    TVXObject& added = objects.Add(std::move(text));
    added.SetBounds(bounds);
    added.Place(objects);
    return added;
  }
  std::vector<std::string> PaintedIn(platform::Rect area) {
    painted.clear();
    sim::SimSurface surface({200, 100});
    sim::SimCanvas canvas(surface, area);
    objects.Paint(canvas);
    return painted;
  }
  sim::SimWindow& Sim() { return static_cast<sim::SimWindow&>(*window); }

  sim::SimDesktop desktop;
  std::unique_ptr<platform::Window> window;
  PageObjects objects;
  std::vector<std::string> painted;
};

TEST_F(PageObjectsPaintTest, OnlyWhatMeetsTheAreaIsPaintedBottomFirst) {
  Add("a", {0, 0, 50, 50});
  Add("b", {40, 40, 50, 50});
  Add("c", {100, 0, 20, 20});
  Add("d", {10, 10, 10, 10});
  EXPECT_EQ(PaintedIn({45, 45, 1, 1}), (std::vector<std::string>{"a", "b"}));
  // Edges: an area that ends where an object starts does not meet it.
  EXPECT_EQ(PaintedIn({50, 0, 50, 40}), (std::vector<std::string>{}));
  EXPECT_EQ(PaintedIn({90, 0, 11, 1}), (std::vector<std::string>{"c"}));
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"a", "b", "c", "d"}));
  objects.BringToFront(*objects.Find("a"));
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"b", "c", "d", "a"}));
}

TEST_F(PageObjectsPaintTest, AWholeCanvasPaintsEverything) {
  Add("a", {0, 0, 50, 50});
  Add("far", {150, 80, 50, 20});
  painted.clear();
  sim::SimSurface surface({200, 100});
  sim::SimCanvas canvas(surface);
  objects.Paint(canvas);
  EXPECT_EQ(painted, (std::vector<std::string>{"a", "far"}));
}

TEST_F(PageObjectsPaintTest, ChangesMarkTheirAreasWithoutPainting) {
  window->Show();
  TVXObject& a = Add("a", {10, 10, 20, 20});
  Sim().Snapshot();
  const int paints = Sim().Repaints();
  a.SetBounds({100, 50, 20, 20});
  a.SetVisible(false);
  EXPECT_EQ(Sim().Repaints(), paints);
  ASSERT_TRUE(Sim().PendingArea().has_value());
  EXPECT_EQ(*Sim().PendingArea(), (platform::Rect{10, 10, 110, 60}));
  // Asked to paint now (a repaint method), the whole page paints at once.
  objects.InvalidateArea({0, 0, 5, 5}, true);
  EXPECT_EQ(Sim().Repaints(), paints + 1);
  EXPECT_EQ(Sim().LastPaintArea(), (platform::Rect{0, 0, 200, 100}));
  EXPECT_FALSE(Sim().PendingArea().has_value());
}

TEST_F(PageObjectsPaintTest, WhatAnOpaqueObjectHidesInTheAreaIsNotDrawn) {
  Add("under", {0, 0, 100, 50});
  Add("cover", {20, 10, 40, 20}, true);
  // The area's part of "under" lies wholly under "cover".
  EXPECT_EQ(PaintedIn({25, 15, 10, 10}), (std::vector<std::string>{"cover"}));
  EXPECT_EQ(PaintedIn({20, 10, 40, 20}), (std::vector<std::string>{"cover"}));
  // One pixel out at each side, and "under" shows.
  EXPECT_EQ(PaintedIn({19, 10, 40, 20}), (std::vector<std::string>{"under", "cover"}));
  EXPECT_EQ(PaintedIn({21, 10, 40, 20}), (std::vector<std::string>{"under", "cover"}));
  EXPECT_EQ(PaintedIn({20, 9, 40, 20}), (std::vector<std::string>{"under", "cover"}));
  EXPECT_EQ(PaintedIn({20, 11, 40, 20}), (std::vector<std::string>{"under", "cover"}));
}

TEST_F(PageObjectsPaintTest, OnlyAnOpaqueObjectAboveHides) {
  TVXObject& glass = Add("glass", {0, 0, 200, 100});
  Add("mid", {10, 10, 10, 10});
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"glass", "mid"}));
  // Under the objects, an opaque one hides nothing above it.
  static_cast<TVXText&>(glass).Transparent = false;
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"glass", "mid"}));
  objects.BringToFront(glass);
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"glass"}));
  // A hidden or deleted cover hides nothing.
  glass.SetVisible(false);
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"mid"}));
  glass.SetVisible(true);
  objects.Retire(glass);
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"mid"}));
}

TEST_F(PageObjectsPaintTest, HiddenObjectsOfACrowdedPageStayHidden) {
  // Many opaque layers over one strip: only the top one is drawn, and one
  // more beside it shows.
  for (int i = 0; i < 300; ++i) Add("t" + std::to_string(i), {0, 0, 60, 18}, true);
  Add("beside", {70, 0, 60, 18}, true);
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"t299", "beside"}));
}

// Real texts: sizes come from their captions even when they are not drawn.
class PageTextPaintTest : public PageObjectsPaintTest {
 protected:
  TVXText& AddText(const std::string& name, const std::string& caption, platform::Rect bounds) {
    auto text = std::make_unique<TVXText>();
    text->Name = name;
    text->Caption = caption;
    TVXText& added = static_cast<TVXText&>(objects.Add(std::move(text)));
    added.SetBounds(bounds);
    added.Place(objects);
    return added;
  }
  platform::Size Measured(const std::string& caption, const platform::FontSpec& font) {
    sim::SimSurface surface({200, 100});
    sim::SimCanvas canvas(surface);
    return canvas.MeasureText(caption, font);
  }
};

TEST_F(PageTextPaintTest, ACoveredAutoSizedTextStillTakesItsCaptionsSize) {
  TVXText& under = AddText("under", "Under it", {10, 10, 4, 4});
  Add("cover", {0, 0, 200, 100}, true);
  EXPECT_EQ(PaintedIn({0, 0, 200, 100}), (std::vector<std::string>{"cover"}));
  const platform::Size s = Measured("Under it", under.Font);
  EXPECT_EQ(under.BoundsRect(), (platform::Rect{10, 10, s.width, s.height}));
}

TEST_F(PageTextPaintTest, AKeptSizeFollowsTheCaptionAndTheFont) {
  TVXText& text = AddText("text", "Short", {0, 0, 5, 5});
  PaintedIn({0, 0, 200, 100});
  platform::Size s = Measured("Short", text.Font);
  EXPECT_EQ(text.BoundsRect(), (platform::Rect{0, 0, s.width, s.height}));
  text.Caption = "A much longer caption";
  PaintedIn({0, 0, 200, 100});
  s = Measured(text.Caption, text.Font);
  EXPECT_EQ(text.BoundsRect(), (platform::Rect{0, 0, s.width, s.height}));
  const platform::Size before = s;
  text.Font.size = 20;
  PaintedIn({0, 0, 200, 100});
  s = Measured(text.Caption, text.Font);
  EXPECT_GT(s.height, before.height);
  EXPECT_EQ(text.BoundsRect(), (platform::Rect{0, 0, s.width, s.height}));
  // A size set from outside goes back to the caption's at the next paint.
  text.SetBounds({0, 0, 3, 3});
  PaintedIn({0, 0, 200, 100});
  EXPECT_EQ(text.BoundsRect(), (platform::Rect{0, 0, s.width, s.height}));
}

}  // namespace
}  // namespace vx
