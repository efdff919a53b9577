#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace tintara::test {

// What the screen shows in an area, read back from the display in one copy: the
// pixels a user would see, whatever window put them there.
class ScreenPixels {
 public:
  // Throws std::runtime_error when the screen cannot be read.
  explicit ScreenPixels(const RECT& area);

  // The pixel at (x, y) of the area, as a TColor 0x00BBGGRR.
  TColor At(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The darkest pixel (smallest sum of red, green and blue) within a part of the area.
  TColor Darkest(const RECT& part) const;

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> bgra_;
};

// "0xBBGGRR" for messages.
std::string ColorText(TColor color);

}  // namespace tintara::test
