#pragma once

#include <array>

#include "gradient/GradientTypes.h"
#include "gradient/PatternBitmap.h"

namespace tintara {

// Renders one style's pattern: sets the bitmap to the style's fixed size and gives
// every pixel the colour-table entry of its index, the whole 4-byte entry.
using PatternGenerator = void (*)(const TGradientColors& colors, PatternBitmap& pattern);

// The generator of each style, indexed by the style's ordinal; gsCustom has none.
extern const std::array<PatternGenerator, kGradientStyleCount> PatternGenerators;

// The nine radial styles (RadialPatterns.cpp): index = the rounded distance from the
// style's centre.
void GenerateRadialC(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialT(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialB(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialL(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialR(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialTL(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialTR(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialBL(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialBR(const TGradientColors& colors, PatternBitmap& pattern);

// The straight styles (LinearPatterns.cpp).
void GenerateLinearH(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateLinearV(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateReflectedH(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateReflectedV(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateDiagonalLF(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateDiagonalLB(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateDiagonalRF(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateDiagonalRB(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateArrowL(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateArrowR(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateArrowU(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateArrowD(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateDiamond(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateButterfly(const TGradientColors& colors, PatternBitmap& pattern);
void GenerateRadialRect(const TGradientColors& colors, PatternBitmap& pattern);

}  // namespace tintara
