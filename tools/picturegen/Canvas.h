#pragma once

#include <functional>
#include <vector>

#include "Color.h"
#include "Image.h"
#include "Shape.h"

namespace tintara::picturegen {

// The colour at a point; its alpha is multiplied by the shape's coverage.
using Paint = std::function<Color(Point)>;

// A transparent raster that shapes are painted onto, one over the other. Each pixel
// is sampled on an 8 x 8 grid, so edges come out anti-aliased at every size.
class Canvas {
 public:
  static constexpr int kSamplesPerAxis = 8;

  Canvas(int width, int height);

  void Fill(const Shape& shape, const Paint& paint);
  void Fill(const Shape& shape, const Color& color);

  Image ToImage() const;

 private:
  struct Premultiplied {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
  };

  int width_;
  int height_;
  std::vector<Premultiplied> pixels_;
};

}  // namespace tintara::picturegen
