#pragma once

#include <cstdint>

namespace tintara {

// Pixel positions and areas. A Rect covers the columns left .. left + width - 1 and the
// rows top .. top + height - 1; Right() and Bottom() are the first column and row
// outside it.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t width = 0;
  std::int32_t height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  std::int32_t Right() const { return left + width; }
  std::int32_t Bottom() const { return top + height; }
  Point TopLeft() const { return {left, top}; }
  Size Extent() const { return {width, height}; }
  bool Empty() const { return width <= 0 || height <= 0; }
  bool Contains(Point p) const {
    return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
  }
  Rect Offset(std::int32_t dx, std::int32_t dy) const {
    return {left + dx, top + dy, width, height};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part of two rectangles; empty (zero width and height) when they do not meet.
inline Rect Intersection(const Rect& a, const Rect& b) {
  const std::int32_t left = a.left > b.left ? a.left : b.left;
  const std::int32_t top = a.top > b.top ? a.top : b.top;
  const std::int32_t right = a.Right() < b.Right() ? a.Right() : b.Right();
  const std::int32_t bottom = a.Bottom() < b.Bottom() ? a.Bottom() : b.Bottom();
  if (right <= left || bottom <= top) return {left, top, 0, 0};
  return {left, top, right - left, bottom - top};
}

}  // namespace tintara
