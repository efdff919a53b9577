#include "gradient/ColorTable.h"

#include <array>
#include <limits>

namespace tintara {
namespace {

struct Channels {
  std::array<int, 3> c{};  // red, green, blue
};

Channels Split(std::uint32_t color) {
  return {{static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
           static_cast<int>((color >> 16) & 0xFF)}};
}

tagRGBQUAD Entry(const std::array<int, 3>& rgb) {
  tagRGBQUAD q;
  q.rgbRed = static_cast<std::uint8_t>(rgb[0]);
  q.rgbGreen = static_cast<std::uint8_t>(rgb[1]);
  q.rgbBlue = static_cast<std::uint8_t>(rgb[2]);
  return q;
}

}  // namespace

std::int32_t MulDiv(std::int32_t x, std::int32_t y, std::int32_t z) {
  if (z == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(x) * y;
  std::int64_t quotient = product / z;
  const std::int64_t remainder = product % z;
  // Halves go away from zero: compare twice the remainder with the divisor.
  const std::int64_t twice = remainder < 0 ? -2 * remainder : 2 * remainder;
  const std::int64_t divisor = z < 0 ? -static_cast<std::int64_t>(z) : z;
  if (twice >= divisor) quotient += (product < 0) == (z < 0) ? 1 : -1;
  if (quotient > std::numeric_limits<std::int32_t>::max() ||
      quotient < std::numeric_limits<std::int32_t>::min()) {
    return -1;
  }
  return static_cast<std::int32_t>(quotient);
}

TGradientColors BuildColorTable(std::uint32_t start, std::uint32_t end, TGradientShift shift,
                                TGradientRotation rotation) {
  Channels a = Split(start);
  Channels b = Split(end);
  for (std::size_t ch = 0; ch < 3; ++ch) {
    if (shift > 0) {
      a.c[ch] += MulDiv(b.c[ch] - a.c[ch], shift, 100);
    } else if (shift < 0) {
      b.c[ch] += MulDiv(b.c[ch] - a.c[ch], shift, 100);
    }
  }
  std::array<int, 3> d{};
  for (std::size_t ch = 0; ch < 3; ++ch) d[ch] = b.c[ch] - a.c[ch];
  const int k = MulDiv(255, rotation, 100);

  TGradientColors colors{};
  std::array<int, 3> rgb{};
  for (int i = 0; i < 256; ++i) {
    for (std::size_t ch = 0; ch < 3; ++ch) {
      // Integer division truncates toward zero; no branch divides by zero: with k > 0
      // the first range is empty when m is 0, with k < 0 the second when n is 255.
      if (k == 0) {
        rgb[ch] = a.c[ch] + (i * d[ch]) / 255;
      } else if (k > 0) {
        const int m = 255 - k;
        rgb[ch] = i < m ? a.c[ch] + (i * d[ch]) / m : a.c[ch] + ((255 - i) * d[ch]) / k;
      } else {
        const int n = -k;
        rgb[ch] = i <= n ? b.c[ch] - (i * d[ch]) / n : b.c[ch] - ((255 - i) * d[ch]) / (255 - n);
      }
    }
    colors[static_cast<std::size_t>(i)] = Entry(rgb);
  }
  return colors;
}

}  // namespace tintara
