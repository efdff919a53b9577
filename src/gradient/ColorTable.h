#pragma once

#include <cstdint>

#include "gradient/GradientTypes.h"

namespace tintara {

// x * y / z with the product formed without overflow, rounded to the nearest integer
// with halves away from zero. As the platform's routine: -1 when z is 0 or the result
// does not fit 32 bits.
std::int32_t MulDiv(std::int32_t x, std::int32_t y, std::int32_t z);

// The 256 colours from `start` to `end` (plain RGB, 0x00BBGGRR). `shift` (-100..100)
// moves one end toward the other by that percentage; `rotation` (-100..100) slides a
// turning point through the table. The fourth byte of each entry is left at 0.
TGradientColors BuildColorTable(std::uint32_t start, std::uint32_t end, TGradientShift shift,
                                TGradientRotation rotation);

}  // namespace tintara
