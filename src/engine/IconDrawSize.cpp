#include "engine/IconDrawSize.h"

#include <algorithm>

namespace tintara {
namespace {

// A side's magnitude; wide enough for the most negative 32-bit value.
std::int64_t Magnitude(std::int32_t side) {
  return side < 0 ? -static_cast<std::int64_t>(side) : side;
}

// `side` scaled by kMaxIconSide / longest, rounded, and never scaled away to nothing.
std::int32_t ScaledSide(std::int64_t side, std::int64_t longest) {
  if (side == 0) return 0;
  const std::int64_t scaled = (side * IconDrawSize::kMaxIconSide + longest / 2) / longest;
  return static_cast<std::int32_t>(std::max<std::int64_t>(scaled, 1));
}

}  // namespace

IconDrawSize IconDrawSizeOf(std::optional<IconSize> measured, int standardSide) {
  constexpr std::int64_t kMax = IconDrawSize::kMaxIconSide;
  if (!measured) {
    const std::int32_t side = std::clamp(standardSide, 0, IconDrawSize::kMaxIconSide);
    return {{side, side}, false};
  }
  const std::int64_t width = Magnitude(measured->width);
  const std::int64_t height = Magnitude(measured->height);
  if (width <= kMax && height <= kMax) {
    return {{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)}, false};
  }
  const std::int64_t longest = std::max(width, height);
  return {{ScaledSide(width, longest), ScaledSide(height, longest)}, true};
}

}  // namespace tintara
