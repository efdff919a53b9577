#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tintara::picturegen {

// One pixel with straight (not premultiplied) alpha.
struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;

  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// An 8-bit RGBA raster, rows from the top.
class Image {
 public:
  Image(int width, int height) : width_(width), height_(height), pixels_(Index(width, height)) {}

  int Width() const { return width_; }
  int Height() const { return height_; }

  const Rgba& At(int x, int y) const { return pixels_[Index(x, y)]; }
  Rgba& At(int x, int y) { return pixels_[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

}  // namespace tintara::picturegen
