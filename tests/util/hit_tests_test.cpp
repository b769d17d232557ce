#include "util/hit_tests.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using platform::Point;

const std::vector<Point> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

TEST(PointInPolygonTest, EvenOddInsideAndOutside) {
  EXPECT_TRUE(PointInPolygon(kSquare, 3, 5, 5));
  EXPECT_FALSE(PointInPolygon(kSquare, 3, 15, 5));
  EXPECT_FALSE(PointInPolygon(kSquare, 3, -1, 5));
  // Half-open in y: the top edge is in, the bottom edge is out.
  EXPECT_TRUE(PointInPolygon(kSquare, 3, 5, 0));
  EXPECT_FALSE(PointInPolygon(kSquare, 3, 5, 10));
  // Left edge in, right edge out (x must be less than the crossing).
  EXPECT_TRUE(PointInPolygon(kSquare, 3, 0, 5));
  EXPECT_FALSE(PointInPolygon(kSquare, 3, 10, 5));
}

TEST(PointInPolygonTest, LastIndexLimitsTheVertices) {
  EXPECT_FALSE(PointInPolygon(kSquare, -1, 5, 5));
  EXPECT_FALSE(PointInPolygon({}, 0, 0, 0));
  // The triangle of the first three vertices.
  EXPECT_TRUE(PointInPolygon(kSquare, 2, 8, 2));
  EXPECT_FALSE(PointInPolygon(kSquare, 2, 2, 8));
  // Past the end counts as the last vertex.
  EXPECT_TRUE(PointInPolygon(kSquare, 99, 2, 8));
}

TEST(PointInPolygonTest, SelfCrossingFollowsEvenOdd) {
  // A five-pointed star: its centre is crossed twice, so it is outside.
  const std::vector<Point> star{{50, 0}, {79, 90}, {2, 35}, {97, 35}, {21, 90}};
  EXPECT_FALSE(PointInPolygon(star, 4, 50, 50));
  EXPECT_TRUE(PointInPolygon(star, 4, 50, 10));
}

TEST(PointInCircleTest, StrictlyInsideTheRoundedRadius) {
  const Point p1{0, 0}, p2{100, 50};
  EXPECT_TRUE(PointInCircle(p1, p2, 74, 25));
  EXPECT_FALSE(PointInCircle(p1, p2, 75, 25));
  EXPECT_TRUE(PointInCircle(p1, p2, 50, 25));
  EXPECT_TRUE(PointInCircle(p1, p2, 50, 1));
  EXPECT_FALSE(PointInCircle(p1, p2, 50, 0));
  // Distance 24.33 rounds to 24, 24.52 rounds to 25.
  EXPECT_TRUE(PointInCircle(p1, p2, 74, 29));
  EXPECT_FALSE(PointInCircle(p1, p2, 74, 30));
}

TEST(PointInCircleTest, CentreXComesFromTheUpperCorner) {
  // Upper corner on the right: the centre lies at 100 + 50.
  EXPECT_TRUE(PointInCircle({0, 50}, {100, 0}, 140, 25));
  EXPECT_FALSE(PointInCircle({0, 50}, {100, 0}, 50, 25));
  // Equal y: p2's x; a flat box has radius 0 and holds nothing.
  EXPECT_FALSE(PointInCircle({0, 10}, {100, 10}, 50, 10));
  EXPECT_TRUE(PointInCircle({0, 0}, {0, 10}, 0, 5));
}

TEST(PointInEllipseTest, InsideTheUnitCircleOfTheBox) {
  const Point p1{0, 0}, p2{100, 50};
  EXPECT_TRUE(PointInEllipse(p1, p2, 50, 25));
  EXPECT_TRUE(PointInEllipse(p1, p2, 1, 25));
  EXPECT_FALSE(PointInEllipse(p1, p2, 0, 25));
  EXPECT_FALSE(PointInEllipse(p1, p2, 100, 25));
  EXPECT_FALSE(PointInEllipse(p1, p2, 5, 5));
  EXPECT_TRUE(PointInEllipse(p1, p2, 50, 49));
}

TEST(PointInEllipseTest, UpperCornerAndEmptyBoxes) {
  EXPECT_TRUE(PointInEllipse({0, 50}, {100, 0}, 150, 25));
  EXPECT_FALSE(PointInEllipse({0, 50}, {100, 0}, 50, 25));
  EXPECT_FALSE(PointInEllipse({0, 0}, {0, 50}, 0, 25));
  EXPECT_FALSE(PointInEllipse({0, 0}, {100, 0}, 50, 0));
  // Half of 1 truncates to 0: nothing inside either.
  EXPECT_FALSE(PointInEllipse({0, 0}, {1, 50}, 0, 25));
}

}  // namespace
}  // namespace vx
