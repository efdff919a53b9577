#include <gtest/gtest.h>

#include "Canvas.h"

namespace tintara::picturegen {
namespace {

TEST(ShapeTest, RoundedRectangleCutsItsCorners) {
  const Shape shape = RoundedRect({0, 0, 20, 20}, 5);
  EXPECT_TRUE(shape.Contains({10, 10}));
  EXPECT_TRUE(shape.Contains({10, 0.5}));
  EXPECT_FALSE(shape.Contains({0.5, 0.5})) << "inside the box, outside the rounding";
  EXPECT_TRUE(shape.Contains({5, 0.5}));
  EXPECT_NEAR(shape.distance({10, 10}), -10, 1e-9);
  EXPECT_NEAR(shape.distance({25, 10}), 5, 1e-9);
}

TEST(ShapeTest, ConvexPolygonWorksInEitherWinding) {
  const std::vector<Point> corners{{0, 0}, {10, 0}, {0, 10}};
  for (const auto& polygon :
       {ConvexPolygon(corners), ConvexPolygon({corners[2], corners[1], corners[0]})}) {
    EXPECT_TRUE(polygon.Contains({2, 2}));
    EXPECT_FALSE(polygon.Contains({6, 6}));
    EXPECT_NEAR(polygon.distance({2, 5}), -2, 1e-9);
    EXPECT_NEAR(polygon.distance({-3, 5}), 3, 1e-9);
  }
}

TEST(ShapeTest, CombinationsKeepTheRightSide) {
  const Shape a = Circle({0, 0}, 10);
  const Shape b = Circle({10, 0}, 10);
  EXPECT_TRUE(Intersection(a, b).Contains({5, 0}));
  EXPECT_FALSE(Intersection(a, b).Contains({-5, 0}));
  EXPECT_TRUE(Union(a, b).Contains({-5, 0}));
  EXPECT_TRUE(Difference(a, b).Contains({-5, 0}));
  EXPECT_FALSE(Difference(a, b).Contains({5, 0}));
  EXPECT_TRUE(Grown(a, 2).Contains({11, 0}));
  EXPECT_TRUE(Moved(a, 30, 0).Contains({35, 0}));
  EXPECT_TRUE(Capsule({0, 0}, {10, 0}, 1).Contains({5, 0.9}));
  EXPECT_FALSE(Capsule({0, 0}, {10, 0}, 1).Contains({5, 1.1}));
}

TEST(CanvasTest, EdgesThroughAPixelGiveItPartialCoverage) {
  Canvas canvas(4, 1);
  canvas.Fill(RoundedRect({0, 0, 1.5, 1}, 0), Color::FromRgb(255, 0, 0));
  const Image image = canvas.ToImage();
  EXPECT_EQ(image.At(0, 0), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(image.At(1, 0), (Rgba{255, 0, 0, 128}));
  EXPECT_EQ(image.At(2, 0), (Rgba{0, 0, 0, 0}));
}

TEST(CanvasTest, LaterFillsGoOverEarlierOnes) {
  Canvas canvas(1, 1);
  const Shape all = RoundedRect({0, 0, 1, 1}, 0);
  canvas.Fill(all, Color::FromRgb(255, 0, 0));
  canvas.Fill(all, Color::FromRgb(0, 0, 255).WithAlpha(0.5));
  EXPECT_EQ(canvas.ToImage().At(0, 0), (Rgba{128, 0, 128, 255}));
}

TEST(CanvasTest, PaintIsTakenWhereTheShapeIs) {
  Canvas canvas(2, 1);
  canvas.Fill(RoundedRect({0, 0, 2, 1}, 0), [](Point p) {
    return p.x < 1 ? Color::FromRgb(0, 255, 0) : Color::FromRgb(0, 0, 0);
  });
  EXPECT_EQ(canvas.ToImage().At(0, 0), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(canvas.ToImage().At(1, 0), (Rgba{0, 0, 0, 255}));
}

}  // namespace
}  // namespace tintara::picturegen
