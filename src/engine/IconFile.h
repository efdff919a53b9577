#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/IconImage.h"

namespace tintara {

// The bytes of an icon file (ICO) holding exactly the one image: the 6-byte file
// header, one 16-byte directory entry, then at offset 22 the image as a device-
// independent bitmap of twice the icon's height (the bitmap header, the colour table
// for depths up to 8 or the three masks of the bit-field compression, the colour rows,
// the mask rows), every row padded to 4 bytes.
//
// The directory entry holds the low 8 bits of the width and the height, then planes
// times bits per pixel as one 16-bit value where colour count and reserved byte go,
// planes 0 and bit count 0; readers take the depth from the bitmap header.
//
// The bitmap header is a plain one for an image without a header of its own. A
// section's own header is taken over with planes 1, the depth of the image, the
// important colours lowered to the used colours, its image size computed when it
// gives none and its height doubled; the rows are always bottom-up, so the doubled
// height is positive. Above 8 bits no colour table is written, so none is announced.
//
// Nothing: the image cannot be written as an icon (no pixels, a depth or compression
// the format does not know, a colour table or rows that do not match its size).
std::optional<std::vector<std::uint8_t>> BuildIconFile(const IconImage& image);

}  // namespace tintara
