#pragma once

#include <cstdint>

namespace tintara::picturegen {

// Bytes in one row of a device-independent bitmap: rows are padded to whole 32-bit words.
constexpr std::uint32_t DibStride(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) /
          32) *
         4;
}

constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kBitmapV5HeaderSize = 124;
constexpr std::uint32_t kBitmapFileHeaderSize = 14;
// 96 dots per inch, in the header's pixels per metre.
constexpr std::int32_t kPixelsPerMetre = 3780;

}  // namespace tintara::picturegen
