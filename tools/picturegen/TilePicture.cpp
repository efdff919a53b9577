#include "Canvas.h"
#include "Palettes.h"
#include "Pictures.h"

namespace tintara::picturegen {
namespace {

// The tile leaves room on the right and at the bottom for its shadow, which must fade
// out before the picture's edge.
constexpr Box kFace{5, 5, 189, 189};
constexpr double kShadowOffset = 4;
constexpr double kShadowSoftness = 4;
constexpr double kShadowStrength = 0.38;

}  // namespace

Image DrawTile() {
  Canvas canvas(kTileSize, kTileSize);

  const Shape face = RoundedRect(kFace, kTileCornerRadius);
  const Shape shadowCore = Moved(face, kShadowOffset, kShadowOffset);
  canvas.Fill(Grown(shadowCore, kShadowSoftness), [&shadowCore](Point p) {
    const double d = shadowCore.distance(p);
    return kBlack.WithAlpha(kShadowStrength *
                            (1 - SmoothStep(-kShadowSoftness, kShadowSoftness, d)));
  });
  canvas.Fill(face, [](Point p) {
    return Mix(kPaleBlue, kWhite, (p.y - kFace.top) / (kFace.bottom - kFace.top));
  });
  return canvas.ToImage();
}

}  // namespace tintara::picturegen
