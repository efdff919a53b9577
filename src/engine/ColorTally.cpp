#include "engine/ColorTally.h"

#include <algorithm>
#include <cstring>

namespace tintara {

ColorTally::ColorTally() : slots_(inlineSlots_), order_(inlineOrder_) {
  std::fill_n(slots_, capacity_, Slot{kEmpty, 0});
}

inline void ColorTally::Count(std::uint32_t bgr) {
  std::uint32_t i = Home(bgr);
  while (true) {
    Slot& slot = slots_[i];
    if (slot.bgr == bgr) {
      ++slot.pixels;
      return;
    }
    if (slot.bgr == kEmpty) break;
    i = (i + 1) & mask_;
  }
  AddNew(i, bgr);
}

void ColorTally::CountPixels(const std::uint8_t* bgr, std::size_t count) {
  if (count == 0) return;
  // Four bytes are read at a time and the fourth, which belongs to the next pixel, is
  // masked off; the last pixel has no next one.
  std::size_t i = 0;
  for (; i + 1 < count; ++i) {
    std::uint32_t value;
    std::memcpy(&value, bgr + 3 * i, sizeof value);
    Count(value & 0xFFFFFFu);
  }
  const std::uint8_t* last = bgr + 3 * i;
  Count(static_cast<std::uint32_t>(last[0]) | (static_cast<std::uint32_t>(last[1]) << 8) |
        (static_cast<std::uint32_t>(last[2]) << 16));
}

void ColorTally::AddNew(std::uint32_t freeSlot, std::uint32_t bgr) {
  if (2 * (size_ + 1) > capacity_) {
    Grow();
    freeSlot = Find(bgr);
  }
  slots_[freeSlot] = Slot{bgr, 1};
  order_[size_++] = bgr;
}

void ColorTally::Grow() {
  const std::uint32_t capacity = 2 * capacity_;
  std::unique_ptr<Slot[]> slots(new Slot[capacity]);
  std::unique_ptr<std::uint32_t[]> order(new std::uint32_t[capacity / 2]);
  std::copy_n(order_, size_, order.get());
  std::fill_n(slots.get(), capacity, Slot{kEmpty, 0});
  const std::unique_ptr<Slot[]> oldHeap = std::move(heapSlots_);  // alive until moved
  const Slot* const old = slots_;
  const std::uint32_t oldMask = mask_;
  const std::uint32_t oldShift = shift_;
  heapSlots_ = std::move(slots);
  heapOrder_ = std::move(order);
  slots_ = heapSlots_.get();
  order_ = heapOrder_.get();
  capacity_ = capacity;
  mask_ = capacity - 1;
  --shift_;
  // Going by the list rather than by the old slots, half of which are empty at random.
  for (std::uint32_t e = 0; e < size_; ++e) {
    const std::uint32_t bgr = order_[e];
    std::uint32_t from = (bgr * 0x9E3779B1u) >> oldShift;
    while (old[from].bgr != bgr) from = (from + 1) & oldMask;
    slots_[Find(bgr)] = old[from];
  }
}

ColorTally::Top ColorTally::MostFrequent() const {
  // Plain passes over every slot, the empty ones with their 0 pixels too, which the
  // compiler turns into vector code: which slots are empty is as good as random, so a
  // test of each one would mostly be guessed wrong.
  Top top;
  for (std::uint32_t i = 0; i < capacity_; ++i) top.pixels = std::max(top.pixels, slots_[i].pixels);
  if (top.pixels == 0) return top;
  unsigned atTop = 0;
  for (std::uint32_t i = 0; i < capacity_; ++i) atTop += slots_[i].pixels == top.pixels ? 1u : 0u;
  top.shared = atTop > 1;
  std::uint32_t i = 0;
  while (slots_[i].pixels != top.pixels) ++i;
  top.color = ColorOf(slots_[i].bgr);
  return top;
}

}  // namespace tintara
