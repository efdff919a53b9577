#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace tintara::picturegen {

// A BMP file with 24 bits per pixel; the image's alpha is left out.
std::vector<std::uint8_t> EncodeBmp24(const Image& image);

// A BMP file with 8 bits per pixel and a colour table of the image's colours in the
// order they are first met (rows from the top); the image's alpha is left out. For a
// picture of few colours this is exact at a third of the 24-bit size. Throws
// std::invalid_argument when the image has more than 256 colours.
std::vector<std::uint8_t> EncodeBmp8(const Image& image);

// A BMP file with 32 bits per pixel and straight alpha, described by a BITMAPV5HEADER
// with explicit channel masks so that readers keep the alpha.
std::vector<std::uint8_t> EncodeBmp32(const Image& image);

}  // namespace tintara::picturegen
