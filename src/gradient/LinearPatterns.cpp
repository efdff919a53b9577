// The straight styles: ramps, reflections, diagonals, chevrons, diamonds, the butterfly
// and nested rectangles. Each index is a small formula of the column and row.
#include <cstdlib>

#include "gradient/PatternGenerators.h"

namespace tintara {
namespace {

// Distance from the middle of a 256-pixel side: columns (rows) 127 and 128 are both 0.
constexpr int Mid128(int u) {
  return u <= 127 ? 127 - u : u - 128;
}

// Sets the size and fills every pixel with the entry index(x, y) names.
template <typename Index>
void Fill(const TGradientColors& colors, PatternBitmap& pattern, int width, int height,
          Index index) {
  pattern.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    tagRGBQUAD* row = pattern.ScanLine(y);
    for (int x = 0; x < width; ++x) row[x] = colors[static_cast<std::size_t>(index(x, y))];
  }
}

}  // namespace

void GenerateLinearH(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 1, [](int x, int) { return x; });
}

void GenerateLinearV(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 1, 256, [](int, int y) { return y; });
}

void GenerateReflectedH(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 1, 512, [](int, int y) { return y <= 255 ? 255 - y : y - 256; });
}

void GenerateReflectedV(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 512, 1, [](int x, int) { return x <= 255 ? 255 - x : x - 256; });
}

void GenerateDiagonalLF(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 128, 129, [](int x, int y) { return x + y; });
}

void GenerateDiagonalLB(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 128, 129, [](int x, int y) { return 127 - x + y; });
}

void GenerateDiagonalRF(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 256, [](int x, int y) { return std::abs(x + y - 255); });
}

void GenerateDiagonalRB(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 256, [](int x, int y) { return std::abs(x - y); });
}

void GenerateArrowL(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 129, 256, [](int x, int y) { return 128 - x + Mid128(y); });
}

void GenerateArrowR(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 129, 256, [](int x, int y) { return x + Mid128(y); });
}

void GenerateArrowU(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 129, [](int x, int y) { return 128 - y + Mid128(x); });
}

void GenerateArrowD(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 129, [](int x, int y) { return y + Mid128(x); });
}

void GenerateDiamond(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 256, [](int x, int y) { return 1 + Mid128(x) + Mid128(y); });
}

void GenerateButterfly(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 256, 256, [](int x, int y) {
    // The lower-left quadrant sits one entry lower, so its corner pixel reaches 0.
    const int base = x <= 127 && y >= 128 ? 127 : 128;
    return base + Mid128(y) - Mid128(x);
  });
}

void GenerateRadialRect(const TGradientColors& colors, PatternBitmap& pattern) {
  Fill(colors, pattern, 512, 512, [](int x, int y) {
    const int horizontal = x < 511 - x ? x : 511 - x;
    const int vertical = y < 511 - y ? y : 511 - y;
    return horizontal < vertical ? horizontal : vertical;
  });
}

}  // namespace tintara
