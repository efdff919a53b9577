// The pattern generators: sizes, every pixel written with a whole table entry, and the
// indices at corners, centres and the pixels that single a style out.
#include <gtest/gtest.h>

#include <map>

#include "gradient/PatternGenerators.h"
#include "platform/Geometry.h"

namespace tintara {
namespace {

using S = TGradientStyle;

// Entries that differ from each other in every byte, the fourth included, so a pixel
// tells which entry it holds and whether all four bytes were copied.
TGradientColors DistinctColors() {
  TGradientColors colors{};
  for (int i = 0; i < 256; ++i) {
    const auto b = static_cast<std::uint8_t>(i);
    colors[static_cast<std::size_t>(i)] = {b, static_cast<std::uint8_t>(255 - i),
                                           static_cast<std::uint8_t>(b ^ 0x5A),
                                           static_cast<std::uint8_t>(b ^ 0xC3)};
  }
  return colors;
}

// The entry a pixel holds, or -1 when it holds none.
int IndexAt(const PatternBitmap& pattern, int x, int y) {
  const tagRGBQUAD& p = pattern.Pixel(x, y);
  const bool entry = p.rgbGreen == 255 - p.rgbBlue && p.rgbRed == (p.rgbBlue ^ 0x5A) &&
                     p.rgbReserved == (p.rgbBlue ^ 0xC3);
  return entry ? p.rgbBlue : -1;
}

PatternBitmap Generate(S style) {
  PatternBitmap pattern;
  PatternGenerators[static_cast<std::size_t>(style)](DistinctColors(), pattern);
  return pattern;
}

TEST(GradientGenerators, EveryStyleButCustomHasOneAndWritesEveryPixelOfItsSize) {
  const std::map<S, Size> sizes = {
      {S::gsRadialC, {362, 362}},    {S::gsRadialT, {362, 181}},    {S::gsRadialB, {362, 181}},
      {S::gsRadialL, {181, 362}},    {S::gsRadialR, {181, 362}},    {S::gsRadialTL, {181, 181}},
      {S::gsRadialTR, {181, 181}},   {S::gsRadialBL, {181, 181}},   {S::gsRadialBR, {181, 181}},
      {S::gsLinearH, {256, 1}},      {S::gsLinearV, {1, 256}},      {S::gsReflectedH, {1, 512}},
      {S::gsReflectedV, {512, 1}},   {S::gsDiagonalLF, {128, 129}}, {S::gsDiagonalLB, {128, 129}},
      {S::gsDiagonalRF, {256, 256}}, {S::gsDiagonalRB, {256, 256}}, {S::gsArrowL, {129, 256}},
      {S::gsArrowR, {129, 256}},     {S::gsArrowU, {256, 129}},     {S::gsArrowD, {256, 129}},
      {S::gsDiamond, {256, 256}},    {S::gsButterfly, {256, 256}},  {S::gsRadialRect, {512, 512}},
  };
  EXPECT_EQ(PatternGenerators[0], nullptr);
  ASSERT_EQ(sizes.size(), kGradientStyleCount - 1);
  const TGradientColors colors = DistinctColors();
  for (const auto& [style, size] : sizes) {
    const auto generator = PatternGenerators[static_cast<std::size_t>(style)];
    ASSERT_NE(generator, nullptr) << static_cast<int>(style);
    // Left over from another pattern: its own size first, then one of a different size.
    for (const Size before : {size, Size{600, 3}}) {
      PatternBitmap pattern;
      pattern.SetSize(before.width, before.height);
      for (int y = 0; y < before.height; ++y) {
        for (int x = 0; x < before.width; ++x) pattern.Pixel(x, y) = {0x11, 0x22, 0x33, 0x44};
      }
      generator(colors, pattern);
      ASSERT_EQ(pattern.Width(), size.width) << static_cast<int>(style);
      ASSERT_EQ(pattern.Height(), size.height) << static_cast<int>(style);
      for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
          ASSERT_NE(IndexAt(pattern, x, y), -1)
              << "style " << static_cast<int>(style) << " at " << x << ", " << y;
        }
      }
    }
  }
}

TEST(GradientGenerators, IndicesAtCornersCentresAndEdges) {
  struct Probe {
    S style;
    int x, y, index;
  };
  const Probe probes[] = {
      {S::gsRadialC, 180, 180, 0},    {S::gsRadialC, 181, 180, 0},
      {S::gsRadialC, 180, 181, 0},    {S::gsRadialC, 181, 181, 0},
      {S::gsRadialC, 0, 0, 255},      {S::gsRadialC, 361, 0, 255},
      {S::gsRadialC, 0, 361, 255},    {S::gsRadialC, 361, 361, 255},
      {S::gsRadialC, 0, 180, 180},    {S::gsRadialC, 100, 50, 153},
      {S::gsRadialC, 261, 311, 153},  {S::gsRadialT, 180, 0, 0},
      {S::gsRadialT, 181, 0, 0},      {S::gsRadialT, 0, 180, 255},
      {S::gsRadialT, 181, 180, 180},  {S::gsRadialB, 181, 180, 0},
      {S::gsRadialB, 361, 0, 255},    {S::gsRadialL, 0, 180, 0},
      {S::gsRadialL, 0, 181, 0},      {S::gsRadialL, 180, 361, 255},
      {S::gsRadialL, 30, 100, 85},    {S::gsRadialR, 180, 181, 0},
      {S::gsRadialR, 0, 0, 255},      {S::gsRadialTL, 0, 0, 0},
      {S::gsRadialTL, 180, 180, 255}, {S::gsRadialTL, 3, 4, 5},
      {S::gsRadialTR, 180, 0, 0},     {S::gsRadialTR, 0, 180, 255},
      {S::gsRadialBL, 0, 180, 0},     {S::gsRadialBL, 180, 0, 255},
      {S::gsRadialBR, 180, 180, 0},   {S::gsRadialBR, 0, 0, 255},
      {S::gsLinearH, 0, 0, 0},        {S::gsLinearH, 255, 0, 255},
      {S::gsLinearV, 0, 0, 0},        {S::gsLinearV, 0, 255, 255},
      {S::gsReflectedH, 0, 0, 255},   {S::gsReflectedH, 0, 255, 0},
      {S::gsReflectedH, 0, 256, 0},   {S::gsReflectedH, 0, 511, 255},
      {S::gsReflectedV, 0, 0, 255},   {S::gsReflectedV, 255, 0, 0},
      {S::gsReflectedV, 256, 0, 0},   {S::gsReflectedV, 511, 0, 255},
      {S::gsDiagonalLF, 0, 0, 0},     {S::gsDiagonalLF, 127, 128, 255},
      {S::gsDiagonalLB, 127, 0, 0},   {S::gsDiagonalLB, 0, 128, 255},
      {S::gsDiagonalRF, 255, 0, 0},   {S::gsDiagonalRF, 0, 255, 0},
      {S::gsDiagonalRF, 0, 0, 255},   {S::gsDiagonalRF, 255, 255, 255},
      {S::gsDiagonalRB, 77, 77, 0},   {S::gsDiagonalRB, 255, 0, 255},
      {S::gsArrowL, 128, 127, 0},     {S::gsArrowL, 128, 128, 0},
      {S::gsArrowL, 0, 0, 255},       {S::gsArrowL, 0, 255, 255},
      {S::gsArrowR, 0, 127, 0},       {S::gsArrowR, 128, 0, 255},
      {S::gsArrowU, 127, 128, 0},     {S::gsArrowU, 0, 0, 255},
      {S::gsArrowD, 128, 0, 0},       {S::gsArrowD, 255, 128, 255},
      {S::gsDiamond, 127, 127, 1},    {S::gsDiamond, 128, 128, 1},
      {S::gsDiamond, 0, 0, 255},      {S::gsDiamond, 255, 0, 255},
      {S::gsButterfly, 127, 0, 255},  {S::gsButterfly, 128, 255, 255},
      {S::gsButterfly, 0, 128, 0},    {S::gsButterfly, 255, 127, 1},
      {S::gsButterfly, 0, 127, 1},    {S::gsButterfly, 50, 50, 128},
      {S::gsButterfly, 50, 205, 127}, {S::gsRadialRect, 0, 300, 0},
      {S::gsRadialRect, 511, 511, 0}, {S::gsRadialRect, 255, 256, 255},
      {S::gsRadialRect, 100, 40, 40},
  };
  for (const Probe& p : probes) {
    const PatternBitmap pattern = Generate(p.style);
    EXPECT_EQ(IndexAt(pattern, p.x, p.y), p.index)
        << "style " << static_cast<int>(p.style) << " at " << p.x << ", " << p.y;
  }
}

TEST(GradientGenerators, TheDiamondNeverShowsEntryZeroTheButterflyExactlyOnce) {
  const PatternBitmap diamond = Generate(S::gsDiamond);
  const PatternBitmap butterfly = Generate(S::gsButterfly);
  int diamondZeros = 0;
  int butterflyZeros = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      diamondZeros += IndexAt(diamond, x, y) == 0 ? 1 : 0;
      butterflyZeros += IndexAt(butterfly, x, y) == 0 ? 1 : 0;
    }
  }
  EXPECT_EQ(diamondZeros, 0);
  EXPECT_EQ(butterflyZeros, 1);
  EXPECT_EQ(IndexAt(butterfly, 0, 128), 0);
}

TEST(GradientGenerators, RadialPatternsAreMirrorImagesAboutTheirCentres) {
  const PatternBitmap c = Generate(S::gsRadialC);
  const PatternBitmap t = Generate(S::gsRadialT);
  const PatternBitmap l = Generate(S::gsRadialL);
  const PatternBitmap br = Generate(S::gsRadialBR);
  for (int y = 0; y < 181; ++y) {
    for (int x = 0; x < 181; ++x) {
      const int quarter = IndexAt(c, 181 + x, 181 + y);
      ASSERT_EQ(IndexAt(c, 180 - x, 181 + y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(c, 181 + x, 180 - y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(c, 180 - x, 180 - y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(t, 180 - x, y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(t, 181 + x, y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(l, x, 180 - y), quarter) << x << ", " << y;
      ASSERT_EQ(IndexAt(br, 180 - x, 180 - y), quarter) << x << ", " << y;
    }
  }
}

}  // namespace
}  // namespace tintara
