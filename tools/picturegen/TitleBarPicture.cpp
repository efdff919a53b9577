#include <algorithm>

#include "Palettes.h"
#include "Pictures.h"

namespace tintara::picturegen {

Image DrawTitleBar() {
  Image image(kTitleBarWidth, kTitleBarHeight);
  // The fade runs from the last blue row to the first white one. Half linear, half
  // eased: soft where it meets either band, yet every faded row already differs from
  // the blue and none reaches white early.
  constexpr double kFadeStart = kTitleBarBlueRows - 1;
  constexpr double kFadeEnd = kTitleBarWhiteFrom;
  for (int y = 0; y < kTitleBarHeight; ++y) {
    const double linear = std::clamp((y - kFadeStart) / (kFadeEnd - kFadeStart), 0.0, 1.0);
    const double eased = SmoothStep(kFadeStart, kFadeEnd, y);
    const Color c = Mix(kLightBlue, kWhite, (linear + eased) / 2);
    const Rgba pixel{ToByte(c.r), ToByte(c.g), ToByte(c.b), 255};
    for (int x = 0; x < kTitleBarWidth; ++x) image.At(x, y) = pixel;
  }
  return image;
}

}  // namespace tintara::picturegen
