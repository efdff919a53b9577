// The radial styles: each pixel shows the entry of its rounded distance from the
// style's centre. The largest distance, from (0, 0) to (180, 180), rounds to 255. The
// centred and edge-centred patterns are symmetric, so only a quarter or a half is
// computed and each value is written to its mirror positions too.
#include <array>
#include <cmath>

#include "gradient/PatternGenerators.h"

namespace tintara {
namespace {

constexpr int kHalf = 181;        // distances 0..180 along one side
constexpr int kFull = 2 * kHalf;  // 362: two halves meeting at columns (rows) 180 and 181

// The squares 0..180, filled once per pattern.
using Squares = std::array<int, kHalf>;

Squares MakeSquares() {
  Squares squares{};
  for (int i = 0; i < kHalf; ++i) squares[static_cast<std::size_t>(i)] = i * i;
  return squares;
}

// The entry at distance sqrt(dx^2 + dy^2); a square root is never exactly halfway
// between two integers here, so rounding is unambiguous.
const tagRGBQUAD& At(const TGradientColors& colors, const Squares& squares, int dx, int dy) {
  const double distance = std::sqrt(static_cast<double>(squares[static_cast<std::size_t>(dx)] +
                                                        squares[static_cast<std::size_t>(dy)]));
  return colors[static_cast<std::size_t>(std::lround(distance))];
}

// A 181 x 181 quarter with its centre in a corner: `flipX` puts the centre on the
// right, `flipY` at the bottom.
void Corner(const TGradientColors& colors, PatternBitmap& pattern, bool flipX, bool flipY) {
  pattern.SetSize(kHalf, kHalf);
  const Squares squares = MakeSquares();
  for (int y = 0; y < kHalf; ++y) {
    tagRGBQUAD* row = pattern.ScanLine(y);
    const int dy = flipY ? kHalf - 1 - y : y;
    for (int x = 0; x < kHalf; ++x) row[x] = At(colors, squares, flipX ? kHalf - 1 - x : x, dy);
  }
}

// 362 wide and 181 high, the centre in the middle of the top edge (or the bottom edge
// with `fromBottom`): the left half is computed, the right one mirrors it.
void TopOrBottom(const TGradientColors& colors, PatternBitmap& pattern, bool fromBottom) {
  pattern.SetSize(kFull, kHalf);
  const Squares squares = MakeSquares();
  for (int y = 0; y < kHalf; ++y) {
    tagRGBQUAD* row = pattern.ScanLine(y);
    const int dy = fromBottom ? kHalf - 1 - y : y;
    for (int dx = 0; dx < kHalf; ++dx) {
      const tagRGBQUAD& entry = At(colors, squares, dx, dy);
      row[kHalf - 1 - dx] = entry;
      row[kHalf + dx] = entry;
    }
  }
}

// 181 wide and 362 high, the centre in the middle of the left edge (or the right edge
// with `fromRight`): the upper half is computed, the lower one mirrors it.
void LeftOrRight(const TGradientColors& colors, PatternBitmap& pattern, bool fromRight) {
  pattern.SetSize(kHalf, kFull);
  const Squares squares = MakeSquares();
  for (int dy = 0; dy < kHalf; ++dy) {
    tagRGBQUAD* upper = pattern.ScanLine(kHalf - 1 - dy);
    tagRGBQUAD* lower = pattern.ScanLine(kHalf + dy);
    for (int x = 0; x < kHalf; ++x) {
      const tagRGBQUAD& entry = At(colors, squares, fromRight ? kHalf - 1 - x : x, dy);
      upper[x] = entry;
      lower[x] = entry;
    }
  }
}

}  // namespace

void GenerateRadialC(const TGradientColors& colors, PatternBitmap& pattern) {
  pattern.SetSize(kFull, kFull);
  const Squares squares = MakeSquares();
  for (int dy = 0; dy < kHalf; ++dy) {
    tagRGBQUAD* upper = pattern.ScanLine(kHalf - 1 - dy);
    tagRGBQUAD* lower = pattern.ScanLine(kHalf + dy);
    for (int dx = 0; dx < kHalf; ++dx) {
      const tagRGBQUAD& entry = At(colors, squares, dx, dy);
      upper[kHalf - 1 - dx] = entry;
      upper[kHalf + dx] = entry;
      lower[kHalf - 1 - dx] = entry;
      lower[kHalf + dx] = entry;
    }
  }
}

void GenerateRadialT(const TGradientColors& colors, PatternBitmap& pattern) {
  TopOrBottom(colors, pattern, false);
}

void GenerateRadialB(const TGradientColors& colors, PatternBitmap& pattern) {
  TopOrBottom(colors, pattern, true);
}

void GenerateRadialL(const TGradientColors& colors, PatternBitmap& pattern) {
  LeftOrRight(colors, pattern, false);
}

void GenerateRadialR(const TGradientColors& colors, PatternBitmap& pattern) {
  LeftOrRight(colors, pattern, true);
}

void GenerateRadialTL(const TGradientColors& colors, PatternBitmap& pattern) {
  Corner(colors, pattern, false, false);
}

void GenerateRadialTR(const TGradientColors& colors, PatternBitmap& pattern) {
  Corner(colors, pattern, true, false);
}

void GenerateRadialBL(const TGradientColors& colors, PatternBitmap& pattern) {
  Corner(colors, pattern, false, true);
}

void GenerateRadialBR(const TGradientColors& colors, PatternBitmap& pattern) {
  Corner(colors, pattern, true, true);
}

}  // namespace tintara
