#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tintara::picturegen {
namespace {

double Length(double x, double y) {
  return std::sqrt(x * x + y * y);
}

Box Enclosing(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Box Overlap(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

Box Expanded(const Box& box, double amount) {
  return {box.left - amount, box.top - amount, box.right + amount, box.bottom + amount};
}

// Distance from p to the segment a-b.
double SegmentDistance(Point p, Point a, Point b) {
  const double abx = b.x - a.x;
  const double aby = b.y - a.y;
  const double apx = p.x - a.x;
  const double apy = p.y - a.y;
  const double lengthSquared = abx * abx + aby * aby;
  const double t =
      lengthSquared > 0 ? std::clamp((apx * abx + apy * aby) / lengthSquared, 0.0, 1.0) : 0.0;
  return Length(apx - abx * t, apy - aby * t);
}

}  // namespace

Shape RoundedRect(Box box, double radius) {
  const double cx = (box.left + box.right) / 2;
  const double cy = (box.top + box.bottom) / 2;
  const double hx = (box.right - box.left) / 2 - radius;
  const double hy = (box.bottom - box.top) / 2 - radius;
  return {[=](Point p) {
            const double qx = std::abs(p.x - cx) - hx;
            const double qy = std::abs(p.y - cy) - hy;
            return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
                   radius;
          },
          box};
}

Shape Circle(Point centre, double radius) {
  return {[=](Point p) { return Length(p.x - centre.x, p.y - centre.y) - radius; },
          {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius}};
}

Shape Capsule(Point from, Point to, double radius) {
  return {[=](Point p) { return SegmentDistance(p, from, to) - radius; },
          Expanded({std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x),
                    std::max(from.y, to.y)},
                   radius)};
}

Shape ConvexPolygon(std::vector<Point> corners) {
  Box bounds{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const Point& c : corners) bounds = Enclosing(bounds, {c.x, c.y, c.x, c.y});
  // Twice the signed area tells the winding, so "inside" is the same side of every edge.
  double twiceArea = 0;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point& a = corners[i];
    const Point& b = corners[(i + 1) % corners.size()];
    twiceArea += a.x * b.y - b.x * a.y;
  }
  const double winding = twiceArea >= 0 ? 1.0 : -1.0;
  return {[corners = std::move(corners), winding](Point p) {
            double nearest = SegmentDistance(p, corners.back(), corners.front());
            bool inside = true;
            for (std::size_t i = 0; i < corners.size(); ++i) {
              const Point& a = corners[i];
              const Point& b = corners[(i + 1) % corners.size()];
              nearest = std::min(nearest, SegmentDistance(p, a, b));
              const double side = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
              if (side * winding < 0) inside = false;
            }
            return inside ? -nearest : nearest;
          },
          bounds};
}

Shape Grown(Shape shape, double amount) {
  const Box bounds = Expanded(shape.bounds, std::max(amount, 0.0));
  return {[distance = std::move(shape.distance), amount](Point p) { return distance(p) - amount; },
          bounds};
}

Shape Moved(Shape shape, double dx, double dy) {
  const Box bounds{shape.bounds.left + dx, shape.bounds.top + dy, shape.bounds.right + dx,
                   shape.bounds.bottom + dy};
  return {[distance = std::move(shape.distance), dx, dy](Point p) {
            return distance({p.x - dx, p.y - dy});
          },
          bounds};
}

Shape Intersection(Shape a, Shape b) {
  const Box bounds = Overlap(a.bounds, b.bounds);
  return {[da = std::move(a.distance), db = std::move(b.distance)](Point p) {
            return std::max(da(p), db(p));
          },
          bounds};
}

Shape Union(Shape a, Shape b) {
  const Box bounds = Enclosing(a.bounds, b.bounds);
  return {[da = std::move(a.distance), db = std::move(b.distance)](Point p) {
            return std::min(da(p), db(p));
          },
          bounds};
}

Shape Difference(Shape a, Shape b) {
  const Box bounds = a.bounds;
  return {[da = std::move(a.distance), db = std::move(b.distance)](Point p) {
            return std::max(da(p), -db(p));
          },
          bounds};
}

}  // namespace tintara::picturegen
