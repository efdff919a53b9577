#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace tintara {

// An icon drawn at its own size over white: rows from the top, three bytes per pixel
// in the order blue, green, red, rows packed without padding.
class RenderedIconBitmap {
 public:
  static constexpr std::uint8_t kWhite = 0xFF;

  // Gives the bitmap its size; every pixel starts white.
  void SetSize(std::int32_t width, std::int32_t height);

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }

  // Throws std::out_of_range outside the bitmap.
  TColor PixelColor(std::int32_t x, std::int32_t y) const;
  void SetPixel(std::int32_t x, std::int32_t y, TColor color);

  const std::uint8_t* Row(std::int32_t y) const { return bytes_.data() + RowOffset(y); }
  std::uint8_t* Row(std::int32_t y) { return bytes_.data() + RowOffset(y); }

 private:
  std::size_t RowOffset(std::int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 3;
  }
  std::size_t CheckedOffset(std::int32_t x, std::int32_t y) const;

  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tintara
