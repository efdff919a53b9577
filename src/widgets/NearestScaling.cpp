#include "widgets/NearestScaling.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tintara {
namespace {

std::int32_t SourceIndex(std::int32_t destination, std::int32_t destinationLength,
                         std::int32_t sourceLength) {
  return static_cast<std::int32_t>((2 * static_cast<std::int64_t>(destination) + 1) * sourceLength /
                                   (2 * static_cast<std::int64_t>(destinationLength)));
}

}  // namespace

void ScaleNearest(const BgrxImageView& image, Size size, const Rect& part, std::uint32_t* out,
                  std::int32_t outStride) {
  if (image.bits == nullptr || image.width <= 0 || image.height <= 0 || size.width <= 0 ||
      size.height <= 0 || part.Empty() || part.left < 0 || part.top < 0 ||
      part.Right() > size.width || part.Bottom() > size.height) {
    return;
  }
  // The source column of each destination column, worked out once.
  std::vector<std::int32_t> columns(static_cast<std::size_t>(part.width));
  for (std::int32_t x = 0; x < part.width; ++x) {
    columns[static_cast<std::size_t>(x)] = SourceIndex(part.left + x, size.width, image.width);
  }
  const std::size_t rowBytes = static_cast<std::size_t>(part.width) * sizeof(std::uint32_t);
  std::int32_t previousRow = -1;
  for (std::int32_t y = 0; y < part.height; ++y) {
    std::uint32_t* target = out + static_cast<std::ptrdiff_t>(y) * outStride;
    const std::int32_t row = SourceIndex(part.top + y, size.height, image.height);
    if (row == previousRow) {
      // An enlarged row repeats the one above it.
      std::memcpy(target, target - outStride, rowBytes);
      continue;
    }
    previousRow = row;
    const std::uint8_t* source = image.bits + static_cast<std::ptrdiff_t>(row) * image.stride;
    if (image.width == 1) {
      // One source column, as a vertical ramp has: the row is one colour.
      std::uint32_t pixel;
      std::memcpy(&pixel, source, sizeof pixel);
      std::fill_n(target, part.width, pixel & 0x00FFFFFFu);
      continue;
    }
    for (std::int32_t x = 0; x < part.width; ++x) {
      std::uint32_t pixel;
      std::memcpy(&pixel,
                  source + 4 * static_cast<std::size_t>(columns[static_cast<std::size_t>(x)]),
                  sizeof pixel);
      target[x] = pixel & 0x00FFFFFFu;
    }
  }
}

}  // namespace tintara
