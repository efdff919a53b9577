#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tintara::picturegen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
  const int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.top)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(shape.bounds.right)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(shape.bounds.bottom)));
  constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      Premultiplied sum;
      for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
          const Point p{x + (sx + 0.5) / kSamplesPerAxis, y + (sy + 0.5) / kSamplesPerAxis};
          if (!shape.Contains(p)) continue;
          const Color c = paint(p);
          sum.r += c.r * c.a;
          sum.g += c.g * c.a;
          sum.b += c.b * c.a;
          sum.a += c.a;
        }
      }
      if (sum.a <= 0) continue;
      Premultiplied& dst = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                   static_cast<std::size_t>(x)];
      const double srcAlpha = sum.a / kSamples;
      dst.r = sum.r / kSamples + dst.r * (1 - srcAlpha);
      dst.g = sum.g / kSamples + dst.g * (1 - srcAlpha);
      dst.b = sum.b / kSamples + dst.b * (1 - srcAlpha);
      dst.a = srcAlpha + dst.a * (1 - srcAlpha);
    }
  }
}

void Canvas::Fill(const Shape& shape, const Color& color) {
  Fill(shape, [color](Point) { return color; });
}

Image Canvas::ToImage() const {
  Image image(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Premultiplied& p =
          pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                  static_cast<std::size_t>(x)];
      const std::uint8_t alpha = ToByte(p.a);
      if (alpha == 0) continue;  // fully transparent pixels stay black, as icon masks expect
      image.At(x, y) = {ToByte(p.r / p.a), ToByte(p.g / p.a), ToByte(p.b / p.a), alpha};
    }
  }
  return image;
}

}  // namespace tintara::picturegen
