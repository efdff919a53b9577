#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace tintara::picturegen {

// A PNG file: 8 bits per channel, red, green, blue and straight alpha, no interlacing.
// Each row takes the filter that leaves the smallest differences, and the rows are
// deflated by zlib at its highest level; the same zlib gives the same bytes.
std::vector<std::uint8_t> EncodePng(const Image& image);

}  // namespace tintara::picturegen
