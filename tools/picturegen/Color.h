#pragma once

#include <algorithm>
#include <cstdint>

namespace tintara::picturegen {

// A colour with channels from 0 to 1 and straight alpha, used while drawing.
struct Color {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 1;

  // From 8-bit red, green and blue, opaque.
  static constexpr Color FromRgb(int red, int green, int blue) {
    return {red / 255.0, green / 255.0, blue / 255.0, 1.0};
  }

  constexpr Color WithAlpha(double alpha) const { return {r, g, b, alpha}; }
};

// t = 0 gives `from`, t = 1 gives `to`; t is clamped to that range.
constexpr Color Mix(const Color& from, const Color& to, double t) {
  const double k = std::clamp(t, 0.0, 1.0);
  return {from.r + (to.r - from.r) * k, from.g + (to.g - from.g) * k, from.b + (to.b - from.b) * k,
          from.a + (to.a - from.a) * k};
}

// The smooth 0-to-1 step between edge0 and edge1 (cubic, flat at both ends). Only
// arithmetic, so every platform computes the same bits.
constexpr double SmoothStep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

// A channel from 0 to 1 as a byte, rounded to nearest.
constexpr std::uint8_t ToByte(double channel) {
  return static_cast<std::uint8_t>(std::clamp(channel, 0.0, 1.0) * 255.0 + 0.5);
}

}  // namespace tintara::picturegen
