#include "platform/RenderedIconBitmap.h"

#include <stdexcept>

namespace tintara {

void RenderedIconBitmap::SetSize(std::int32_t width, std::int32_t height) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative bitmap size");
  width_ = width;
  height_ = height;
  bytes_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, kWhite);
}

std::size_t RenderedIconBitmap::CheckedOffset(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    throw std::out_of_range("pixel outside the rendered icon");
  }
  return RowOffset(y) + static_cast<std::size_t>(x) * 3;
}

TColor RenderedIconBitmap::PixelColor(std::int32_t x, std::int32_t y) const {
  const std::uint8_t* p = bytes_.data() + CheckedOffset(x, y);
  return static_cast<TColor>(p[2]) | (static_cast<TColor>(p[1]) << 8) |
         (static_cast<TColor>(p[0]) << 16);
}

void RenderedIconBitmap::SetPixel(std::int32_t x, std::int32_t y, TColor color) {
  std::uint8_t* p = bytes_.data() + CheckedOffset(x, y);
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

}  // namespace tintara
