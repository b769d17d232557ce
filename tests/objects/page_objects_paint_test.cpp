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
  explicit NoteText(std::vector<std::string>& painted) : painted_(painted) {}
  void Paint(platform::Canvas&) override { painted_.push_back(Name); }

 private:
  std::vector<std::string>& painted_;
};

class PageObjectsPaintTest : public ::testing::Test {
 protected:
  PageObjectsPaintTest() : window(desktop.forms.OpenWindow({})), objects(*window, nullptr) {
    window->SetClientSize({200, 100});
  }
  TVXObject& Add(const std::string& name, platform::Rect bounds) {
    auto text = std::make_unique<NoteText>(painted);
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

}  // namespace
}  // namespace vx
