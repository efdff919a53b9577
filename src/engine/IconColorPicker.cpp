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

bool SelectsMostUsedColor(std::u16string_view mode) {
  return mode == kModeMostUsed;
}

TColor CenterColor(const RenderedIconBitmap& bitmap) {
  try {
    return bitmap.PixelColor(bitmap.Width() / 2, bitmap.Height() / 2);
  } catch (const std::out_of_range&) {
    return 0;  // only a bitmap without pixels has no centre
  }
}

TColor MostUsedColor(const RenderedIconBitmap& bitmap) {
  ColorCountTable table;
  // Pixels are gathered in runs of one colour. Each run's hash is computed and its
  // slot fetched from memory a few runs before the run is counted, so the hash's long
  // dependency chain and the cache misses overlap with other work. The table ends up
  // exactly as if every pixel had been counted on its own, in order.
  constexpr unsigned kAhead = 16;  // a power of two
  struct Pending {
    TColor key;
    std::int32_t hash;
    std::int32_t run;
  };
  Pending ring[kAhead];
  unsigned queued = 0;
  const auto push = [&](TColor key, std::int32_t run) {
    Pending& slot = ring[queued % kAhead];
    if (queued >= kAhead) table.IncrementHashed(slot.key, slot.hash, slot.run);
    slot = Pending{key, ColorKeyHash(key), run};
    table.PrefetchHome(slot.hash);
    ++queued;
  };
  for (std::int32_t y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* p = bitmap.Row(y);
    const std::uint8_t* const end = p + 3 * static_cast<std::size_t>(bitmap.Width());
    while (p < end) {
      const std::uint8_t* q = p + 3;
      while (q < end && q[0] == p[0] && q[1] == p[1] && q[2] == p[2]) q += 3;
      push(ColorAt(p), static_cast<std::int32_t>((q - p) / 3));
      p = q;
    }
  }
  for (unsigned i = queued > kAhead ? queued - kAhead : 0; i < queued; ++i) {
    const Pending& slot = ring[i % kAhead];
    table.IncrementHashed(slot.key, slot.hash, slot.run);
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
