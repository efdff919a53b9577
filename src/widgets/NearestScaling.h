#pragma once

#include <cstdint>

#include "platform/Geometry.h"
#include "widgets/Canvas.h"

namespace tintara {

// Scales `image` onto a destination of `size` by nearest-neighbour sampling: destination
// column x shows source column (2x + 1) * width / (2 * size.width), rows alike, so every
// destination pixel takes the source pixel under its centre. Only the `part` of the
// destination (its own coordinates, inside 0, 0, size) is produced, into `out`, whose
// rows are `outStride` pixels apart; each pixel is 0x00RRGGBB in memory order blue,
// green, red, 0: the source's fourth byte is dropped. An empty image or part, or a part
// reaching outside the destination, writes nothing.
void ScaleNearest(const BgrxImageView& image, Size size, const Rect& part, std::uint32_t* out,
                  std::int32_t outStride);

}  // namespace tintara
