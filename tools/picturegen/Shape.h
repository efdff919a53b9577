#pragma once

#include <functional>
#include <vector>

namespace tintara::picturegen {

struct Point {
  double x = 0;
  double y = 0;
};

// An axis-aligned box in pixel coordinates; (0, 0) is the top-left corner of the
// top-left pixel.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// A region given by a signed distance: negative inside, positive outside, measured
// in pixels. Combinations keep the sign right though not always the exact distance,
// which is all the coverage sampling needs. `bounds` holds every inside point.
struct Shape {
  std::function<double(Point)> distance;
  Box bounds;

  bool Contains(Point p) const { return distance(p) <= 0; }
};

Shape RoundedRect(Box box, double radius);
Shape Circle(Point centre, double radius);
// A segment with round ends, `radius` thick on each side.
Shape Capsule(Point from, Point to, double radius);
// A convex polygon, its corners in either winding order.
Shape ConvexPolygon(std::vector<Point> corners);

// Grows a shape by `amount` pixels (shrinks it for a negative amount); grown corners
// become round.
Shape Grown(Shape shape, double amount);
Shape Moved(Shape shape, double dx, double dy);
Shape Intersection(Shape a, Shape b);
Shape Union(Shape a, Shape b);
// What lies in `a` and not in `b`.
Shape Difference(Shape a, Shape b);

}  // namespace tintara::picturegen
