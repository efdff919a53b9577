#include "engine/IconColorPicker.h"

#include <cstddef>
#include <stdexcept>

#include "engine/ColorCountTable.h"
#include "engine/ColorTally.h"

namespace tintara {
namespace {

// The exact table as counting every pixel in order would leave it: its slot layout
// depends only on which colours were added in which order, so adding each colour once,
// in the order first met, with its whole count, lays it out the same. Each colour's
// hash is computed and its home slot fetched from memory a few colours ahead of its
// insertion, so the hash's long dependency chain and the cache misses of a large table
// overlap with other work.
void CountInOrder(const ColorTally& tally, ColorCountTable& table) {
  constexpr std::size_t kAhead = 16;  // a power of two
  struct Pending {
    TColor key;
    std::int32_t hash;
    std::int32_t pixels;
  };
  Pending ring[kAhead];
  std::size_t queued = 0;
  tally.ForEachInOrder([&](TColor color, std::int32_t pixels) {
    Pending& slot = ring[queued % kAhead];
    if (queued >= kAhead) table.IncrementHashed(slot.key, slot.hash, slot.pixels);
    slot = Pending{color, ColorKeyHash(color), pixels};
    table.PrefetchHome(slot.hash);
    ++queued;
  });
  for (std::size_t i = queued > kAhead ? queued - kAhead : 0; i < queued; ++i) {
    const Pending& slot = ring[i % kAhead];
    table.IncrementHashed(slot.key, slot.hash, slot.pixels);
  }
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
  // Rows are packed: the bitmap is one sequence of pixels in counting order.
  ColorTally tally;
  if (bitmap.Width() > 0 && bitmap.Height() > 0) {
    tally.CountPixels(bitmap.Row(0), static_cast<std::size_t>(bitmap.Width()) *
                                         static_cast<std::size_t>(bitmap.Height()));
  }
  // Which of several equally frequent colours wins is decided by the exact table's slot
  // order; a single most frequent colour wins in any order, so the table is built only
  // when the highest count is shared.
  const ColorTally::Top top = tally.MostFrequent();
  if (!top.shared) return top.color;

  ColorCountTable table;
  CountInOrder(tally, table);
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
