#include "engine/ColorCountTable.h"

#include <algorithm>
#include <stdexcept>

namespace tintara {

std::int32_t ColorCountTable::Find(TColor key, std::int32_t hash) const {
  if (capacity_ == 0) return -1;
  const std::uint32_t i = Probe(key, hash);
  return FItems[i].HashCode == 0 ? -1 : static_cast<std::int32_t>(i);
}

std::int32_t ColorCountTable::Get(TColor key) const {
  const std::int32_t i = Find(key, ColorKeyHash(key));
  if (i < 0) throw std::out_of_range("colour not counted");
  return FItems[static_cast<std::uint32_t>(i)].Value;
}

void ColorCountTable::Set(TColor key, std::int32_t value) {
  const std::int32_t i = Find(key, ColorKeyHash(key));
  if (i < 0) throw std::out_of_range("colour not counted");
  FItems[static_cast<std::uint32_t>(i)].Value = value;
}

void ColorCountTable::Add(TColor key, std::int32_t value) {
  Insert(key, ColorKeyHash(key), value);
}

void ColorCountTable::Insert(TColor key, std::int32_t hash, std::int32_t value) {
  if (FCount >= FGrowThreshold) Resize(capacity_ == 0 ? 4u : 2u * capacity_);
  Slot& slot = FItems[Probe(key, hash)];
  slot = Slot{hash, key, value};
  ++FCount;
}

void ColorCountTable::Resize(std::uint32_t capacity) {
  std::unique_ptr<Slot[]> oldHeap = std::move(heapSlots_);  // alive until its slots moved
  const Slot* const old = FItems;
  const std::uint32_t oldCapacity = capacity_;
  if (capacity <= kInlineCapacity) {
    FItems = inlineSlots_ + (capacity - 4);
    std::fill_n(FItems, capacity, Slot{0, 0, 0});
  } else {
    heapSlots_.reset(new Slot[capacity]());
    FItems = heapSlots_.get();
  }
  capacity_ = capacity;
  mask_ = capacity - 1;
  FGrowThreshold = static_cast<std::int32_t>(capacity / 2 + capacity / 4);
  // Old slots move in index order with their stored hashes; the resulting layout is
  // part of what decides ties, so neither order nor hashes may change here. They land
  // at scattered places, so each one is asked for a little ahead of its move.
  constexpr std::uint32_t kAhead = 16;
  for (std::uint32_t i = 0; i < oldCapacity; ++i) {
    if (i + kAhead < oldCapacity) {
      __builtin_prefetch(&FItems[static_cast<std::uint32_t>(old[i + kAhead].HashCode) & mask_]);
    }
    const Slot& slot = old[i];
    if (slot.HashCode != 0) FItems[Probe(slot.Key, slot.HashCode)] = slot;
  }
}

}  // namespace tintara
