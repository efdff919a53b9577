#pragma once

#include <cstdint>
#include <vector>

#include "gradient/GradientTypes.h"

namespace tintara {

// The gradient's pattern: a raster of 32-bit pixels (blue, green, red and a fourth byte
// that is never drawn), rows from the top, with direct access to each row. Changing the
// size keeps the format; what the pixels hold afterwards is whatever was there, so a
// generator writes every one of them.
class PatternBitmap {
 public:
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // Negative sizes count as 0.
  void SetSize(std::int32_t width, std::int32_t height);

  // Row y (0 = top), Width() pixels.
  tagRGBQUAD* ScanLine(std::int32_t y) {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  const tagRGBQUAD* ScanLine(std::int32_t y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  tagRGBQUAD& Pixel(std::int32_t x, std::int32_t y) { return ScanLine(y)[x]; }
  const tagRGBQUAD& Pixel(std::int32_t x, std::int32_t y) const { return ScanLine(y)[x]; }
  // All pixels, row after row.
  const std::vector<tagRGBQUAD>& Pixels() const { return pixels_; }

  friend bool operator==(const PatternBitmap&, const PatternBitmap&) = default;

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<tagRGBQUAD> pixels_;
};

}  // namespace tintara
