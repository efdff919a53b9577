#pragma once

#include <array>
#include <cstdint>

namespace tintara {

// One colour entry, laid out byte for byte like one pixel of a 32-bit pattern.
struct tagRGBQUAD {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  friend bool operator==(const tagRGBQUAD&, const tagRGBQUAD&) = default;
};
static_assert(sizeof(tagRGBQUAD) == 4, "an entry is one 32-bit pixel");

// The 256 colours a pattern is painted with: entry 0 where the gradient starts, entry
// 255 where it ends.
using TGradientColors = std::array<tagRGBQUAD, 256>;

// Percentages, -100..100.
using TGradientShift = std::int8_t;
using TGradientRotation = std::int8_t;

// The gradient styles; the ordinals are part of the control's vocabulary.
enum class TGradientStyle : std::uint8_t {
  gsCustom = 0,
  gsRadialC = 1,
  gsRadialT = 2,
  gsRadialB = 3,
  gsRadialL = 4,
  gsRadialR = 5,
  gsRadialTL = 6,
  gsRadialTR = 7,
  gsRadialBL = 8,
  gsRadialBR = 9,
  gsLinearH = 10,
  gsLinearV = 11,
  gsReflectedH = 12,
  gsReflectedV = 13,
  gsDiagonalLF = 14,
  gsDiagonalLB = 15,
  gsDiagonalRF = 16,
  gsDiagonalRB = 17,
  gsArrowL = 18,
  gsArrowR = 19,
  gsArrowU = 20,
  gsArrowD = 21,
  gsDiamond = 22,
  gsButterfly = 23,
  gsRadialRect = 24,
};

inline constexpr std::size_t kGradientStyleCount = 25;

}  // namespace tintara
