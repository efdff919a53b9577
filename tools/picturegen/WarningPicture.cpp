#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Palettes.h"
#include "Pictures.h"

namespace tintara::picturegen {
namespace {

constexpr Color kRimTop = Color::FromRgb(240, 104, 50);
constexpr Color kRimBottom = Color::FromRgb(210, 64, 28);
constexpr Color kFillTop = Color::FromRgb(255, 248, 196);
constexpr Color kFillBottom = Color::FromRgb(255, 230, 130);
constexpr Color kMarkEdge = Color::FromRgb(214, 84, 36);

}  // namespace

Image DrawWarningIcon(int size) {
  Canvas canvas(size, size);
  const double s = size;
  const double corner = s * 0.07;
  const double rim = std::max(1.2, s * 0.085);
  // The triangle's corners before rounding; the rounded outline is the shrunken
  // triangle grown back by the corner radius.
  const Point apex{s * 0.5, s * 0.04};
  const Point left{s * 0.02, s * 0.94};
  const Point right{s * 0.98, s * 0.94};
  // Rounded corners: the triangle is inset by the corner radius (a scaling about its
  // incentre) and grown back by the same amount.
  const auto distance = [](Point a, Point b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
  };
  const double opposite[3] = {distance(left, right), distance(apex, right), distance(apex, left)};
  const double perimeter = opposite[0] + opposite[1] + opposite[2];
  const Point incentre{
      (opposite[0] * apex.x + opposite[1] * left.x + opposite[2] * right.x) / perimeter,
      (opposite[0] * apex.y + opposite[1] * left.y + opposite[2] * right.y) / perimeter};
  const double inradius = (right.x - left.x) * (left.y - apex.y) / perimeter;
  const auto inset = [&](Point p) {
    const double k = corner / inradius;
    return Point{p.x + (incentre.x - p.x) * k, p.y + (incentre.y - p.y) * k};
  };
  const Shape core = ConvexPolygon({inset(apex), inset(left), inset(right)});
  const Shape outline = Grown(core, corner);
  const Box bounds = outline.bounds;
  canvas.Fill(outline, [&](Point p) {
    return Mix(kRimTop, kRimBottom, (p.y - bounds.top) / (bounds.bottom - bounds.top));
  });
  canvas.Fill(Grown(core, corner - rim), [&](Point p) {
    return Mix(kFillTop, kFillBottom, (p.y - bounds.top) / (bounds.bottom - bounds.top));
  });

  // The exclamation mark: white, outlined in the rim's colour so it stands out on the
  // pale fill. Widths and centres fall on whole pixels, or the 16-pixel mark blurs.
  const double bar = std::max(1.0, std::round(s * 0.05));
  const double edge = std::max(1.0, std::round(s * 0.025));
  const double strokeTop = std::round(s * 0.36);
  const double strokeBottom = std::round(s * 0.62);
  const Shape stroke = Capsule({s / 2, strokeTop + bar}, {s / 2, strokeBottom - bar}, bar);
  const Shape dot = Circle({s / 2, std::round(s * 0.76)}, bar * 1.15);
  const Shape mark = Union(stroke, dot);
  canvas.Fill(Grown(mark, edge), kMarkEdge);
  canvas.Fill(mark, kWhite);
  return canvas.ToImage();
}

}  // namespace tintara::picturegen
