#include "engine/IconColorPicker.h"

#include <stdexcept>

#include "engine/ColorCountTable.h"

namespace tintara {
namespace {

TColor ColorAt(const std::uint8_t* bgr) {
  return static_cast<TColor>(bgr[2]) | (static_cast<TColor>(bgr[1]) << 8) |
         (static_cast<TColor>(bgr[0]) << 16);
}

}  // namespace

bool SelectsMostUsedColor(std::u16string_view mode) { return mode == kModeMostUsed; }

TColor CenterColor(const RenderedIconBitmap& bitmap) {
  try {
    return bitmap.PixelColor(bitmap.Width() / 2, bitmap.Height() / 2);
  } catch (const std::out_of_range&) {
    return 0;  // only a bitmap without pixels has no centre
  }
}

TColor MostUsedColor(const RenderedIconBitmap& bitmap) {
  ColorCountTable table;
  // Icons are mostly runs of one colour, so each run is counted with one search; the
  // table ends up exactly as if every pixel had been counted on its own.
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    std::int32_t x = 0;
    while (x < bitmap.Width()) {
      const TColor key = ColorAt(row + 3 * x);
      std::int32_t run = 1;
      while (x + run < bitmap.Width() && ColorAt(row + 3 * (x + run)) == key) ++run;
      table.Increment(key, run);
      x += run;
    }
  }
  TColor result = 0;
  std::int32_t best = 0;
  table.ForEach([&](TColor key, std::int32_t value) {
    if (value > best) {
      result = key;
      best = value;
    }
  });
  return result;
}

TColor PickIconColor(const RenderedIconBitmap& bitmap, std::u16string_view mode) {
  return SelectsMostUsedColor(mode) ? MostUsedColor(bitmap) : CenterColor(bitmap);
}

}  // namespace tintara
