#include "gradient/PatternBitmap.h"

namespace tintara {

void PatternBitmap::SetSize(std::int32_t width, std::int32_t height) {
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
}

}  // namespace tintara
