#include <algorithm>
#include <cmath>

#include "Canvas.h"
#include "Palettes.h"
#include "Pictures.h"

namespace tintara::picturegen {
namespace {

struct Pastel {
  Color top;
  Color bottom;
};

constexpr Pastel kPink{Color::FromRgb(252, 198, 216), Color::FromRgb(243, 170, 198)};
constexpr Pastel kGreen{Color::FromRgb(204, 240, 198), Color::FromRgb(170, 222, 168)};
constexpr Pastel kBlue{Color::FromRgb(200, 222, 252), Color::FromRgb(166, 198, 242)};
constexpr Pastel kYellow{Color::FromRgb(255, 242, 180), Color::FromRgb(250, 224, 138)};
constexpr Pastel kRim{Color::FromRgb(168, 168, 168), Color::FromRgb(116, 116, 116)};

// Each colour is shaded from a lighter top to a deeper bottom over the whole square,
// so the four quadrants read as one lit surface.
Paint Shaded(const Pastel& pastel, double top, double bottom) {
  return [pastel, top, bottom](Point p) {
    return Mix(pastel.top, pastel.bottom, (p.y - top) / (bottom - top));
  };
}

}  // namespace

Image DrawLogo(int size) {
  Canvas canvas(size, size);
  const double s = size;
  // Edges on whole pixels keep the small sizes sharp.
  const double margin = std::round(s * 0.03);
  const double rim = std::max(1.0, std::round(s / 18));
  const double radius = s * 0.16;
  const double half = s / 2;
  const Box outer{margin, margin, s - margin, s - margin};
  const Box inner{outer.left + rim, outer.top + rim, outer.right - rim, outer.bottom - rim};

  canvas.Fill(RoundedRect(outer, radius), Shaded(kRim, outer.top, outer.bottom));
  const Shape face = RoundedRect(inner, std::max(radius - rim, 0.5));
  const auto quadrant = [&](Box box, const Pastel& pastel) {
    canvas.Fill(Intersection(face, RoundedRect(box, 0)), Shaded(pastel, inner.top, inner.bottom));
  };
  quadrant({inner.left, inner.top, half, half}, kPink);
  quadrant({half, inner.top, inner.right, half}, kGreen);
  quadrant({inner.left, half, half, inner.bottom}, kBlue);
  quadrant({half, half, inner.right, inner.bottom}, kYellow);

  // A thin light cross keeps the quadrants apart where their pastels are close.
  const double gap = s / 48;
  const Shape cross =
      Union(RoundedRect({half - gap / 2, inner.top, half + gap / 2, inner.bottom}, 0),
            RoundedRect({inner.left, half - gap / 2, inner.right, half + gap / 2}, 0));
  canvas.Fill(Intersection(face, cross), kWhite.WithAlpha(0.85));
  return canvas.ToImage();
}

}  // namespace tintara::picturegen
