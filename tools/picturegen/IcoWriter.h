#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace tintara::picturegen {

// One image of an icon file: the drawing at its size and the depth it is stored in.
struct IconImage {
  Image image;
  int bits;          // 1, 4, 8 or 32
  bool png = false;  // 32 bits only: stored as a PNG file rather than as a bitmap
};

// An ICO file: the directory in the given order, then each image as a
// BITMAPINFOHEADER (height doubled for the mask), its colour table (1, 4 and 8 bits),
// its bottom-up colour rows and its AND mask. 32-bit images keep their alpha and carry
// a mask too, for readers that ignore alpha. A PNG image is the whole PNG file instead,
// alpha and all, which every reader since Windows Vista takes. Images are at most 256
// pixels square.
std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

}  // namespace tintara::picturegen
