#include "objects/shape_component.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_pictures.h"
#include "tests/support/recording_canvas.h"

namespace vx {
namespace {

using platform::Point;
using test::RecordingCanvas;

class FakeParent : public ShapeParent {
 public:
  void InvalidateArea(platform::Rect, bool now) override { (now ? paintsNow : invalidations)++; }
  int PageCursor() const override { return 7; }
  int invalidations = 0;
  int paintsNow = 0;
};

class ShapeTest : public ::testing::Test {
 protected:
  void Make(TShapeType kind, int width, int height, int penWidth = 1) {
    shape.SetParent(&parent);
    shape.SetBounds({0, 0, width, height});
    shape.SetShape(kind);
    platform::Pen pen;
    pen.width = penWidth;
    shape.SetPen(pen);
  }
  std::vector<std::string> Painted() {
    RecordingCanvas canvas;
    shape.Paint(canvas);
    last = canvas.calls;
    return canvas.Figures();
  }
  // Real pixels: the shape painted on a white picture of its own size.
  RgbaImage Pixels() {
    RgbaImage image(shape.Width(), shape.Height(), {255, 255, 255, 255});
    {
      sim::SimPictures pictures;
      auto canvas = pictures.CanvasOn(image);
      shape.Paint(*canvas);
    }
    return image;
  }
  static bool Dark(const RgbaImage& image, int x, int y) { return image.At(x, y).r < 128; }

  FakeParent parent;
  TVXShape shape;
  std::vector<test::DrawCall> last;
};

TEST_F(ShapeTest, NewShapeIsSixtyFiveSquareRectangle) {
  TVXShape fresh;
  EXPECT_EQ(fresh.Width(), 65);
  EXPECT_EQ(fresh.Height(), 65);
  EXPECT_EQ(fresh.Shape(), stRectangle);
}

TEST_F(ShapeTest, NothingIsPaintedWithoutParent) {
  TVXShape orphan;
  RecordingCanvas canvas;
  orphan.Paint(canvas);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(ShapeTest, PenWidthThreeRectangleKeepsTheOutlineInside) {
  Make(stRectangle, 20, 10, 3);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Rectangle(1,1,19,9)"});
  const RgbaImage px = Pixels();
  // The 3-pixel outline reaches every edge of the shape and no further in.
  EXPECT_TRUE(Dark(px, 0, 5));
  EXPECT_TRUE(Dark(px, 19, 5));
  EXPECT_TRUE(Dark(px, 10, 0));
  EXPECT_TRUE(Dark(px, 10, 9));
  EXPECT_TRUE(Dark(px, 2, 5));
  EXPECT_FALSE(Dark(px, 3, 5));
  EXPECT_FALSE(Dark(px, 10, 3));
}

TEST_F(ShapeTest, PenWidthZeroAndOneCoverTheWholeBox) {
  Make(stRectangle, 20, 10, 0);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Rectangle(0,0,20,10)"});
  Make(stRectangle, 20, 10, 1);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Rectangle(0,0,20,10)"});
  const RgbaImage px = Pixels();
  EXPECT_TRUE(Dark(px, 0, 0));
  EXPECT_TRUE(Dark(px, 19, 9));
  EXPECT_FALSE(Dark(px, 1, 1));
}

TEST_F(ShapeTest, SquareCircleAndRoundSquareAreCentred) {
  Make(stSquare, 60, 40, 1);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Rectangle(10,0,50,40)"});
  Make(stCircle, 40, 60, 1);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Ellipse(0,10,40,50)"});
  Make(stRoundSquare, 60, 40, 2);
  // p = 2: X = 1, W = 59, H = 39, S = 39, X += 10.
  EXPECT_EQ(Painted(), std::vector<std::string>{"RoundRect(11,1,50,40,9,9)"});
  Make(stRoundRect, 60, 40, 1);
  EXPECT_EQ(Painted(), std::vector<std::string>{"RoundRect(0,0,60,40,10,10)"});
  Make(stEllipse, 60, 40, 1);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Ellipse(0,0,60,40)"});
}

TEST_F(ShapeTest, CirclePixelsStayInsideTheCentredSquare) {
  Make(stCircle, 60, 40, 1);
  const RgbaImage px = Pixels();
  EXPECT_TRUE(Dark(px, 30, 0));   // top of the circle
  EXPECT_TRUE(Dark(px, 10, 20));  // left of the centred square
  EXPECT_FALSE(Dark(px, 5, 20));  // outside it
  EXPECT_FALSE(Dark(px, 30, 20)); // white fill
}

TEST_F(ShapeTest, LineAndReversedLine) {
  Make(stLine, 10, 10);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Line(0,0,9,9)"});
  shape.SetReverse(true);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Line(9,0,0,9)"});
  const RgbaImage px = Pixels();
  EXPECT_TRUE(Dark(px, 9, 0));
  EXPECT_TRUE(Dark(px, 5, 4));
  EXPECT_TRUE(Dark(px, 1, 8));
  EXPECT_FALSE(Dark(px, 0, 0));
  EXPECT_FALSE(Dark(px, 5, 5));
  EXPECT_FALSE(Dark(px, 0, 9));  // a line leaves out its last pixel
}

TEST_F(ShapeTest, BezierPointsArePaddedToWholeCurves) {
  Make(stPolyBezier, 50, 50);
  shape.Points = {{0, 0}, {10, 0}, {20, 10}, {30, 30}, {40, 40}};
  EXPECT_EQ(Painted(), std::vector<std::string>{"PolyBezier(7)"});
  ASSERT_EQ(last[0].points.size(), 7u);
  EXPECT_EQ(last[0].points[5], (Point{40, 40}));
  EXPECT_EQ(last[0].points[6], (Point{40, 40}));
  EXPECT_EQ(shape.Points.size(), 5u);  // the shape's own list is not changed

  shape.Points = {{0, 0}, {10, 0}, {20, 10}, {30, 30}};
  EXPECT_EQ(Painted(), std::vector<std::string>{"PolyBezier(4)"});
  shape.Points = {{3, 3}};
  EXPECT_EQ(Painted(), std::vector<std::string>{"PolyBezier(1)"});
  shape.Points.clear();
  EXPECT_TRUE(Painted().empty());
}

TEST_F(ShapeTest, PolygonAndPolylineNeedPoints) {
  Make(stPolygon, 50, 50);
  EXPECT_TRUE(Painted().empty());
  shape.Points = {{0, 0}, {40, 0}, {0, 40}};
  EXPECT_EQ(Painted(), std::vector<std::string>{"Polygon(3)"});
  shape.SetShape(stPolyline);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Polyline(3)"});
}

TEST_F(ShapeTest, HotSpotDashesTheCanvasPenButNotItsOwn) {
  Make(stHotSpot, 30, 20);
  EXPECT_EQ(Painted(), std::vector<std::string>{"Rectangle(0,0,30,20)"});
  EXPECT_EQ(last[0].pen.style, platform::PenStyle::Dash);
  EXPECT_EQ(last[0].brush.style, platform::BrushStyle::Clear);
  EXPECT_EQ(shape.Pen().style, platform::PenStyle::Solid);
  EXPECT_EQ(shape.Brush().style, platform::BrushStyle::Solid);
}

TEST_F(ShapeTest, PolyHotSpotChangesItsOwnPenAndBrushForGood) {
  Make(stPolyHotSpot, 30, 20);
  shape.Points = {{0, 0}, {29, 0}, {0, 19}};
  EXPECT_EQ(Painted(), std::vector<std::string>{"Polygon(3)"});
  EXPECT_EQ(last[0].pen.mode, platform::PenMode::Invert);
  EXPECT_EQ(shape.Pen().mode, platform::PenMode::Invert);
  EXPECT_EQ(shape.Pen().style, platform::PenStyle::Dash);
  EXPECT_EQ(shape.Brush().style, platform::BrushStyle::Clear);
}

TEST_F(ShapeTest, InvertingOutlineShowsOnBlackAndWhite) {
  Make(stPolyHotSpot, 30, 20);
  shape.Points = {{0, 0}, {29, 0}, {29, 19}, {0, 19}};
  const RgbaImage px = Pixels();
  EXPECT_TRUE(Dark(px, 2, 0));     // white inverted to black, in the first dash
  EXPECT_FALSE(Dark(px, 15, 10));  // the inside is left alone
}

TEST_F(ShapeTest, CircleHotAreaIsRoundedDistance) {
  Make(stCircle, 100, 50);
  EXPECT_TRUE(shape.HotAreaTest(74, 25));
  EXPECT_TRUE(shape.ShowHint);
  EXPECT_FALSE(shape.HotAreaTest(75, 25));
  EXPECT_FALSE(shape.ShowHint);
}

TEST_F(ShapeTest, PolyHotSpotIsHotOverItsWholeBox) {
  Make(stPolyHotSpot, 100, 100);
  shape.Points = {{0, 0}, {10, 0}, {0, 10}};
  EXPECT_TRUE(shape.HotAreaTest(90, 90));
  EXPECT_TRUE(shape.HotAreaTest(0, 0));
  shape.SetShape(stPolygon);
  EXPECT_FALSE(shape.HotAreaTest(90, 90));
  EXPECT_TRUE(shape.HotAreaTest(2, 2));
  shape.Points.clear();
  EXPECT_FALSE(shape.HotAreaTest(2, 2));
}

TEST_F(ShapeTest, ClickOnEllipseCornerIsIgnored) {
  Make(stEllipse, 100, 50);
  shape.Cursor = 3;
  int downs = 0, ups = 0;
  shape.OnMouseDown = [&](ShapeMouseButton, int, int) { ++downs; };
  shape.OnMouseUp = [&](ShapeMouseButton, int, int) { ++ups; };
  shape.MouseDown(ShapeMouseButton::Left, 1, 1);
  shape.MouseUp(ShapeMouseButton::Left, 1, 1);
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(ups, 0);
  EXPECT_EQ(shape.ShownCursor(), 7);  // the page's cursor
  EXPECT_FALSE(shape.MouseCaptured());
  shape.MouseDown(ShapeMouseButton::Left, 50, 25);
  EXPECT_TRUE(shape.MouseCaptured());
  shape.MouseUp(ShapeMouseButton::Left, 50, 25);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);
  EXPECT_FALSE(shape.MouseCaptured());
}

TEST_F(ShapeTest, EnterAndLeaveOnceEachAndNotWhileCaptured) {
  Make(stCircle, 100, 50);
  shape.Cursor = 3;
  int enters = 0, leaves = 0, moves = 0;
  shape.OnMouseEnter = [&] { ++enters; };
  shape.OnMouseLeave = [&] { ++leaves; };
  shape.OnMouseMove = [&](int, int) { ++moves; };
  shape.MouseMove(50, 25);
  shape.MouseMove(51, 25);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(shape.ShownCursor(), 3);
  shape.MouseMove(1, 1);
  shape.MouseMove(2, 1);
  EXPECT_EQ(leaves, 1);
  EXPECT_EQ(shape.ShownCursor(), 7);
  shape.MouseMove(50, 25);
  shape.MouseDown(ShapeMouseButton::Left, 50, 25);
  shape.MouseMove(1, 1);  // dragged out with the button down
  EXPECT_EQ(leaves, 1);
  EXPECT_TRUE(shape.HotEntered());
  EXPECT_EQ(moves, 6);  // the move event comes first, every time
}

TEST_F(ShapeTest, ShapeAndReverseRepaintOnlyOnChange) {
  Make(stLine, 10, 10);
  parent.paintsNow = 0;
  shape.SetShape(stLine);
  shape.SetReverse(false);
  EXPECT_EQ(parent.paintsNow, 0);
  shape.SetReverse(true);
  shape.SetShape(stEllipse);
  EXPECT_EQ(parent.paintsNow, 2);
}

}  // namespace
}  // namespace vx
