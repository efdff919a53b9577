#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace tintara::picturegen {

// An image reduced to a colour table, for the 1-, 4- and 8-bit images of an icon.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgba> table;            // exactly 2^bits entries, alpha unused
  std::vector<std::uint8_t> indices;  // rows from the top
  std::vector<bool> transparent;      // rows from the top: true where the AND mask is set
};

// A pixel with less than half alpha counts as transparent in the paletted images.
constexpr bool IsTransparentForMask(const Rgba& p) {
  return p.a < 128;
}

// Reduces to 1, 4 or 8 bits. Entry 0 of the table is black and is what transparent
// pixels get, so the icon's colour image adds nothing where the mask shows the screen.
// 1 bit: black and white, split at the brightness that best separates dark from light. 4 and 8
// bits: a median-cut table of the opaque colours, each pixel taking its nearest entry; no
// dithering, small sizes stay crisp.
IndexedImage ReduceColors(const Image& image, int bits);

}  // namespace tintara::picturegen
